#ifndef VORNAC_STEPPERPAGE_H
#define VORNAC_STEPPERPAGE_H

#include "sectionTable.h"
#include "ioLine.h"
#include "settingsBase.h"

#include "ui_stepper.h"

// The step output of a stepper axis: steps per unit and units, output type with its active
// state, step and direction or clockwise/counterclockwise pulses, the position error limit, and
// the correction profile of a closed-loop stepper.
class CVornMotionAxisSettingsStepper : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsStepper(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                   CVornMotionChangeList *changeList,
                                   CVornMotionAxisSettings *dialog, QWidget *parent);

    // Connected explicitly to the check box's toggled signal: stateChanged is deprecated in
    // newer Qt versions.
    void on_genMonitorPE_stateChanged(int state);
    void on_coercedValueChanged(long attr, double curValue, bool dataTypeDouble) override;
    void on_invalidSettings(bool state) override;

private slots:
    void on_stepperTable_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                            int previousColumn);
    void on_stpOutputModeStepDirection_toggled(bool checked);
    void on_stpActiveState_currentIndexChanged(int curIndex);
    void on_stpOutputType_currentIndexChanged(int curIndex);
    void on_stpStepsPerUnit_editingFinished();
    void on_stpUnits_editTextChanged(const QString &text);

protected:
    void CreateProperties() override;
    void InitializeProperties() override;
    void LoadProperties() override;
    void UpdateUnits() override;

private:
    // Lists the sections this axis has, keeping the section shown when it is still listed.
    void FillSections();
    void ShowOutputModePicture();
    void ShowCorrectionPicture();
    void EnablePositionErrorLimit();

    Ui::CVornMotionAxisSettingsStepperClass ui;
    CVornMotionSectionTable sections;
    CVornMotionIoLine *output = nullptr;
};

#endif
