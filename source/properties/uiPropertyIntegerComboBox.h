#ifndef VORNAC_UIPROPERTYINTEGERCOMBOBOX_H
#define VORNAC_UIPROPERTYINTEGERCOMBOBOX_H

#include "uiProperty.h"

class QComboBox;

// A combo box bound to an enumeration: its items are the identifiers of a zero-terminated list
// that the database accepts. The gain-set selector (0xC2005F) lists the gain sets instead.
class UIPropertyIntegerComboBox : public UIProperty
{
public:
    UIPropertyIntegerComboBox(nVornMCPCD100::AttributeId attribute, QLabel *label,
                              const qint32 *ids, int indexSource, const QString &unitsSuffix,
                              QComboBox *combo);

    void ShowValue(const nVornMCPCD100::AttributeValue &value, const QString &text) override;
    void FillItems(nVornMCPCD100::iMotionConfigurationDatabase *db,
                   CVornMotionChangeList *changeList, quint32 index) override;
    QString ValueText(const nVornMCPCD100::AttributeValue &value,
                      const QString &text) const override;
    // An enumeration, whether the list is the binding's or its page's; the gain-set selector
    // counts instead.
    CVornMotionSettingKind HeldKind() const override;
    // How many gain sets the selector offers: the axis's count, within what a page can show.
    static qint32 GainSetsOffered(nVornMCPCD100::iMotionConfigurationDatabase *db);

private:
    void FillGainSets(nVornMCPCD100::iMotionConfigurationDatabase *db);

    const qint32 *ids;
    QComboBox *combo;
};

#endif
