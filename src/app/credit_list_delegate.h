// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

#include "core/output/credit_line_text.h"

namespace ravello::app {

// The item role that holds a credit row's bytes as the list keeps them.
inline constexpr int kRowBytesRole = Qt::UserRole + 1;

// Paints the rows of one of the four credit lists: the active style's list colours, the
// fixed-pitch line with its dotted name column, and on the photo lists the photo marker.
class CreditListDelegate : public QStyledItemDelegate
{
public:
    CreditListDelegate(output::CreditList list, QPixmap marker, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Courier New at 11 pixels, or the platform's fixed-pitch font where it is missing.
    static QFont rowFont();

private:
    output::CreditList m_list;
    output::CreditListLayout m_layout;
    QPixmap m_marker;
};

} // namespace ravello::app
