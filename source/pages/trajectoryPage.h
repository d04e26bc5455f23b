#ifndef VORNAC_TRAJECTORYPAGE_H
#define VORNAC_TRAJECTORYPAGE_H

#include "sectionTable.h"
#include "settingsBase.h"

#include "ui_trajectory.h"

// How the axis decides that a move is complete, its forward and reverse software limits, and the
// system profile constraints of a drive (built and bound, but offered by no section row).
class CVornMotionAxisSettingsTrajectory : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsTrajectory(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                      CVornMotionChangeList *changeList,
                                      CVornMotionAxisSettings *dialog, QWidget *parent);

    void on_coercedValueChanged(long attr, double curValue, bool dataTypeDouble) override;
    void RecheckProblems() override;

private slots:
    void on_trajectoryTable_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                               int previousColumn);
    void on_trjMvCompleteMotorOff_toggled(bool curState);
    void on_trjMvCompleteRunStop_toggled(bool curState);
    void on_trjMvCompleteInPosition_toggled(bool curState);
    void on_trjMvCompleteDelay_toggled(bool curState);
    void on_trjMvCompleteDeadband_toggled(bool curState);
    void on_mtnSoftwareFwLimitEnabled_toggled(bool curState);
    void on_mtnSoftwareRvLimitEnabled_toggled(bool curState);
    void on_mtnSoftwareFwLimitStopMode_currentIndexChanged(int curIndex);
    void on_mtnSoftwareRvLimitStopMode_currentIndexChanged(int curIndex);

protected:
    void CreateProperties() override;
    void InitializeProperties() override;

private:
    // Reports whether the forward limit would stay above the reverse one with `position` edited.
    void CheckLimitOrder(nVornMCPCD100::AttributeId edited, double position);
    void ReportLimitOrder(double forward, double reverse);

    Ui::CVornMotionAxisSettingsTrajectoryClass ui;
    CVornMotionSectionTable sections;
    bool limitsInverted = false;
};

#endif
