#ifndef VORNAC_PENDINGEDITSMODEL_H
#define VORNAC_PENDINGEDITSMODEL_H

#include "changeList.h"
#include "editTexts.h"

#include <QAbstractTableModel>
#include <QVector>

#include <functional>
#include <optional>

// What Apply will write: one row per pending edit, in commit order with derived edits right after
// their cause, with the setting's name, its
// instance, and the stored and pending values as a person reads them.
class CVornMotionPendingEditsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        SettingColumn,
        InstanceColumn,
        StoredColumn,
        PendingColumn,
        ColumnCount
    };

    // The texts of an edit as the page that shows the setting words them; nothing when no page
    // shows it.
    using Describer = std::function<std::optional<CVornMotionEditTexts>(
        const CVornMotionChangeList::PendingEdit &)>;

    CVornMotionPendingEditsModel(CVornMotionChangeList *changeList,
                                 nVornMCPCD100::iMotionConfigurationDatabase *database,
                                 Describer describer, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The edit that `row` shows; nothing for a row the model does not have.
    std::optional<CVornMotionChangeList::PendingEdit> EditAt(int row) const;

public slots:
    // The texts are worked out again when next asked for: after edits or a change of units.
    void Invalidate();
    // After a reload: the units of the values may have changed. A list without rows stays.
    void Reword();

private:
    struct Row
    {
        CVornMotionChangeList::PendingEdit edit;
        CVornMotionEditTexts texts;
        QString causeName; // the setting a derived edit follows from
    };

    QVector<CVornMotionChangeList::PendingEdit> GroupedByCause() const;
    static quint64 Key(nVornMCPCD100::AttributeId id, quint32 index);
    QString CauseName(const CVornMotionChangeList::PendingEdit &edit) const;

    // Rows are described only when a view or a caller asks: a long run of stores costs nothing.
    const QVector<Row> &Rows() const;
    CVornMotionEditTexts Describe(const CVornMotionChangeList::PendingEdit &edit) const;
    QString GenericValueText(const CVornMotionChangeList::PendingEdit &edit,
                             const nVornMCPCD100::AttributeValue &value) const;

    CVornMotionChangeList *changeList;
    nVornMCPCD100::iMotionConfigurationDatabase *database;
    Describer describer;
    mutable QVector<Row> rows;
    mutable bool stale = true;
};

#endif
