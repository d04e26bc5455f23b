#include "driveCommandPage.h"

#include "pictures.h"
#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "settingsMain.h"

using nVornMCPCD100::AttributeId;

namespace {

const AttributeId positiveLimit = 0xA30056;
const AttributeId negativeLimit = 0xA30057;
const AttributeId inverted = 0xA3003E;
const AttributeId hasDacScaling = 0xC2009A;
const AttributeId outputName = 0xC20096;

const char *const limitOrderMessage
    = QT_TRANSLATE_NOOP("CVornMotionAxisSettingsDriveCommand",
                        "Positive Torque Limit must be greater than Negative Torque Limit");

} // namespace

CVornMotionAxisSettingsDriveCommand::CVornMotionAxisSettingsDriveCommand(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    RunConstructionSequence();
}

void CVornMotionAxisSettingsDriveCommand::CreateProperties()
{
    const QString none;
    AddProperty(new UIPropertyDoubleSpinBox(positiveLimit, ui.label_driveCommandPosTorqLimit,
                                            nullptr, 0, none, ui.driveCommandPosTorqLimit));
    AddProperty(new UIPropertyDoubleSpinBox(negativeLimit, ui.label_driveCommandNegTorqLimit,
                                            nullptr, 0, none, ui.driveCommandNegTorqLimit));
    AddProperty(new UIPropertyDoubleSpinBox(0xA30058, ui.label_driveCommandTorqOffset, nullptr, 0,
                                            none, ui.driveCommandTorqOffset));
    AddProperty(new UIPropertyCheckbox(inverted, nullptr, 0, none, ui.driveCommandDCInverted));
    AddProperty(new UIPropertyDoubleSpinBox(0xA10064, ui.label_driveCommandScale, nullptr, 0, none,
                                            ui.driveCommandScale));
}

void CVornMotionAxisSettingsDriveCommand::InitializeProperties()
{
    CVornMotionAxisSettingsBase::InitializeProperties();
    if (!db->IsAttributeSupported(hasDacScaling, 0)) {
        ui.driveCommandScale->hide();
        ui.label_driveCommandScale->hide();
        ui.units_driveCommandScale->hide();
    }
    TitleWithStoredName(ui.driveCommandGroupBox, tr("Drive Command Output"), outputName);
    ui.driveCommandPicture->setPixmap(LoadPicture(QStringLiteral(":/images/DriveCommand.PNG"),
                                                  ui.driveCommandPicture->devicePixelRatioF()));
    ui.driveCommandPicture->lower();
}

// An unordered pair is refused: the limit that would break the order is not stored.
void CVornMotionAxisSettingsDriveCommand::on_coercedValueChanged(long attr, double curValue,
                                                                 bool dataTypeDouble)
{
    if (changeList->loading)
        return;
    const AttributeId edited = AttributeId(attr);
    if (edited == positiveLimit || edited == negativeLimit) {
        const bool ordered = edited == positiveLimit
                                 ? curValue > ui.driveCommandNegTorqLimit->value()
                                 : curValue < ui.driveCommandPosTorqLimit->value();
        limitsUnordered = !ordered;
        if (!ordered) {
            dialog->SetInvalidSettingsText(tr(limitOrderMessage));
            emit InvalidSettings(true);
            return;
        }
        emit InvalidSettings(false);
    }
    CVornMotionAxisSettingsBase::on_coercedValueChanged(attr, curValue, dataTypeDouble);
}

// A refused value is gone once the boxes show the stored limits again; a pending pair out of order
// (one loaded from a file) is a problem as a typed one is.
void CVornMotionAxisSettingsDriveCommand::RecheckProblems()
{
    if (!limitsUnordered && !changeList->Contains(positiveLimit, 0)
        && !changeList->Contains(negativeLimit, 0))
        return;
    const bool unordered
        = ui.driveCommandPosTorqLimit->value() <= ui.driveCommandNegTorqLimit->value();
    if (unordered == limitsUnordered)
        return;
    limitsUnordered = unordered;
    if (unordered)
        dialog->SetInvalidSettingsText(tr(limitOrderMessage));
    emit InvalidSettings(unordered);
}

void CVornMotionAxisSettingsDriveCommand::on_invalidSettings(bool state)
{
    MarkInvalid(ui.driveCommandPosTorqLimit, state);
    MarkInvalid(ui.driveCommandNegTorqLimit, state);
}

void CVornMotionAxisSettingsDriveCommand::on_driveCommandDCInverted_toggled(bool curState)
{
    StoreBoolean(inverted, 0, curState);
}
