// SPDX-License-Identifier: MIT
// The main window's interface texts: captions and language buttons.
#include <cstring>

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/accessible_names.h"
#include "app/archive_page.h"
#include "app/main_window.h"

using ravello::app::interfaceTextRows;
using ravello::app::kInterfaceTextRows;

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

QString TForm1::message(const char* key) const
{
    return m_messages.text(key, m_languageIndex);
}

void TForm1::applyCaptions()
{
    QPlainTextEdit* apiInstructions = m_archive->apiInstructions();
    apiInstructions->clear();
    for (int row = 0; row < kInterfaceTextRows; ++row) {
        const char* key = interfaceTextRows()[static_cast<std::size_t>(row)].key;
        const QString caption = m_messages.text(row, m_languageIndex);
        if (std::strcmp(key, kWindowCaptionKey) == 0)
            setWindowTitle(caption);
        else if (std::strcmp(key, kApiInstructionsKey) == 0)
            apiInstructions->appendPlainText(caption);
        else if (QWidget* control = m_namedControls.control(key))
            setCaption(control, caption);
    }
    // Assistive tools read the controls' names; they follow the captions.
    ravello::app::applyAccessibleNames(*this, m_namedControls, m_languageIndex);
}

void TForm1::setLanguage(int languageIndex)
{
    m_languageIndex = languageIndex;
    applyCaptions();
}

void TForm1::BTN_ItalianoClick()
{
    setLanguage(0);
}
void TForm1::BTN_IngleseClick()
{
    setLanguage(1);
}
void TForm1::BTN_SpagnoloClick()
{
    setLanguage(2);
}
void TForm1::BTN_TedescoClick()
{
    setLanguage(3);
}
void TForm1::BTN_FranceseClick()
{
    setLanguage(4);
}
