// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

namespace ravello::app {

// The least contrast ratio at which text counts as readable: WCAG's level AA for body text.
inline constexpr double kReadableContrast = 4.5;

// WCAG's relative luminance of a colour, 0 for black to 1 for white.
double relativeLuminance(const QColor& colour);

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double contrastRatio(const QColor& first, const QColor& second);

// `palette` with selected text that reads on its selection colour: in each colour group where
// the highlighted text falls below kReadableContrast on the highlight, it becomes black or
// white, whichever stands out more (one of them always reaches 4.58:1).
QPalette withReadableSelection(QPalette palette);

} // namespace ravello::app
