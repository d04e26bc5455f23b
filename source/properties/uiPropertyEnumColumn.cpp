#include "uiPropertyEnumColumn.h"

#include "comboItems.h"
#include "displayTexts.h"
#include "settingsBase.h"

#include <QComboBox>
#include <QItemDelegate>
#include <QMap>
#include <QSignalBlocker>
#include <QTableWidget>

namespace UIPropertyEnumColumnDetail {

// Edits the cells of a column with a combo box of the choices of the binding that owns the row.
// The editor opens on the cell's value, and only a different choice is stored.
class ColumnEditor : public QItemDelegate
{
public:
    using QItemDelegate::QItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override
    {
        return OwnerOf(index) ? new QComboBox(parent) : nullptr;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *combo = qobject_cast<QComboBox *>(editor);
        const UIPropertyEnumColumn *owner = OwnerOf(index);
        if (!combo || !owner)
            return;
        owner->FillChoices(index.row(), combo);
        ComboItems::SelectData(combo, index.data(Qt::UserRole));
    }

    void setModelData(QWidget *editor, QAbstractItemModel *,
                      const QModelIndex &index) const override
    {
        const auto *combo = qobject_cast<const QComboBox *>(editor);
        UIPropertyEnumColumn *owner = OwnerOf(index);
        qint32 id = 0;
        if (combo && owner && ComboItems::IdAt(combo, combo->currentIndex(), &id)
            && combo->currentData() != index.data(Qt::UserRole))
            owner->StoreChoice(index.row(), id);
    }

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &) const override
    {
        editor->setGeometry(option.rect);
    }

    QVector<UIPropertyEnumColumn *> bindings;

private:
    UIPropertyEnumColumn *OwnerOf(const QModelIndex &index) const
    {
        for (UIPropertyEnumColumn *binding : bindings) {
            if (binding->HasCell(index.row(), index.column()))
                return binding;
        }
        return nullptr;
    }
};

} // namespace UIPropertyEnumColumnDetail

using UIPropertyEnumColumnDetail::ColumnEditor;

namespace {

// What a cell holds for a value: its name and, as data, the identifier. A value that could not
// be read shows nothing and carries none.
QMap<int, QVariant> CellData(const std::optional<qint32> &id)
{
    if (!id)
        return {{Qt::EditRole, QString()}, {Qt::UserRole, QVariant()}};
    return {{Qt::EditRole, GetDictionaryName(quint32(*id))}, {Qt::UserRole, *id}};
}

} // namespace

UIPropertyEnumColumn::UIPropertyEnumColumn(CVornMotionAxisSettingsBase *page,
                                           nVornMCPCD100::AttributeId attribute, const qint32 *ids,
                                           QTableWidget *table, int column, int firstRow,
                                           quint32 firstIndex, int rows)
    : UIProperty(attribute, IntegerValue, nullptr, nullptr, nullptr, FixedIndex, QString()),
      page(page),
      ids(ids),
      table(table),
      column(column),
      firstRow(firstRow),
      firstIndex(firstIndex),
      rows(rows),
      editor(dynamic_cast<ColumnEditor *>(table->itemDelegateForColumn(column)))
{
    if (!editor) {
        editor = new ColumnEditor(table);
        table->setItemDelegateForColumn(column, editor);
    }
    editor->bindings.append(this);
}

UIPropertyEnumColumn::~UIPropertyEnumColumn()
{
    if (editor)
        editor->bindings.removeAll(this);
}

std::optional<QVector<quint32>> UIPropertyEnumColumn::InstancesSideBySide() const
{
    QVector<quint32> instances;
    for (int row = 0; row < rows; ++row)
        instances.append(firstIndex + quint32(row));
    return instances;
}

QModelIndex UIPropertyEnumColumn::CellOf(quint32 index)
{
    if (index < firstIndex || index - firstIndex >= quint32(rows))
        return QModelIndex();
    const int row = firstRow + int(index - firstIndex);
    if (!table->item(row, column)) {
        auto *cell = new QTableWidgetItem();
        cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
        cell->setToolTip(description);
        const QSignalBlocker blocker(table);
        table->setItem(row, column, cell);
    }
    return table->model()->index(row, column);
}

// Loading and marking change no value: the table tells the page nothing of them.
void UIPropertyEnumColumn::ShowValueAt(quint32 index,
                                       const std::optional<nVornMCPCD100::AttributeValue> &value)
{
    const QModelIndex cell = CellOf(index);
    if (!cell.isValid())
        return;
    const QSignalBlocker blocker(table);
    table->model()->setItemData(
        cell, CellData(value ? std::optional<qint32>(value->integerValue) : std::nullopt));
}

void UIPropertyEnumColumn::MarkPendingAt(quint32 index, const QString &toolTip)
{
    const QModelIndex cell = CellOf(index);
    if (!cell.isValid())
        return;
    QFont bold = table->font();
    bold.setBold(true);
    const QSignalBlocker blocker(table);
    const bool pending = !toolTip.isEmpty();
    table->model()->setItemData(cell, {{Qt::FontRole, pending ? QVariant(bold) : QVariant()},
                                       {Qt::ToolTipRole, pending ? toolTip : description}});
}

QWidget *UIPropertyEnumColumn::TurnTo(quint32 index)
{
    const QModelIndex cell = CellOf(index);
    if (!cell.isValid())
        return nullptr;
    table->setCurrentIndex(cell);
    return table;
}

void UIPropertyEnumColumn::UpdateVisibility(quint32, nVornMCPCD100::iMotionConfigurationDatabase *)
{
}

void UIPropertyEnumColumn::SetToolTip(const QString &text)
{
    description = PlainToolTip(text);
}

QString UIPropertyEnumColumn::ValueText(const nVornMCPCD100::AttributeValue &value,
                                        const QString &) const
{
    return GetDisplayNameOrId(quint32(value.integerValue));
}

QVector<QWidget *> UIPropertyEnumColumn::Widgets() const
{
    return {table};
}

bool UIPropertyEnumColumn::NamesWidgets() const
{
    return false;
}

CVornMotionSettingKind UIPropertyEnumColumn::HeldKind() const
{
    return CVornMotionSettingKind::Enumeration;
}

bool UIPropertyEnumColumn::HasCell(int row, int cellColumn) const
{
    return cellColumn == column && row >= firstRow && row < firstRow + rows;
}

void UIPropertyEnumColumn::FillChoices(int row, QComboBox *combo) const
{
    page->FillEnumComboBox(attribute, firstIndex + quint32(row - firstRow), ids, combo);
}

// Stored before the cell changes: the page, told by the table, finds the choice pending.
bool UIPropertyEnumColumn::StoreChoice(int row, qint32 id)
{
    if (!page->StoreId(attribute, firstIndex + quint32(row - firstRow), id))
        return false;
    const QModelIndex cell = table->model()->index(row, column);
    table->model()->setItemData(cell, CellData(id));
    return true;
}
