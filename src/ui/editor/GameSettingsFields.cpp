// SPDX-License-Identifier: GPL-3.0-or-later
// Where the profile editor shows each field, to name it in a message and bring it into view.
#include <QComboBox>
#include <QLineEdit>

#include "ui/editor/EditorIds.h"
#include "ui/editor/GameSettingsCorvaneDataDlg.h"
#include "ui/editor/GameSettingsDiskDlg.h"
#include "ui/editor/GameSettingsDlg.h"
#include "ui/editor/GameSettingsEmulatorsDlg.h"
#include "ui/editor/GameSettingsGeneralDlg.h"
#include "ui/editor/GameSettingsHarddiskDlg.h"
#include "ui/editor/GameSettingsRomDlg.h"
#include "ui/editor/GameSettingsScreenshotDlg.h"
#include "ui/editor/GameSettingsTapeDlg.h"
#include "ui/editor/ZipMediumBox.h"
#include "ui/settings/PathRow.h"

namespace corvane {

GameSettingsDlg::FieldPlace GameSettingsDlg::fieldPlace(ProfileField field) const {
    const auto inGroup = [this](int groupId, int captionId) -> QString {
        return textForId(groupId) + QStringLiteral(" - ") + textForId(captionId);
    };
    const auto file = [&](QWidget* page, ZipMediumBox* box) {
        return FieldPlace{page, box->fileRow()->edit(), inGroup(box->titleId(), kIdEditorFile)};
    };
    const auto member = [&](QWidget* page, ZipMediumBox* box) {
        return FieldPlace{page, box->zipEntryEdit(), inGroup(box->titleId(), kIdEditorNameInZip)};
    };
    const auto hardDisk = [this](QWidget* control, int captionId) {
        return FieldPlace{
            hardDisk_, control,
            textForKey("MEDIUM_HARDDISK") + QStringLiteral(" - ") + textForId(captionId)};
    };
    const auto alone = [this](QWidget* page, QWidget* control, int captionId) {
        return FieldPlace{page, control, textForId(captionId)};
    };
    switch (field) {
        case ProfileField::Name:
            return alone(general_, general_->nameEdit(), kIdEditorName);
        case ProfileField::Slot1File:
            return file(rom_, rom_->slotBox(0));
        case ProfileField::Slot2File:
            return file(rom_, rom_->slotBox(1));
        case ProfileField::DiskAFile:
            return file(disk_, disk_->driveA());
        case ProfileField::DiskBFile:
            return file(disk_, disk_->driveB());
        case ProfileField::TapeFile:
            return file(tape_, tape_->tape());
        case ProfileField::HardDiskPrimary:
            return hardDisk(hardDisk_->primaryRow()->edit(), kIdEditorPrimary);
        case ProfileField::HardDiskSecondary:
            return hardDisk(hardDisk_->secondaryRow()->edit(), kIdEditorSecondary);
        case ProfileField::Slot1ZipEntry:
            return member(rom_, rom_->slotBox(0));
        case ProfileField::Slot2ZipEntry:
            return member(rom_, rom_->slotBox(1));
        case ProfileField::DiskAZipEntry:
            return member(disk_, disk_->driveA());
        case ProfileField::DiskBZipEntry:
            return member(disk_, disk_->driveB());
        case ProfileField::TapeZipEntry:
            return member(tape_, tape_->tape());
        case ProfileField::Machine:
            return alone(general_, general_->machineBox(), kIdEditorMachine);
        case ProfileField::InfoFile:
            return alone(general_, general_->infoFileRow()->edit(), kIdEditorInfoFile);
        case ProfileField::Image1:
            return alone(screenshots_, screenshots_->imageRow(0)->edit(), kIdEditorImage1);
        case ProfileField::Image2:
            return alone(screenshots_, screenshots_->imageRow(1)->edit(), kIdEditorImage2);
        case ProfileField::OpenMsxArguments:
            return alone(emulators_, emulators_->openMsxEdit(), kIdEditorOpenMsxArguments);
        case ProfileField::FmsxArguments:
            return alone(emulators_, emulators_->fmsxEdit(), kIdEditorFmsxArguments);
        case ProfileField::Company:
            return alone(basicData_, basicData_->companyEdit(), kIdEditorCompany);
        case ProfileField::Year:
            return alone(basicData_, basicData_->yearBox(), kIdEditorYear);
        case ProfileField::Country:
            return alone(basicData_, basicData_->countryEdit(), kIdEditorCountry);
        case ProfileField::System:
            return alone(basicData_, basicData_->systemBox(), kIdEditorSystem);
    }
    return alone(general_, general_->nameEdit(), kIdEditorName);
}

}  // namespace corvane
