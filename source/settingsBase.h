#ifndef VORNAC_SETTINGSBASE_H
#define VORNAC_SETTINGSBASE_H

#include "changeList.h"
#include "editTexts.h"
#include "readCache.h"
#include "properties/uiProperty.h"
#include "unitScale.h"

#include <vornac/iMotionConfigurationDatabase.h>

#include <QPair>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class CCoercingSpinBox;
class CVornMotionAccessibleNames;
class CVornMotionAxisSettings;
class CVornMotionChangeMarks;
class CVornMotionIoLine;
class CVornMotionSectionTable;
class CVornMotionSettingIndex;
class CVornMotionWheelGuard;
class QComboBox;
class QLabel;
class QStackedWidget;
class QTableWidget;

typedef qint32 i32;

// The base of every settings page. A page builds its form, declares its bindings and I/O lines in
// CreateProperties() and overrides a few steps; loading, ranges, units, captions, tool tips,
// enumeration lists, instances, "Reset to Default" and the write path of edits into the change
// list all live here.
class CVornMotionAxisSettingsBase : public QWidget
{
    Q_OBJECT
    // A line declared by a page stores and shows through the page, as the page's slots do.
    friend class CVornMotionIoLine;

public:
    CVornMotionAxisSettingsBase(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                CVornMotionChangeList *changeList, CVornMotionAxisSettings *dialog,
                                QWidget *parent);
    ~CVornMotionAxisSettingsBase() override;

    using EditTexts = CVornMotionEditTexts;

    // While one lives, the pages made are outlines: their form, bindings and instances, without
    // the questions each binding asks of the database or the values it shows. An outline tells
    // cheaply which settings a page shows at which instances, and takes no part in the dialog.
    class OutlineScope
    {
    public:
        OutlineScope();
        ~OutlineScope();
        OutlineScope(const OutlineScope &) = delete;
        OutlineScope &operator=(const OutlineScope &) = delete;
    };

    // The texts of a pending edit of a setting this page shows; nothing for any other setting.
    std::optional<EditTexts> DescribeEdit(const CVornMotionChangeList::PendingEdit &edit);
    bool ShowsSetting(nVornMCPCD100::AttributeId attr) const;
    // Turns the page to the section and instance that show the setting at `index` and focuses
    // its widget; returns the widget, or null when the page cannot show it.
    virtual QWidget *RevealSetting(nVornMCPCD100::AttributeId attr, quint32 index);
    // Adds every setting the page shows, at every instance it offers, to the search index.
    void AddSettingsTo(CVornMotionSettingIndex &index, int pageId, const QString &area);
    // Runs the page's own checks again on what it shows: after edits were taken back.
    virtual void RecheckProblems();
    // After edits were taken back: stores again what the page derives from the edits still
    // pending, so that no pending value contradicts another. Stores nothing when none does.
    virtual void ReconcileDerivedEdits();
    // After a commit: asks the database again which settings it supports and which it keeps
    // read-only, and refills their items, as a new page does.
    void AskDatabaseAgain();

    // A setting the page shows, as settings files and resets see it: what it holds, and the
    // indices of the instances the page offers, in order, with their names. The first index is
    // the axis's first instance of that kind.
    struct ShownSetting
    {
        nVornMCPCD100::AttributeId attribute = 0;
        CVornMotionSettingKind kind = CVornMotionSettingKind::Integer;
        QVector<quint32> instances;
        QStringList instanceNames;
    };
    // Every setting the page shows, once, in the order the page declares them.
    QVector<ShownSetting> ShownSettings() const;

    // Lets the box's finished edits reach on_coercedValueChanged, once however often it is called.
    void ConnectCoercion(CCoercingSpinBox *box);
    // For bindings that take their edits themselves, as a table column does: the choices of an
    // enumeration, and the store of one, which stores nothing while `loading` is set.
    virtual void FillEnumComboBox(nVornMCPCD100::AttributeId attr, quint32 index, const qint32 *ids,
                                  QComboBox *combo);
    bool StoreId(nVornMCPCD100::AttributeId attr, quint32 index, qint32 id);
    qint32 GetEncoderIndex() const;

signals:
    void InvalidSettings(bool invalid);
    void UpdateAllSettingsPages();
    void SettingsPageToBeDelisted(i32 page);
    void SettingsPageToBeListed(i32 page);
    void AxisTypeOrLoopModeChanged();

public:
    // Connected explicitly, not by name: forms connect their widgets' slots by name, and these
    // have no widget.
    virtual void on_coercedValueChanged(long attr, double curValue, bool dataTypeDouble);
    virtual void on_updateControls();
    virtual void on_invalidSettings(bool invalid);
    virtual void on_defaultValue();

protected:
    // Steps 3 to 7 of every page's construction: bindings, their set-up with `loading` set, and
    // the first load. A page's constructor builds its form first and calls this next.
    void RunConstructionSequence();

    virtual void InitializeProperties();
    virtual void AttachDefaultActions();
    virtual void LoadProperties();
    virtual void LoadRanges();
    virtual void UpdateUnits();
    virtual void UpdateCaptions();
    virtual void UpdateToolTips();
    virtual void CreateProperties() = 0;
    virtual void DeleteProperties();
    virtual qint32 GetDefaultValue(nVornMCPCD100::AttributeId attr, quint32 index,
                                   nVornMCPCD100::AttributeValue &out);
    virtual qint32 GetResetValue(nVornMCPCD100::AttributeId attr, quint32 index,
                                 nVornMCPCD100::AttributeValue &out);
    virtual QString GetStringValue(nVornMCPCD100::AttributeId attr, quint32 index, qint32 capacity);
    virtual void GetValue(nVornMCPCD100::AttributeId attr, quint32 index,
                          nVornMCPCD100::AttributeValue &out);
    // What a page follows rather than shows (an identifier, a count, an index, a switch),
    // pending edits included. Never rescaled, so the host is not asked whether it is scaled.
    qint32 ReadInteger(nVornMCPCD100::AttributeId attr, quint32 index = 0) const;
    bool ReadBoolean(nVornMCPCD100::AttributeId attr, quint32 index = 0) const;
    virtual void SetStringValue(nVornMCPCD100::AttributeId attr, quint32 index,
                                const QString &text);
    virtual void SetValue(nVornMCPCD100::AttributeId attr, quint32 index,
                          const nVornMCPCD100::AttributeValue &value);
    virtual qint32 GetMinimum(nVornMCPCD100::AttributeId attr, quint32 index,
                              nVornMCPCD100::AttributeValue &out);
    virtual qint32 GetMaximum(nVornMCPCD100::AttributeId attr, quint32 index,
                              nVornMCPCD100::AttributeValue &out);
    virtual QString GetDisplayUnits();
    virtual QString GetFeedbackUnits();
    virtual bool IsCountsPerUnitPending();
    virtual double GetCountsPerUnit();
    virtual double GetStoredCountsPerUnit();
    virtual void ToDisplayUnits(nVornMCPCD100::AttributeId attr, quint32 index,
                                nVornMCPCD100::AttributeValue &value);
    virtual void FromDisplayUnits(nVornMCPCD100::AttributeId attr, quint32 index,
                                  nVornMCPCD100::AttributeValue &value);
    virtual void UpdateWidgetState(nVornMCPCD100::AttributeId attr, quint32 index, QWidget *w,
                                   QWidget *buddy, qint32 mode);

    // The write path of page slots (StoreId among them): each stores nothing while `loading` is
    // set, and the combo variants nothing for index -1 or an item without data. True when a value
    // was stored.
    bool StoreSelectedId(nVornMCPCD100::AttributeId attr, quint32 index, const QComboBox *combo,
                         int comboIndex);
    bool StoreSelectedReal(nVornMCPCD100::AttributeId attr, quint32 index, const QComboBox *combo,
                           int comboIndex);
    bool StoreBoolean(nVornMCPCD100::AttributeId attr, quint32 index, bool value);
    bool StoreText(nVornMCPCD100::AttributeId attr, quint32 index, const QString &text);
    // A units text typed into `combo`: stored at once and every page reloaded with the cursor
    // kept where it was; a text too long for the database is refused and the stored one put
    // back. Nothing happens while `loading` is set.
    void EditUnitsText(nVornMCPCD100::AttributeId attr, quint32 index, QComboBox *combo,
                       const QString &text);

    // Shows an embedded picture, or none for an empty path. A label that shows it already is
    // left alone: pages redraw their pictures on every reload.
    static void SetPicture(QLabel *label, const QString &path);
    // Paints a spin box or combo box red while it takes part in an open problem, white after.
    static void MarkInvalid(QWidget *widget, bool invalid);

    // The value a finished spin-box edit stores: seconds for what is shown in milliseconds, an
    // integer truncated toward zero for integer settings. False when there is nothing to store.
    static bool CoercedValue(long attr, double curValue, bool dataTypeDouble,
                             nVornMCPCD100::AttributeValue &value);

    // Appends a binding to the property table; the page owns it from then on.
    void AddProperty(UIProperty *property);
    // Declares an I/O line the page shows; the page owns it. Its bindings are added at once,
    // its layout, title and picture follow every initialization, instance switch and load.
    CVornMotionIoLine *AddIoLine(const CVornMotionIoLine &line, const qint32 *types);
    // Shows another instance for the bindings that take their index from `indexSource`: the
    // index is set, and the database's support, read-only answers and items for the new
    // instance apply before its values load.
    void SelectInstance(int indexSource, qint32 index);
    // A page's own show and enable rule for the binding of `widget`, on top of the database's
    // answers: it can hide or disable more, never less.
    void RestrictBinding(const QWidget *widget, bool shown, bool enabled = true);
    // Opens or closes the page's problem: the dialog shows `message` and blocks OK while open.
    void ReportProblem(bool open, const QString &message);
    // The attribute index a binding uses, by its index source.
    quint32 IndexOf(const UIProperty *property) const;
    // False while the binding's index source points at no instance (a first instance below 0):
    // the binding is hidden, loads nothing and stores nothing.
    bool HasInstance(const UIProperty *property) const;
    // The page lists instances from the index that `firstInstance` holds: both the base and the
    // instance shown start there.
    void StartInstancesAt(nVornMCPCD100::AttributeId firstInstance);
    // base + offset as an instance index, or -1 ("no instance") outside 0 … INT32_MAX.
    static qint32 InstanceAt(qint64 base, qint64 offset);

    // The instance that `index` stands for, as the page names it; empty where the page shows a
    // single one.
    virtual QString InstanceName(const UIProperty *binding, quint32 index) const;
    // The indices at which the page can show `binding`: one per instance it lists.
    virtual QVector<quint32> Instances(const UIProperty *binding) const;
    // Whether the page can show `binding` at `index` at all: the database supports it there,
    // the page's own rule does not hide it, and no section table leaves its section out.
    virtual bool CanShow(const UIProperty *binding, quint32 index) const;
    // Turns the page to the section (and instance) in which `binding` shows `index`. The base
    // turns the section tables attached with AttachSections.
    virtual void ShowSettingAt(const UIProperty *binding, quint32 index);
    // Sets up a section table whose rows turn the pages of `stack` (null: the page turns it).
    void AttachSections(CVornMotionSectionTable &sections, QTableWidget *table,
                        QStackedWidget *stack);
    // Declares a stack whose page follows the values the page shows (a layout for a loop mode
    // or location): a setting on a page it does not show cannot be shown.
    void AttachLayoutStack(QStackedWidget *stack);

private:
    // Constructed before `db`, which points at it.
    CVornMotionReadCache readCache;

protected:
    nVornMCPCD100::iMotionConfigurationDatabase *db;
    CVornMotionChangeList *changeList;
    CVornMotionAxisSettings *dialog;
    QVector<UIProperty *> properties;
    qint32 instanceIndex = 0;
    qint32 instanceBase = 0;
    qint32 secondaryIndex = 0;

private:
    bool StoreUnlessLoading(nVornMCPCD100::AttributeId attr, quint32 index,
                            const nVornMCPCD100::AttributeValue &value);
    void LoadSideBySide(UIProperty *property, const QVector<quint32> &instances);
    UIProperty *PropertyOfAction(const QObject *action) const;
    const UIProperty *PropertyOfWidget(const QObject *widget) const;
    bool IsScaled(nVornMCPCD100::AttributeId attr, quint32 index);
    // The binding's support, read-only answer and items at the index it uses now.
    void ShowInstanceOf(UIProperty *property);
    void UpdateChangeMarks();
    // What the mark of a pending edit of the binding's setting at `index` tells; empty when
    // nothing is pending there.
    QString PendingToolTip(const UIProperty *binding, quint32 index);
    QLabel *CaptionOf(const UIProperty *binding) const;
    // The binding whose widget words a value of `attr` at `index`: the one the page can show it
    // with now, else the first; null when none binds it.
    const UIProperty *WordingBinding(nVornMCPCD100::AttributeId attr, quint32 index) const;
    // The stored and the pending value of a binding at `index`, as its widget shows them.
    EditTexts ValueTexts(const UIProperty *binding, quint32 index,
                         const CVornMotionChangeList::PendingEdit &edit);
    QString DisplayedText(const UIProperty *binding, quint32 index,
                          nVornMCPCD100::AttributeValue value, const QString &text);

    const bool outline;
    // Settings the page binds only as something other than a real value.
    QSet<nVornMCPCD100::AttributeId> neverRescaled;
    CVornMotionUnitScale unitScale;
    CVornMotionWheelGuard *wheelGuard;
    CVornMotionChangeMarks *changeMarks;
    // Set while on_updateControls reloads the page: it updates the marks once, at its end.
    bool reloading = false;
    QVector<QPair<CVornMotionSectionTable *, QStackedWidget *>> sectionStacks;
    QVector<QStackedWidget *> layoutStacks;
    std::vector<std::unique_ptr<CVornMotionIoLine>> ioLines;
    std::unique_ptr<CVornMotionAccessibleNames> accessibleNames;
};

#endif
