// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>

#include <QObject>
#include <QString>

#include "app/services/busy_scope.h"

class QLabel;
class QPushButton;
class QStatusBar;

namespace ravello::app {

// The window's side of a wait on TMDb, which runs on the window's thread: a busy cursor, a
// status line saying what is awaited, and a Cancel button in the status bar. While a wait
// runs the window repaints but takes no input except the way out: Escape or the Cancel button.
class TmdbWait : public QObject
{
public:
    // Adds the status line (LBL_Attesa) and the Cancel button (BTN_AnnullaAttesa), hidden, to
    // `statusBar`. `busy` is the window's flag that a retrieval runs.
    TmdbWait(QStatusBar& statusBar, bool& busy);

    // A wait from construction to destruction, busy all along.
    class Scope
    {
    public:
        explicit Scope(TmdbWait& wait);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        BusyScope m_busy;
        TmdbWait& m_wait;
    };

    // Told when a wait begins (true) and ends (false), so that work in the background can make
    // way for what the user asked.
    void setObserver(std::function<void(bool waiting)> observer)
    {
        m_observer = std::move(observer);
    }

    // Shows `status`, lets the window repaint and take the way out; false once the user has
    // asked to end the wait.
    bool keepWaiting(const QString& status);
    // The same with the status "Waiting for The Movie Database... N s" in `format` ("%1" the
    // seconds).
    bool keepWaiting(const QString& format, std::chrono::milliseconds waited);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin();
    void end();

    QLabel* m_status = nullptr;
    QPushButton* m_cancel = nullptr;
    bool& m_busy;
    bool m_running = false;
    bool m_cancelled = false;
    std::function<void(bool)> m_observer;
};

} // namespace ravello::app
