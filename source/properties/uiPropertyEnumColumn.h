#ifndef VORNAC_UIPROPERTYENUMCOLUMN_H
#define VORNAC_UIPROPERTYENUMCOLUMN_H

#include "uiProperty.h"

#include <QPointer>

class QComboBox;
class QModelIndex;
class QTableWidget;

namespace UIPropertyEnumColumnDetail {
class ColumnEditor;
}

// A column of a table whose cells each show an instance of one enumeration setting: `rows` rows
// from `firstRow` on stand for the instances from `firstIndex` on, one a row. The page loads,
// marks, reviews, searches and opens every cell as it does any bound widget. A cell is edited
// with a combo box of the identifiers of `ids` that the database accepts for its instance, and
// the choice is stored at once; the table's cellChanged then tells the page. Bindings of several
// settings can share a column, each with rows of its own.
class UIPropertyEnumColumn : public UIProperty
{
public:
    UIPropertyEnumColumn(CVornMotionAxisSettingsBase *page, nVornMCPCD100::AttributeId attribute,
                         const qint32 *ids, QTableWidget *table, int column, int firstRow,
                         quint32 firstIndex, int rows);
    ~UIPropertyEnumColumn() override;

    std::optional<QVector<quint32>> InstancesSideBySide() const override;
    void ShowValueAt(quint32 index,
                     const std::optional<nVornMCPCD100::AttributeValue> &value) override;
    void MarkPendingAt(quint32 index, const QString &toolTip) override;
    QWidget *TurnTo(quint32 index) override;
    // Support differs by instance: the page asks per cell, and the table stays.
    void UpdateVisibility(quint32 index, nVornMCPCD100::iMotionConfigurationDatabase *db) override;
    void SetToolTip(const QString &text) override;
    QString ValueText(const nVornMCPCD100::AttributeValue &value,
                      const QString &text) const override;
    QVector<QWidget *> Widgets() const override;
    bool NamesWidgets() const override;
    CVornMotionSettingKind HeldKind() const override;

    // The editor's side: whether the cell is one of this binding's, its choices, and the store
    // of a choice. True when the choice was stored.
    bool HasCell(int row, int column) const;
    void FillChoices(int row, QComboBox *combo) const;
    bool StoreChoice(int row, qint32 id);

private:
    // The cell of `index`, made when the table lacks it; invalid for an index without a row.
    QModelIndex CellOf(quint32 index);

    CVornMotionAxisSettingsBase *page;
    const qint32 *ids;
    QTableWidget *table;
    int column;
    int firstRow;
    quint32 firstIndex;
    int rows;
    QString description;
    QPointer<UIPropertyEnumColumnDetail::ColumnEditor> editor;
};

#endif
