#ifndef VORNAC_UIPROPERTY_H
#define VORNAC_UIPROPERTY_H

#include "settingKind.h"

#include <vornac/iMotionConfigurationDatabase.h>

#include <QString>
#include <QVector>

#include <optional>

class CVornMotionAxisSettingsBase;
class CVornMotionChangeList;
class QAction;
class QLabel;
class QWidget;

// The limits of a setting as the database reports them; a side whose query failed is absent.
struct AttributeRange
{
    std::optional<nVornMCPCD100::AttributeValue> minimum;
    std::optional<nVornMCPCD100::AttributeValue> maximum;
};

// Ties one widget of a settings page to one setting. The page drives all its bindings alike: it
// asks each for its attribute, kind and index source, and tells it to show a value, take a range,
// caption, tool tip and units, fill its items, offer "Reset to Default" and hide or disable
// itself. Bindings only show; edits reach the change list through the page.
class UIProperty
{
public:
    enum ValueKind
    {
        BooleanValue = 0,
        IntegerValue = 1,
        DoubleValue = 2,
        StringValue = 3
    };

    // Which attribute index the page uses for the binding.
    enum IndexSource
    {
        FixedIndex = 0,
        InstanceIndex = 1,
        SecondaryIndex = 2
    };

    UIProperty(nVornMCPCD100::AttributeId attribute, int valueKind, QWidget *widget, QLabel *label,
               QLabel *unitsLabel, int indexSource, const QString &unitsSuffix);
    virtual ~UIProperty();

    UIProperty(const UIProperty &) = delete;
    UIProperty &operator=(const UIProperty &) = delete;

    virtual void ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &text);
    virtual void SetRange(const AttributeRange &range, CVornMotionAxisSettingsBase *page);
    virtual void SetLabelText(const QString &text);
    virtual void SetToolTip(const QString &text);
    virtual void SetUnits(const QString &text);
    virtual void FillItems(nVornMCPCD100::iMotionConfigurationDatabase *db,
                           CVornMotionChangeList *changeList, quint32 index);
    virtual void AttachResetAction(CVornMotionAxisSettingsBase *page);
    virtual void DetachActions();
    virtual void UpdateVisibility(quint32 index, nVornMCPCD100::iMotionConfigurationDatabase *db);
    // A page's own rule on top of the database's answers: it can hide or disable the widgets
    // further, never show or enable what the database does not support or lets no one write.
    void Restrict(bool shown, bool enabled);
    // Whether the widgets show, as the database and the page's rule decide together.
    bool IsShown() const;
    // Whether the items depend on other values (an I/O state on its line's type): such a binding
    // fills its items again on every load.
    virtual bool ItemsFollowValues() const;
    // Turns the default that "Reset to Default" shows into the value the widget offers in its
    // place (an I/O state of the line's other type group into its counterpart).
    virtual void FitResetValue(nVornMCPCD100::iMotionConfigurationDatabase *db,
                               CVornMotionChangeList *changeList, quint32 index,
                               nVornMCPCD100::AttributeValue &value) const;
    // Stores a value just shown by "Reset to Default" through the widget's own edit path, for
    // widgets whose showing does not do so by itself.
    virtual void StoreShownValue(const nVornMCPCD100::AttributeValue &value);
    // Whether SetRange uses the limits: the page asks the database for them only then.
    virtual bool TakesRange() const;
    // Where the units shown beside the widget come from.
    enum class UnitsSource
    {
        DisplayUnits,  // the axis's display units, then the suffix
        FeedbackUnits, // the units of the axis's feedback, then the suffix
        FormText       // the label's own text: units of their own, such as "ms", "V" or "Hz"
    };
    // Declares the label beside the widget that shows the binding's units, and where they come
    // from. The label shows and hides with the widget, and the review of an edit quotes it after
    // the value, as the page shows it. Returns the binding, for the page to add.
    UIProperty *ShowUnitsIn(QLabel *label, UnitsSource source);
    // Whether SetUnits shows units the page works out: it does so only then.
    bool ShowsUnits() const;
    UnitsSource UnitsFrom() const;
    // A value as the binding's widget would show it, in display units, with the units shown
    // beside it: for the review of pending edits.
    virtual QString ValueText(const nVornMCPCD100::AttributeValue &value,
                              const QString &text) const;
    // Every widget that shows the value.
    virtual QVector<QWidget *> Widgets() const;
    // Whether the widgets show this setting alone, and so are named and described after it for
    // screen readers; a table column shares its table with other settings and its page's texts.
    virtual bool NamesWidgets() const;

    // The instances the widget shows side by side, each in a place of its own (a table column's
    // rows); nothing for a widget that shows the one at the page's index. The page loads, marks
    // and turns to each of them through the three operations below instead.
    virtual std::optional<QVector<quint32>> InstancesSideBySide() const;
    // Shows the value of `index` as stored or pending, or nothing when it cannot be read.
    virtual void ShowValueAt(quint32 index,
                             const std::optional<nVornMCPCD100::AttributeValue> &value);
    // Marks the place of `index` as holding a pending edit described by `toolTip`; an empty
    // `toolTip` clears the mark.
    virtual void MarkPendingAt(quint32 index, const QString &toolTip);
    // Makes the place of `index` current and returns the widget to focus; null when the widget
    // has no place for it.
    virtual QWidget *TurnTo(quint32 index);
    // What the setting holds, which the value kind alone does not tell for enumerations.
    virtual CVornMotionSettingKind HeldKind() const;
    QLabel *Caption() const;

    nVornMCPCD100::AttributeId Attribute() const;
    int IndexSource() const;
    int ValueKind() const;
    QAction *ResetAction() const;
    QWidget *Widget() const;

protected:
    // The units shown beside the widget, after a space; empty when it shows none.
    QString UnitsText() const;
    // Shows, hides, enables or disables the widgets of the binding by what the database says.
    void ApplyVisibility(quint32 index, nVornMCPCD100::iMotionConfigurationDatabase *db,
                         std::initializer_list<QWidget *> widgets);

    nVornMCPCD100::AttributeId attribute;
    int valueKind;
    QWidget *widget;
    QLabel *label;
    QLabel *unitsLabel;
    int indexSource;
    QString unitsSuffix;
    UnitsSource unitsSource = UnitsSource::DisplayUnits;
    QAction *resetAction = nullptr;

private:
    void ApplyState();

    QVector<QWidget *> stateWidgets;
    bool supported = true;
    bool writable = true;
    bool ruleShown = true;
    bool ruleEnabled = true;
};

#endif
