// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include <QPixmap>
#include <QStyledItemDelegate>

#include "core/output/credit_line_text.h"

namespace ravello::app {

// Paints the rows of one of the four credit lists: the active style's list colours, the
// fixed-pitch line with its dotted name column, and on the photo lists the photo marker. The
// list's item n shows rows[n]; `rows` must outlive the delegate.
class CreditListDelegate : public QStyledItemDelegate
{
public:
    CreditListDelegate(output::CreditList list, const std::vector<std::string>& rows,
                       QPixmap marker, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Courier New at 11 pixels, or the platform's fixed-pitch font where it is missing.
    static QFont rowFont();

private:
    output::CreditList m_list;
    const std::vector<std::string>& m_rows;
    output::CreditListLayout m_layout;
    QPixmap m_marker;
};

} // namespace ravello::app
