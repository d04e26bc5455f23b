#ifndef VORNAC_GENERALPAGE_H
#define VORNAC_GENERALPAGE_H

#include "settingsBase.h"

#include "ui_general.h"

// The first settings page: axis type, stepper loop mode, feedback device, watchdog, initial
// state and dual-loop mode, and which units the axis shows. Its edits change what the other pages
// and the navigation offer.
class CVornMotionAxisSettingsGeneral : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsGeneral(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                   CVornMotionChangeList *changeList,
                                   CVornMotionAxisSettings *dialog, QWidget *parent);

private slots:
    void on_genAxisLoopMode_currentIndexChanged(int curIndex);
    void on_genAxisType_currentIndexChanged(int curIndex);
    void on_genEnabledButton_toggled(bool curState);
    void on_genChkboxActivateAxis_toggled(bool curState);
    void on_genFeedbackType_currentIndexChanged(int curIndex);
    void on_genDualLoopEnabled_toggled(bool curState);

protected:
    void CreateProperties() override;
    void LoadProperties() override;
    void UpdateUnits() override;
    qint32 GetResetValue(nVornMCPCD100::AttributeId attr, quint32 index,
                         nVornMCPCD100::AttributeValue &out) override;

private:
    void RefreshLoopModeAndFeedback();
    // Replaces a feedback of "none" that this axis cannot run with.
    void ReplaceMissingFeedback();

    Ui::CVornMotionAxisSettingsGeneralClass ui;
    qint32 axisType = 0xA3006B;
};

#endif
