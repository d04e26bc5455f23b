#ifndef VORNAC_UIPROPERTYACTIVESTATECOMBOBOX_H
#define VORNAC_UIPROPERTYACTIVESTATECOMBOBOX_H

#include "uiPropertyIoStateComboBox.h"

// The active state of an I/O line: active high or low, or on or off, by the line's type.
class UIPropertyActiveStateComboBox : public UIPropertyIoStateComboBox
{
public:
    UIPropertyActiveStateComboBox(nVornMCPCD100::AttributeId attribute, QLabel *label,
                                  int indexSource, const QString &unitsSuffix, QComboBox *combo);
};

#endif
