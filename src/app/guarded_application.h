// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QApplication>
#include <QString>

namespace ravello::app {

// Runs `deliver` and returns what it returns. An exception that escapes it is told to `fail`
// (with its description, empty when it is no std::exception) and false is returned: the toolkit
// cannot carry an exception through its event loop, and would abort the program.
bool deliverGuarded(const std::function<bool()>& deliver,
                    const std::function<void(const QString& detail)>& fail);

// The application object of the window program: an exception in any handler, the first
// activation's import among them, ends the program with a message and a clean exit (status 1)
// instead of an abort.
class GuardedApplication : public QApplication
{
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace ravello::app
