// SPDX-License-Identifier: MIT
#include "app/frame/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), m_image(new QLabel(this)),
      m_fadeTimer(new QTimer(this)), m_holdTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ravello"));
    setModal(true);
    setFixedSize(600, 400);

    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setGeometry(0, 0, 600, 400);
    m_image->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.jpg")));

    m_fadeTimer->setObjectName(QStringLiteral("Timer1"));
    m_fadeTimer->setInterval(kFadeIntervalMs);
    connect(m_fadeTimer, &QTimer::timeout, this, &TForm2::Timer1Timer);
    m_holdTimer->setObjectName(QStringLiteral("Timer2"));
    m_holdTimer->setInterval(kHoldMs);
    connect(m_holdTimer, &QTimer::timeout, this, &TForm2::Timer2Timer);

    setAlphaBlendValue(0);
    m_fadeTimer->start();
}

void TForm2::showModal()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    exec();
}

void TForm2::Timer1Timer()
{
    const int next = m_alphaBlendValue + kFadeStep;
    if (next > 255) {
        // The fade ends one step short of opaque, at 250.
        m_fadeTimer->stop();
        m_holdTimer->start();
        return;
    }
    setAlphaBlendValue(next);
}

void TForm2::Timer2Timer()
{
    m_holdTimer->stop();
    close();
}

void TForm2::setAlphaBlendValue(int value)
{
    m_alphaBlendValue = value;
    setWindowOpacity(value / 255.0);
}
