// SPDX-License-Identifier: MIT
#include "app/texts/captions.h"

#include <cstring>

#include <QAbstractButton>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/pages/named_controls.h"
#include "app/texts/accessible_names.h"
#include "app/texts/interface_language.h"

namespace ravello::app {
namespace {

constexpr const char* kWindowCaptionKey = "MSG_Titolo";
constexpr const char* kApiInstructionsKey = "MEM_API";

// A caption's '&' marks the letter after it as the control's shortcut; before a blank there is
// no letter to mark, and the '&' is meant to be read ("Sound & Music"): it is doubled to show.
QString withVisibleAmpersands(QString caption)
{
    for (qsizetype at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != QLatin1Char('&'))
            continue;
        if (caption[at + 1].isSpace())
            caption.insert(at++, QLatin1Char('&'));
        else
            ++at; // a shortcut marker or an already doubled '&'
    }
    return caption;
}

// Gives a control its caption, whatever kind of control it is; a tab page's caption is its tab.
void setCaption(QWidget* control, const QString& caption)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(withVisibleAmpersands(caption));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(
                   control->parentWidget() ? control->parentWidget()->parentWidget() : nullptr)) {
        tabs->setTabText(tabs->indexOf(control), caption);
    }
}

} // namespace

void applyCaptions(QMainWindow& window, const NamedControls& controls,
                   const InterfaceLanguage& language, QPlainTextEdit& apiInstructions)
{
    apiInstructions.clear();
    for (int row = 0; row < kInterfaceTextRows; ++row) {
        const char* key = interfaceTextRows()[static_cast<std::size_t>(row)].key;
        const QString caption = language.table().text(row, language.index());
        if (std::strcmp(key, kWindowCaptionKey) == 0)
            window.setWindowTitle(caption);
        else if (std::strcmp(key, kApiInstructionsKey) == 0)
            apiInstructions.appendPlainText(caption);
        else if (QWidget* control = controls.control(key))
            setCaption(control, caption);
    }
    // Assistive tools read the controls' names; they follow the captions.
    applyAccessibleNames(window, controls, language.index());
}

} // namespace ravello::app
