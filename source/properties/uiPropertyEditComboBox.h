#ifndef VORNAC_UIPROPERTYEDITCOMBOBOX_H
#define VORNAC_UIPROPERTYEDITCOMBOBOX_H

#include "uiProperty.h"

class QComboBox;

// An editable combo box bound to a units text: it offers the usual unit names and takes any
// other text the user types.
class UIPropertyEditComboBox : public UIProperty
{
public:
    UIPropertyEditComboBox(nVornMCPCD100::AttributeId attribute, QLabel *label, int indexSource,
                           const QString &unitsSuffix, QComboBox *combo);

    void ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &text) override;
    void FillItems(nVornMCPCD100::iMotionConfigurationDatabase *db,
                   CVornMotionChangeList *changeList, quint32 index) override;

private:
    QComboBox *combo;
};

#endif
