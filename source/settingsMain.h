#ifndef VORNAC_SETTINGSMAIN_H
#define VORNAC_SETTINGSMAIN_H

#include "accessibleComboBox.h"
#include "changeList.h"
#include "openProblems.h"
#include "readCache.h"

#include <vornac/iMotionConfigurationDatabase.h>

#include <QDialog>
#include <QSet>

class CCoercingSpinBox;
class CmxProvider;
class CVornMotionAxisConfiguration;
class CVornMotionAxisSettingsGMode;
class CVornMotionChangesWindow;
class CVornMotionPendingEditsModel;
class CVornMotionSettingSearch;
class CVornMotionSettingsFileActions;

namespace Ui {
class CVornMotionAxisSettingsClass;
}

// The axis configuration dialog: it owns the change list, commits it on OK and Apply, discards it
// on Cancel, shows the invalid-settings banner and runs the host loop rule.
class CVornMotionAxisSettings : public QDialog
{
    Q_OBJECT

public:
    CVornMotionAxisSettings(nVornMCPCD100::iMotionConfigurationDatabase *host,
                            CVornMotionAxisConfiguration *owner, CmxProvider *provider);
    ~CVornMotionAxisSettings() override;

    // The dialog behind a pointer the host handed back, or null when it is not a live dialog of
    // this module. Never dereferences a pointer it does not know.
    static CVornMotionAxisSettings *FromHostPointer(QDialog *dialog);

    CVornMotionAxisConfiguration *Owner() const;
    CVornMotionChangeList *ChangeList() const;
    int CurrentPage() const;
    void ApplyStartPage(int page);
    bool IsSwitchToConfigModeRequired() const;

    double HostLoopPeriod() const;
    void SetHostLoopRate(double period);
    void SetInvalidSettingsText(const QString &text);
    void SelectStepperLoopPeriod();
    void CheckServoLoopPeriod();
    // The problems that `source` reports count as the loop rule's own: one message, one problem.
    void ShareLoopRuleProblem(const QObject *source);
    // Whether the dialog's own problem, the loop rule's, stands: every page marks for it.
    bool LoopRuleProblemOpen() const { return openProblems.IsOpen(this); }
    // After edits were taken back or reset: the navigation, every page's derived edits, values
    // and problems, and the loop rule follow what is pending and stored now.
    void ReviewAllPages();

signals:
    void InvalidSettings(bool invalid);
    // The database took the pending edits: its answers on support, read-only state and items may
    // follow what it holds now.
    void Committed();
    void UpdateRequired();

public slots:
    void on_helpButton_clicked();
    void on_applyButton_clicked();
    void on_changelistSizeChanged(u32 count);
    void on_invalidSettings(bool invalid);
    void accept() override;
    void reject() override;

private:
    void ConnectButtons();
    void ConnectChangeReview();
    void ConnectSearch();
    void ConnectSettingsFiles();
    void ShowChanges();
    void OpenSetting(nVornMCPCD100::AttributeId id, quint32 index);
    void RevertEdit(nVornMCPCD100::AttributeId id, quint32 index);
    void RevertAllEdits();
    // After a file or a reset staged edits: they are checked once, as a person's edits are, and
    // the list of changes opens.
    void ReviewStagedEdits();
    void ReportLoopRuleProblem(bool invalid);
    void RecordProblem(const QObject *source, bool invalid);
    CCoercingSpinBox *FocusedSpinBox() const;
    bool CommitChanges();
    void UpdateButtons(bool enableApply);
    void UpdateBanner();

    CVornMotionAxisConfiguration *owner;
    Ui::CVornMotionAxisSettingsClass *ui;
    // Every part of the dialog asks the host through this one cache, so a settings file's load
    // asks each question once, whether a page or the staging asks it.
    CVornMotionReadCache reads;
    CVornMotionChangeList *changeList;
    CVornMotionAxisSettingsGMode *navigation = nullptr;
    CVornMotionPendingEditsModel *pendingEdits = nullptr;
    CVornMotionChangesWindow *changesWindow = nullptr;
    CVornMotionSettingSearch *search = nullptr;
    CVornMotionSettingsFileActions *settingsFiles = nullptr;
    double hostLoopPeriod = 0.01;
    CmxProvider *provider;

    CVornMotionOpenProblems openProblems;
    QSet<const QObject *> loopRuleSharers;
    bool relayingOwnProblem = false;
    QString pendingProblemMessage;
    QString writeFailureMessage;
    // Before the pages: Qt keeps the interface it makes for a combo box first.
    CVornMotionAccessibleComboBoxes accessibleComboBoxes;
};

#endif
