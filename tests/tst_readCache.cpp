#include "axisFixtures.h"
#include "database/countingDatabase.h"
#include "readCache.h"

#include <QtTest>

using nVornMCPCD100::AttributeValue;

// One reload asks the host once per question; outside a reload every call reaches the host.
class TestReadCache : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void scopeAnswersRepeatedQuestionsOnce();
    void failedReadsStayFailed();
    void textsKeepTheirCapacity();
    void outsideAScopeEveryCallReachesTheHost();

private:
    CAxisDatabase database;
};

void TestReadCache::init()
{
    database.Clear();
    AxisSetting gain = RealSetting(2.5);
    gain.minimum = RealValue(0.0);
    gain.scaled = true;
    database.SetSetting(0xA30044, 0, gain);
    database.SetSetting(0xA30034, 0, StringSetting(QStringLiteral("millimeter")));
}

void TestReadCache::scopeAnswersRepeatedQuestionsOnce()
{
    CountingDatabase host(&database);
    CVornMotionReadCache cache(&host);
    {
        const CVornMotionReadCache::Scope reload(cache);
        const CVornMotionReadCache::Scope nested(cache);
        for (int repeat = 0; repeat < 3; ++repeat) {
            AttributeValue value = {};
            QCOMPARE(cache.GetAttribute(0xA30044, 0, &value), 0);
            QCOMPARE(double(value.realValue), 2.5);
            QVERIFY(cache.IsAttributeSupported(0xA30044, 0));
            QVERIFY(cache.IsAttributeScaled(0xA30044, 0));
            AttributeValue candidate = RealValue(-1.0);
            QVERIFY(cache.CheckAttributeValue(0xA30044, 0, &candidate, nullptr) != 0);
            candidate = RealValue(1.0);
            QCOMPARE(cache.CheckAttributeValue(0xA30044, 0, &candidate, nullptr), 0);
        }
        QCOMPARE(host.calls, 5);
    }
    // The scope has ended: a value written since is read again; scaling is what the setting is.
    database.SetSetting(0xA30044, 0, RealSetting(4.0));
    const CVornMotionReadCache::Scope reload(cache);
    AttributeValue value = {};
    cache.GetAttribute(0xA30044, 0, &value);
    QCOMPARE(double(value.realValue), 4.0);
    QVERIFY(cache.IsAttributeScaled(0xA30044, 0));
    QCOMPARE(host.calls, 6);
}

void TestReadCache::failedReadsStayFailed()
{
    CountingDatabase host(&database);
    CVornMotionReadCache cache(&host);
    const CVornMotionReadCache::Scope reload(cache);
    for (int repeat = 0; repeat < 2; ++repeat) {
        AttributeValue value = RealValue(7.0);
        QVERIFY(cache.GetAttribute(0xA30099, 0, &value) < 0);
        QCOMPARE(double(value.realValue), 7.0);
        QVERIFY(cache.GetAttributeMaximum(0xA30044, 0, &value) < 0);
        QCOMPARE(double(value.realValue), 7.0);
    }
    QCOMPARE(host.calls, 2);
}

void TestReadCache::textsKeepTheirCapacity()
{
    CountingDatabase host(&database);
    CVornMotionReadCache cache(&host);
    const CVornMotionReadCache::Scope reload(cache);
    for (int repeat = 0; repeat < 2; ++repeat) {
        char16_t small[5] = {};
        qint32 capacity = 5;
        QVERIFY(cache.GetAttributeString(0xA30034, 0, &capacity, small) < 0);
        QCOMPARE(capacity, 11);
        QCOMPARE(QString::fromUtf16(small), QStringLiteral("mill"));
        char16_t whole[20] = {};
        capacity = 20;
        QCOMPARE(cache.GetAttributeString(0xA30034, 0, &capacity, whole), 0);
        QCOMPARE(QString::fromUtf16(whole), QStringLiteral("millimeter"));
    }
    QCOMPARE(host.calls, 2);
}

void TestReadCache::outsideAScopeEveryCallReachesTheHost()
{
    CountingDatabase host(&database);
    CVornMotionReadCache cache(&host);
    AttributeValue value = {};
    cache.GetAttribute(0xA30044, 0, &value);
    cache.GetAttribute(0xA30044, 0, &value);
    cache.IsAttributeReadOnly(0xA30044, 0);
    cache.IsAttributeReadOnly(0xA30044, 0);
    QCOMPARE(host.calls, 4);
}

QTEST_GUILESS_MAIN(TestReadCache)
#include "tst_readCache.moc"
