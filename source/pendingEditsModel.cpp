#include "pendingEditsModel.h"

#include "displayTexts.h"
#include "valueReader.h"

#include <QLocale>
#include <QMultiHash>

#include <algorithm>

#include <utility>

using nVornMCPCD100::AttributeValue;

namespace {
const qint32 storedTextCapacity = 1024;
} // namespace

CVornMotionPendingEditsModel::CVornMotionPendingEditsModel(
    CVornMotionChangeList *changeList, nVornMCPCD100::iMotionConfigurationDatabase *database,
    Describer describer, QObject *parent)
    : QAbstractTableModel(parent),
      changeList(changeList),
      database(database),
      describer(std::move(describer))
{
    connect(changeList, &CVornMotionChangeList::PendingEditsChanged, this,
            &CVornMotionPendingEditsModel::Invalidate);
}

void CVornMotionPendingEditsModel::Invalidate()
{
    beginResetModel();
    rows.clear();
    stale = true;
    endResetModel();
}

void CVornMotionPendingEditsModel::Reword()
{
    if (changeList->Count() != 0)
        Invalidate();
}

const QVector<CVornMotionPendingEditsModel::Row> &CVornMotionPendingEditsModel::Rows() const
{
    if (stale) {
        stale = false;
        const QVector<CVornMotionChangeList::PendingEdit> edits = GroupedByCause();
        rows.reserve(edits.size());
        for (const CVornMotionChangeList::PendingEdit &edit : edits)
            rows.append({edit, Describe(edit), QString()});
        for (Row &row : rows) {
            if (row.edit.IsDerived())
                row.causeName = CauseName(row.edit);
        }
    }
    return rows;
}

// Commit order, except that the edits derived from another follow their cause directly.
QVector<CVornMotionChangeList::PendingEdit> CVornMotionPendingEditsModel::GroupedByCause() const
{
    const QVector<CVornMotionChangeList::PendingEdit> edits = changeList->PendingEdits();
    QMultiHash<quint64, int> derivedOf;
    for (int each = 0; each < edits.size(); ++each) {
        if (edits[each].IsDerived())
            derivedOf.insert(Key(edits[each].causeId, edits[each].causeIndex), each);
    }
    if (derivedOf.isEmpty())
        return edits;
    QVector<CVornMotionChangeList::PendingEdit> grouped;
    grouped.reserve(edits.size());
    for (const CVornMotionChangeList::PendingEdit &edit : edits) {
        if (edit.IsDerived())
            continue;
        grouped.append(edit);
        QList<int> derived = derivedOf.values(Key(edit.id, edit.index));
        std::sort(derived.begin(), derived.end());
        for (int each : derived)
            grouped.append(edits[each]);
    }
    return grouped;
}

quint64 CVornMotionPendingEditsModel::Key(nVornMCPCD100::AttributeId id, quint32 index)
{
    return quint64(id) << 32 | index;
}

QString
CVornMotionPendingEditsModel::CauseName(const CVornMotionChangeList::PendingEdit &edit) const
{
    for (const Row &row : std::as_const(rows)) {
        if (row.edit.id == edit.causeId && row.edit.index == edit.causeIndex)
            return row.texts.setting;
    }
    return GetDisplayNameOrId(edit.causeId);
}

int CVornMotionPendingEditsModel::rowCount(const QModelIndex &parent) const
{
    // Counting describes nothing: views ask after every edit, most of them while hidden.
    return parent.isValid() ? 0 : int(changeList->Count());
}

int CVornMotionPendingEditsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CVornMotionPendingEditsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= Rows().size()
        || (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole))
        return QVariant();
    const Row &row = Rows().at(index.row());
    const CVornMotionEditTexts &texts = row.texts;
    QString text;
    switch (index.column()) {
    case SettingColumn:
        // A derived edit is indented under its cause and says where it comes from.
        if (row.edit.IsDerived() && role != Qt::ToolTipRole)
            return QStringLiteral("\u21b3 ")
                   + tr("%1 (follows from %2)").arg(texts.setting, row.causeName);
        if (row.edit.IsDerived())
            return EscapedToolTip(
                tr("%1 (%2), follows from %3").arg(texts.setting, texts.area, row.causeName));
        text = texts.setting;
        break;
    case InstanceColumn:
        text = texts.instance;
        break;
    case StoredColumn:
        text = texts.stored;
        break;
    case PendingColumn:
        text = texts.pending;
        break;
    default:
        return QVariant();
    }
    if (role != Qt::ToolTipRole)
        return text;
    // Database texts are shown as they are, never as markup.
    if (index.column() == SettingColumn && !texts.area.isEmpty())
        return EscapedToolTip(tr("%1 (%2)").arg(text, texts.area));
    return EscapedToolTip(text);
}

QVariant CVornMotionPendingEditsModel::headerData(int section, Qt::Orientation orientation,
                                                  int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case SettingColumn:
        return tr("Setting");
    case InstanceColumn:
        return tr("Instance");
    case StoredColumn:
        return tr("Stored");
    case PendingColumn:
        return tr("Pending");
    default:
        return QVariant();
    }
}

std::optional<CVornMotionChangeList::PendingEdit>
CVornMotionPendingEditsModel::EditAt(int row) const
{
    if (row < 0 || row >= Rows().size())
        return std::nullopt;
    return Rows().at(row).edit;
}

CVornMotionEditTexts
CVornMotionPendingEditsModel::Describe(const CVornMotionChangeList::PendingEdit &edit) const
{
    if (describer) {
        if (std::optional<CVornMotionEditTexts> texts = describer(edit))
            return *texts;
    }
    // No page shows the setting (the dialog stored it itself): plain numbers and names.
    CVornMotionEditTexts texts;
    texts.setting = GetDisplayNameOrId(edit.id);
    texts.instance = edit.index != 0 ? QString::number(edit.index) : QString();
    const CVornMotionValueReader reader(database, nullptr);
    if (edit.isString) {
        texts.stored = reader.ReadStoredString(edit.id, edit.index, storedTextCapacity)
                           .value_or(tr("(unreadable)"));
        texts.pending = edit.text;
        return texts;
    }
    AttributeValue stored = {};
    texts.stored = database->GetAttribute(edit.id, edit.index, &stored) >= 0
                       ? GenericValueText(edit, stored)
                       : tr("(unreadable)");
    texts.pending = GenericValueText(edit, edit.value);
    return texts;
}

// Without a widget to go by, the pending value tells the kind: an edit stores one part only.
QString
CVornMotionPendingEditsModel::GenericValueText(const CVornMotionChangeList::PendingEdit &edit,
                                               const AttributeValue &value) const
{
    if (edit.value.integerValue != 0) {
        const QString name = GetDictionaryName(quint32(value.integerValue));
        return name.isEmpty() ? QString::number(value.integerValue) : name;
    }
    return QLocale().toString(double(value.realValue), 'g', 10);
}
