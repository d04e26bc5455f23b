#include "comboItems.h"

#include "displayTexts.h"

#include <QComboBox>

#include <algorithm>
#include <cmath>

namespace ComboItems {

QVector<qint32> ZeroTerminated(const qint32 *ids)
{
    QVector<qint32> list;
    for (const qint32 *id = ids; id && *id != 0; ++id)
        list.append(*id);
    return list;
}

void SetItems(QComboBox *combo, const QVector<Item> &items)
{
    bool same = combo->count() == items.size();
    for (int item = 0; same && item < items.size(); ++item) {
        same = combo->itemText(item) == items.at(item).text
            && combo->itemData(item, Qt::UserRole) == items.at(item).data;
    }
    if (same)
        return;
    combo->clear();
    for (const Item &item : items)
        combo->addItem(item.text, item.data);
}

void SetAcceptedIds(nVornMCPCD100::iMotionConfigurationDatabase *database,
                    nVornMCPCD100::AttributeId attribute, quint32 index,
                    const QVector<qint32> &ids, QComboBox *combo)
{
    QVector<Item> accepted;
    for (const qint32 id : ids) {
        nVornMCPCD100::AttributeValue candidate = {};
        candidate.integerValue = id;
        quint8 adjusted = 0;
        if (database->CheckAttributeValue(attribute, index, &candidate, &adjusted) == 0)
            accepted.append({GetDictionaryName(quint32(id)), id});
    }
    SetItems(combo, accepted);
}

void SelectData(QComboBox *combo, const QVariant &data)
{
    combo->setCurrentIndex(combo->findData(data, Qt::UserRole, Qt::MatchExactly));
}

void SelectNearestReal(QComboBox *combo, double value)
{
    combo->setCurrentIndex(NearestRealItem(combo, value));
}

int NearestRealItem(const QComboBox *combo, double value)
{
    for (int item = 0; item < combo->count(); ++item) {
        double itemValue = 0.0;
        if (RealAt(combo, item, &itemValue)
            && std::fabs(itemValue - value) <= 1e-9 * std::max(std::fabs(itemValue),
                                                                std::fabs(value)))
            return item;
    }
    return -1;
}

bool IdAt(const QComboBox *combo, int index, qint32 *id)
{
    if (index < 0 || index >= combo->count())
        return false;
    const QVariant data = combo->itemData(index, Qt::UserRole);
    bool ok = false;
    const qint32 value = data.toInt(&ok);
    if (!data.isValid() || !ok)
        return false;
    *id = value;
    return true;
}

bool RealAt(const QComboBox *combo, int index, double *value)
{
    if (index < 0 || index >= combo->count())
        return false;
    const QVariant data = combo->itemData(index, Qt::UserRole);
    bool ok = false;
    const double real = data.toDouble(&ok);
    if (!data.isValid() || !ok || !std::isfinite(real))
        return false;
    *value = real;
    return true;
}

} // namespace ComboItems
