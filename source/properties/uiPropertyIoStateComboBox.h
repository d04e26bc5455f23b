#ifndef VORNAC_UIPROPERTYIOSTATECOMBOBOX_H
#define VORNAC_UIPROPERTYIOSTATECOMBOBOX_H

#include "ioStates.h"
#include "uiProperty.h"

class QComboBox;

// A combo box bound to an active-state or safe-state setting of an I/O line: it offers the
// values of the group that the line's current I/O type belongs to.
class UIPropertyIoStateComboBox : public UIProperty
{
public:
    UIPropertyIoStateComboBox(nVornMCPCD100::AttributeId attribute, QLabel *label, int indexSource,
                              const QString &unitsSuffix, QComboBox *combo,
                              const IoStates::StateKind &kind);

    void ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &text) override;
    void FillItems(nVornMCPCD100::iMotionConfigurationDatabase *db,
                   CVornMotionChangeList *changeList, quint32 index) override;
    bool ItemsFollowValues() const override;
    void FitResetValue(nVornMCPCD100::iMotionConfigurationDatabase *db,
                       CVornMotionChangeList *changeList, quint32 index,
                       nVornMCPCD100::AttributeValue &value) const override;
    CVornMotionSettingKind HeldKind() const override;

private:
    // The type group of the line's type, pending or stored.
    IoStates::Group GroupOfLine(nVornMCPCD100::iMotionConfigurationDatabase *db,
                                CVornMotionChangeList *changeList, quint32 index) const;

    QComboBox *combo;
    const IoStates::StateKind &kind;
};

#endif
