#ifndef VORNAC_DRIVESIGNALSPAGE_H
#define VORNAC_DRIVESIGNALSPAGE_H

#include "ioLine.h"
#include "settingsBase.h"

#include "ui_driveSignals.h"

// The drive-enable output: whether it is used, its type, active state and safe state, with a
// picture of the signal.
class CVornMotionAxisSettingsDriveSignals : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsDriveSignals(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                        CVornMotionChangeList *changeList,
                                        CVornMotionAxisSettings *dialog, QWidget *parent);

private slots:
    void on_mtnDriveEnableEnabled_toggled(bool curState);
    void on_mtnDriveEnableActiveState_currentIndexChanged(int curIndex);
    void on_mtnDriveEnableOutputType_currentIndexChanged(int curIndex);
    void on_mtnDriveEnableSafeState_currentIndexChanged(int curIndex);

protected:
    void CreateProperties() override;

private:
    Ui::CVornMotionAxisSettingsDriveSignalsClass ui;
    CVornMotionIoLine *output = nullptr;
};

#endif
