// SPDX-License-Identifier: MIT
#include <stdexcept>

#include <QtTest>

#include "app/guarded_application.h"

using ravello::app::deliverGuarded;

// What reaches the window program's last guard: a handler's exception is told and stops there.
class GuardedApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void anExceptionIsToldAndGoesNoFurther()
    {
        QStringList told;
        const auto tell = [&](const QString& detail) { told << detail; };
        QVERIFY(deliverGuarded([] { return true; }, tell));
        QVERIFY(!deliverGuarded([] { return false; }, tell));
        QVERIFY(told.isEmpty());
        QVERIFY(!deliverGuarded([]() -> bool { throw std::runtime_error("disk on fire"); }, tell));
        QVERIFY(!deliverGuarded([]() -> bool { throw 42; }, tell));
        QCOMPARE(told, (QStringList{QStringLiteral("disk on fire"), QString()}));
    }
};

QTEST_MAIN(GuardedApplicationTest)
#include "guarded_application_test.moc"
