#include "sectionTable.h"

#include "displayTexts.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

void CVornMotionSectionTable::Attach(QTableWidget *attached)
{
    table = attached;
    table->setColumnCount(1);
    table->setHorizontalHeaderLabels(
        {QCoreApplication::translate("CVornMotionSectionTable", "Section")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setSectionsClickable(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // What the rows choose; a screen reader adds the row itself.
    table->setAccessibleName(QCoreApplication::translate("CVornMotionSectionTable", "Section"));
}

void CVornMotionSectionTable::Fill(const nVornMCPCD100::AttributeId *sections,
                                   const Condition &isListed)
{
    QVector<Row> listed;
    for (int position = 0; sections && sections[position] != 0; ++position) {
        if (!isListed || isListed(sections[position]))
            listed.append({sections[position], position});
    }
    if (listed == rows && table->rowCount() == rows.size())
        return;
    rows = listed;
    table->clearContents();
    table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row)
        AddItem(row, GetDictionaryName(rows.at(row).section));
}

void CVornMotionSectionTable::AppendRow(const QString &text, int stackPage)
{
    rows.append({0, stackPage});
    table->setRowCount(rows.size());
    AddItem(rows.size() - 1, text);
}

void CVornMotionSectionTable::AddItem(int row, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    table->setItem(row, 0, item);
}

int CVornMotionSectionTable::StackPageOf(int row) const
{
    return row >= 0 && row < rows.size() ? rows.at(row).stackPage : -1;
}

nVornMCPCD100::AttributeId CVornMotionSectionTable::SectionOf(int row) const
{
    return row >= 0 && row < rows.size() ? rows.at(row).section : 0;
}

int CVornMotionSectionTable::RowOf(nVornMCPCD100::AttributeId section) const
{
    for (int row = 0; section != 0 && row < rows.size(); ++row) {
        if (rows.at(row).section == section)
            return row;
    }
    return -1;
}

bool CVornMotionSectionTable::SelectStackPage(int stackPage)
{
    if (StackPageOf(table->currentRow()) == stackPage)
        return true;
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).stackPage == stackPage) {
            table->setCurrentCell(row, 0);
            return true;
        }
    }
    return false;
}

int CVornMotionSectionTable::RowCount() const
{
    return rows.size();
}

bool CVornMotionSectionTable::ListsStackPage(int stackPage) const
{
    for (int row = 0; row < RowCount(); ++row) {
        if (StackPageOf(row) == stackPage)
            return true;
    }
    return false;
}
