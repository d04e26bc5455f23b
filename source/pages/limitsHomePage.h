#ifndef VORNAC_LIMITSHOMEPAGE_H
#define VORNAC_LIMITSHOMEPAGE_H

#include "ioLine.h"
#include "sectionTable.h"
#include "settingsBase.h"

#include "ui_limitsHome.h"

#include <array>

// The forward limit, reverse limit and home switch inputs: per switch its software reaction
// (enable, stop mode) and its electrical input (type, active state, filter), in the standard
// layout or, where the drive fixes type and filter, the drive's own.
class CVornMotionAxisSettingsLimitsHome : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsLimitsHome(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                      CVornMotionChangeList *changeList,
                                      CVornMotionAxisSettings *dialog, QWidget *parent);

private slots:
    void on_limitsAndHomeTable_currentCellChanged(int currentRow, int currentColumn,
                                                  int previousRow, int previousColumn);
    void on_mtnFwLimitEnabled_toggled(bool curState);
    void on_mtnFwLimitActiveState_currentIndexChanged(int curIndex);
    void on_mtnFwLimitActiveState_Drive_currentIndexChanged(int curIndex);
    void on_mtnFwLimitInputType_currentIndexChanged(int curIndex);
    void on_mtnFwLimitFilterFreq_currentIndexChanged(int curIndex);
    void on_mtnFwLimitStopMode_currentIndexChanged(int curIndex);
    void on_mtnRvLimitEnabled_toggled(bool curState);
    void on_mtnRvLimitActiveState_currentIndexChanged(int curIndex);
    void on_mtnRvLimitActiveState_Drive_currentIndexChanged(int curIndex);
    void on_mtnRvLimitInputType_currentIndexChanged(int curIndex);
    void on_mtnRvLimitFilterFreq_currentIndexChanged(int curIndex);
    void on_mtnRvLimitStopMode_currentIndexChanged(int curIndex);
    void on_mtnHomeEnabled_toggled(bool curState);
    void on_mtnHomeActiveState_currentIndexChanged(int curIndex);
    void on_mtnHomeActiveState_Drive_currentIndexChanged(int curIndex);
    void on_mtnHomeInputType_currentIndexChanged(int curIndex);
    void on_mtnHomeFilterFreq_currentIndexChanged(int curIndex);
    void on_mtnHomeStopMode_currentIndexChanged(int curIndex);

protected:
    void CreateProperties() override;
    void InitializeProperties() override;

private:
    enum Switch
    {
        Forward,
        Reverse,
        Home,
        SwitchCount
    };

    // One switch: its software reaction and its input line.
    struct SwitchControls
    {
        nVornMCPCD100::AttributeId enabled;
        nVornMCPCD100::AttributeId filter;
        nVornMCPCD100::AttributeId stopMode;
        QCheckBox *enabledBox;
        QComboBox *filterCombo;
        QLabel *filterLabel;
        QComboBox *stopModeCombo;
        QLabel *stopModeLabel;
        CVornMotionIoLine *input;
    };

    void DeclareSwitch(Switch which, const SwitchControls &controls,
                       const CVornMotionIoLine &input);
    void StoreEnabled(Switch which, bool enabled);
    void StoreActiveState(Switch which, const QComboBox *combo, int curIndex);
    void StoreInputType(Switch which, int curIndex);
    void StoreFilter(Switch which, int curIndex);
    void StoreStopMode(Switch which, int curIndex);

    Ui::CVornMotionAxisSettingsLimitsHomeClass ui;
    std::array<SwitchControls, SwitchCount> switches;
    CVornMotionSectionTable sections;
};

#endif
