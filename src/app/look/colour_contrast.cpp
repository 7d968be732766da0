// SPDX-License-Identifier: MIT
#include "app/look/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace ravello::app {

double relativeLuminance(const QColor& colour)
{
    auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QPalette withReadableSelection(QPalette palette)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor highlight = palette.color(group, QPalette::Highlight);
        if (contrastRatio(palette.color(group, QPalette::HighlightedText), highlight) >=
            kReadableContrast)
            continue;
        const QColor black(Qt::black);
        const QColor white(Qt::white);
        palette.setColor(
            group, QPalette::HighlightedText,
            contrastRatio(black, highlight) >= contrastRatio(white, highlight) ? black : white);
    }
    return palette;
}

} // namespace ravello::app
