// SPDX-License-Identifier: MIT
#include <QTimer>
#include <QtTest>

#include "app/frame/splash_window.h"

class SplashWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void fadeClimbsByTenAndStopsAt250()
    {
        TForm2 splash;
        auto* fade = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
        auto* hold = splash.findChild<QTimer*>(QStringLiteral("Timer2"));
        QVERIFY(fade->isActive());
        QCOMPARE(fade->interval(), 30);
        QCOMPARE(hold->interval(), 2000);
        for (int step = 1; step <= 25; ++step) {
            splash.Timer1Timer();
            QCOMPARE(splash.alphaBlendValue(), step * 10);
            QVERIFY(!hold->isActive());
        }
        splash.Timer1Timer();
        QCOMPARE(splash.alphaBlendValue(), 250);
        QVERIFY(!fade->isActive());
        QVERIFY(hold->isActive());
    }

    void holdClosesTheSplash()
    {
        TForm2 splash;
        splash.show();
        splash.Timer2Timer();
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
    }
};

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
