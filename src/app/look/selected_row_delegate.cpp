// SPDX-License-Identifier: MIT
#include "app/look/selected_row_delegate.h"

namespace ravello::app {

void SelectedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    QStyleOptionViewItem withoutFocusFrame(option);
    withoutFocusFrame.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, withoutFocusFrame, index);
}

} // namespace ravello::app
