#ifndef VORNAC_UIPROPERTYCHECKBOX_H
#define VORNAC_UIPROPERTYCHECKBOX_H

#include "uiProperty.h"

class QAbstractButton;

// A check box bound to a boolean setting.
class UIPropertyCheckbox : public UIProperty
{
public:
    UIPropertyCheckbox(nVornMCPCD100::AttributeId attribute, QLabel *label, int indexSource,
                       const QString &unitsSuffix, QAbstractButton *button);

    void ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &text) override;
    void SetLabelText(const QString &text) override;
    // The loop location is an enumeration that the box shows as on or off the hardware: its
    // value reads as the location's name.
    CVornMotionSettingKind HeldKind() const override;
    QString ValueText(const nVornMCPCD100::AttributeValue &value,
                      const QString &text) const override;

private:
    // The loop location is shown by its page, not by the binding.
    bool IsShownByPage() const;

    QAbstractButton *button;
};

#endif
