// SPDX-License-Identifier: MIT
#include "app/services/tmdb_wait.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/pages/widget_factory.h"

namespace ravello::app {
namespace {

// The events through which the user acts on the window.
bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

TmdbWait::TmdbWait(QStatusBar& statusBar, bool& busy) : QObject(&statusBar), m_busy(busy)
{
    m_status = makeHiddenWidget<QLabel>(&statusBar, "LBL_Attesa");
    m_cancel = makeHiddenWidget<QPushButton>(&statusBar, "BTN_AnnullaAttesa");
    m_cancel->setText(QStringLiteral("Cancel"));
    m_cancel->setFocusPolicy(Qt::NoFocus);
    statusBar.addPermanentWidget(m_status);
    statusBar.addPermanentWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
}

TmdbWait::Scope::Scope(TmdbWait& wait) : m_busy(wait.m_busy), m_wait(wait)
{
    m_wait.begin();
}

TmdbWait::Scope::~Scope()
{
    m_wait.end();
}

void TmdbWait::begin()
{
    m_running = true;
    m_cancelled = false;
    qApp->installEventFilter(this);
    if (m_observer)
        m_observer(true);
}

void TmdbWait::end()
{
    qApp->removeEventFilter(this);
    m_status->hide();
    m_status->clear();
    m_cancel->hide();
    m_running = false;
    if (m_observer)
        m_observer(false);
}

bool TmdbWait::keepWaiting(const QString& status)
{
    // Outside a wait the window repaints and takes no input at all.
    if (!m_running) {
        BusyScope::repaint();
        return true;
    }
    m_status->setText(status);
    m_status->show();
    m_cancel->show();
    // User input reaches the event filter, which lets only the way out through.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !m_cancelled;
}

bool TmdbWait::keepWaiting(const QString& format, std::chrono::milliseconds waited)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(waited).count();
    return keepWaiting(QString(format).replace(QLatin1String("%1"), QString::number(seconds)));
}

bool TmdbWait::eventFilter(QObject* watched, QEvent* event)
{
    // Input reaches a window first, then the widget it is meant for: only the widget's is
    // judged, so that a click on the Cancel button arrives there.
    if (!m_running || !isUserInput(event->type()) || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_cancelled = true;
        return true;
    }
    // The Cancel button takes its clicks; everything else waits for the end of the wait.
    if (watched == m_cancel && event->type() != QEvent::KeyPress &&
        event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    return true;
}

} // namespace ravello::app
