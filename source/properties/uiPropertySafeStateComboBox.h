#ifndef VORNAC_UIPROPERTYSAFESTATECOMBOBOX_H
#define VORNAC_UIPROPERTYSAFESTATECOMBOBOX_H

#include "uiPropertyIoStateComboBox.h"

// The safe state of an output line: the state it takes when the controller stops driving it.
class UIPropertySafeStateComboBox : public UIPropertyIoStateComboBox
{
public:
    UIPropertySafeStateComboBox(nVornMCPCD100::AttributeId attribute, QLabel *label,
                                int indexSource, const QString &unitsSuffix, QComboBox *combo);
};

#endif
