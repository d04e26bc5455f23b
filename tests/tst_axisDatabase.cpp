#include "database/axisDatabase.h"

#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>

using nVornMCPCD100::AttributeValue;

Q_DECLARE_METATYPE(AttributeValue)

namespace {

const quint32 kCount = 0xA300C6;         // integer -10..10
const quint32 kGainSet = 0xA30100;       // integer restricted to 1, 2, 4, 8
const quint32 kPeriod = 0xA3004B;        // real 0.00005..0.0005, needs configuration mode
const quint32 kSpeed = 0xA30101;         // real without bounds, scaled
const quint32 kAxisType = 0xA30001;      // enumeration
const quint32 kMarker = 0xA300C8;        // boolean
const quint32 kUnits = 0xA30034;         // string, index 1 only
const quint32 kFirstEncoder = 0xA10061;  // read-only integer
const quint32 kStepperUnits = 0xA30005;  // read-only string
const quint32 kVelocityPage = 0xA300AC;  // unsupported boolean

AttributeValue Value(qint32 integer, double real, int boolean)
{
    AttributeValue value;
    value.integerValue = integer;
    value.realValue = real;
    value.booleanValue = static_cast<uint8_t>(boolean);
    return value;
}

// What an output holds when nothing may have been written to it.
AttributeValue Sentinel()
{
    return Value(0x5A5A5A5A, -12345.5, 0xA5);
}

bool Untouched(const AttributeValue &value)
{
    const AttributeValue sentinel = Sentinel();
    return std::memcmp(&value, &sentinel, sizeof value) == 0;
}

AxisSetting Make(SettingKind kind, const AttributeValue &value, const AttributeValue &fallback)
{
    AxisSetting setting;
    setting.kind = kind;
    setting.value = value;
    setting.defaultValue = fallback;
    return setting;
}

// Values carry noise in the fields foreign to their kind: reads must not pass it on.
CAxisDatabase Fixture()
{
    CAxisDatabase database;
    AxisSetting count = Make(SettingKind::Integer, Value(2, 9.5, 1), Value(3, 1.5, 1));
    count.minimum = Value(-10, 0, 0);
    count.maximum = Value(10, 0, 0);
    database.SetSetting(kCount, 0, count);
    AxisSetting gains = Make(SettingKind::Integer, Value(4, 0, 0), Value(1, 0, 0));
    gains.accepted = {1, 2, 4, 8};
    database.SetSetting(kGainSet, 0, gains);
    AxisSetting period = Make(SettingKind::Real, Value(7, 0.0001, 1), Value(7, 0.0002, 1));
    period.minimum = Value(0, 0.00005, 0);
    period.maximum = Value(0, 0.0005, 0);
    period.settableWithoutConfigMode = false;
    database.SetSetting(kPeriod, 0, period);
    AxisSetting speed = Make(SettingKind::Real, Value(0, 1.5, 0), Value(0, 0, 0));
    speed.scaled = true;
    database.SetSetting(kSpeed, 0, speed);
    AxisSetting axisType =
        Make(SettingKind::Enumeration, Value(0xA3006B, 2.5, 1), Value(0xA3006B, 0, 0));
    axisType.accepted = {0xA3006B, 0xA3006C};
    database.SetSetting(kAxisType, 0, axisType);
    database.SetSetting(kMarker, 0, Make(SettingKind::Boolean, Value(5, 1.5, 1), Value(5, 0, 0)));
    AxisSetting units = Make(SettingKind::String, Value(1, 1, 1), Value(1, 1, 1));
    units.text = QStringLiteral("rev");
    units.defaultText = QStringLiteral("mm");
    database.SetSetting(kUnits, 1, units);
    units.readOnly = true;
    database.SetSetting(kStepperUnits, 0, units);
    AxisSetting firstEncoder = Make(SettingKind::Integer, Value(0, 0, 0), Value(0, 0, 0));
    firstEncoder.readOnly = true;
    database.SetSetting(kFirstEncoder, 0, firstEncoder);
    AxisSetting velocityPage = Make(SettingKind::Boolean, Value(0, 0, 1), Value(0, 0, 1));
    velocityPage.supported = false;
    database.SetSetting(kVelocityPage, 0, velocityPage);
    return database;
}

} // namespace

class tst_axisDatabase : public QObject
{
    Q_OBJECT

private slots:
    void readsFillTheWholeValue_data();
    void readsFillTheWholeValue();
    void boundsAnswerOnlyWhenPresent_data();
    void boundsAnswerOnlyWhenPresent();
    void checkJudgesTheFieldOfTheKind_data();
    void checkJudgesTheFieldOfTheKind();
    void acceptedWritesAreStoredAndLogged_data();
    void acceptedWritesAreStoredAndLogged();
    void refusedWritesChangeNothing_data();
    void refusedWritesChangeNothing();
    void missingEntriesAnswerNothing_data();
    void missingEntriesAnswerNothing();
    void stringReadsTruncate_data();
    void stringReadsTruncate();
    void stringReadsRefuseBadArguments_data();
    void stringReadsRefuseBadArguments();
    void stringWritesKeepEveryCodeUnit();
    void flagsAndDeviceType();
    void clearForgetsEverything();
};

void tst_axisDatabase::readsFillTheWholeValue_data()
{
    QTest::addColumn<quint32>("id");
    QTest::addColumn<bool>("fromDefault");
    QTest::addColumn<AttributeValue>("expected");
    QTest::newRow("integer") << kCount << false << Value(2, 0, 0);
    QTest::newRow("integer default") << kCount << true << Value(3, 0, 0);
    QTest::newRow("real") << kPeriod << false << Value(0, 0.0001, 0);
    QTest::newRow("real default") << kPeriod << true << Value(0, 0.0002, 0);
    QTest::newRow("enumeration") << kAxisType << false << Value(0xA3006B, 0, 0);
    QTest::newRow("boolean") << kMarker << false << Value(0, 0, 1);
    QTest::newRow("boolean default") << kMarker << true << Value(0, 0, 0);
}

void tst_axisDatabase::readsFillTheWholeValue()
{
    QFETCH(quint32, id);
    QFETCH(bool, fromDefault);
    QFETCH(AttributeValue, expected);
    CAxisDatabase database = Fixture();
    AttributeValue value = Sentinel();
    const int32_t status = fromDefault ? database.GetAttributeDefault(id, 0, &value)
                                       : database.GetAttribute(id, 0, &value);
    QVERIFY(status >= 0);
    QVERIFY(std::memcmp(&value, &expected, sizeof value) == 0);
}

void tst_axisDatabase::boundsAnswerOnlyWhenPresent_data()
{
    QTest::addColumn<quint32>("id");
    QTest::addColumn<quint32>("index");
    QTest::addColumn<bool>("bounded");
    QTest::addColumn<AttributeValue>("minimum");
    QTest::addColumn<AttributeValue>("maximum");
    QTest::newRow("integer") << kCount << 0u << true << Value(-10, 0, 0) << Value(10, 0, 0);
    QTest::newRow("real") << kPeriod << 0u << true << Value(0, 0.00005, 0) << Value(0, 0.0005, 0);
    QTest::newRow("real unbounded") << kSpeed << 0u << false << Sentinel() << Sentinel();
    QTest::newRow("integer set") << kGainSet << 0u << false << Sentinel() << Sentinel();
    QTest::newRow("boolean") << kMarker << 0u << false << Sentinel() << Sentinel();
    QTest::newRow("string") << kUnits << 1u << false << Sentinel() << Sentinel();
}

void tst_axisDatabase::boundsAnswerOnlyWhenPresent()
{
    QFETCH(quint32, id);
    QFETCH(quint32, index);
    QFETCH(bool, bounded);
    QFETCH(AttributeValue, minimum);
    QFETCH(AttributeValue, maximum);
    CAxisDatabase database = Fixture();
    AttributeValue lower = Sentinel();
    AttributeValue upper = Sentinel();
    QCOMPARE(database.GetAttributeMinimum(id, index, &lower) >= 0, bounded);
    QCOMPARE(database.GetAttributeMaximum(id, index, &upper) >= 0, bounded);
    QVERIFY(std::memcmp(&lower, &minimum, sizeof lower) == 0);
    QVERIFY(std::memcmp(&upper, &maximum, sizeof upper) == 0);
}

void tst_axisDatabase::checkJudgesTheFieldOfTheKind_data()
{
    QTest::addColumn<quint32>("id");
    QTest::addColumn<AttributeValue>("candidate");
    QTest::addColumn<bool>("acceptable");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("integer at minimum") << kCount << Value(-10, 99, 9) << true;
    QTest::newRow("integer at maximum") << kCount << Value(10, 0, 0) << true;
    QTest::newRow("integer below minimum") << kCount << Value(-11, 0, 0) << false;
    QTest::newRow("integer above maximum") << kCount << Value(11, 0, 0) << false;
    QTest::newRow("integer in set") << kGainSet << Value(8, 0, 0) << true;
    QTest::newRow("integer outside set") << kGainSet << Value(3, 0, 0) << false;
    QTest::newRow("real at minimum") << kPeriod << Value(999, 0.00005, 7) << true;
    QTest::newRow("real at maximum") << kPeriod << Value(0, 0.0005, 0) << true;
    QTest::newRow("real just above maximum")
        << kPeriod << Value(0, std::nextafter(0.0005, 1.0), 0) << false;
    QTest::newRow("real below minimum") << kPeriod << Value(0, 0.00001, 0) << false;
    QTest::newRow("real not a number") << kSpeed << Value(0, nan, 0) << false;
    QTest::newRow("real infinite") << kSpeed << Value(0, infinity, 0) << false;
    QTest::newRow("real unbounded") << kSpeed << Value(0, -1e300, 0) << true;
    QTest::newRow("enumeration accepted") << kAxisType << Value(0xA3006C, nan, 5) << true;
    QTest::newRow("enumeration not accepted") << kAxisType << Value(0xA3006D, 0, 0) << false;
    QTest::newRow("boolean false") << kMarker << Value(1, 1, 0) << true;
    QTest::newRow("boolean true") << kMarker << Value(0, 0, 1) << true;
    QTest::newRow("boolean two") << kMarker << Value(1, 1, 2) << false;
    QTest::newRow("read-only integer") << kFirstEncoder << Value(0, 0, 0) << true;
}

void tst_axisDatabase::checkJudgesTheFieldOfTheKind()
{
    QFETCH(quint32, id);
    QFETCH(AttributeValue, candidate);
    QFETCH(bool, acceptable);
    CAxisDatabase database = Fixture();
    uint8_t adjusted = 7;
    const int32_t status = database.CheckAttributeValue(id, 0, &candidate, &adjusted);
    QVERIFY(acceptable ? status == 0 : status < 0);
    QCOMPARE(adjusted, uint8_t(0));
    QCOMPARE(database.CheckAttributeValue(id, 0, &candidate, nullptr), status);
}

void tst_axisDatabase::acceptedWritesAreStoredAndLogged_data()
{
    QTest::addColumn<quint32>("id");
    QTest::addColumn<AttributeValue>("written");
    QTest::addColumn<AttributeValue>("stored");
    QTest::addColumn<QString>("logText");
    QTest::newRow("enumeration")
        << kAxisType << Value(0xA3006C, 4.5, 1) << Value(0xA3006C, 0, 0) << "0xA3006C";
    QTest::newRow("real") << kPeriod << Value(3, 0.0004, 1) << Value(0, 0.0004, 0) << "0.0004";
    QTest::newRow("small real")
        << kSpeed << Value(0, 0.0000625, 0) << Value(0, 0.0000625, 0) << "0.0000625";
    QTest::newRow("tiny real") << kSpeed << Value(0, 1e-7, 0) << Value(0, 1e-7, 0) << "1e-7";
    QTest::newRow("large real") << kSpeed << Value(0, 2.5e21, 0) << Value(0, 2.5e21, 0)
                                << "2.5e21";
    QTest::newRow("plain real") << kSpeed << Value(0, -1e20, 0) << Value(0, -1e20, 0)
                                << "-100000000000000000000";
    QTest::newRow("negative integer") << kCount << Value(-5, 1, 1) << Value(-5, 0, 0) << "-5";
    QTest::newRow("boolean") << kMarker << Value(9, 9, 0) << Value(0, 0, 0) << "false";
}

void tst_axisDatabase::acceptedWritesAreStoredAndLogged()
{
    QFETCH(quint32, id);
    QFETCH(AttributeValue, written);
    QFETCH(AttributeValue, stored);
    QFETCH(QString, logText);
    CAxisDatabase database = Fixture();
    QCOMPARE(database.SetAttribute(id, 0, &written), 0);
    AttributeValue value = Sentinel();
    QVERIFY(database.GetAttribute(id, 0, &value) >= 0);
    QVERIFY(std::memcmp(&value, &stored, sizeof value) == 0);
    QCOMPARE(int(database.WriteLog().size()), 1);
    QCOMPARE(database.WriteLog().first().id, id);
    QCOMPARE(database.WriteLog().first().index, 0u);
    QCOMPARE(database.WriteLog().first().text, logText);
    database.ClearWriteLog();
    QVERIFY(database.WriteLog().isEmpty());
}

void tst_axisDatabase::refusedWritesChangeNothing_data()
{
    QTest::addColumn<quint32>("id");
    QTest::addColumn<quint32>("index");
    QTest::addColumn<bool>("asText");
    QTest::addColumn<bool>("null");
    QTest::addColumn<AttributeValue>("written");
    const AttributeValue one = Value(1, 0, 0);
    QTest::newRow("unknown attribute") << 0xA3FFFFu << 0u << false << false << one;
    QTest::newRow("unknown index") << kCount << 1u << false << false << one;
    QTest::newRow("unsupported") << kVelocityPage << 0u << false << false << Value(0, 0, 0);
    QTest::newRow("read-only") << kFirstEncoder << 0u << false << false << one;
    QTest::newRow("above maximum") << kCount << 0u << false << false << Value(11, 0, 0);
    QTest::newRow("not accepted") << kAxisType << 0u << false << false << Value(0xA3006D, 0, 0);
    QTest::newRow("not a number") << kSpeed << 0u << false << false
                                  << Value(0, std::numeric_limits<double>::quiet_NaN(), 0);
    QTest::newRow("value for a string") << kUnits << 1u << false << false << one;
    QTest::newRow("null value") << kCount << 0u << false << true << one;
    QTest::newRow("text for an integer") << kCount << 0u << true << false << one;
    QTest::newRow("read-only text") << kStepperUnits << 0u << true << false << one;
    QTest::newRow("null text") << kUnits << 1u << true << true << one;
}

void tst_axisDatabase::refusedWritesChangeNothing()
{
    QFETCH(quint32, id);
    QFETCH(quint32, index);
    QFETCH(bool, asText);
    QFETCH(bool, null);
    QFETCH(AttributeValue, written);
    CAxisDatabase database = Fixture();
    const auto before = database.Settings();
    if (asText)
        QVERIFY(database.SetAttributeString(id, index, 2, null ? nullptr : u"km") < 0);
    else
        QVERIFY(database.SetAttribute(id, index, null ? nullptr : &written) < 0);
    QVERIFY(database.Settings() == before);
    QVERIFY(database.WriteLog().isEmpty());
}

void tst_axisDatabase::missingEntriesAnswerNothing_data()
{
    QTest::addColumn<quint32>("id");
    QTest::addColumn<quint32>("index");
    QTest::newRow("unknown attribute") << 0xA3FFFFu << 0u;
    QTest::newRow("unknown index") << kUnits << 0u;
    QTest::newRow("unsupported") << kVelocityPage << 0u;
}

void tst_axisDatabase::missingEntriesAnswerNothing()
{
    QFETCH(quint32, id);
    QFETCH(quint32, index);
    CAxisDatabase database = Fixture();
    AttributeValue value = Sentinel();
    uint8_t adjusted = 7;
    QVERIFY(database.GetAttribute(id, index, &value) < 0);
    QVERIFY(database.GetAttributeDefault(id, index, &value) < 0);
    QVERIFY(database.GetAttributeMinimum(id, index, &value) < 0);
    QVERIFY(database.GetAttributeMaximum(id, index, &value) < 0);
    QVERIFY(database.CheckAttributeValue(id, index, &value, &adjusted) < 0);
    QVERIFY(Untouched(value));
    QCOMPARE(adjusted, uint8_t(7));
    char16_t buffer[4] = {u'x', u'x', u'x', u'x'};
    int32_t capacity = 4;
    QVERIFY(database.GetAttributeString(id, index, &capacity, buffer) < 0);
    QCOMPARE(capacity, 4);
    QCOMPARE(buffer[0], u'x');
    QVERIFY(database.SetAttributeString(id, index, 2, u"mm") < 0);
    QVERIFY(!database.IsAttributeSupported(id, index));
    QVERIFY(!database.IsAttributeReadOnly(id, index));
    QVERIFY(!database.IsAttributeScaled(id, index));
    QVERIFY(database.IsSettableWithoutConfigMode(id, index));
    QVERIFY(database.WriteLog().isEmpty());
}

void tst_axisDatabase::stringReadsTruncate_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<int>("reported");
    QTest::newRow("room to spare") << 8 << 0 << "rev" << 3;
    QTest::newRow("exact fit") << 4 << 0 << "rev" << 3;
    QTest::newRow("no room for the terminator") << 3 << -3 << "re" << 4;
    QTest::newRow("room for the terminator only") << 1 << -3 << "" << 4;
}

void tst_axisDatabase::stringReadsTruncate()
{
    QFETCH(int, capacity);
    QFETCH(int, status);
    QFETCH(QString, copied);
    QFETCH(int, reported);
    CAxisDatabase database = Fixture();
    char16_t buffer[12];
    std::fill(std::begin(buffer), std::end(buffer), char16_t(0xBEEF));
    int32_t room = capacity;
    QCOMPARE(database.GetAttributeString(kUnits, 1, &room, buffer), status);
    QCOMPARE(room, reported);
    QCOMPARE(QString(reinterpret_cast<const QChar *>(buffer)), copied);
    for (int i = capacity; i < 12; ++i)
        QCOMPARE(int(buffer[i]), 0xBEEF);
}

void tst_axisDatabase::stringReadsRefuseBadArguments_data()
{
    QTest::addColumn<quint32>("id");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<bool>("nullCapacity");
    QTest::addColumn<bool>("nullBuffer");
    QTest::newRow("zero capacity") << kUnits << 0 << false << false;
    QTest::newRow("negative capacity") << kUnits << -5 << false << false;
    QTest::newRow("null capacity") << kUnits << 4 << true << false;
    QTest::newRow("null buffer") << kUnits << 4 << false << true;
    QTest::newRow("not a string") << kCount << 4 << false << false;
}

void tst_axisDatabase::stringReadsRefuseBadArguments()
{
    QFETCH(quint32, id);
    QFETCH(int, capacity);
    QFETCH(bool, nullCapacity);
    QFETCH(bool, nullBuffer);
    CAxisDatabase database = Fixture();
    const uint32_t index = id == kUnits ? 1 : 0;
    char16_t buffer[4] = {u'x', u'x', u'x', u'x'};
    int32_t room = capacity;
    QVERIFY(database.GetAttributeString(id, index, nullCapacity ? nullptr : &room,
                                        nullBuffer ? nullptr : buffer) < 0);
    QCOMPARE(room, capacity);
    QCOMPARE(buffer[0], u'x');
}

void tst_axisDatabase::stringWritesKeepEveryCodeUnit()
{
    CAxisDatabase database = Fixture();
    // A leading byte order mark, a surrogate pair, and units past `length` that must be ignored.
    const char16_t text[] = u"\uFEFF\u00B5m\U0001F600 and more";
    QCOMPARE(database.SetAttributeString(kUnits, 1, 5, text), 0);
    const QString expected = QString(reinterpret_cast<const QChar *>(text), 5);
    QCOMPARE(database.Setting(kUnits, 1)->text, expected);
    char16_t buffer[8] = {};
    int32_t capacity = 8;
    QCOMPARE(database.GetAttributeString(kUnits, 1, &capacity, buffer), 0);
    QCOMPARE(capacity, 5);
    QVERIFY(std::memcmp(buffer, text, 5 * sizeof(char16_t)) == 0);
    QCOMPARE(buffer[5], char16_t(0));
    QCOMPARE(database.SetAttributeString(kUnits, 1, 0, u""), 0);
    QVERIFY(database.Setting(kUnits, 1)->text.isEmpty());
    QCOMPARE(int(database.WriteLog().size()), 2);
    QCOMPARE(database.WriteLog().at(0).text, QLatin1Char('"') + expected + QLatin1Char('"'));
    QCOMPARE(database.WriteLog().at(1).text, QStringLiteral("\"\""));
}

void tst_axisDatabase::flagsAndDeviceType()
{
    CAxisDatabase database = Fixture();
    QVERIFY(database.IsAttributeReadOnly(kFirstEncoder, 0));
    QVERIFY(!database.IsAttributeReadOnly(kCount, 0));
    QVERIFY(database.IsAttributeScaled(kSpeed, 0));
    QVERIFY(!database.IsAttributeScaled(kPeriod, 0));
    QVERIFY(!database.IsSettableWithoutConfigMode(kPeriod, 0));
    QVERIFY(database.IsSettableWithoutConfigMode(kSpeed, 0));
    QVERIFY(database.IsAttributeSupported(kUnits, 1));

    database.SetDeviceType(0x1234, -7);
    int32_t first = 0;
    int32_t second = 0;
    QCOMPARE(database.GetDeviceType(&first, &second), 0);
    QCOMPARE(first, 0x1234);
    QCOMPARE(second, -7);
    QCOMPARE(database.GetDeviceType(&first, nullptr), 0);
    QCOMPARE(database.GetDeviceType(nullptr, nullptr), 0);
}

void tst_axisDatabase::clearForgetsEverything()
{
    CAxisDatabase database = Fixture();
    database.SetDeviceType(3, 4);
    AttributeValue value = Value(-1, 0, 0);
    QCOMPARE(database.SetAttribute(kCount, 0, &value), 0);
    database.Clear();
    QVERIFY(database.Settings().empty());
    QVERIFY(database.WriteLog().isEmpty());
    QCOMPARE(database.DeviceType(), std::make_pair(0, 0));
    QVERIFY(database.GetAttribute(kCount, 0, &value) < 0);
}

QTEST_GUILESS_MAIN(tst_axisDatabase)
#include "tst_axisDatabase.moc"
