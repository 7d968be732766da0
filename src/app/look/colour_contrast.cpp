// SPDX-License-Identifier: MIT
#include "app/look/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace ravello::app {
namespace {

// Steps in which a highlight moves towards black or white: fine enough that the contrast
// reached is never much above the one wanted.
constexpr int kMixSteps = 200;

struct Selection
{
    QColor text;
    QColor highlight;
    int steps = 0; // how far the highlight moved
};

// `text` on `highlight` moved towards the colour opposite the text until they reach
// kSelectedRowContrast.
Selection selectionWith(const QColor& text, const QColor& highlight)
{
    const QColor opposite = relativeLuminance(text) > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
    Selection selection{text, highlight};
    while (contrastRatio(text, selection.highlight) < kSelectedRowContrast &&
           selection.steps < kMixSteps) {
        ++selection.steps;
        selection.highlight = mixed(highlight, opposite, double(selection.steps) / kMixSteps);
    }
    return selection;
}

} // namespace

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

QColor mixed(const QColor& from, const QColor& to, double share)
{
    auto channel = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

QPalette withReadableSelection(QPalette palette)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor highlight = palette.color(group, QPalette::Highlight);
        if (contrastRatio(palette.color(group, QPalette::HighlightedText), highlight) >=
            kSelectedRowContrast)
            continue;
        const Selection black = selectionWith(Qt::black, highlight);
        const Selection white = selectionWith(Qt::white, highlight);
        const Selection& chosen = black.steps <= white.steps ? black : white;
        palette.setColor(group, QPalette::HighlightedText, chosen.text);
        palette.setColor(group, QPalette::Highlight, chosen.highlight);
    }
    return palette;
}

} // namespace ravello::app
