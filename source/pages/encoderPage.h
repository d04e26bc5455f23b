#ifndef VORNAC_ENCODERPAGE_H
#define VORNAC_ENCODERPAGE_H

#include "sectionTable.h"
#include "settingsBase.h"

#include "ui_encoder.h"

// The encoders of the axis, one at a time: active states of A, B and Index, the index reference
// criteria with a picture of the phasing they select, units, counts per unit and filter; and the
// axis-wide velocity estimate. Edits of units or counts per unit reload every page.
class CVornMotionAxisSettingsEncoder : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsEncoder(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                   CVornMotionChangeList *changeList,
                                   CVornMotionAxisSettings *dialog, QWidget *parent);

    void on_invalidSettings(bool state) override;

private slots:
    void on_encoderTable_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                            int previousColumn);
    void on_encCountsPerUnit_editingFinished();
    void on_encActiveStateLineStateAActiveHigh_toggled(bool curState);
    void on_encActiveStateLineStateBActiveHigh_toggled(bool curState);
    void on_encActiveStateLineStateIndexActiveHigh_toggled(bool curState);
    void on_encIndexRefCriteriaLineStateAActive_toggled(bool curState);
    void on_encIndexRefCriteriaLineStateBActive_toggled(bool curState);
    void on_encUnits_editTextChanged(const QString &text);
    void on_encFilterFreq_currentIndexChanged(int curIndex);

protected:
    void CreateProperties() override;
    void InitializeProperties() override;
    void LoadProperties() override;
    void UpdateCaptions() override;
    QString InstanceName(const UIProperty *binding, quint32 index) const override;
    QVector<quint32> Instances(const UIProperty *binding) const override;
    void ShowSettingAt(const UIProperty *binding, quint32 index) override;

private:
    // The table row of the section that shows `binding` at `index`; -1 when none is listed.
    int RowShowing(const UIProperty *binding, quint32 index) const;
    void SelectEncoder(qint32 encoder);
    void RefreshEncoderWidgets();
    void StoreLineState(nVornMCPCD100::AttributeId attr, qint32 state);
    void ShowPhasingPicture();

    Ui::CVornMotionAxisSettingsEncoderClass ui;
    CVornMotionSectionTable sections;
    qint32 encoders = 0;
};

#endif
