// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace ravello::app {

// While long work runs on the window's thread: a busy cursor and a flag that the window checks
// so that it takes no input until the work has ended.
class BusyScope
{
public:
    explicit BusyScope(bool& busy) : m_busy(busy)
    {
        m_busy = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyScope()
    {
        QApplication::restoreOverrideCursor();
        m_busy = false;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    // Lets the window repaint without taking the user's input.
    static void repaint() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

private:
    bool& m_busy;
};

} // namespace ravello::app
