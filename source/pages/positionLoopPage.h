#ifndef VORNAC_POSITIONLOOPPAGE_H
#define VORNAC_POSITIONLOOPPAGE_H

#include "sectionTable.h"
#include "settingsBase.h"

#include "ui_positionLoop.h"

// The position control loop of a servo axis: gains per gain set, the loop period offered from
// the periods that fit the host's scan period, the position error limit, multiple gain sets and
// where the loop runs.
class CVornMotionSettingsPositionLoop : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionSettingsPositionLoop(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                    CVornMotionChangeList *changeList,
                                    CVornMotionAxisSettings *dialog, QWidget *parent);

    // Connected explicitly: the combo's text signal does not exist in every Qt version, and the
    // period is taken from the chosen item's data, not its text.
    void on_positionLoopRate_currentIndexChanged(const QString &text);
    void on_coercedValueChanged(long attr, double curValue, bool dataTypeDouble) override;
    void on_invalidSettings(bool state) override;

private slots:
    void on_cntPmodeGainSets_currentIndexChanged(int index);
    void on_cntUseGainsWhen_currentIndexChanged(int index);
    void on_positionLoopMultiGainSet_toggled(bool checked);
    void on_positionLoopRunOnHardware_toggled(bool checked);
    void on_positionLoopTable_currentCellChanged(int currentRow, int currentColumn,
                                                 int previousRow, int previousColumn);

protected:
    void CreateProperties() override;
    void InitializeProperties() override;
    void LoadProperties() override;
    QString InstanceName(const UIProperty *binding, quint32 index) const override;
    QVector<quint32> Instances(const UIProperty *binding) const override;
    void ShowSettingAt(const UIProperty *binding, quint32 index) override;

private:
    QString GainSetName(quint32 index) const;
    void FillLoopPeriods();
    void ShowPicture();
    void RefreshGainSetControls();
    qint32 Location();

    Ui::CVornMotionAxisSettingsPositionLoopClass ui;
    CVornMotionSectionTable sections;
};

#endif
