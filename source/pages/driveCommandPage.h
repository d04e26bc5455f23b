#ifndef VORNAC_DRIVECOMMANDPAGE_H
#define VORNAC_DRIVECOMMANDPAGE_H

#include "settingsBase.h"

#include "ui_driveCommand.h"

// The command the axis sends to its drive: torque limits, which must stay ordered, torque
// offset, inversion and, where the hardware has one, the DAC scaling coefficient.
class CVornMotionAxisSettingsDriveCommand : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsDriveCommand(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                        CVornMotionChangeList *changeList,
                                        CVornMotionAxisSettings *dialog, QWidget *parent);

    void on_invalidSettings(bool state) override;
    void on_coercedValueChanged(long attr, double curValue, bool dataTypeDouble) override;
    void RecheckProblems() override;

private slots:
    void on_driveCommandDCInverted_toggled(bool curState);

protected:
    void CreateProperties() override;
    void InitializeProperties() override;
    void LoadProperties() override;

private:
    Ui::CVornMotionAxisSettingsDriveCommandClass ui;
    // A limit the page refused to store, with the number its box keeps showing.
    struct Refused
    {
        nVornMCPCD100::AttributeId attribute;
        double value;
    };
    std::optional<Refused> refused;
    // A pending pair out of order that no typing here refused: one loaded from a file.
    bool pendingUnordered = false;
};

#endif
