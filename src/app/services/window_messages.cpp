// SPDX-License-Identifier: MIT
#include "app/services/window_messages.h"

#include <QMessageBox>
#include <QStatusBar>

namespace ravello::app {

WindowMessages::WindowMessages(QWidget& window, QStatusBar& statusBar)
    : m_window(window), m_statusBar(statusBar)
{}

bool WindowMessages::ask(const QString& text, const QString& title) const
{
    if (m_ask)
        return m_ask(text, title);
    return QMessageBox::question(&m_window, title, text) == QMessageBox::Yes;
}

void WindowMessages::showError(const QString& text, const QString& title) const
{
    if (m_showError)
        m_showError(text, title);
    else
        QMessageBox::critical(&m_window, title, text);
}

void WindowMessages::showInformation(const QString& text, const QString& title) const
{
    if (m_showInformation)
        m_showInformation(text, title);
    else
        QMessageBox::information(&m_window, title, text);
}

void WindowMessages::setStatusText(const QString& text) const
{
    m_statusBar.showMessage(text);
    // Setting the description tells assistive technology that the bar changed.
    m_statusBar.setAccessibleDescription(text);
}

void WindowMessages::showProgress(const QString& text) const
{
    m_statusBar.showMessage(text);
}

void WindowMessages::setStatusToolTip(const QString& text) const
{
    m_statusBar.setToolTip(text);
}

} // namespace ravello::app
