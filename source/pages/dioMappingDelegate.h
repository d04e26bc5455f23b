#ifndef VORNAC_DIOMAPPINGDELEGATE_H
#define VORNAC_DIOMAPPINGDELEGATE_H

#include <QItemDelegate>

class CVornMotionAxisSettingsDigital;

// Edits the mapping column of the Digital I/O table with a combo box of the functions that the
// row's line accepts. The editor opens on the line's mapping, and only a different choice
// reaches the model, text and value together.
class CVornMotionDIOMappingDelegate : public QItemDelegate
{
public:
    explicit CVornMotionDIOMappingDelegate(CVornMotionAxisSettingsDigital *page);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

    // Kept equal to whether the page shows an output line.
    bool outputRows = false;

private:
    CVornMotionAxisSettingsDigital *page;
};

#endif
