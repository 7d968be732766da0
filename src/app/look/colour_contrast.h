// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

namespace ravello::app {

// The least contrast ratio at which text counts as readable: WCAG's level AA for body text.
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio a selected row's text colour keeps on its selection colour: WCAG's level
// AAA (7:1) and a little more. The rows' fixed-pitch font has thin strokes (Nimbus Mono PS, or
// Windows' own Courier New) that reach the screen antialiased, lighter than their colour, at
// about two thirds of the colours' contrast; this margin keeps them above kReadableContrast.
inline constexpr double kSelectedRowContrast = 7.5;

// WCAG's relative luminance of a colour, 0 for black to 1 for white.
double relativeLuminance(const QColor& colour);

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double contrastRatio(const QColor& first, const QColor& second);

// `from` moved `share` (0 to 1) of the way to `to`, channel by channel.
QColor mixed(const QColor& from, const QColor& to, double share);

// `palette` with selected text that reads on its selection colour: in each colour group where
// the highlighted text falls below kSelectedRowContrast on the highlight, it becomes black or
// white, and the highlight moves towards the other one (keeping its hue) as little as it must
// to reach that contrast; of black and white, the one that moves the highlight less.
QPalette withReadableSelection(QPalette palette);

} // namespace ravello::app
