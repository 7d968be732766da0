// SPDX-License-Identifier: MIT
#include "app/visual_styles.h"

#include <algorithm>
#include <array>

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace ravello::app {
namespace {

// A style is a palette over Qt's Fusion style: window, text on it, input fields, text in them,
// buttons, button text, selection and selected text.
struct StyleColours
{
    const char* name;
    QRgb window;
    QRgb windowText;
    QRgb base;
    QRgb text;
    QRgb button;
    QRgb buttonText;
    QRgb highlight;
    QRgb highlightedText;
};

// clang-format off
constexpr std::array<StyleColours, 19> kStyles = {{
    {"Amakrits",            0x2b2f33, 0xe8e4da, 0x1f2225, 0xece8de, 0x3a3f44, 0xe8e4da, 0xc8a24a, 0x1b1b1b},
    {"Amethyst Kamri",      0xe9e3f0, 0x2a1f38, 0xfbf9fd, 0x24193a, 0xd8cce6, 0x2a1f38, 0x7b4fa8, 0xffffff},
    {"Aqua Graphite",       0x3c4045, 0xe6eaee, 0x2c2f33, 0xeef2f6, 0x4a4f55, 0xe6eaee, 0x3fa7c9, 0x0c1a20},
    {"Aqua Light Slate",    0xe3eaf0, 0x1d2a36, 0xffffff, 0x16222c, 0xcfdbe6, 0x1d2a36, 0x2f8fc0, 0xffffff},
    {"Auric",               0x2a2620, 0xf2e6c8, 0x1e1b16, 0xf5ead0, 0x3b3529, 0xf2e6c8, 0xd4a53a, 0x1a1405},
    {"Carbon",              0x262626, 0xdcdcdc, 0x1a1a1a, 0xe6e6e6, 0x333333, 0xdcdcdc, 0xf08a24, 0x111111},
    {"Charcoal Dark Slate", 0x2f3438, 0xd9dee2, 0x24282b, 0xe3e8ec, 0x3c4247, 0xd9dee2, 0x5d7d99, 0xffffff},
    {"Cobalt XEMedia",      0x1d2b45, 0xe0e8f5, 0x14203a, 0xe8eefa, 0x2a3b5c, 0xe0e8f5, 0x3d7be0, 0xffffff},
    {"Cyan Dusk",           0x27343a, 0xdff3f6, 0x1d282d, 0xe6f7fa, 0x334550, 0xdff3f6, 0x1fb3c8, 0x06191d},
    {"Cyan Night",          0x151c22, 0xcfeff4, 0x0e1418, 0xd8f4f8, 0x212b33, 0xcfeff4, 0x14a3b8, 0x031014},
    {"Emerald Light Slate", 0xe2ece6, 0x1b2e24, 0xffffff, 0x142a1e, 0xcde0d4, 0x1b2e24, 0x2e9960, 0xffffff},
    {"Glossy",              0x2d2d30, 0xf0f0f0, 0x1e1e20, 0xf5f5f5, 0x404045, 0xf0f0f0, 0x2b78d0, 0xffffff},
    {"Glow",                0x23272e, 0xe4e9f0, 0x1a1d22, 0xeef2f7, 0x313740, 0xe4e9f0, 0x4aa3ff, 0x0a1220},
    {"Golden Graphite",     0x34322e, 0xebe3cf, 0x282622, 0xf0e9d8, 0x45423c, 0xebe3cf, 0xc99a2e, 0x15110a},
    {"Iceberg Classico",    0xe8f0f5, 0x1c2b36, 0xffffff, 0x14222c, 0xd3e2ec, 0x1c2b36, 0x4f8fb8, 0xffffff},
    {"Lavender Classico",   0xece8f3, 0x2b2438, 0xffffff, 0x231c33, 0xdcd4ea, 0x2b2438, 0x8468b8, 0xffffff},
    {"Light",               0xf3f3f3, 0x1e1e1e, 0xffffff, 0x111111, 0xe4e4e4, 0x1e1e1e, 0x0a64c8, 0xffffff},
    {"Luna",                0xece9d8, 0x1a1a1a, 0xffffff, 0x000000, 0xdcd8c4, 0x1a1a1a, 0x316ac5, 0xffffff},
    {"Metropolis UI Blue",  0xf2f5f9, 0x10243e, 0xffffff, 0x0c1c30, 0xdde6f0, 0x10243e, 0x0067b8, 0xffffff},
}};
// clang-format on

QPalette paletteOf(const StyleColours& style)
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(style.window));
    palette.setColor(QPalette::WindowText, QColor(style.windowText));
    palette.setColor(QPalette::Base, QColor(style.base));
    palette.setColor(QPalette::AlternateBase, QColor(style.button));
    palette.setColor(QPalette::Text, QColor(style.text));
    palette.setColor(QPalette::Button, QColor(style.button));
    palette.setColor(QPalette::ButtonText, QColor(style.buttonText));
    palette.setColor(QPalette::Highlight, QColor(style.highlight));
    palette.setColor(QPalette::HighlightedText, QColor(style.highlightedText));
    palette.setColor(QPalette::ToolTipBase, QColor(style.base));
    palette.setColor(QPalette::ToolTipText, QColor(style.text));
    palette.setColor(QPalette::PlaceholderText, QColor(style.windowText).darker(140));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(style.text).darker(160));
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     QColor(style.windowText).darker(160));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                     QColor(style.buttonText).darker(160));
    return palette;
}

// The platform's own style, remembered before the first carried style replaces it.
QString platformStyleName()
{
    static const QString name = QApplication::style()->name();
    return name;
}

} // namespace

QStringList visualStyleNames()
{
    QStringList names{QString::fromLatin1(kSystemStyle)};
    for (const StyleColours& style : kStyles)
        names << QString::fromLatin1(style.name);
    names.sort(Qt::CaseInsensitive);
    return names;
}

bool applyVisualStyle(const QString& name)
{
    const QString platformStyle = platformStyleName();
    if (name == QLatin1String(kSystemStyle)) {
        QApplication::setStyle(QStyleFactory::create(platformStyle));
        QApplication::setPalette(QApplication::style()->standardPalette());
        return true;
    }
    const auto style = std::find_if(kStyles.begin(), kStyles.end(), [&](const StyleColours& s) {
        return name == QLatin1String(s.name);
    });
    if (style == kStyles.end())
        return false;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(paletteOf(*style));
    return true;
}

} // namespace ravello::app
