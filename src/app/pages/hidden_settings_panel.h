// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include <QWidget>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;

namespace ravello::app {

// Controls of earlier versions that stay hidden on the archive page (PAN_Nascosti). They still
// get their captions, and some still carry values: the export's time stamp, the program's
// database folder, the certification country and the drives.
class HiddenSettingsPanel : public QWidget
{
public:
    static constexpr int kStampFields = 6;
    static constexpr int kDriveBoxes = 18;

    explicit HiddenSettingsPanel(QWidget* parent);

    // LBL_Data1..LBL_Data6: day, month, year, hour, minute, second of the imported export.
    const std::array<QLabel*, kStampFields>& stampLabels() const { return m_stampLabels; }
    QLineEdit* programFolderEdit() const
    {
        return m_programFolderEdit;
    }                                                      // EDT_PathDatabaseProgramma
    QComboBox* countryBox() const { return m_countryBox; } // CBO_Paese

    // Fills the drive boxes (CHB_Disco1..18) with the mounted volumes, each captioned with
    // `diskCaption` and its root, checked; the boxes left over are hidden.
    void showDrives(const QString& diskCaption);

private:
    std::array<QLabel*, kStampFields> m_stampLabels{};
    QLineEdit* m_programFolderEdit = nullptr;
    QComboBox* m_countryBox = nullptr;
    std::array<QAbstractButton*, kDriveBoxes> m_driveBoxes{};
};

} // namespace ravello::app
