#ifndef VORNAC_SETTINGSEARCH_H
#define VORNAC_SETTINGSEARCH_H

#include "settingIndex.h"

#include <QObject>

#include <functional>

class QLineEdit;
class QModelIndex;
class QStandardItemModel;
class QTreeView;
class QWidget;

// Finds settings by name and description as a person types into `field`, lists them in a view
// over the dialog and reports the one chosen. Ctrl+F focuses the field; Escape clears it.
class CVornMotionSettingSearch : public QObject
{
    Q_OBJECT

public:
    using IndexBuilder = std::function<void(CVornMotionSettingIndex &)>;

    CVornMotionSettingSearch(QLineEdit *field, QWidget *dialog, IndexBuilder builder);

    // The areas shown may have changed: the index is built again for the next search.
    void Invalidate();

signals:
    void SettingChosen(int pageId, nVornMCPCD100::AttributeId id, quint32 index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Search(const QString &text);
    void Choose(const QModelIndex &index);
    void ShowResults();
    void HideResults();
    bool HandleFieldKey(int key);

    QLineEdit *field;
    QWidget *dialog;
    QTreeView *results;
    QStandardItemModel *model;
    CVornMotionSettingIndex index;
    IndexBuilder builder;
    bool indexed = false;
};

#endif
