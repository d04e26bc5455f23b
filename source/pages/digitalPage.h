#ifndef VORNAC_DIGITALPAGE_H
#define VORNAC_DIGITALPAGE_H

#include "ioLine.h"
#include "settingsBase.h"

#include "ui_digital.h"

// The digital input and output lines of the axis: what function each line serves (a column of
// the table, one row per line), and for the line shown its type, active state and filter or safe
// state. A line that another page configures (limits, home, capture, brake) shows a note
// instead. Two lines mapped to the same function are an open problem.
class CVornMotionAxisSettingsDigital : public CVornMotionAxisSettingsBase
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsDigital(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                   CVornMotionChangeList *changeList,
                                   CVornMotionAxisSettings *dialog, QWidget *parent);

    QWidget *RevealSetting(nVornMCPCD100::AttributeId attr, quint32 index) override;
    void RecheckProblems() override;

private slots:
    void on_dioMappingTable_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                               int previousColumn);
    void on_dioMappingTable_cellChanged(int row, int column);
    void on_dioDIActiveState_currentIndexChanged(int curIndex);
    void on_dioDOActiveState_currentIndexChanged(int curIndex);
    void on_dioDIActiveState_Drive_currentIndexChanged(int curIndex);
    void on_dioDOActiveState_Drive_currentIndexChanged(int curIndex);
    void on_dioDIType_currentIndexChanged(int curIndex);
    void on_dioDOType_currentIndexChanged(int curIndex);
    void on_dioDIFilterFreq_currentIndexChanged(int curIndex);
    void on_dioDOSafeState_currentIndexChanged(int curIndex);

protected:
    void CreateProperties() override;
    void InitializeProperties() override;
    void LoadProperties() override;
    QString InstanceName(const UIProperty *binding, quint32 index) const override;
    QVector<quint32> Instances(const UIProperty *binding) const override;
    void ShowSettingAt(const UIProperty *binding, quint32 index) override;

private:
    // Where a table row's line lives: its section and its attribute index.
    struct Line
    {
        bool output;
        qint32 index;
    };

    Line LineOfRow(int row) const;
    // The row of a line by its section and attribute index; -1 for a line the table lacks.
    int RowOfLine(bool output, quint32 index) const;
    QString LineName(bool output, quint32 index) const;
    // The attribute indices of the inputs or outputs, in table order.
    QVector<quint32> LineIndices(bool output) const;
    int ShownRow() const;
    qint32 ReadLineCount(nVornMCPCD100::AttributeId attr) const;
    void BuildTable();
    void SelectStackPage();
    void CheckDuplicates();

    Ui::CVornMotionAxisSettingsDigitalClass ui;
    CVornMotionIoLine *input = nullptr;
    CVornMotionIoLine *output = nullptr;
    qint32 digitalInputCount = 0;
    qint32 digitalOutputCount = 0;
    bool outputSection = false;
};

#endif
