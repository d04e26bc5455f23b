#include "displayTexts.h"

#include <vornac/vornmcslDictionary.h>

#include <QtTest>

#include <cstring>

// The substitute dictionary library and the module's reading of it.
class TestDictionary : public QObject
{
    Q_OBJECT

private slots:
    void namesAndDescriptions();
    void unknownIdentifiersGiveEmptyTexts();
    void answersStayInsideTheBuffer_data();
    void answersStayInsideTheBuffer();
    void badArgumentsWriteNothing();
};

void TestDictionary::namesAndDescriptions()
{
    QCOMPARE(GetDictionaryName(0xA30001), QStringLiteral("Axis Type"));
    QCOMPARE(GetDictionaryName(0xA3006C), QStringLiteral("Stepper"));
    QVERIFY(GetDictionaryDescription(0xA30001).startsWith(QStringLiteral("Whether the axis")));
}

void TestDictionary::unknownIdentifiersGiveEmptyTexts()
{
    QCOMPARE(GetDictionaryName(0x12345678), QString());
    QCOMPARE(GetDictionaryDescription(0), QString());

    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    vornmcslGetDictionaryInfo(0x12345678, VornmcslName, buffer, sizeof buffer);
    QCOMPARE(buffer[0], '\0');
}

void TestDictionary::answersStayInsideTheBuffer_data()
{
    QTest::addColumn<quint32>("size");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("one byte: only the terminator") << 1u << QByteArray();
    QTest::newRow("cut short") << 5u << QByteArray("Axis");
    QTest::newRow("exact fit") << 10u << QByteArray("Axis Type");
    QTest::newRow("room to spare") << 32u << QByteArray("Axis Type");
}

void TestDictionary::answersStayInsideTheBuffer()
{
    QFETCH(quint32, size);
    QFETCH(QByteArray, expected);
    QByteArray buffer(int(size) + 4, 'x');
    vornmcslGetDictionaryInfo(0xA30001, VornmcslName, buffer.data(), size);
    QCOMPARE(QByteArray(buffer.constData()), expected);
    QCOMPARE(buffer.mid(int(size)), QByteArray(4, 'x'));
}

void TestDictionary::badArgumentsWriteNothing()
{
    char buffer[4] = {'x', 'x', 'x', 'x'};
    QVERIFY(vornmcslGetDictionaryInfo(0xA30001, VornmcslName, buffer, 0) < 0);
    QCOMPARE(buffer[0], 'x');
    QVERIFY(vornmcslGetDictionaryInfo(0xA30001, VornmcslName, nullptr, 4) < 0);
    QVERIFY(vornmcslGetDictionaryInfo(0xA30001, 7, buffer, sizeof buffer) < 0);
    QCOMPARE(buffer[0], '\0');
}

QTEST_APPLESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
