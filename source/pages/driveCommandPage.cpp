#include "driveCommandPage.h"

#include "loadingGuard.h"
#include "pictures.h"
#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "settingsMain.h"
#include "valueReader.h"

using nVornMCPCD100::AttributeId;

namespace {

const AttributeId positiveLimit = 0xA30056;
const AttributeId negativeLimit = 0xA30057;
const AttributeId inverted = 0xA3003E;
const AttributeId hasDacScaling = 0xC2009A;
const AttributeId outputName = 0xC20096;
const qint32 outputNameCapacity = 257;

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
    // The output's values read in volts, as the form says beside each.
    const auto volts = UIProperty::UnitsSource::FormText;
    AddProperty((new UIPropertyDoubleSpinBox(positiveLimit, ui.label_driveCommandPosTorqLimit,
                                             nullptr, 0, none, ui.driveCommandPosTorqLimit))
                    ->ShowUnitsIn(ui.units_driveCommandPosTorqLimit, volts));
    AddProperty((new UIPropertyDoubleSpinBox(negativeLimit, ui.label_driveCommandNegTorqLimit,
                                             nullptr, 0, none, ui.driveCommandNegTorqLimit))
                    ->ShowUnitsIn(ui.units_driveCommandNegTorqLimit, volts));
    AddProperty((new UIPropertyDoubleSpinBox(0xA30058, ui.label_driveCommandTorqOffset, nullptr, 0,
                                             none, ui.driveCommandTorqOffset))
                    ->ShowUnitsIn(ui.units_driveCommandTorqOffset, volts));
    AddProperty(new UIPropertyCheckbox(inverted, nullptr, 0, none, ui.driveCommandDCInverted));
    AddProperty((new UIPropertyDoubleSpinBox(0xA10064, ui.label_driveCommandScale, nullptr, 0, none,
                                             ui.driveCommandScale))
                    ->ShowUnitsIn(ui.units_driveCommandScale, volts));
}

void CVornMotionAxisSettingsDriveCommand::InitializeProperties()
{
    CVornMotionAxisSettingsBase::InitializeProperties();
    const bool scaling = db->IsAttributeSupported(hasDacScaling, 0);
    RestrictBinding(ui.driveCommandScale, scaling);
    // The output's name, when the database can tell it, says which of the drive's outputs this is.
    const std::optional<QString> name = CVornMotionValueReader(db, changeList)
                                            .ReadStoredString(outputName, 0, outputNameCapacity);
    if (name)
        ui.driveCommandGroupBox->setTitle(tr("%1 (%2)").arg(tr("Drive Command Output"), *name));
    ui.driveCommandPicture->setPixmap(LoadPicture(QStringLiteral(":/images/DriveCommand.PNG"),
                                                  ui.driveCommandPicture->devicePixelRatioF()));
    ui.driveCommandPicture->lower();
}

// An unordered pair is refused: the limit that would break the order is not stored, and its box
// keeps the refused number, through any reload, until the person makes the pair ordered.
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
        std::optional<Refused> other;
        if (refused && refused->attribute != edited)
            other = refused;
        refused.reset();
        pendingUnordered = false;
        if (!ordered)
            refused = Refused{edited, curValue};
        ReportProblem(!ordered, tr(limitOrderMessage));
        if (!ordered)
            return;
        // The other box's refused number is what the person typed: it holds now.
        if (other)
            CVornMotionAxisSettingsBase::on_coercedValueChanged(long(other->attribute),
                                                                other->value, true);
    }
    CVornMotionAxisSettingsBase::on_coercedValueChanged(attr, curValue, dataTypeDouble);
}

void CVornMotionAxisSettingsDriveCommand::LoadProperties()
{
    CVornMotionAxisSettingsBase::LoadProperties();
    if (!refused)
        return;
    CVornMotionLoadingGuard loading(changeList);
    (refused->attribute == positiveLimit ? ui.driveCommandPosTorqLimit
                                         : ui.driveCommandNegTorqLimit)
        ->setValue(refused->value);
}

// A pending pair out of order (one loaded from a file) is a problem as a refused number is.
void CVornMotionAxisSettingsDriveCommand::RecheckProblems()
{
    if (refused)
        return;
    const bool unordered
        = ui.driveCommandPosTorqLimit->value() <= ui.driveCommandNegTorqLimit->value();
    if (unordered == pendingUnordered)
        return;
    pendingUnordered = unordered;
    ReportProblem(unordered, tr(limitOrderMessage));
}

// The page marks its boxes from its own problem, whatever problem the dialog reports.
void CVornMotionAxisSettingsDriveCommand::on_invalidSettings(bool)
{
    const bool invalid = refused || pendingUnordered;
    MarkInvalid(ui.driveCommandPosTorqLimit, invalid);
    MarkInvalid(ui.driveCommandNegTorqLimit, invalid);
}

void CVornMotionAxisSettingsDriveCommand::on_driveCommandDCInverted_toggled(bool curState)
{
    StoreBoolean(inverted, 0, curState);
}
