#include "digitalPage.h"

#include "dioMappingDelegate.h"
#include "displayTexts.h"
#include "loadingGuard.h"
#include "properties/uiPropertyDoubleComboBox.h"
#include "settingIndex.h"
#include "settingsMain.h"
#include "valueReader.h"

#include <QHeaderView>
#include <QHash>
#include <QSignalBlocker>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const AttributeId firstLine = 0xA10062;
const AttributeId inputCount = 0xA30060;
const AttributeId outputCount = 0xA30061;
const qint32 mostLines = 256;

// The settings of a line, by section.
struct LineIds
{
    AttributeId name;
    AttributeId suffix;
    AttributeId mapping;
    AttributeId activeState;
    AttributeId type;
    const qint32 *mappings;
    int settingsPage;
};

const qint32 inputMappings[]
    = {0xA30094, 0xA30095, 0xA30096, 0xA30097, 0xA30098, 0xC20054, 0xC20055, 0xC20056, 0xC20057, 0};
const qint32 outputMappings[] = {0xA30099, 0xA3009A, 0};
const LineIds inputIds = {0xA30062, 0xC2008F, 0xA30092, 0xA30063, 0xA30065, inputMappings, 0};
const LineIds outputIds = {0xA30066, 0xC20090, 0xA30093, 0xA30067, 0xA30069, outputMappings, 1};
const AttributeId inputFilter = 0xA30064;
const AttributeId outputSafeState = 0xA30068;

const LineIds &IdsOf(bool output)
{
    return output ? outputIds : inputIds;
}

bool IsOutputSetting(AttributeId attr)
{
    return attr == outputIds.name || attr == outputIds.suffix || attr == outputIds.mapping
           || attr == outputIds.activeState || attr == outputIds.type || attr == outputSafeState;
}

const qint32 inputTypes[] = {0xA30079, 0xA3007A, 0xA10075, 0xA10076, 0};
const qint32 outputTypes[] = {0xA3007B, 0xA3007C, 0xA10074, 0xA10077, 0xA10078, 0};
const double inputFilters[] = {1.2e-7, 5e-5, 5e-4, 0.001, 0.01, 0.0};

// The unmapped choices of inputs and of outputs: any number of lines may carry them.
bool IsUnmapped(qint32 mapping)
{
    return mapping == 0xA30094 || mapping == 0xA30099;
}
// Functions that other pages configure, and the stack page with the note naming that page.
const QHash<qint32, int> notePages
    = {{0xC20056, 2}, {0xC20057, 3}, {0xC20054, 4}, {0xC20055, 5}, {0xA3009A, 6}};

const int pinColumn = 0;
const int mappingColumn = 1;
const qint32 lineNameCapacity = 257;
const char *const duplicateMessage
    = QT_TRANSLATE_NOOP("CVornMotionAxisSettingsDigital", "Duplicate mapping detected!");

} // namespace

CVornMotionAxisSettingsDigital::CVornMotionAxisSettingsDigital(
    nVornMCPCD100::iMotionConfigurationDatabase *db, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, QWidget *parent)
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent),
      delegate(new CVornMotionDIOMappingDelegate(this))
{
    ui.setupUi(this);
    ui.dioMappingTable->setItemDelegateForColumn(mappingColumn, delegate);
    digitalInputCount = ReadLineCount(inputCount);
    digitalOutputCount = ReadLineCount(outputCount);
    RunConstructionSequence();
    ui.dioMappingTable->setCurrentCell(0, mappingColumn);
    ui.dioMappingTable->setFocus();
}

qint32 CVornMotionAxisSettingsDigital::ReadLineCount(AttributeId attr) const
{
    AttributeValue count = {};
    if (db->GetAttribute(attr, 0, &count) < 0)
        return 0;
    return qBound(0, qint32(count.integerValue), mostLines);
}

void CVornMotionAxisSettingsDigital::CreateProperties()
{
    const int line = UIProperty::InstanceIndex;
    AddProperty(new UIPropertyDoubleComboBox(inputFilter, ui.dioLabelDIFilterFreq, inputFilters,
                                             line, QString(), ui.dioDIFilterFreq));
    const QString titleWithName = tr("%1 Settings");
    input = AddIoLine(
        {this,
         {inputIds.type, inputIds.activeState, 0, inputFilter, inputIds.name, line},
         {ui.dioDIType, ui.dioDILabelDIOType, ui.dioDIActiveState, ui.dioDILabelActiveState,
          ui.dioDIActiveState_Drive, ui.dioDILabelActiveState_Drive, nullptr, nullptr,
          ui.dioDIPicture, ui.label_activeDI, ui.label_inactiveDI, nullptr, nullptr, ui.DIStack,
          ui.DIGroupBox, titleWithName, titleWithName.arg(QString())}},
        inputTypes);
    output = AddIoLine(
        {this,
         {outputIds.type, outputIds.activeState, outputSafeState, outputSafeState, outputIds.name,
          line},
         {ui.dioDOType, ui.dioDOLabelDIOType, ui.dioDOActiveState, ui.dioDOLabelActiveState,
          ui.dioDOActiveState_Drive, ui.dioDOLabelActiveState_Drive, ui.dioDOSafeState,
          ui.dioLabelDOSafeState, ui.dioDOPicture, ui.label_activeDO, ui.label_inactiveDO,
          ui.label_SafeStateA, ui.label_SafeStateIA, ui.DOStack, ui.DOGroupBox, titleWithName,
          titleWithName.arg(QString())}},
        outputTypes);
}

void CVornMotionAxisSettingsDigital::InitializeProperties()
{
    QTableWidget *table = ui.dioMappingTable;
    table->horizontalHeader()->resizeSection(pinColumn, 100);
    table->horizontalHeader()->setSectionResizeMode(mappingColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionsClickable(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                           | QAbstractItemView::EditKeyPressed);

    StartInstancesAt(firstLine);
    if (instanceBase < 0)
        digitalInputCount = digitalOutputCount = 0;
    // An axis without inputs starts on its first output.
    outputSection = digitalInputCount == 0 && digitalOutputCount > 0;
    delegate->outputRows = outputSection;
    CVornMotionAxisSettingsBase::InitializeProperties();
    BuildTable();
}

CVornMotionAxisSettingsDigital::Line CVornMotionAxisSettingsDigital::LineOfRow(int row) const
{
    const bool output = row >= digitalInputCount;
    return {output, InstanceAt(instanceBase, output ? row - digitalInputCount : row)};
}

int CVornMotionAxisSettingsDigital::RowOfLine(bool output, quint32 index) const
{
    const qint64 line = qint64(index) - instanceBase;
    if (line < 0 || line >= (output ? digitalOutputCount : digitalInputCount))
        return -1;
    return int(output ? line + digitalInputCount : line);
}

QString CVornMotionAxisSettingsDigital::LineName(bool output, quint32 index) const
{
    const QTableWidgetItem *item = ui.dioMappingTable->item(RowOfLine(output, index), pinColumn);
    return item ? item->text() : QString();
}

QString CVornMotionAxisSettingsDigital::InstanceName(const UIProperty *binding, quint32 index) const
{
    return LineName(IsOutputSetting(binding->Attribute()), index);
}

QVector<quint32> CVornMotionAxisSettingsDigital::Instances(const UIProperty *binding) const
{
    return LineIndices(IsOutputSetting(binding->Attribute()));
}

QVector<quint32> CVornMotionAxisSettingsDigital::LineIndices(bool output) const
{
    QVector<quint32> lines;
    for (qint32 line = 0; line < (output ? digitalOutputCount : digitalInputCount); ++line) {
        const qint32 index = InstanceAt(instanceBase, line);
        if (index >= 0)
            lines.append(quint32(index));
    }
    return lines;
}

// The mappings come first, as the table shows them above the line's settings.
QVector<CVornMotionAxisSettingsBase::ShownSetting>
CVornMotionAxisSettingsDigital::ShownSettings() const
{
    QVector<ShownSetting> shown;
    for (const bool output : {false, true}) {
        ShownSetting mapping;
        mapping.attribute = IdsOf(output).mapping;
        mapping.kind = CVornMotionSettingKind::Enumeration;
        mapping.instances = LineIndices(output);
        for (const quint32 index : std::as_const(mapping.instances))
            mapping.instanceNames.append(LineName(output, index));
        shown.append(mapping);
    }
    return shown + CVornMotionAxisSettingsBase::ShownSettings();
}

void CVornMotionAxisSettingsDigital::ShowSettingAt(const UIProperty *binding, quint32 index)
{
    const int row = RowOfLine(IsOutputSetting(binding->Attribute()), index);
    if (row >= 0)
        ui.dioMappingTable->setCurrentCell(row, pinColumn);
}

std::optional<CVornMotionAxisSettingsBase::EditTexts>
CVornMotionAxisSettingsDigital::DescribeEdit(const CVornMotionChangeList::PendingEdit &edit)
{
    if (edit.id != inputIds.mapping && edit.id != outputIds.mapping)
        return CVornMotionAxisSettingsBase::DescribeEdit(edit);
    EditTexts texts;
    texts.setting = GetDisplayNameOrId(edit.id);
    texts.instance = LineName(edit.id == outputIds.mapping, edit.index);
    AttributeValue stored = {};
    texts.stored = db->GetAttribute(edit.id, edit.index, &stored) >= 0
                       ? GetDisplayNameOrId(quint32(stored.integerValue))
                       : tr("(unreadable)");
    texts.pending = GetDisplayNameOrId(quint32(edit.value.integerValue));
    return texts;
}

bool CVornMotionAxisSettingsDigital::ShowsSetting(AttributeId attr) const
{
    return attr == inputIds.mapping || attr == outputIds.mapping
           || CVornMotionAxisSettingsBase::ShowsSetting(attr);
}

// A line whose function another page configures shows no settings here: its row stands in.
QWidget *CVornMotionAxisSettingsDigital::RevealSetting(AttributeId attr, quint32 index)
{
    const bool mapping = attr == inputIds.mapping || attr == outputIds.mapping;
    if (!mapping) {
        if (QWidget *widget = CVornMotionAxisSettingsBase::RevealSetting(attr, index))
            return widget;
    }
    const int row = RowOfLine(IsOutputSetting(attr), index);
    if (row < 0)
        return nullptr;
    ui.dioMappingTable->setCurrentCell(row, mapping ? mappingColumn : pinColumn);
    ui.dioMappingTable->setFocus(Qt::OtherFocusReason);
    return ui.dioMappingTable;
}

// Each line's mapping is found under its line's name and opens its row.
void CVornMotionAxisSettingsDigital::AddSettingsTo(CVornMotionSettingIndex &index, int pageId,
                                                   const QString &area)
{
    CVornMotionAxisSettingsBase::AddSettingsTo(index, pageId, area);
    for (int row = 0; row < ui.dioMappingTable->rowCount(); ++row) {
        const Line line = LineOfRow(row);
        const AttributeId mapping = IdsOf(line.output).mapping;
        if (line.index < 0 || !db->IsAttributeSupported(mapping, quint32(line.index)))
            continue;
        index.Add({pageId, area, mapping, quint32(line.index), GetDisplayNameOrId(mapping),
                   LineName(line.output, quint32(line.index))},
                  GetDictionaryDescription(mapping));
    }
}

void CVornMotionAxisSettingsDigital::RecheckProblems()
{
    CheckDuplicates();
}

int CVornMotionAxisSettingsDigital::ShownRow() const
{
    const int line = int(qint64(instanceIndex) - instanceBase);
    return outputSection ? line + digitalInputCount : line;
}

void CVornMotionAxisSettingsDigital::BuildTable()
{
    QTableWidget *table = ui.dioMappingTable;
    const QSignalBlocker blocker(table);
    table->clearContents();
    table->setRowCount(digitalInputCount + digitalOutputCount);
    table->setToolTip(PlainToolTip(GetDictionaryDescription(inputIds.mapping)));
    // A reader announces the line and its mapping of the row; the name says what the rows set.
    table->setAccessibleName(
        tr("Digital I/O Lines: %1, %2")
            .arg(GetDisplayNameOrId(inputIds.mapping), GetDisplayNameOrId(outputIds.mapping)));
    for (int row = 0; row < table->rowCount(); ++row) {
        const Line line = LineOfRow(row);
        const LineIds &ids = IdsOf(line.output);
        QString text = GetStringValue(ids.name, quint32(line.index), lineNameCapacity);
        const QString suffix = GetStringValue(ids.suffix, quint32(line.index), lineNameCapacity);
        if (!suffix.isEmpty())
            text += QStringLiteral(" (") + suffix + QLatin1Char(')');
        auto *pin = new QTableWidgetItem(text);
        pin->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        table->setItem(row, pinColumn, pin);
        auto *mapping = new QTableWidgetItem();
        mapping->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
        table->setItem(row, mappingColumn, mapping);
    }
    RefreshMappings();
}

void CVornMotionAxisSettingsDigital::RefreshMappings()
{
    const QSignalBlocker blocker(ui.dioMappingTable);
    const CVornMotionValueReader reader(db, changeList);
    for (int row = 0; row < ui.dioMappingTable->rowCount(); ++row) {
        const Line line = LineOfRow(row);
        AttributeValue mapping = {};
        const bool readable
            = reader.ReadValue(IdsOf(line.output).mapping, quint32(line.index), &mapping) >= 0;
        ShowMapping(row, readable ? std::optional<qint32>(mapping.integerValue) : std::nullopt);
    }
}

// A mapping that cannot be read shows nothing and is no function: it conflicts with none.
void CVornMotionAxisSettingsDigital::ShowMapping(int row, std::optional<qint32> mapping)
{
    QTableWidgetItem *cell = ui.dioMappingTable->item(row, mappingColumn);
    if (!cell)
        return;
    const QString text = mapping ? GetDictionaryName(quint32(*mapping)) : QString();
    if (cell->text() != text)
        cell->setText(text);
    const QVariant data = mapping ? QVariant(*mapping) : QVariant();
    if (cell->data(Qt::UserRole) != data)
        cell->setData(Qt::UserRole, data);
}

void CVornMotionAxisSettingsDigital::FillMappingChoices(int row, QComboBox *combo)
{
    if (row < 0 || row >= ui.dioMappingTable->rowCount())
        return;
    const Line line = LineOfRow(row);
    const LineIds &ids = IdsOf(line.output);
    FillEnumComboBox(ids.mapping, quint32(line.index), ids.mappings, combo);
}

void CVornMotionAxisSettingsDigital::LoadProperties()
{
    CVornMotionAxisSettingsBase::LoadProperties();
    CVornMotionLoadingGuard loading(changeList);
    RefreshMappings();
    SelectStackPage();
}

void CVornMotionAxisSettingsDigital::SelectStackPage()
{
    const LineIds &ids = IdsOf(outputSection);
    AttributeValue mapping;
    GetValue(ids.mapping, quint32(instanceIndex), mapping);
    ui.digitalIOStack->setCurrentIndex(notePages.value(mapping.integerValue, ids.settingsPage));
}

void CVornMotionAxisSettingsDigital::on_dioMappingTable_currentCellChanged(int currentRow, int, int,
                                                                           int)
{
    if (changeList->loading || currentRow < 0 || currentRow >= ui.dioMappingTable->rowCount()
        || currentRow == ShownRow())
        return;
    const Line line = LineOfRow(currentRow);
    outputSection = line.output;
    delegate->outputRows = line.output;
    SelectInstance(UIProperty::InstanceIndex, line.index);
}

void CVornMotionAxisSettingsDigital::on_dioMappingTable_cellChanged(int row, int column)
{
    if (changeList->loading || column != mappingColumn || row != ShownRow())
        return;
    const QTableWidgetItem *cell = ui.dioMappingTable->item(row, mappingColumn);
    bool valid = false;
    const qint32 mapping = cell ? cell->data(Qt::UserRole).toInt(&valid) : 0;
    if (!valid || !StoreId(IdsOf(outputSection).mapping, quint32(instanceIndex), mapping))
        return;
    SelectStackPage();
    CheckDuplicates();
}

// Compares the functions themselves, never their texts; the unmapped choice is no conflict.
void CVornMotionAxisSettingsDigital::CheckDuplicates()
{
    QTableWidget *table = ui.dioMappingTable;
    const QSignalBlocker blocker(table);
    QHash<qint32, int> linesPerMapping;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QVariant mapping = table->item(row, mappingColumn)->data(Qt::UserRole);
        if (mapping.isValid())
            ++linesPerMapping[mapping.toInt()];
    }
    bool duplicate = false;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem *cell = table->item(row, mappingColumn);
        const QVariant data = cell->data(Qt::UserRole);
        const qint32 mapping = data.toInt();
        const bool conflict
            = data.isValid() && !IsUnmapped(mapping) && linesPerMapping.value(mapping) > 1;
        cell->setBackground(conflict ? Qt::red : Qt::white);
        duplicate = duplicate || conflict;
    }
    if (duplicate) {
        if (QTableWidgetItem *edited = table->item(ShownRow(), mappingColumn))
            edited->setSelected(false);
    }
    ReportProblem(duplicate, tr(duplicateMessage));
}

void CVornMotionAxisSettingsDigital::on_dioDIActiveState_currentIndexChanged(int curIndex)
{
    input->StoreActiveState(ui.dioDIActiveState, curIndex);
}

void CVornMotionAxisSettingsDigital::on_dioDOActiveState_currentIndexChanged(int curIndex)
{
    output->StoreActiveState(ui.dioDOActiveState, curIndex);
}

void CVornMotionAxisSettingsDigital::on_dioDIActiveState_Drive_currentIndexChanged(int curIndex)
{
    input->StoreActiveState(ui.dioDIActiveState_Drive, curIndex);
}

void CVornMotionAxisSettingsDigital::on_dioDOActiveState_Drive_currentIndexChanged(int curIndex)
{
    output->StoreActiveState(ui.dioDOActiveState_Drive, curIndex);
}

void CVornMotionAxisSettingsDigital::on_dioDIType_currentIndexChanged(int curIndex)
{
    input->StoreType(curIndex);
}

void CVornMotionAxisSettingsDigital::on_dioDOType_currentIndexChanged(int curIndex)
{
    output->StoreType(curIndex);
}

void CVornMotionAxisSettingsDigital::on_dioDIFilterFreq_currentIndexChanged(int curIndex)
{
    StoreSelectedReal(inputFilter, quint32(instanceIndex), ui.dioDIFilterFreq, curIndex);
}

void CVornMotionAxisSettingsDigital::on_dioDOSafeState_currentIndexChanged(int curIndex)
{
    output->StoreSafeState(curIndex);
}
