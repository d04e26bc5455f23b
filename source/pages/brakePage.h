#ifndef VORNAC_BRAKEPAGE_H
#define VORNAC_BRAKEPAGE_H

#include "settingsBase.h"

#include "ui_brake.h"

// Whether a brake is fitted to the axis.
class CVornMotionAxisSettingsBrake : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsBrake(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                 CVornMotionChangeList *changeList, CVornMotionAxisSettings *dialog,
                                 QWidget *parent);

private slots:
    void on_brakeEnable_toggled(bool checked);

protected:
    void CreateProperties() override;

private:
    Ui::CVornMotionAxisSettingsBrakeClass ui;
};

#endif
