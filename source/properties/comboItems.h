#ifndef VORNAC_COMBOITEMS_H
#define VORNAC_COMBOITEMS_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QString>
#include <QVariant>
#include <QVector>

class QComboBox;

// Item handling shared by every combo box bound to a setting: items carry the value as data.
namespace ComboItems {

// The identifiers of a zero-terminated list; empty for a null list.
QVector<qint32> ZeroTerminated(const qint32 *ids);

struct Item
{
    QString text;
    QVariant data;

    bool operator==(const Item &other) const { return text == other.text && data == other.data; }
};

// Makes `items` the combo's items. A combo that holds them already is left as it is: pages
// refill on every reload, and rebuilding a list costs more than all the rest of a reload.
void SetItems(QComboBox *combo, const QVector<Item> &items);

// Makes the items, in list order, one per identifier that the database accepts for the setting:
// text the identifier's display name, data the identifier.
void SetAcceptedIds(nVornMCPCD100::iMotionConfigurationDatabase *database,
                    nVornMCPCD100::AttributeId attribute, quint32 index,
                    const QVector<qint32> &ids, QComboBox *combo);

// Selects the item whose data equals `data` exactly; none when no item does.
void SelectData(QComboBox *combo, const QVariant &data);

// Selects the item whose double datum lies within a relative 1e-9 of `value`; none otherwise.
void SelectNearestReal(QComboBox *combo, double value);
// The item SelectNearestReal would select; -1 for none.
int NearestRealItem(const QComboBox *combo, double value);

// The identifier carried by item `index`; false for index -1 and for items without data.
bool IdAt(const QComboBox *combo, int index, qint32 *id);

// The real value carried by item `index`; false for index -1 and for items without data.
bool RealAt(const QComboBox *combo, int index, double *value);

} // namespace ComboItems

#endif
