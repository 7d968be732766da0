// SPDX-License-Identifier: MIT
#include "app/guarded_application.h"

#include <cstdlib>
#include <exception>

#include "app/start_failure.h"

namespace ravello::app {

bool deliverGuarded(const std::function<bool()>& deliver,
                    const std::function<void(const QString& detail)>& fail)
{
    try {
        return deliver();
    } catch (const std::exception& error) {
        fail(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        fail(QString());
    }
    return false;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    return deliverGuarded([&] { return QApplication::notify(receiver, event); },
                          [](const QString& detail) {
                              // Once is enough: the message box's own events come here too.
                              static bool told = false;
                              if (!told) {
                                  told = true;
                                  showFailure("MSG_ErroreInatteso", detail);
                              }
                              QCoreApplication::exit(EXIT_FAILURE);
                          });
}

} // namespace ravello::app
