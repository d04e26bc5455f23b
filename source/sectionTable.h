#ifndef VORNAC_SECTIONTABLE_H
#define VORNAC_SECTIONTABLE_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QVector>

#include <functional>

class QString;
class QTableWidget;

// The one-column "Section" table beside a page's stacked widget. Rows are filled from a
// zero-terminated list of section identifiers, without gaps for the sections not listed; each
// row remembers the stack page of its section (its position in the list).
class CVornMotionSectionTable
{
public:
    using Condition = std::function<bool(nVornMCPCD100::AttributeId section)>;

    // Sets the table up: one stretching column headed "Section", header not clickable, row
    // header hidden and sized to contents, whole rows selected one at a time.
    void Attach(QTableWidget *table);

    // Refills the rows with the sections for which `isListed` holds (all when it is empty); rows
    // that are listed already stay as they are, with the current row.
    void Fill(const nVornMCPCD100::AttributeId *sections, const Condition &isListed = {});
    // Appends a row that is no section of the list and shows `stackPage`.
    void AppendRow(const QString &text, int stackPage);

    // The stack page of `row`, or -1 for a row the table does not have.
    int StackPageOf(int row) const;
    // Whether a row turns to `stackPage`.
    bool ListsStackPage(int stackPage) const;
    // The section identifier of `row`, or 0 for an appended row or no row.
    nVornMCPCD100::AttributeId SectionOf(int row) const;
    // The row of `section`, or -1 when it is not listed.
    int RowOf(nVornMCPCD100::AttributeId section) const;
    int RowCount() const;
    // Makes a row of `stackPage` current unless the current row shows it already; false when no
    // row does.
    bool SelectStackPage(int stackPage);

private:
    struct Row
    {
        nVornMCPCD100::AttributeId section;
        int stackPage;

        bool operator==(const Row &other) const
        {
            return section == other.section && stackPage == other.stackPage;
        }
    };

    void AddItem(int row, const QString &text);

    QTableWidget *table = nullptr;
    QVector<Row> rows;
};

#endif
