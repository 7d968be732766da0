// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// The borderless splash picture that fades in over the main window's first appearance and
// closes itself two seconds after the fade ends.
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFadeStep = 10;
    static constexpr int kFadeIntervalMs = 30;
    static constexpr int kHoldMs = 2000;

    explicit TForm2(QWidget* parent = nullptr);

    // Opacity 0..255; the window shows it as its opacity.
    int alphaBlendValue() const { return m_alphaBlendValue; }
    // Shows the splash and returns when it has closed itself.
    void showModal();

public slots:
    void Timer1Timer();
    void Timer2Timer();

private:
    void setAlphaBlendValue(int value);

    QLabel* m_image;
    QTimer* m_fadeTimer;
    QTimer* m_holdTimer;
    int m_alphaBlendValue = 0;
};
