// SPDX-License-Identifier: MIT
#include "app/pages/hidden_settings_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

#include "app/pages/widget_factory.h"

namespace ravello::app {
namespace {

// The certification countries.
constexpr const char* kCountries[] = {"AU", "BG", "BR", "CA", "CZ", "GE", "DE", "DK", "EE", "ES",
                                      "FI", "FR", "GB", "GR", "HR", "HU", "ID", "IL", "IN", "IT",
                                      "IR", "JP", "KR", "LT", "LV", "MX", "NL", "NO", "PL", "PT",
                                      "RU", "SI", "SV", "TH", "TR", "UA", "US", "VN", "ZH"};

} // namespace

HiddenSettingsPanel::HiddenSettingsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PAN_Nascosti"));
    setVisible(false);
    makeWidget<QLabel>(this, "LBL_PosizioneProg");
    makeWidget<QLabel>(this, "LBL_PosizioneProgIstruzioni1");
    for (int field = 0; field < kStampFields; ++field) {
        const QByteArray name = "LBL_Data" + QByteArray::number(field + 1);
        m_stampLabels[static_cast<std::size_t>(field)] = makeWidget<QLabel>(this, name.constData());
    }
    makeWidget<QLabel>(this, "LBL_PosizioneScreen");
    makeWidget<QLabel>(this, "LBL_Paese");
    m_programFolderEdit = makeWidget<QLineEdit>(this, "EDT_PathDatabaseProgramma");
    makeWidget<QCheckBox>(this, "CHB_Screen")->setChecked(true);
    m_countryBox = makeCodeBox(this, "CBO_Paese", kCountries, "US");
    makeWidget<QPushButton>(this, "BTN_Auto1");
    makeWidget<QPushButton>(this, "BTN_Cerca3");
    auto* drives = makeWidget<QFrame>(this, "Pan_Dischi");
    auto* drivesLayout = new QVBoxLayout(drives);
    drivesLayout->addWidget(makeWidget<QLabel>(drives, "LBL_Dischi"));
    for (int box = 0; box < kDriveBoxes; ++box) {
        const QByteArray name = "CHB_Disco" + QByteArray::number(box + 1);
        m_driveBoxes[static_cast<std::size_t>(box)] =
            makeWidget<QCheckBox>(drives, name.constData());
        drivesLayout->addWidget(m_driveBoxes[static_cast<std::size_t>(box)]);
    }
}

void HiddenSettingsPanel::showDrives(const QString& diskCaption)
{
    // Windows lists drive letters; here every mounted volume is a "drive", named by its root.
    for (QAbstractButton* box : m_driveBoxes)
        box->setVisible(false);
    std::size_t next = 0;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid())
            continue;
        // Past the last box, the last box is the one that changes.
        QAbstractButton* box = m_driveBoxes[std::min(next++, m_driveBoxes.size() - 1)];
        box->setText(diskCaption + QLatin1Char(' ') + volume.rootPath());
        box->setChecked(true);
        box->setVisible(true);
    }
}

} // namespace ravello::app
