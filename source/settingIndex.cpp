#include "settingIndex.h"

#include <QStringList>

#include <algorithm>

void CVornMotionSettingIndex::Add(const Entry &entry, const QString &description)
{
    const QString title = Folded(entry.name + QLatin1Char(' ') + entry.instance);
    const QString words =
        title + QLatin1Char(' ') + Folded(description) + QLatin1Char(' ') + Folded(entry.area);
    indexed.append({entry, title, words});
}

bool CVornMotionSettingIndex::IsEmpty() const
{
    return indexed.isEmpty();
}

QVector<CVornMotionSettingIndex::Entry> CVornMotionSettingIndex::Entries() const
{
    QVector<Entry> entries;
    entries.reserve(indexed.size());
    for (const Indexed &each : indexed)
        entries.append(each.entry);
    return entries;
}

QVector<CVornMotionSettingIndex::Entry> CVornMotionSettingIndex::Find(const QString &text) const
{
    const QStringList wanted = Folded(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVector<Entry> byTitle;
    QVector<Entry> byWords;
    if (wanted.isEmpty())
        return byTitle;
    const auto holdsAll = [&wanted](const QString &words) {
        return std::all_of(wanted.cbegin(), wanted.cend(),
                           [&words](const QString &word) { return words.contains(word); });
    };
    for (const Indexed &each : indexed) {
        if (holdsAll(each.title))
            byTitle.append(each.entry);
        else if (holdsAll(each.words))
            byWords.append(each.entry);
    }
    return byTitle + byWords;
}

QString CVornMotionSettingIndex::Folded(const QString &text)
{
    return text.simplified().toCaseFolded();
}
