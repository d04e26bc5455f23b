#include "digitalPage.h"

#include "displayTexts.h"
#include "loadingGuard.h"
#include "properties/uiPropertyDoubleComboBox.h"
#include "properties/uiPropertyEnumColumn.h"

#include <QHeaderView>
#include <QHash>
#include <QSignalBlocker>

#include <limits>

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
    int settingsPage;
};

const qint32 inputMappings[]
    = {0xA30094, 0xA30095, 0xA30096, 0xA30097, 0xA30098, 0xC20054, 0xC20055, 0xC20056, 0xC20057, 0};
const qint32 outputMappings[] = {0xA30099, 0xA3009A, 0};
const LineIds inputIds = {0xA30062, 0xC2008F, 0xA30092, 0xA30063, 0xA30065, 0};
const LineIds outputIds = {0xA30066, 0xC20090, 0xA30093, 0xA30067, 0xA30069, 1};
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
    : CVornMotionAxisSettingsBase(db, changeList, dialog, parent)
{
    ui.setupUi(this);
    StartInstancesAt(firstLine);
    digitalInputCount = ReadLineCount(inputCount);
    digitalOutputCount = ReadLineCount(outputCount);
    RunConstructionSequence();
    ui.dioMappingTable->setCurrentCell(0, mappingColumn);
    ui.dioMappingTable->setFocus();
}

// Lines counted from a first line that is no index are none; lines past the last index neither.
qint32 CVornMotionAxisSettingsDigital::ReadLineCount(AttributeId attr) const
{
    AttributeValue count = {};
    if (instanceBase < 0 || db->GetAttribute(attr, 0, &count) < 0)
        return 0;
    const qint64 indices = qint64(std::numeric_limits<qint32>::max()) - instanceBase + 1;
    return qint32(qBound(qint64(0), qint64(count.integerValue), qMin(qint64(mostLines), indices)));
}

void CVornMotionAxisSettingsDigital::CreateProperties()
{
    QTableWidget *table = ui.dioMappingTable;
    const auto first = quint32(instanceBase);
    AddProperty(new UIPropertyEnumColumn(this, inputIds.mapping, inputMappings, table,
                                         mappingColumn, 0, first, digitalInputCount));
    AddProperty(new UIPropertyEnumColumn(this, outputIds.mapping, outputMappings, table,
                                         mappingColumn, digitalInputCount, first,
                                         digitalOutputCount));
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

    // An axis without inputs starts on its first output.
    outputSection = digitalInputCount == 0 && digitalOutputCount > 0;
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

void CVornMotionAxisSettingsDigital::ShowSettingAt(const UIProperty *binding, quint32 index)
{
    const int row = RowOfLine(IsOutputSetting(binding->Attribute()), index);
    if (row >= 0)
        ui.dioMappingTable->setCurrentCell(row, pinColumn);
}

// A line whose function another page configures shows no settings here: its row stands in.
QWidget *CVornMotionAxisSettingsDigital::RevealSetting(AttributeId attr, quint32 index)
{
    if (QWidget *widget = CVornMotionAxisSettingsBase::RevealSetting(attr, index))
        return widget;
    const int row = RowOfLine(IsOutputSetting(attr), index);
    if (row < 0)
        return nullptr;
    ui.dioMappingTable->setCurrentCell(row, pinColumn);
    ui.dioMappingTable->setFocus(Qt::OtherFocusReason);
    return ui.dioMappingTable;
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
    }
}

void CVornMotionAxisSettingsDigital::LoadProperties()
{
    CVornMotionAxisSettingsBase::LoadProperties();
    CVornMotionLoadingGuard loading(changeList);
    SelectStackPage();
}

void CVornMotionAxisSettingsDigital::SelectStackPage()
{
    const LineIds &ids = IdsOf(outputSection);
    const qint32 mapping = ReadInteger(ids.mapping, quint32(instanceIndex));
    ui.digitalIOStack->setCurrentIndex(notePages.value(mapping, ids.settingsPage));
}

void CVornMotionAxisSettingsDigital::on_dioMappingTable_currentCellChanged(int currentRow, int, int,
                                                                           int)
{
    if (changeList->loading || currentRow < 0 || currentRow >= ui.dioMappingTable->rowCount()
        || currentRow == ShownRow())
        return;
    const Line line = LineOfRow(currentRow);
    outputSection = line.output;
    SelectInstance(UIProperty::InstanceIndex, line.index);
}

// A mapping edited and stored by its binding: a line given a function of another page shows
// that page's note at once.
void CVornMotionAxisSettingsDigital::on_dioMappingTable_cellChanged(int, int column)
{
    if (changeList->loading || column != mappingColumn)
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
