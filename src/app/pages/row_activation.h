// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QObject>

class QListWidget;

namespace ravello::app {

// Calls a list's handler whenever the user acts on its selected row: Enter or the platform's
// activate action on a row, a double-click on a row, and a double-click or Enter on the list's
// empty space while a row is selected. A double-click on a row reaches the handler once.
class RowActivation : public QObject
{
public:
    // Made as a child of the list; the handler runs while the list lives.
    static void attach(QListWidget* list, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RowActivation(QListWidget* list, std::function<void()> handler);
    bool hasSelectedRow() const;

    QListWidget* m_list;
    QObject* m_viewport;
    std::function<void()> m_handler;
};

} // namespace ravello::app
