#include "loopPeriod.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestLoopPeriod : public QObject
{
    Q_OBJECT

private slots:
    void compatibility_data();
    void compatibility();
    void compatibleTableEntries_data();
    void compatibleTableEntries();
    void nearlyEqual();
};

void TestLoopPeriod::compatibility_data()
{
    QTest::addColumn<double>("loop");
    QTest::addColumn<double>("host");
    QTest::addColumn<bool>("compatible");

    QTest::newRow("50 us in 1 ms") << 0.00005 << 0.001 << true;
    QTest::newRow("300 us: no whole number of hertz") << 0.0003 << 0.0006 << false;
    QTest::newRow("host equal to loop") << 0.0001 << 0.0001 << false;
    QTest::newRow("above 500 us") << 0.0006 << 0.0012 << false;
    QTest::newRow("500 us in 1 ms: upper bound inclusive") << 0.0005 << 0.001 << true;
    QTest::newRow("below 50 us") << 0.00004 << 0.001 << false;
    QTest::newRow("62.5 us in 125 us") << 0.0000625 << 0.000125 << true;
    QTest::newRow("host not a multiple") << 0.00005 << 0.000125 << false;
    QTest::newRow("quotient just below whole: 7.85 ms / 50 us") << 0.00005 << 0.00785 << true;
    QTest::newRow("three times the loop period") << 0.0001 << 0.0003 << true;
    QTest::newRow("quotient 1.5") << 0.0002 << 0.0003 << false;
    QTest::newRow("loop not a multiple of 50 or 62.5 us") << 0.00008 << 0.0008 << false;
    QTest::newRow("zero loop") << 0.0 << 0.001 << false;
    QTest::newRow("NaN loop") << std::nan("") << 0.001 << false;
    QTest::newRow("NaN host") << 0.0001 << std::nan("") << false;
    QTest::newRow("infinite host") << 0.0001 << std::numeric_limits<double>::infinity() << false;
    QTest::newRow("negative host") << 0.0001 << -0.001 << false;
}

void TestLoopPeriod::compatibility()
{
    QFETCH(double, loop);
    QFETCH(double, host);
    QFETCH(bool, compatible);
    QCOMPARE(IsLoopPeriodCompatible(loop, host), compatible);
}

void TestLoopPeriod::compatibleTableEntries_data()
{
    QTest::addColumn<double>("host");
    QTest::addColumn<QList<double>>("compatible");

    QTest::newRow("1 ms") << 0.001
                          << QList<double>{0.00005, 0.0000625, 0.0001, 0.000125, 0.0002, 0.00025,
                                           0.0005};
    QTest::newRow("50 us: none") << 0.00005 << QList<double>{};
    QTest::newRow("125 us") << 0.000125 << QList<double>{0.0000625};
}

void TestLoopPeriod::compatibleTableEntries()
{
    QFETCH(double, host);
    QFETCH(QList<double>, compatible);

    QList<double> found;
    int entries = 0;
    for (const double *period = loopPeriodTable; *period != 0.0; ++period, ++entries) {
        if (IsLoopPeriodCompatible(*period, host))
            found.append(*period);
    }
    QCOMPARE(entries, 16);
    QCOMPARE(found, compatible);
    QCOMPARE(FirstCompatibleLoopPeriod(host), compatible.isEmpty() ? 0.0 : compatible.first());
}

void TestLoopPeriod::nearlyEqual()
{
    QVERIFY(IsNearlyEqual(0.0000005, 0.0));
    QVERIFY(!IsNearlyEqual(0.000001, 0.0));
    QVERIFY(!IsNearlyEqual(std::nan(""), 0.0));
}

QTEST_APPLESS_MAIN(TestLoopPeriod)
#include "tst_loopPeriod.moc"
