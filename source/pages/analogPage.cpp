#include "analogPage.h"

#include "properties/uiPropertyCheckbox.h"
#include "properties/uiPropertyDoubleComboBox.h"
#include "properties/uiPropertyDoubleSpinBox.h"
#include "properties/uiPropertyEditComboBox.h"

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const AttributeId inverted = 0xA3003D;
const AttributeId scale = 0xA30041;
const AttributeId range = 0xA3003C;
const AttributeId units = 0xA30040;
const AttributeId inputCount = 0xA300C8;
const qint32 mostInputs = 256;

// Volts either side of zero.
const double ranges[] = {10.0, 5.0, 2.5, 1.25, 0.0};

} // namespace

CVornMotionAxisSettingsAnalog::CVornMotionAxisSettingsAnalog(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    ui.label_AIScale->setTextFormat(Qt::PlainText);
    RunConstructionSequence();
    ui.analogTable->setCurrentCell(0, 0);
}

void CVornMotionAxisSettingsAnalog::CreateProperties()
{
    const int input = UIProperty::InstanceIndex;
    const QString none;
    AddProperty(new UIPropertyCheckbox(inverted, nullptr, input, none, ui.AIInverted));
    AddProperty(
        new UIPropertyDoubleSpinBox(scale, ui.label_AIScale, nullptr, input, none, ui.AIScale));
    AddProperty(new UIPropertyDoubleSpinBox(0xA30042, ui.label_AIOffset, nullptr, input, none,
                                            ui.AIOffset));
    AddProperty(
        new UIPropertyDoubleComboBox(range, ui.label_AIRange, ranges, input, none, ui.AIRange));
    AddProperty(new UIPropertyEditComboBox(units, ui.label_AIUnits, input, none, ui.AIUnits));
}

void CVornMotionAxisSettingsAnalog::InitializeProperties()
{
    CVornMotionAxisSettingsBase::InitializeProperties();
    AttributeValue count = {};
    if (db->GetAttribute(inputCount, 0, &count) < 0)
        count.integerValue = 0;
    // One row per input; the inputs share the page's one set of controls.
    inputs.Attach(ui.analogTable);
    for (int input = 0; input < qBound(0, qint32(count.integerValue), mostInputs); ++input)
        inputs.AppendRow(tr("Analog Input %1").arg(input + 1), 0);
}

void CVornMotionAxisSettingsAnalog::LoadProperties()
{
    // Before the load, which names the widgets after their captions.
    const QString shown
        = GetStringValue(units, quint32(instanceIndex), CVornMotionUnitScale::UnitsTextCapacity);
    ui.label_AIScale->setText(tr("LSBs Per %1").arg(shown));
    CVornMotionAxisSettingsBase::LoadProperties();
}

QString CVornMotionAxisSettingsAnalog::InstanceName(const UIProperty *, quint32 index) const
{
    const QTableWidgetItem *item
        = index < quint32(inputs.RowCount()) ? ui.analogTable->item(int(index), 0) : nullptr;
    return item ? item->text() : QString();
}

QVector<quint32> CVornMotionAxisSettingsAnalog::Instances(const UIProperty *) const
{
    QVector<quint32> listed;
    for (int input = 0; input < inputs.RowCount(); ++input)
        listed.append(quint32(input));
    return listed;
}

void CVornMotionAxisSettingsAnalog::ShowSettingAt(const UIProperty *, quint32 index)
{
    if (index < quint32(inputs.RowCount()))
        ui.analogTable->setCurrentCell(int(index), 0);
}

void CVornMotionAxisSettingsAnalog::on_analogTable_currentCellChanged(int currentRow, int, int, int)
{
    if (inputs.StackPageOf(currentRow) < 0)
        return;
    SelectInstance(UIProperty::InstanceIndex, currentRow);
}

void CVornMotionAxisSettingsAnalog::on_AIInverted_toggled(bool curState)
{
    StoreBoolean(inverted, quint32(instanceIndex), curState);
}

void CVornMotionAxisSettingsAnalog::on_AIScale_editingFinished()
{
    if (!changeList->loading)
        emit UpdateAllSettingsPages();
}

void CVornMotionAxisSettingsAnalog::on_AIRange_currentIndexChanged(int curIndex)
{
    StoreSelectedReal(range, quint32(instanceIndex), ui.AIRange, curIndex);
}

void CVornMotionAxisSettingsAnalog::on_AIUnits_editTextChanged(const QString &text)
{
    EditUnitsText(units, quint32(instanceIndex), ui.AIUnits, text);
}

void CVornMotionAxisSettingsAnalog::on_invalidSettings(bool state)
{
    MarkInvalid(ui.AIScale, state);
}
