#include "uiPropertySpinBoxBase.h"

#include "coercingSpinBox.h"
#include "settingsBase.h"

#include <cmath>
#include <limits>

namespace {
// The box's own range: wide enough that typing is never cut short.
const double typingLimit = 1e18;
} // namespace

UIPropertySpinBoxBase::UIPropertySpinBoxBase(nVornMCPCD100::AttributeId attribute, int valueKind,
                                             QLabel *label, QLabel *unitsLabel, int indexSource,
                                             const QString &unitsSuffix, CCoercingSpinBox *spinBox)
    : UIProperty(attribute, valueKind, spinBox, label, unitsLabel, indexSource, unitsSuffix),
      spinBox(spinBox)
{
}

void UIPropertySpinBoxBase::SetRange(const AttributeRange &range, CVornMotionAxisSettingsBase *page)
{
    if (!spinBox)
        return;
    const double infinity = std::numeric_limits<double>::infinity();
    // A side the database gave no limit for stays open.
    const double minimum = range.minimum ? Displayed(*range.minimum) : -infinity;
    const double maximum = range.maximum ? Displayed(*range.maximum) : infinity;
    // Setting a range reformats the box's text: only the first load needs it.
    if (spinBox->minimum() != -typingLimit || spinBox->maximum() != typingLimit)
        spinBox->setRange(-typingLimit, typingLimit);
    spinBox->coerceMinimum = std::isnan(minimum) ? -infinity : minimum;
    spinBox->coerceMaximum = std::isnan(maximum) ? infinity : maximum;
    spinBox->attribute = attribute;
    spinBox->isDouble = valueKind == DoubleValue;
    if (!coercionConnected) {
        page->ConnectCoercion(spinBox);
        coercionConnected = true;
    }
}

void UIPropertySpinBoxBase::StoreShownValue(const nVornMCPCD100::AttributeValue &value)
{
    if (spinBox)
        spinBox->Announce(Displayed(value));
}

QString UIPropertySpinBoxBase::ValueText(const nVornMCPCD100::AttributeValue &value,
                                         const QString &text) const
{
    if (!spinBox)
        return UIProperty::ValueText(value, text);
    return spinBox->textFromValue(Displayed(value)) + UnitsText();
}

bool UIPropertySpinBoxBase::TakesRange() const
{
    return true;
}
