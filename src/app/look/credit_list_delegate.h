// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include <QPixmap>
#include <QStyledItemDelegate>

#include "core/output/credit_line_text.h"

namespace ravello::app {

// Paints the rows of one of the four credit lists: the active style's list colours, the
// fixed-pitch line with its dotted name column, on the photo lists the photo marker, and on the
// cast and crew lists a dot before the people the user's collection knows (items whose
// kKnownPersonRole is true). The list's item n shows rows[n]; `rows` must outlive the delegate.
class CreditListDelegate : public QStyledItemDelegate
{
public:
    CreditListDelegate(output::CreditList list, const std::vector<std::string>& rows,
                       QPixmap marker, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The item data that marks a row's person as one the collection knows.
    static constexpr int kKnownPersonRole = Qt::UserRole + 1;

    // Courier New at 11 pixels, or the platform's fixed-pitch font where it is missing.
    static QFont rowFont();
    // Where a row's text is painted within `row`: after the photo marker and the known-person
    // dot.
    QRect textArea(const QRect& row) const;

private:
    void paintKnownMark(QPainter& painter, const QRect& row, const QColor& colour) const;

    output::CreditList m_list;
    const std::vector<std::string>& m_rows;
    output::CreditListLayout m_layout;
    // Room before the text for the known-person dot; 0 on the photo lists.
    int m_markColumn;
    QPixmap m_marker;
};

} // namespace ravello::app
