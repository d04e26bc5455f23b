#ifndef VORNAC_COMPAREPAGE_H
#define VORNAC_COMPAREPAGE_H

#include "ioLine.h"
#include "settingsBase.h"

#include "ui_compare.h"

// The position-compare output: what it does when the axis reaches a compare position, the
// compare window and pulse width, and the output's type, active state and safe state.
class CVornMotionAxisSettingsCompare : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsCompare(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                   CVornMotionChangeList *changeList,
                                   CVornMotionAxisSettings *dialog, QWidget *parent);

    // For a drive layout of the output's active state. No slot: this form has no such combo, and
    // a slot named after a missing widget makes the form's connection by name warn.
    void on_ccpCompareActiveState_Drive_currentIndexChanged(int curIndex);

private slots:
    void on_ccpCompareAction_currentIndexChanged(int curIndex);
    void on_ccpComparePulseWidth_currentIndexChanged(int curIndex);
    void on_ccpCompareActiveState_currentIndexChanged(int curIndex);
    void on_ccpCompareOutputType_currentIndexChanged(int curIndex);
    void on_ccpCompareSafestate_currentIndexChanged(int curIndex);

protected:
    void CreateProperties() override;
    void LoadProperties() override;

private:
    // The action's picture, and the pulse width where the action is a pulse.
    void ShowAction();

    Ui::CVornMotionAxisSettingsCompareClass ui;
    CVornMotionIoLine *output = nullptr;
};

#endif
