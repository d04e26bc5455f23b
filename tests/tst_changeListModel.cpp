#include "changeList.h"

#include "axisFixtures.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <random>
#include <set>
#include <tuple>
#include <vector>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const AttributeId realIds[] = {0xA30044, 0xA30059, 0xC20038};
const AttributeId textId = 0xA30034;
const quint32 indexes = 3;

// A write the database was asked for: setting, index and what was to be written.
struct Write
{
    AttributeId id;
    quint32 index;
    double real;
    QString text;

    bool operator==(const Write &other) const
    {
        return id == other.id && index == other.index && text == other.text
               && (real == other.real || (std::isnan(real) && std::isnan(other.real)));
    }
};

// Records every write it is asked for, taken or refused, in order.
class RecordingDatabase : public CAxisDatabase
{
public:
    std::vector<Write> asked;

    int32_t SetAttribute(AttributeId id, uint32_t index, const AttributeValue *value) override
    {
        asked.push_back({id, index, value->realValue, QString()});
        return CAxisDatabase::SetAttribute(id, index, value);
    }
    int32_t SetAttributeString(AttributeId id, uint32_t index, uint32_t length,
                               const char16_t *text) override
    {
        asked.push_back({id, index, 0.0, QString::fromUtf16(text, int(length))});
        return CAxisDatabase::SetAttributeString(id, index, length, text);
    }
};

// The change list as plain data: what is pending, what the database holds, what it refuses.
class Model
{
public:
    struct Key
    {
        AttributeId id;
        quint32 index;
        bool operator<(const Key &other) const
        {
            // Commit order: the key text "<id>_<index>" in decimal, compared as text.
            return Text() < other.Text();
        }
        std::string Text() const { return std::to_string(id) + "_" + std::to_string(index); }
    };
    struct Value
    {
        double real = 0.0;
        QString text;
        bool isText = false;
    };

    std::map<Key, Value> pending;
    std::map<Key, Value> stored;
    std::set<Key> refused;
    bool loading = false;
    std::vector<Write> expectedWrites;

    void Store(const Key &key, const Value &value)
    {
        if (!loading && (value.isText || std::isfinite(value.real)))
            pending[key] = value;
    }

    // Key-text order; an undo of every write taken so far when one is refused.
    bool Commit()
    {
        std::vector<std::pair<Key, Value>> undo;
        for (const auto &entry : pending) {
            expectedWrites.push_back(WriteOf(entry.first, entry.second));
            if (refused.count(entry.first)) {
                for (const auto &back : undo) {
                    expectedWrites.push_back(WriteOf(back.first, back.second));
                    stored[back.first] = back.second;
                }
                return false;
            }
            undo.push_back({entry.first, stored[entry.first]});
            stored[entry.first] = entry.second;
        }
        pending.clear();
        return true;
    }

private:
    static Write WriteOf(const Key &key, const Value &value)
    {
        return {key.id, key.index, value.isText ? 0.0 : value.real, value.text};
    }
};

} // namespace

// Random sequences of store, overwrite, revert, loading, discard and commit with refused
// writes: the change list must write what a plain model of it writes, in the same order, and
// leave the database as the model does.
class TestChangeListModel : public QObject
{
    Q_OBJECT

private slots:
    void randomSequencesMatchTheModel();
};

void TestChangeListModel::randomSequencesMatchTheModel()
{
    const int sequences = 10000;
    std::mt19937 random(20261208);
    for (int sequence = 0; sequence < sequences; ++sequence) {
        RecordingDatabase database;
        Model model;
        for (const AttributeId id : realIds) {
            for (quint32 index = 0; index < indexes; ++index) {
                AxisSetting setting = RealSetting(double(index));
                setting.minimum = RealValue(-1e9);
                setting.maximum = RealValue(1e9);
                database.SetSetting(id, index, setting);
                model.stored[{id, index}] = {double(index), QString(), false};
            }
        }
        for (quint32 index = 0; index < indexes; ++index) {
            database.SetSetting(textId, index, StringSetting(QStringLiteral("mm")));
            model.stored[{textId, index}] = {0.0, QStringLiteral("mm"), true};
        }
        CVornMotionChangeList changes(&database);

        const int steps = 5 + int(random() % 20);
        for (int step = 0; step < steps; ++step) {
            const quint32 index = random() % indexes;
            switch (random() % 9) {
            case 0:
                changes.loading = model.loading = !model.loading;
                break;
            case 1:
                changes.Discard();
                model.pending.clear();
                break;
            case 2: {
                const QString text = QString::number(random() % 100);
                changes.StoreString(textId, index,
                                    reinterpret_cast<const char16_t *>(text.utf16()));
                model.Store({textId, index}, {0.0, text, true});
                break;
            }
            case 3: {
                // Refuse one setting from now on, or accept every one again.
                const AttributeId id = realIds[random() % 3];
                AxisSetting setting = *database.Setting(id, index);
                setting.readOnly = !setting.readOnly;
                database.SetSetting(id, index, setting);
                if (setting.readOnly)
                    model.refused.insert({id, index});
                else
                    model.refused.erase({id, index});
                break;
            }
            case 4: {
                const bool committed = changes.Commit() == 0;
                QCOMPARE(committed, model.Commit());
                break;
            }
            case 5: {
                const AttributeId id = realIds[random() % 3];
                const bool reverted = changes.Revert(id, index);
                QCOMPARE(reverted, !model.loading && model.pending.erase({id, index}) > 0);
                break;
            }
            default: {
                const AttributeId id = realIds[random() % 3];
                const double value
                    = random() % 10 == 0 ? std::nan("") : double(int(random() % 2000) - 1000);
                changes.StoreValue(id, index, RealValue(value));
                model.Store({id, index}, {value, QString(), false});
                break;
            }
            }
            QCOMPARE(changes.Count(), quint32(model.pending.size()));
        }
        QCOMPARE(changes.Commit() == 0, model.Commit());
        QVERIFY2(database.asked == model.expectedWrites, qPrintable(QString::number(sequence)));
        for (const auto &entry : model.stored) {
            const AxisSetting *setting = database.Setting(entry.first.id, entry.first.index);
            if (entry.second.isText)
                QCOMPARE(setting->text, entry.second.text);
            else
                QCOMPARE(double(setting->value.realValue), entry.second.real);
        }
    }
}

QTEST_GUILESS_MAIN(TestChangeListModel)
#include "tst_changeListModel.moc"
