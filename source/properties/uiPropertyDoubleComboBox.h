#ifndef VORNAC_UIPROPERTYDOUBLECOMBOBOX_H
#define VORNAC_UIPROPERTYDOUBLECOMBOBOX_H

#include "uiProperty.h"

class QComboBox;

// A combo box bound to a real setting with a fixed list of values (periods, frequencies), ended
// by 0.0; it offers those the database accepts.
class UIPropertyDoubleComboBox : public UIProperty
{
public:
    UIPropertyDoubleComboBox(nVornMCPCD100::AttributeId attribute, QLabel *label,
                             const double *values, int indexSource, const QString &unitsSuffix,
                             QComboBox *combo);

    void ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &text) override;
    void FillItems(nVornMCPCD100::iMotionConfigurationDatabase *db,
                   CVornMotionChangeList *changeList, quint32 index) override;
    QString ValueText(const nVornMCPCD100::AttributeValue &value,
                      const QString &text) const override;

private:
    const double *values;
    QComboBox *combo;
};

#endif
