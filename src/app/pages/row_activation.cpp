// SPDX-License-Identifier: MIT
#include "app/pages/row_activation.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace ravello::app {

RowActivation::RowActivation(QListWidget* list, std::function<void()> handler)
    : QObject(list), m_list(list), m_viewport(list->viewport()), m_handler(std::move(handler))
{
    // activated covers Enter on the current row and, where the platform activates on a
    // double-click, the double-click too; doubleClicked alone would miss Enter.
    connect(list, &QListWidget::itemActivated, this, [this] { m_handler(); });
    list->installEventFilter(this);
    m_viewport->installEventFilter(this);
}

void RowActivation::attach(QListWidget* list, std::function<void()> handler)
{
    new RowActivation(list, std::move(handler));
}

bool RowActivation::hasSelectedRow() const
{
    return !m_list->selectedItems().isEmpty();
}

// The event's type is tested first: while the list is being destroyed its viewport still sends
// events through this filter, and the list must not be asked anything then.
bool RowActivation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == m_viewport) {
        const auto* click = static_cast<QMouseEvent*>(event);
        // A double-click on a row is activated by the list itself; only the empty space is
        // left to this filter.
        if (!m_list->itemAt(click->position().toPoint()) && hasSelectedRow()) {
            m_handler();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched == m_list) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Without a current row the list activates nothing on Enter: the selection decides.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !m_list->currentItem() &&
            hasSelectedRow()) {
            m_handler();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ravello::app
