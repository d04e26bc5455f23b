#ifndef VORNAC_UIPROPERTYRADIOBUTTON_H
#define VORNAC_UIPROPERTYRADIOBUTTON_H

#include "uiProperty.h"

class QRadioButton;

// Two radio buttons bound to a two-valued enumeration: the first button stands for the first
// value of the pair (active high, active on, ...), the second for the other.
class UIPropertyRadioButton : public UIProperty
{
public:
    UIPropertyRadioButton(nVornMCPCD100::AttributeId attribute, QRadioButton *second,
                          int indexSource, const QString &unitsSuffix, QRadioButton *first);

    void ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &text) override;
    void SetToolTip(const QString &text) override;
    QVector<QWidget *> Widgets() const override;
    void UpdateVisibility(quint32 index, nVornMCPCD100::iMotionConfigurationDatabase *db) override;
    CVornMotionSettingKind HeldKind() const override;

private:
    QRadioButton *first;
    QRadioButton *second;
};

#endif
