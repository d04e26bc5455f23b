#include "uiProperty.h"

#include "displayTexts.h"
#include "settingsBase.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QWidget>

UIProperty::UIProperty(nVornMCPCD100::AttributeId attribute, int valueKind, QWidget *widget,
                       QLabel *label, QLabel *unitsLabel, int indexSource,
                       const QString &unitsSuffix)
    : attribute(attribute),
      valueKind(valueKind),
      widget(widget),
      label(label),
      unitsLabel(unitsLabel),
      indexSource(indexSource),
      unitsSuffix(unitsSuffix)
{
}

UIProperty::~UIProperty() = default;

void UIProperty::ShowValue(const nVornMCPCD100::AttributeValue &, const QString &)
{
}

void UIProperty::SetRange(const AttributeRange &, CVornMotionAxisSettingsBase *)
{
}

void UIProperty::SetLabelText(const QString &text)
{
    if (!label)
        return;
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
}

void UIProperty::SetToolTip(const QString &text)
{
    if (widget)
        widget->setToolTip(PlainToolTip(text));
}

void UIProperty::SetUnits(const QString &text)
{
    if (!ShowsUnits())
        return;
    unitsLabel->setTextFormat(Qt::PlainText);
    unitsLabel->setText(text + unitsSuffix);
}

void UIProperty::FillItems(nVornMCPCD100::iMotionConfigurationDatabase *, CVornMotionChangeList *,
                           quint32)
{
}

void UIProperty::AttachResetAction(CVornMotionAxisSettingsBase *page)
{
    if (!widget)
        return;
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    resetAction
        = new QAction(QCoreApplication::translate("UIProperty", "Reset to Default"), widget);
    resetAction->setData(QVariantList{QVariant(uint(attribute))});
    // A text setting has no default in the database: resetting it would erase the text.
    resetAction->setEnabled(valueKind != StringValue);
    widget->addAction(resetAction);
    QObject::connect(resetAction, &QAction::triggered, page,
                     &CVornMotionAxisSettingsBase::on_defaultValue);
}

void UIProperty::DetachActions()
{
    if (!widget)
        return;
    for (QAction *action : widget->actions())
        widget->removeAction(action);
}

void UIProperty::UpdateVisibility(quint32 index, nVornMCPCD100::iMotionConfigurationDatabase *db)
{
    ApplyVisibility(index, db, {widget, static_cast<QWidget *>(label), unitsLabel});
}

void UIProperty::ApplyVisibility(quint32 index, nVornMCPCD100::iMotionConfigurationDatabase *db,
                                 std::initializer_list<QWidget *> widgets)
{
    supported = db->IsAttributeSupported(attribute, index);
    writable = supported && !db->IsAttributeReadOnly(attribute, index);
    stateWidgets.clear();
    for (QWidget *each : widgets) {
        if (each)
            stateWidgets.append(each);
    }
    ApplyState();
}

void UIProperty::Restrict(bool shown, bool enabled)
{
    ruleShown = shown;
    ruleEnabled = enabled;
    ApplyState();
}

bool UIProperty::IsShown() const
{
    return supported && ruleShown;
}

bool UIProperty::ItemsFollowValues() const
{
    return false;
}

void UIProperty::ApplyState()
{
    for (QWidget *each : std::as_const(stateWidgets)) {
        each->setVisible(IsShown());
        if (IsShown())
            each->setEnabled(writable && ruleEnabled);
    }
}

void UIProperty::FitResetValue(nVornMCPCD100::iMotionConfigurationDatabase *,
                               CVornMotionChangeList *, quint32,
                               nVornMCPCD100::AttributeValue &) const
{
}

void UIProperty::StoreShownValue(const nVornMCPCD100::AttributeValue &)
{
}

nVornMCPCD100::AttributeId UIProperty::Attribute() const
{
    return attribute;
}

int UIProperty::IndexSource() const
{
    return indexSource;
}

int UIProperty::ValueKind() const
{
    return valueKind;
}

QAction *UIProperty::ResetAction() const
{
    return resetAction;
}

QWidget *UIProperty::Widget() const
{
    return widget;
}

bool UIProperty::TakesRange() const
{
    return false;
}

UIProperty *UIProperty::ShowUnitsIn(QLabel *label, UnitsSource source)
{
    unitsLabel = label;
    unitsSource = source;
    return this;
}

bool UIProperty::ShowsUnits() const
{
    return unitsLabel && unitsSource != UnitsSource::FormText;
}

UIProperty::UnitsSource UIProperty::UnitsFrom() const
{
    return unitsSource;
}

QString UIProperty::ValueText(const nVornMCPCD100::AttributeValue &value, const QString &text) const
{
    switch (valueKind) {
    case BooleanValue:
        return value.booleanValue ? QCoreApplication::translate("UIProperty", "On")
                                  : QCoreApplication::translate("UIProperty", "Off");
    case IntegerValue: {
        const QString name = GetDictionaryName(quint32(value.integerValue));
        return name.isEmpty() ? QString::number(value.integerValue) + UnitsText() : name;
    }
    case DoubleValue:
        return QLocale().toString(double(value.realValue), 'g', 10) + UnitsText();
    default:
        return text;
    }
}

QVector<QWidget *> UIProperty::Widgets() const
{
    return widget ? QVector<QWidget *>{widget} : QVector<QWidget *>{};
}

bool UIProperty::NamesWidgets() const
{
    return true;
}

std::optional<QVector<quint32>> UIProperty::InstancesSideBySide() const
{
    return std::nullopt;
}

void UIProperty::ShowValueAt(quint32, const std::optional<nVornMCPCD100::AttributeValue> &)
{
}

void UIProperty::MarkPendingAt(quint32, const QString &)
{
}

QWidget *UIProperty::TurnTo(quint32)
{
    return nullptr;
}

QLabel *UIProperty::Caption() const
{
    return label;
}

QString UIProperty::UnitsText() const
{
    if (!unitsLabel || unitsLabel->text().isEmpty())
        return QString();
    return QLatin1Char(' ') + unitsLabel->text();
}

CVornMotionSettingKind UIProperty::HeldKind() const
{
    switch (valueKind) {
    case BooleanValue:
        return CVornMotionSettingKind::Boolean;
    case DoubleValue:
        return CVornMotionSettingKind::Real;
    case StringValue:
        return CVornMotionSettingKind::Text;
    default:
        return CVornMotionSettingKind::Integer;
    }
}
