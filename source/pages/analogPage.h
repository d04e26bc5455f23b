#ifndef VORNAC_ANALOGPAGE_H
#define VORNAC_ANALOGPAGE_H

#include "sectionTable.h"
#include "settingsBase.h"

#include "ui_analog.h"

// The analog inputs of the axis, one at a time: range, inversion, units, scale and offset. Edits
// of the scale or units reload every page, since positions may be shown in analog units.
class CVornMotionAxisSettingsAnalog : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsAnalog(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                  CVornMotionChangeList *changeList,
                                  CVornMotionAxisSettings *dialog, QWidget *parent);

    void on_invalidSettings(bool state) override;

private slots:
    void on_analogTable_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                           int previousColumn);
    void on_AIInverted_toggled(bool curState);
    void on_AIScale_editingFinished();
    void on_AIRange_currentIndexChanged(int curIndex);
    void on_AIUnits_editTextChanged(const QString &text);

protected:
    QString InstanceName(const UIProperty *binding, quint32 index) const override;
    QVector<quint32> Instances(const UIProperty *binding) const override;
    void ShowSettingAt(const UIProperty *binding, quint32 index) override;
    void CreateProperties() override;
    void InitializeProperties() override;
    void LoadProperties() override;

private:
    Ui::CVornMotionAxisSettingsAnalogClass ui;
    CVornMotionSectionTable inputs;
};

#endif
