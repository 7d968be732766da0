// SPDX-License-Identifier: MIT
#include "app/look/visual_styles.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "app/look/colour_contrast.h"

namespace ravello::app {
namespace {

// A carried style: a palette over Qt's Fusion style plus the colours its style sheet fills in.
// The accent marks the focus, the chosen tab, the menu bar's edge and progress; sheen is how
// much lighter (in percent) the top of a button is than its body: 0 is flat.
struct StyleColours
{
    const char* name;
    QRgb window;
    QRgb windowText;
    QRgb base;
    QRgb alternateBase;
    QRgb text;
    QRgb button;
    QRgb buttonText;
    QRgb highlight;
    QRgb highlightedText;
    QRgb accent;
    int sheen;
};

// Every row keeps list text on its base at a contrast ratio of at least 4.5:1, and selected
// text on its highlight at kSelectedRowContrast; the tests hold the table to that.
// clang-format off
constexpr std::array<StyleColours, 19> kStyles = {{
    {"Amakrits",            0x2b2f33, 0xe8e4da, 0x1f2225, 0x262a2e, 0xece8de, 0x3a3f44, 0xe8e4da, 0xcba753, 0x1b1b1b, 0xe0b85a, 10},
    {"Amethyst Kamri",      0xe9e3f0, 0x2a1f38, 0xfbf9fd, 0xf1ecf7, 0x24193a, 0xd8cce6, 0x2a1f38, 0x6a4193, 0xffffff, 0x8a5cc0, 15},
    {"Aqua Graphite",       0x3c4045, 0xe6eaee, 0x2c2f33, 0x33373b, 0xeef2f6, 0x4a4f55, 0xe6eaee, 0x5bb4d1, 0x0c1a20, 0x4cc3e6, 25},
    {"Aqua Light Slate",    0xe3eaf0, 0x1d2a36, 0xffffff, 0xf0f5f9, 0x16222c, 0xcfdbe6, 0x1d2a36, 0x185a7d, 0xffffff, 0x2f8fc0, 25},
    {"Auric",               0x2a2620, 0xf2e6c8, 0x1e1b16, 0x25211b, 0xf5ead0, 0x3b3529, 0xf2e6c8, 0xd4a53a, 0x1a1405, 0xf0c050, 20},
    {"Carbon",              0x262626, 0xdcdcdc, 0x1a1a1a, 0x212121, 0xe6e6e6, 0x333333, 0xdcdcdc, 0xf08a24, 0x111111, 0xf08a24, 0},
    {"Charcoal Dark Slate", 0x2f3438, 0xd9dee2, 0x24282b, 0x2a2e32, 0xe3e8ec, 0x3c4247, 0xd9dee2, 0x3f576d, 0xffffff, 0x7a9cbb, 5},
    {"Cobalt XEMedia",      0x1d2b45, 0xe0e8f5, 0x14203a, 0x192742, 0xe8eefa, 0x2a3b5c, 0xe0e8f5, 0x27529f, 0xffffff, 0x4f8df0, 20},
    {"Cyan Dusk",           0x27343a, 0xdff3f6, 0x1d282d, 0x232f35, 0xe6f7fa, 0x334550, 0xdff3f6, 0x2ab7cb, 0x06191d, 0x3fd0e0, 10},
    {"Cyan Night",          0x151c22, 0xcfeff4, 0x0e1418, 0x131a20, 0xd8f4f8, 0x212b33, 0xcfeff4, 0x37b1c3, 0x031014, 0x22c8e0, 5},
    {"Emerald Light Slate", 0xe2ece6, 0x1b2e24, 0xffffff, 0xf0f6f2, 0x142a1e, 0xcde0d4, 0x1b2e24, 0x16603a, 0xffffff, 0x2e9960, 10},
    {"Glossy",              0x2d2d30, 0xf0f0f0, 0x1e1e20, 0x252528, 0xf5f5f5, 0x404045, 0xf0f0f0, 0x1a5498, 0xffffff, 0x3b8ee8, 45},
    {"Glow",                0x23272e, 0xe4e9f0, 0x1a1d22, 0x20242a, 0xeef2f7, 0x313740, 0xe4e9f0, 0x53a8ff, 0x0a1220, 0x6ab8ff, 15},
    {"Golden Graphite",     0x34322e, 0xebe3cf, 0x282622, 0x2e2c28, 0xf0e9d8, 0x45423c, 0xebe3cf, 0xca9d33, 0x15110a, 0xe0b040, 10},
    {"Iceberg Classico",    0xe8f0f5, 0x1c2b36, 0xffffff, 0xf2f7fa, 0x14222c, 0xd3e2ec, 0x1c2b36, 0x2b5977, 0xffffff, 0x5a9cc8, 20},
    {"Lavender Classico",   0xece8f3, 0x2b2438, 0xffffff, 0xf5f2f9, 0x231c33, 0xdcd4ea, 0x2b2438, 0x5f4790, 0xffffff, 0x9478c8, 20},
    {"Light",               0xf3f3f3, 0x1e1e1e, 0xffffff, 0xf7f7f7, 0x111111, 0xe4e4e4, 0x1e1e1e, 0x0853a6, 0xffffff, 0x0a64c8, 0},
    {"Luna",                0xece9d8, 0x1a1a1a, 0xffffff, 0xf7f5ec, 0x000000, 0xdcd8c4, 0x1a1a1a, 0x26539b, 0xffffff, 0x3c8a2e, 35},
    {"Metropolis UI Blue",  0xf2f5f9, 0x10243e, 0xffffff, 0xf4f7fb, 0x0c1c30, 0xdde6f0, 0x10243e, 0x00569a, 0xffffff, 0x0078d7, 0},
}};
// clang-format on

constexpr const char* kStyleSheetTemplate = ":/styles/visual_style.qss";

QPalette paletteOf(const StyleColours& style)
{
    QPalette palette;
    const std::pair<QPalette::ColorRole, QRgb> roles[] = {
        {QPalette::Window, style.window},
        {QPalette::WindowText, style.windowText},
        {QPalette::Base, style.base},
        {QPalette::AlternateBase, style.alternateBase},
        {QPalette::Text, style.text},
        {QPalette::Button, style.button},
        {QPalette::ButtonText, style.buttonText},
        {QPalette::Highlight, style.highlight},
        {QPalette::HighlightedText, style.highlightedText},
        {QPalette::ToolTipBase, style.base},
        {QPalette::ToolTipText, style.text},
        {QPalette::Link, style.accent},
        {QPalette::BrightText, style.accent},
    };
    for (const auto& [role, colour] : roles)
        palette.setColor(role, QColor(colour));
    palette.setColor(QPalette::PlaceholderText, mixed(style.text, style.base, 0.4));
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> dimmed[] = {
        {QPalette::Text, QPalette::Base},
        {QPalette::WindowText, QPalette::Window},
        {QPalette::ButtonText, QPalette::Button}};
    for (const auto& [role, background] : dimmed)
        palette.setColor(QPalette::Disabled, role,
                         mixed(palette.color(role), palette.color(background), 0.5));
    return palette;
}

// The style sheet template with the style's colours in place of its @name@ placeholders.
QString styleSheetOf(const StyleColours& style)
{
    QFile file(QString::fromLatin1(kStyleSheetTemplate));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString sheet = QString::fromUtf8(file.readAll());
    const QColor button(style.button);
    const std::pair<const char*, QColor> colours[] = {
        {"window", QColor(style.window)},
        {"windowText", QColor(style.windowText)},
        {"base", QColor(style.base)},
        {"alternateBase", QColor(style.alternateBase)},
        {"text", QColor(style.text)},
        {"button", button},
        {"buttonText", QColor(style.buttonText)},
        {"highlight", QColor(style.highlight)},
        {"highlightedText", QColor(style.highlightedText)},
        {"accent", QColor(style.accent)},
        {"border", mixed(style.window, style.windowText, 0.28)},
        {"buttonHover", mixed(button, style.accent, 0.18)},
        {"buttonPressed", mixed(button, style.accent, 0.35)},
        {"buttonSheen", button.lighter(100 + style.sheen)},
        {"disabledText", mixed(style.buttonText, button, 0.55)},
    };
    for (const auto& [name, colour] : colours)
        sheet.replace(QLatin1Char('@') + QLatin1String(name) + QLatin1Char('@'), colour.name());
    return sheet;
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
        qApp->setStyleSheet(QString());
        QApplication::setStyle(QStyleFactory::create(platformStyle));
        // The desktop's own colours, except a selection whose text would not read on it with
        // the margin thin fonts need (Fusion's white on its mid blue is 3.7:1).
        QApplication::setPalette(withReadableSelection(QApplication::style()->standardPalette()));
        return true;
    }
    const auto style = std::find_if(kStyles.begin(), kStyles.end(), [&](const StyleColours& s) {
        return name == QLatin1String(s.name);
    });
    if (style == kStyles.end())
        return false;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(paletteOf(*style));
    qApp->setStyleSheet(styleSheetOf(*style));
    return true;
}

} // namespace ravello::app
