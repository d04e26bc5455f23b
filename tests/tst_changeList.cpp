#include "changeList.h"

#include "axisFixtures.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <set>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const AttributeId axisType = 0xA30001;
const AttributeId loopPeriod = 0xA3004B;
const AttributeId encoderUnits = 0xA30034;
const AttributeId encoderCount = 0xA300C6;
const AttributeId countsPerUnit = 0xA30035;

// A database that cannot tell the current value of some settings, though it accepts writes.
class ForgetfulDatabase : public CAxisDatabase
{
public:
    std::set<AttributeId> unreadable;

    int32_t GetAttribute(AttributeId id, uint32_t index, AttributeValue *value) override
    {
        if (unreadable.count(id))
            return -1;
        return CAxisDatabase::GetAttribute(id, index, value);
    }
};

QString Utf16Text(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

class TestChangeList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void storesOverwriteAndSignalSize();
    void revertForgetsOneEditAndCommitsTheRest();
    void loadingDropsStores();
    void nonFiniteValuesAreNeverStored();
    void readStringIsBoundedAndTerminated();
    void commitWritesInKeyTextOrder();
    void emptyCommitAndDiscardSignalZero();
    void configModeFlagStaysSet();
    void stringThatReadsLikeTheMarkerCommitsAsString();
    void refusedWriteRollsBackAndKeepsEdits();
    void unreadableValueStopsTheCommitBeforeItsWrite();
    void unterminatedOrNonFiniteValuesCannotBeRestored();
    void rollbackRestoresLongStrings();

private:
    ForgetfulDatabase database;
};

void TestChangeList::init()
{
    database.Clear();
    database.unreadable.clear();
    database.SetSetting(axisType, 0, IntegerSetting(1));
    database.SetSetting(axisType, 2, IntegerSetting(1));
    database.SetSetting(axisType, 10, IntegerSetting(1));
    database.SetSetting(loopPeriod, 0, RealSetting(0.0001, false));
    database.SetSetting(countsPerUnit, 0, RealSetting(1000));
    database.SetSetting(encoderCount, 0, IntegerSetting(2, true));
    database.SetSetting(encoderUnits, 0, StringSetting(QStringLiteral("mm")));
}

void TestChangeList::storesOverwriteAndSignalSize()
{
    CVornMotionChangeList changes(&database);
    QSignalSpy sizes(&changes, &CVornMotionChangeList::ChangelistSizeChanged);

    changes.StoreValue(loopPeriod, 0, RealValue(0.0002));
    changes.StoreValue(loopPeriod, 0, RealValue(0.0002));
    QCOMPARE(changes.Count(), 1u);
    QCOMPARE(sizes.count(), 1);
    QCOMPARE(sizes.at(0).at(0).toUInt(), 1u);

    changes.StoreValue(loopPeriod, 0, RealValue(0.00025));
    changes.StoreValue(loopPeriod, 1, RealValue(0.0005));
    QCOMPARE(sizes.count(), 2);
    QCOMPARE(sizes.last().at(0).toUInt(), 2u);

    AttributeValue value = IntegerValue(77);
    QVERIFY(changes.ReadValue(loopPeriod, 0, &value));
    QCOMPARE(double(value.realValue), 0.00025);
    QVERIFY(changes.Contains(loopPeriod, 1));

    AttributeValue untouched = IntegerValue(77);
    QVERIFY(!changes.ReadValue(axisType, 0, &untouched));
    QCOMPARE(qint32(untouched.integerValue), 77);

    // A pair can turn from a value into a string and back; the latest store wins.
    changes.StoreString(loopPeriod, 1, u"text");
    changes.StoreValue(loopPeriod, 1, RealValue(0.0004));
    QCOMPARE(changes.Count(), 2u);
    QVERIFY(changes.ReadValue(loopPeriod, 1, &value));
    QCOMPARE(double(value.realValue), 0.0004);
}

// What is pending is listed in commit order; a reverted edit is gone as if never made.
void TestChangeList::revertForgetsOneEditAndCommitsTheRest()
{
    CVornMotionChangeList changes(&database);
    QSignalSpy edits(&changes, &CVornMotionChangeList::PendingEditsChanged);
    QSignalSpy sizes(&changes, &CVornMotionChangeList::ChangelistSizeChanged);
    changes.StoreValue(loopPeriod, 0, RealValue(0.0002));
    changes.StoreString(encoderUnits, 0, u"in");
    changes.StoreValue(loopPeriod, 0, RealValue(0.0003));
    changes.StoreValue(axisType, 0, IntegerValue(5));
    QCOMPARE(edits.count(), 4);
    QCOMPARE(sizes.count(), 3);

    const QVector<CVornMotionChangeList::PendingEdit> listed = changes.PendingEdits();
    QCOMPARE(listed.size(), 3);
    QCOMPARE(listed.at(0).id, axisType);
    QVERIFY(listed.at(1).isString);
    QCOMPARE(listed.at(1).text, QStringLiteral("in"));
    QCOMPARE(listed.at(2).id, loopPeriod);
    QCOMPARE(double(listed.at(2).value.realValue), 0.0003);

    changes.loading = true;
    QVERIFY(!changes.Revert(axisType, 0));
    changes.loading = false;
    QVERIFY(changes.Revert(axisType, 0));
    QVERIFY(!changes.Revert(axisType, 0));
    QVERIFY(!changes.Contains(axisType, 0));
    QCOMPARE(sizes.last().first().toUInt(), 2u);
    QCOMPARE(edits.count(), 5);

    QCOMPARE(changes.Commit(), 0);
    QCOMPARE(qint32(database.Setting(axisType, 0)->value.integerValue), 1);
    QCOMPARE(double(database.Setting(loopPeriod, 0)->value.realValue), 0.0003);
    QCOMPARE(database.Setting(encoderUnits, 0)->text, QStringLiteral("in"));
    QCOMPARE(edits.count(), 6);
}

void TestChangeList::loadingDropsStores()
{
    CVornMotionChangeList changes(&database);
    QSignalSpy sizes(&changes, &CVornMotionChangeList::ChangelistSizeChanged);
    changes.loading = true;
    changes.StoreValue(loopPeriod, 0, RealValue(0.0002));
    changes.StoreString(encoderUnits, 0, u"in");
    QCOMPARE(changes.Count(), 0u);
    QCOMPARE(sizes.count(), 0);
}

void TestChangeList::nonFiniteValuesAreNeverStored()
{
    CVornMotionChangeList changes(&database);
    changes.StoreValue(loopPeriod, 0, RealValue(std::nan("")));
    changes.StoreValue(loopPeriod, 0, RealValue(INFINITY));
    QCOMPARE(changes.Count(), 0u);
}

void TestChangeList::readStringIsBoundedAndTerminated()
{
    CVornMotionChangeList changes(&database);
    changes.StoreString(encoderUnits, 0, u"abcdef");

    char16_t buffer[6] = {u'x', u'x', u'x', u'x', u'x', u'x'};
    QVERIFY(changes.ReadString(encoderUnits, 0, 4, buffer));
    QCOMPARE(Utf16Text(buffer), QStringLiteral("abc"));
    QCOMPARE(buffer[4], u'x');

    QVERIFY(!changes.ReadString(encoderUnits, 0, 0, buffer));
    QCOMPARE(buffer[0], u'a');
    QVERIFY(!changes.ReadString(encoderUnits, 1, 6, buffer));
    QCOMPARE(buffer[0], u'a');

    QVERIFY(changes.ReadString(encoderUnits, 0, 6, buffer));
    QCOMPARE(Utf16Text(buffer), QStringLiteral("abcde"));
}

void TestChangeList::commitWritesInKeyTextOrder()
{
    CVornMotionChangeList changes(&database);
    changes.StoreValue(axisType, 2, IntegerValue(22));
    changes.StoreValue(axisType, 10, IntegerValue(1010));
    changes.StoreValue(axisType, 0, IntegerValue(7));
    changes.StoreValue(loopPeriod, 0, RealValue(0.0002));

    QCOMPARE(changes.Commit(), 0);
    QCOMPARE(changes.Count(), 0u);

    QList<quint32> order;
    for (const CAxisDatabase::WriteRecord &write : database.WriteLog()) {
        if (write.id == axisType)
            order.append(write.index);
    }
    QCOMPARE(order, (QList<quint32>{0, 10, 2}));
    QCOMPARE(database.WriteLog().size(), 4);
    QCOMPARE(database.WriteLog().last().id, loopPeriod);
    QCOMPARE(qint32(database.Setting(axisType, 10)->value.integerValue), 1010);
}

void TestChangeList::emptyCommitAndDiscardSignalZero()
{
    CVornMotionChangeList changes(&database);
    QSignalSpy sizes(&changes, &CVornMotionChangeList::ChangelistSizeChanged);
    QCOMPARE(changes.Commit(), 0);
    QVERIFY(database.WriteLog().isEmpty());
    changes.Discard();
    QCOMPARE(sizes.count(), 2);
    QCOMPARE(sizes.at(0).at(0).toUInt(), 0u);
    QCOMPARE(sizes.at(1).at(0).toUInt(), 0u);

    changes.StoreValue(loopPeriod, 0, RealValue(0.0002));
    changes.Discard();
    QCOMPARE(changes.Count(), 0u);
    QCOMPARE(sizes.last().at(0).toUInt(), 0u);
    QVERIFY(database.WriteLog().isEmpty());
}

void TestChangeList::configModeFlagStaysSet()
{
    CVornMotionChangeList changes(&database);
    changes.StoreValue(countsPerUnit, 0, RealValue(2000));
    changes.Commit();
    QVERIFY(!changes.switchToConfigModeRequired);

    changes.StoreValue(loopPeriod, 0, RealValue(0.0002));
    changes.Commit();
    QVERIFY(changes.switchToConfigModeRequired);

    changes.StoreValue(countsPerUnit, 0, RealValue(3000));
    changes.Commit();
    changes.Discard();
    QVERIFY(changes.switchToConfigModeRequired);
}

void TestChangeList::stringThatReadsLikeTheMarkerCommitsAsString()
{
    CVornMotionChangeList changes(&database);
    changes.StoreString(encoderUnits, 0, u"NOT A STRING ITEM");
    QCOMPARE(changes.Commit(), 0);
    QCOMPARE(database.Setting(encoderUnits, 0)->text, QStringLiteral("NOT A STRING ITEM"));
}

void TestChangeList::refusedWriteRollsBackAndKeepsEdits()
{
    CVornMotionChangeList changes(&database);
    // Key order: axis type, encoder units, loop period, encoder count (refused).
    changes.StoreValue(axisType, 0, IntegerValue(5));
    changes.StoreValue(loopPeriod, 0, RealValue(0.0002));
    changes.StoreString(encoderUnits, 0, u"in");
    changes.StoreValue(encoderCount, 0, IntegerValue(4));
    QSignalSpy sizes(&changes, &CVornMotionChangeList::ChangelistSizeChanged);

    QVERIFY(changes.Commit() < 0);

    QCOMPARE(changes.FailedWrite().id, encoderCount);
    QCOMPARE(changes.Count(), 4u);
    QCOMPARE(sizes.count(), 0);
    QCOMPARE(qint32(database.Setting(axisType, 0)->value.integerValue), 1);
    QCOMPARE(double(database.Setting(loopPeriod, 0)->value.realValue), 0.0001);
    QCOMPARE(database.Setting(encoderUnits, 0)->text, QStringLiteral("mm"));
    QCOMPARE(qint32(database.Setting(encoderCount, 0)->value.integerValue), 2);

    // The edits still wait and commit once the database accepts them.
    AxisSetting writable = *database.Setting(encoderCount, 0);
    writable.readOnly = false;
    database.SetSetting(encoderCount, 0, writable);
    QCOMPARE(changes.Commit(), 0);
    QCOMPARE(database.Setting(encoderUnits, 0)->text, QStringLiteral("in"));
    QCOMPARE(qint32(database.Setting(encoderCount, 0)->value.integerValue), 4);
}

// A value that could not be restored is never written: the commit stops as for a refused write.
void TestChangeList::unreadableValueStopsTheCommitBeforeItsWrite()
{
    database.unreadable.insert(loopPeriod);
    CVornMotionChangeList changes(&database);
    changes.StoreValue(axisType, 0, IntegerValue(5));
    changes.StoreValue(loopPeriod, 0, RealValue(0.0002));
    changes.StoreValue(encoderCount, 0, IntegerValue(4));

    QVERIFY(changes.Commit() < 0);
    QCOMPARE(changes.FailedWrite().id, loopPeriod);
    QCOMPARE(changes.Count(), 3u);
    QCOMPARE(qint32(database.Setting(axisType, 0)->value.integerValue), 1);
    QCOMPARE(double(database.Setting(loopPeriod, 0)->value.realValue), 0.0001);
    QCOMPARE(qint32(database.Setting(encoderCount, 0)->value.integerValue), 2);
}

// A text without its terminator, or a value that is no number, would restore something else.
void TestChangeList::unterminatedOrNonFiniteValuesCannotBeRestored()
{
    class GarblingDatabase : public CAxisDatabase
    {
    public:
        int32_t GetAttributeString(AttributeId, uint32_t, int32_t *capacity,
                                   char16_t *buffer) override
        {
            std::fill(buffer, buffer + *capacity, u'x');
            return 0;
        }
        int32_t GetAttribute(AttributeId id, uint32_t index, AttributeValue *value) override
        {
            const int32_t status = CAxisDatabase::GetAttribute(id, index, value);
            value->realValue = std::nan("");
            return status;
        }
    };
    for (const bool text : {true, false}) {
        GarblingDatabase garbling;
        garbling.SetSetting(encoderUnits, 0, StringSetting(QStringLiteral("mm")));
        garbling.SetSetting(loopPeriod, 0, RealSetting(0.0001));
        CVornMotionChangeList changes(&garbling);
        if (text)
            changes.StoreString(encoderUnits, 0, u"in");
        else
            changes.StoreValue(loopPeriod, 0, RealValue(0.0002));
        QVERIFY(changes.Commit() < 0);
        QCOMPARE(changes.Count(), 1u);
        QVERIFY(garbling.WriteLog().isEmpty());
    }
}

void TestChangeList::rollbackRestoresLongStrings()
{
    const QString longText(300, QLatin1Char('u'));
    database.SetSetting(encoderUnits, 0, StringSetting(longText));
    CVornMotionChangeList changes(&database);
    changes.StoreString(encoderUnits, 0, u"in");
    changes.StoreValue(encoderCount, 0, IntegerValue(4));

    QVERIFY(changes.Commit() < 0);
    QCOMPARE(database.Setting(encoderUnits, 0)->text, longText);
}

QTEST_GUILESS_MAIN(TestChangeList)
#include "tst_changeList.moc"
