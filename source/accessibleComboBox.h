#ifndef VORNAC_ACCESSIBLECOMBOBOX_H
#define VORNAC_ACCESSIBLECOMBOBOX_H

// On Linux Qt announces a combo box by its current item and leaves its caption to a relation
// that not every reader follows: "Decelerate" says nothing about which setting it is. While one
// of these exists, the combo boxes of the module's dialogs are announced by their accessible name
// (their caption), their item being their value, as on the other platforms. Only the module's
// own dialogs are affected; the host's combo boxes keep Qt's behaviour, and a host that unloads
// the module after deleting its dialogs keeps no function of it.
class CVornMotionAccessibleComboBoxes
{
public:
    CVornMotionAccessibleComboBoxes();
    ~CVornMotionAccessibleComboBoxes();

    CVornMotionAccessibleComboBoxes(const CVornMotionAccessibleComboBoxes &) = delete;
    CVornMotionAccessibleComboBoxes &operator=(const CVornMotionAccessibleComboBoxes &) = delete;
};

#endif
