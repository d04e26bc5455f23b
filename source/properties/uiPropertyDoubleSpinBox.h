#ifndef VORNAC_UIPROPERTYDOUBLESPINBOX_H
#define VORNAC_UIPROPERTYDOUBLESPINBOX_H

#include "uiPropertySpinBoxBase.h"

// A coercing spin box bound to a real setting. A few periods are shown in milliseconds while
// they are stored in seconds; a few others are shown by their page.
class UIPropertyDoubleSpinBox : public UIPropertySpinBoxBase
{
public:
    UIPropertyDoubleSpinBox(nVornMCPCD100::AttributeId attribute, QLabel *label,
                            QLabel *unitsLabel, int indexSource, const QString &unitsSuffix,
                            CCoercingSpinBox *spinBox);

    void ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &text) override;

    // True for the attributes stored in seconds and shown in milliseconds.
    static bool IsShownInMilliseconds(nVornMCPCD100::AttributeId attribute);

protected:
    double Displayed(const nVornMCPCD100::AttributeValue &value) const override;

private:
    bool IsShownByPage() const;
};

#endif
