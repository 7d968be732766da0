// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

namespace ravello::app {

// Paints a list's rows as the style does, without the style's focus frame over the current row.
// Fusion lays a translucent gradient over the focused row, text included, which takes selected
// text below a readable contrast; the list's own frame still shows that it has the focus, and
// the current row of a single-selection list is its selected one.
class SelectedRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace ravello::app
