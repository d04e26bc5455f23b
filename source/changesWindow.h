#ifndef VORNAC_CHANGESWINDOW_H
#define VORNAC_CHANGESWINDOW_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QDialog>

class CVornMotionPendingEditsModel;
class QModelIndex;
class QPushButton;
class QTableView;

// The review of what Apply will write: the pending edits in commit order, each of which can be
// opened on its page or taken back, and all of which can be taken back at once.
class CVornMotionChangesWindow : public QDialog
{
    Q_OBJECT

public:
    CVornMotionChangesWindow(CVornMotionPendingEditsModel *model, QWidget *parent);

    // Shows the window in front with the list focused.
    void Present();

signals:
    void SettingChosen(nVornMCPCD100::AttributeId id, quint32 index);
    void RevertRequested(nVornMCPCD100::AttributeId id, quint32 index);
    void RevertAllRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ChooseRow(const QModelIndex &index);
    void RevertCurrentRow();
    void UpdateButtons();

    CVornMotionPendingEditsModel *model;
    QTableView *view;
    QPushButton *revertButton;
    QPushButton *revertAllButton;
};

#endif
