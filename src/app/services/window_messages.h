// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QString>

class QWidget;
class QStatusBar;

namespace ravello::app {

// How the window tells the user things: the lasting status line, and the error, information and
// question boxes. Each box can be replaced by a hook, so that tests see what would be shown.
class WindowMessages
{
public:
    WindowMessages(QWidget& window, QStatusBar& statusBar);

    // Asks a yes-or-no question (text, title) and answers true for Yes.
    using QuestionAsker = std::function<bool(const QString& text, const QString& title)>;
    // Shows a message (text, title).
    using MessageShower = std::function<void(const QString& text, const QString& title)>;
    void setQuestionAsker(QuestionAsker asker) { m_ask = std::move(asker); }
    void setErrorShower(MessageShower shower) { m_showError = std::move(shower); }
    void setInformationShower(MessageShower shower) { m_showInformation = std::move(shower); }

    bool ask(const QString& text, const QString& title) const;
    void showError(const QString& text, const QString& title) const;
    // A message that tells, without an error's icon.
    void showInformation(const QString& text, const QString& title) const;

    // A lasting line in the status bar, which screen readers read as its description.
    void setStatusText(const QString& text) const;
    // A passing line, such as an import's progress, that assistive tools need not announce.
    void showProgress(const QString& text) const;
    void setStatusToolTip(const QString& text) const;

private:
    QWidget& m_window;
    QStatusBar& m_statusBar;
    QuestionAsker m_ask;
    MessageShower m_showError;
    MessageShower m_showInformation;
};

} // namespace ravello::app
