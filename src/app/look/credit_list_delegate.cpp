// SPDX-License-Identifier: MIT
#include "app/look/credit_list_delegate.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include "app/texts/text_conversion.h"

namespace ravello::app {
namespace {

// Room after a row's last letter.
constexpr int kRightMargin = 4;
// The known-person dot and the room it takes before the text on the cast and crew lists.
constexpr int kMarkDiameter = 6;
constexpr int kMarkColumn = kMarkDiameter + 4;

int markColumnOf(output::CreditList list)
{
    return list == output::CreditList::Cast || list == output::CreditList::Crew ? kMarkColumn : 0;
}

} // namespace

CreditListDelegate::CreditListDelegate(output::CreditList list,
                                       const std::vector<std::string>& rows, QPixmap marker,
                                       QObject* parent)
    : QStyledItemDelegate(parent), m_list(list), m_rows(rows),
      m_layout(output::creditListLayout(list)), m_markColumn(markColumnOf(list)),
      m_marker(std::move(marker))
{}

QFont CreditListDelegate::rowFont()
{
    QFont font(QStringLiteral("Courier New"));
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(11);
    return font;
}

void CreditListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(option.rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    const auto row = static_cast<std::size_t>(index.row());
    const output::PaintedRow painted = output::paintCreditRow(
        m_list, row < m_rows.size() ? std::string_view(m_rows[row]) : std::string_view());
    if (painted.showsPhotoMarker) {
        const output::MarkerRect marker =
            output::photoMarkerRect(m_list, option.rect.left(), option.rect.top());
        painter->drawPixmap(
            QRect(QPoint(marker.left, marker.top), QPoint(marker.right - 1, marker.bottom - 1)),
            m_marker);
    }
    // The dot is in the text's own colour, so it reads wherever the text does.
    const QColor textColour = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    if (m_markColumn > 0 && index.data(kKnownPersonRole).toBool())
        paintKnownMark(*painter, option.rect, textColour);
    painter->setFont(rowFont());
    painter->setPen(textColour);
    painter->drawText(textArea(option.rect), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      fromWindows1252(painted.text));
    painter->restore();
}

QRect CreditListDelegate::textArea(const QRect& row) const
{
    return row.adjusted(m_layout.textX + m_markColumn, m_layout.textY, 0, 0);
}

void CreditListDelegate::paintKnownMark(QPainter& painter, const QRect& row,
                                        const QColor& colour) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const int top = row.top() + (row.height() - kMarkDiameter) / 2;
    painter.drawEllipse(QRect(row.left() + m_layout.textX, top, kMarkDiameter, kMarkDiameter));
    painter.restore();
}

QSize CreditListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    // The row is as wide as its own text, so that a long row gets a scroll bar, and tall enough
    // for the font's descenders below the layout's text line.
    const auto row = static_cast<std::size_t>(index.row());
    const output::PaintedRow painted = output::paintCreditRow(
        m_list, row < m_rows.size() ? std::string_view(m_rows[row]) : std::string_view());
    const QFontMetrics metrics(rowFont());
    const int width = m_layout.textX + m_markColumn +
                      metrics.horizontalAdvance(fromWindows1252(painted.text)) + kRightMargin;
    const int height = std::max(m_layout.itemHeight, m_layout.textY + metrics.height());
    return {std::max(width, QStyledItemDelegate::sizeHint(option, index).width()), height};
}

} // namespace ravello::app
