#ifndef VORNAC_SETTINGSFILEREPORT_H
#define VORNAC_SETTINGSFILEREPORT_H

#include "settingsStager.h"

#include <QDialog>

class QLabel;
class QStandardItemModel;
class QTreeView;

// What became of a settings file: a summary (a file refused as a whole, a file from another
// axis, "No differences") and the entries that could not be loaded, with the reason of each.
class CVornMotionSettingsFileReport : public QDialog
{
    Q_OBJECT

public:
    explicit CVornMotionSettingsFileReport(QWidget *parent);

    // Shows the window in front; the list only when there are entries to list.
    void Present(const QString &summary,
                 const QVector<CVornMotionSettingsStager::Refusal> &refusals);

private:
    QLabel *summary;
    QTreeView *view;
    QStandardItemModel *model;
};

#endif
