#include "database/axisDatabase.h"
#include "database/axisProfileFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>

using nVornMCPCD100::AttributeValue;

namespace {

const char kPeriod[] = R"({ "id": "0xA3004B", "kind": "real", "value": 0.0001,
                            "minimum": 0.00005, "maximum": 0.0005 })";

QByteArray Profile(const QByteArray &settings)
{
    return "{ \"deviceType\": \"0x00000000\", \"settings\": [" + settings + "] }";
}

bool SameContents(const CAxisDatabase &left, const CAxisDatabase &right)
{
    return left.Settings() == right.Settings() && left.DeviceType() == right.DeviceType()
        && left.Description() == right.Description();
}

AttributeValue Integer(int32_t value)
{
    AttributeValue result = {};
    result.integerValue = value;
    return result;
}

AttributeValue Real(double value)
{
    AttributeValue result = {};
    result.realValue = value;
    return result;
}

AxisSetting Make(SettingKind kind, const AttributeValue &value, const AttributeValue &fallback)
{
    AxisSetting setting;
    setting.kind = kind;
    setting.value = value;
    setting.defaultValue = fallback;
    return setting;
}

// Every kind, every flag off its default, extreme identifiers and values, texts beyond ASCII.
CAxisDatabase Sample()
{
    CAxisDatabase database;
    database.SetDescription(QStringLiteral("Pr\u00FCfstand \U0001F600 \"axis\""));
    database.SetDeviceType(static_cast<int32_t>(0x8000001Fu), 0);
    AxisSetting type = Make(SettingKind::Enumeration, Integer(static_cast<int32_t>(0x80000001u)),
                            Integer(0));
    type.accepted = {0, static_cast<int32_t>(0x80000001u), 0xA3006B};
    type.supported = false;
    type.readOnly = true;
    type.scaled = true;
    type.settableWithoutConfigMode = false;
    type.note = QStringLiteral("odd \"name\" \\ with \u00E9");
    database.SetSetting(0xFFFFFFFFu, 4294967295u, type);
    AxisSetting gains = Make(SettingKind::Integer, Integer(-5), Integer(3));
    gains.minimum = Integer(std::numeric_limits<int32_t>::min());
    gains.maximum = Integer(3);
    gains.accepted = {-7, -5, 3};
    database.SetSetting(0x1, 0, gains);
    database.SetSetting(0xA300C6, 0, Make(SettingKind::Integer, Integer(-42), Integer(0)));
    AxisSetting period = Make(SettingKind::Real, Real(0.0000625), Real(0.0001));
    period.minimum = Real(0.00005);
    period.maximum = Real(0.0005);
    database.SetSetting(0xA3004B, 0, period);
    AxisSetting marker = Make(SettingKind::Boolean, AttributeValue{0, 0, 1}, AttributeValue{});
    database.SetSetting(0xA300C8, 0, marker);
    AxisSetting units = Make(SettingKind::String, AttributeValue{}, AttributeValue{});
    units.text = QStringLiteral("\u00B5m");
    units.defaultText = QStringLiteral("mm");
    database.SetSetting(0xA30034, 0, units);
    units.text = QStringLiteral("Umdrehung \U0001F600 \"q\" \\ \n\t");
    units.defaultText = QString();
    database.SetSetting(0xA30034, 1, units);
    return database;
}

} // namespace

class tst_axisProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEverything();
    void realsRoundTripExactly();
    void saveRefusesWhatWouldNotLoad_data();
    void saveRefusesWhatWouldNotLoad();
    void badProfilesAreRefused_data();
    void badProfilesAreRefused();
    void unreadableFilesAreRefused();
    void shippedProfilesLoad_data();
    void shippedProfilesLoad();

private:
    QTemporaryDir m_directory;
};

void tst_axisProfileFile::roundTripKeepsEverything()
{
    const QString path = m_directory.filePath(QStringLiteral("sample.json"));
    const CAxisDatabase sample = Sample();
    QString error;
    QVERIFY2(CAxisProfileFile::Save(path, sample, &error), qPrintable(error));

    CAxisDatabase loaded;
    loaded.SetSetting(0xA30099, 0, Make(SettingKind::Integer, Integer(1), Integer(1)));
    AttributeValue written = Integer(2);
    QCOMPARE(loaded.SetAttribute(0xA30099, 0, &written), 0);
    QVERIFY2(CAxisProfileFile::Load(path, loaded, &error), qPrintable(error));
    QVERIFY(SameContents(loaded, sample));
    QVERIFY(loaded.WriteLog().isEmpty());
}

void tst_axisProfileFile::realsRoundTripExactly()
{
    std::vector<double> reals = {0.0000625, 0.0001, 0.1, 1.0 / 3, 0.1 + 0.2, 1e-7, 1e14 + 0.5,
                                 1e15, 2.5e300, 123456789.12345679, -1e-300,
                                 std::numeric_limits<double>::max(),
                                 std::numeric_limits<double>::min(),
                                 std::numeric_limits<double>::denorm_min()};
    QRandomGenerator random(20240611);
    while (reals.size() < 2000) {
        const quint64 bits = random.generate64();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            reals.push_back(value);
    }
    CAxisDatabase database;
    for (size_t i = 0; i < reals.size(); ++i)
        database.SetSetting(0xA30035, uint32_t(i), Make(SettingKind::Real, Real(reals[i]),
                                                       Real(-reals[i])));

    const QString path = m_directory.filePath(QStringLiteral("reals.json"));
    QString error;
    QVERIFY2(CAxisProfileFile::Save(path, database, &error), qPrintable(error));
    CAxisDatabase loaded;
    QVERIFY2(CAxisProfileFile::Load(path, loaded, &error), qPrintable(error));
    for (size_t i = 0; i < reals.size(); ++i) {
        const double back = loaded.Setting(0xA30035, uint32_t(i))->value.realValue;
        QVERIFY2(std::memcmp(&back, &reals[i], sizeof back) == 0,
                 qPrintable(QString::number(reals[i], 'g', 17)));
    }
}

void tst_axisProfileFile::saveRefusesWhatWouldNotLoad_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("fragment");
    QTest::newRow("value above maximum") << 0 << "value 0.001 is above the maximum 0.0005";
    QTest::newRow("value not finite") << 1 << "\"value\" must be a finite number";
    QTest::newRow("enumeration without accepted") << 2 << "\"accepted\" is missing";
    QTest::newRow("second device type") << 3 << "device type";
}

void tst_axisProfileFile::saveRefusesWhatWouldNotLoad()
{
    QFETCH(int, fault);
    QFETCH(QString, fragment);
    CAxisDatabase database = Sample();
    AxisSetting period = *database.Setting(0xA3004B, 0);
    if (fault == 0)
        period.value.realValue = 0.001;
    if (fault == 1)
        period.value.realValue = std::numeric_limits<double>::infinity();
    database.SetSetting(0xA3004B, 0, period);
    if (fault == 2)
        database.SetSetting(0xA30003, 0, Make(SettingKind::Enumeration, Integer(5), Integer(5)));
    if (fault == 3)
        database.SetDeviceType(0, 1);

    const QString path = m_directory.filePath(QStringLiteral("refused.json"));
    QString error;
    QVERIFY(!CAxisProfileFile::Save(path, database, &error));
    QVERIFY2(error.startsWith(path + QStringLiteral(": ")), qPrintable(error));
    QVERIFY2(error.contains(fragment), qPrintable(error));
    QVERIFY(!QFile::exists(path));
}

void tst_axisProfileFile::badProfilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("fragment");
    const QByteArray period = kPeriod;
    const auto entry = [](const char *fields) {
        return Profile(QByteArray("{ \"id\": \"0xA3004B\", ") + fields + " }");
    };
    const auto type = [](const char *fields) {
        return Profile(QByteArray(R"({ "id": "0xA30001", "kind": "enumeration", )") + fields
                       + " }");
    };
    QTest::newRow("syntax") << QByteArray("{\n \"settings\": [ 1,\n ") << "syntax error at line 3";
    QTest::newRow("infinite real") << entry(R"("kind": "real", "value": 1e400)")
                                   << "JSON syntax error";
    QTest::newRow("top level array") << QByteArray("[]") << "must be a JSON object";
    QTest::newRow("settings missing") << QByteArray("{}") << "\"settings\" is missing";
    QTest::newRow("settings object") << QByteArray(R"({ "settings": {} })")
                                     << "\"settings\" must be an array, not an object";
    QTest::newRow("unknown top key") << QByteArray(R"({ "settings": [], "devicetype": "0x1" })")
                                     << "unknown key \"devicetype\" (did you mean \"deviceType\"?)";
    QTest::newRow("device type number") << QByteArray(R"({ "deviceType": 0, "settings": [] })")
                                        << "\"deviceType\" must be hexadecimal text";
    QTest::newRow("device type long")
        << QByteArray(R"({ "deviceType": "0x123456789", "settings": [] })")
        << "\"deviceType\" \"0x123456789\" is not \"0x\" followed by 1 to 8 hexadecimal digits";
    QTest::newRow("description number") << QByteArray(R"({ "description": 1, "settings": [] })")
                                        << "\"description\" must be a text";
    QTest::newRow("entry not object") << Profile("1") << "settings[0]: must be an object";
    QTest::newRow("id missing") << Profile(R"({ "kind": "real", "value": 1 })")
                                << "settings[0]: \"id\" is missing";
    QTest::newRow("id without prefix") << Profile(R"({ "id": "A3004B", "kind": "real" })")
                                       << "settings[0]: \"id\" \"A3004B\" is not \"0x\"";
    QTest::newRow("id not hex") << Profile(R"({ "id": "0xA3G04B" })") << "\"0xA3G04B\" is not";
    QTest::newRow("index negative") << entry(R"("index": -1, "kind": "real", "value": 1)")
                                    << "settings[0] (0xA3004B): \"index\" must be a whole number "
                                       "from 0 to 4294967295, not the number -1";
    QTest::newRow("index too large") << entry(R"("index": 4294967296, "kind": "real", "value": 1)")
                                     << "not the number 4294967296";
    QTest::newRow("duplicate")
        << Profile(period + R"(, { "id": "0xA3004B", "index": 0, "kind": "boolean",
                                   "value": true })")
                               << "settings[1] (0xA3004B index 0): repeats settings[0]";
    QTest::newRow("unknown key") << entry(R"("kind": "real", "value": 1, "readonly": true)")
                                 << "settings[0] (0xA3004B index 0): unknown key \"readonly\" "
                                    "(did you mean \"readOnly\"?)";
    QTest::newRow("kind missing") << entry(R"("value": 1)") << "\"kind\" is missing";
    QTest::newRow("kind unknown") << entry(R"("kind": "float", "value": 1)")
                                  << "\"kind\" must be integer, real, boolean, enumeration or "
                                     "string, not the text \"float\"";
    QTest::newRow("value missing") << entry(R"("kind": "real")") << "\"value\" is missing";
    QTest::newRow("integer text") << entry(R"("kind": "integer", "value": "5")")
                                  << "\"value\" must be a whole number from -2147483648 to "
                                     "2147483647, not the text \"5\"";
    QTest::newRow("integer too large") << entry(R"("kind": "integer", "value": 2147483648)")
                                       << "not the number 2147483648";
    QTest::newRow("real text") << entry(R"("kind": "real", "value": "0.1")")
                               << "\"value\" must be a finite number, not the text \"0.1\"";
    QTest::newRow("boolean number") << entry(R"("kind": "boolean", "value": 1)")
                                    << "\"value\" must be true or false, not the number 1";
    QTest::newRow("enumeration number") << type(R"("value": 1, "accepted": ["0x1"])")
                                        << "\"value\" must be hexadecimal text";
    QTest::newRow("string number") << entry(R"("kind": "string", "value": 5)")
                                   << "\"value\" must be a text, not the number 5";
    QTest::newRow("default type") << entry(R"("kind": "real", "value": 1, "default": true)")
                                  << "\"default\" must be a finite number, not true";
    QTest::newRow("minimum above maximum")
        << entry(R"("kind": "real", "value": 1, "minimum": 2, "maximum": 0.5)")
        << "minimum 2 is above the maximum 0.5";
    QTest::newRow("value above maximum")
        << entry(R"("kind": "real", "value": 0.001, "minimum": 0.00005, "maximum": 0.0005)")
        << "settings[0] (0xA3004B index 0): value 0.001 is above the maximum 0.0005";
    QTest::newRow("default below minimum")
        << entry(R"("kind": "real", "value": 0.0001, "default": 0.00001, "minimum": 0.00005)")
        << "default 0.00001 is below the minimum 0.00005";
    QTest::newRow("integer below minimum")
        << entry(R"("kind": "integer", "value": -3, "minimum": -2)")
        << "value -3 is below the minimum -2";
    QTest::newRow("value not accepted")
        << type(R"("value": "0xA3006D", "accepted": ["0xA3006B", "0xA3006C"])")
        << "settings[0] (0xA30001 index 0): value 0xA3006D is not among the accepted values";
    QTest::newRow("accepted missing") << type(R"("value": "0xA3006B")")
                                      << "\"accepted\" is missing";
    QTest::newRow("accepted empty") << type(R"("value": "0xA3006B", "accepted": [])")
                                    << "\"accepted\" is empty";
    QTest::newRow("accepted not hex")
        << type(R"("value": "0xA3006B", "accepted": ["0xA3006B", "B"])")
        << "\"accepted[1]\" \"B\" is not";
    QTest::newRow("accepted twice")
        << type(R"("value": "0xA3006B", "accepted": ["0xA3006B", "0xa3006b"])")
        << "\"accepted\" lists 0xA3006B twice";
    QTest::newRow("integer accepted fraction")
        << entry(R"("kind": "integer", "value": 1, "accepted": [1.5, 1])")
        << "\"accepted[0]\" must be a whole number";
    QTest::newRow("integer not accepted")
        << entry(R"("kind": "integer", "value": 3, "accepted": [1, 2])")
        << "value 3 is not among the accepted values";
    QTest::newRow("accepted on real") << entry(R"("kind": "real", "value": 1, "accepted": [1])")
                                      << "\"accepted\" does not apply to a real setting";
    QTest::newRow("minimum on boolean")
        << entry(R"("kind": "boolean", "value": true, "minimum": 0)")
        << "\"minimum\" does not apply to a boolean setting";
    QTest::newRow("flag text") << entry(R"("kind": "real", "value": 1, "supported": "yes")")
                               << "\"supported\" must be true or false, not the text \"yes\"";
    QTest::newRow("name number") << entry(R"("kind": "real", "value": 1, "name": 5)")
                                 << "\"name\" must be a text, not the number 5";
    QTest::newRow("late fault") << Profile(period + R"(, { "id": "0xA300C8", "kind": "boolean",
                                           "value": true }, { "id": "0xA30001" })")
                                << "settings[2] (0xA30001 index 0): \"kind\" is missing";
}

void tst_axisProfileFile::badProfilesAreRefused()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, fragment);
    const QString path = m_directory.filePath(QStringLiteral("bad.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(json);
    file.close();

    CAxisDatabase target = Sample();
    AttributeValue written = Integer(-7);
    QCOMPARE(target.SetAttribute(0x1, 0, &written), 0);
    const CAxisDatabase before = target;
    QString error;
    QVERIFY(!CAxisProfileFile::Load(path, target, &error));
    QVERIFY2(error.startsWith(path + QStringLiteral(": ")), qPrintable(error));
    QVERIFY2(error.contains(fragment), qPrintable(error));
    QVERIFY(SameContents(target, before));
    QCOMPARE(int(target.WriteLog().size()), 1);
}

void tst_axisProfileFile::unreadableFilesAreRefused()
{
    CAxisDatabase target = Sample();
    const CAxisDatabase before = target;
    const QStringList paths = {m_directory.filePath(QStringLiteral("missing.json")),
                               m_directory.path()};
    for (const QString &path : paths) {
        QString error;
        QVERIFY(!CAxisProfileFile::Load(path, target, &error));
        QVERIFY2(error.startsWith(path + QStringLiteral(": cannot be read")), qPrintable(error));
        QVERIFY(SameContents(target, before));
    }
    QVERIFY(!CAxisProfileFile::Load(paths.first(), target, nullptr));
}

void tst_axisProfileFile::shippedProfilesLoad_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("axisType");
    QTest::addColumn<int>("feedback");
    QTest::addColumn<int>("encoders");
    QTest::addColumn<int>("firstEncoder");
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<bool>("servoOnly");
    QTest::addColumn<int>("deviceType");
    QTest::newRow("servo") << "servo.json" << 0xA3006B << 0xA3006D << 2 << 0
                           << QStringList({"mm", "rev"}) << true << 0;
    QTest::newRow("stepper") << "stepper.json" << 0xA3006C << 0xA300BE << 1 << 0
                             << QStringList({"mm"}) << false << 0;
    QTest::newRow("second axis") << "servoSecondAxis.json" << 0xA3006B << 0xA3006D << 2 << 2
                                 << QStringList({"mm", "rev"}) << true << 0;
    QTest::newRow("drive loop") << "servoDriveLoop.json" << 0xA3006B << 0xA3006D << 2 << 0
                                << QStringList({"mm", "rev"}) << true << 0xC2002F;
}

void tst_axisProfileFile::shippedProfilesLoad()
{
    QFETCH(QString, file);
    QFETCH(int, axisType);
    QFETCH(int, feedback);
    QFETCH(int, encoders);
    QFETCH(int, firstEncoder);
    QFETCH(QStringList, units);
    QFETCH(bool, servoOnly);
    QFETCH(int, deviceType);
    const QString folder = qEnvironmentVariable("VORNAC_PROFILE_DIR");
    QVERIFY2(!folder.isEmpty(), "VORNAC_PROFILE_DIR is not set");
    CAxisDatabase database;
    QString error;
    const QString path = QDir(folder).filePath(file);
    QVERIFY2(CAxisProfileFile::Load(path, database, &error), qPrintable(error));

    int32_t device = -1;
    QCOMPARE(database.GetDeviceType(&device, nullptr), 0);
    QCOMPARE(device, deviceType);
    AttributeValue value = {};
    QVERIFY(database.GetAttribute(0xA30001, 0, &value) >= 0);
    QCOMPARE(int(value.integerValue), axisType);
    QVERIFY(!database.IsSettableWithoutConfigMode(0xA30001, 0));
    QVERIFY(database.GetAttribute(0xA30003, 0, &value) >= 0);
    QCOMPARE(int(value.integerValue), feedback);
    QVERIFY(database.GetAttribute(0xA300C6, 0, &value) >= 0);
    QCOMPARE(int(value.integerValue), encoders);
    QVERIFY(database.IsAttributeReadOnly(0xA300C6, 0));
    QVERIFY(database.GetAttributeMaximum(0xA3004B, 0, &value) >= 0);
    QCOMPARE(double(value.realValue), 0.0005);
    QVERIFY(database.GetAttribute(0xA10061, 0, &value) >= 0);
    QCOMPARE(int(value.integerValue), firstEncoder);
    for (int i = 0; i < units.size(); ++i) {
        const uint32_t encoder = uint32_t(firstEncoder + i);
        char16_t buffer[16];
        int32_t capacity = 16;
        QVERIFY(database.GetAttributeString(0xA30034, encoder, &capacity, buffer) >= 0);
        QCOMPARE(QString(reinterpret_cast<const QChar *>(buffer)), units.at(i));
        QVERIFY(database.IsAttributeSupported(0xA30035, encoder));
    }
    QVERIFY(!database.IsAttributeSupported(0xA30035, uint32_t(firstEncoder + encoders)));
    if (firstEncoder > 0)
        QVERIFY(!database.IsAttributeSupported(0xA30035, 0));
    QCOMPARE(database.IsAttributeSupported(0xA300C8, 0), servoOnly);
    QCOMPARE(database.IsAttributeSupported(0xA300AC, 0), servoOnly);

    // What the module reads back must also pass its own check.
    for (const auto &entry : database.Settings()) {
        if (!entry.second.supported || entry.second.kind == SettingKind::String)
            continue;
        AttributeValue current = entry.second.value;
        AttributeValue fallback = entry.second.defaultValue;
        const QString name = CAxisDatabase::IdentifierText(entry.first.first);
        QVERIFY2(database.CheckAttributeValue(entry.first.first, entry.first.second, &current,
                                              nullptr) == 0, qPrintable(name));
        QVERIFY2(database.CheckAttributeValue(entry.first.first, entry.first.second, &fallback,
                                              nullptr) == 0, qPrintable(name));
    }

    // Shipped profiles stay in the form Save writes, so saving one changes no byte.
    const QString copy = m_directory.filePath(file);
    QVERIFY2(CAxisProfileFile::Save(copy, database, &error), qPrintable(error));
    QFile original(path);
    QFile saved(copy);
    QVERIFY(original.open(QIODevice::ReadOnly) && saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), original.readAll());
}

QTEST_GUILESS_MAIN(tst_axisProfileFile)
#include "tst_axisProfileFile.moc"
