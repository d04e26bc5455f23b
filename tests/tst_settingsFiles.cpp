#include "database/countingDatabase.h"
#include "filesDialog.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <cmath>
#include <cstring>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const AttributeId errorLimit = 0xA30059;

// Sets a value of the host's database as the host itself would, before any dialog opens.
void SetStored(CAxisDatabase &database, const QString &edit)
{
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("^0x([0-9A-F]+)\\[(\\d+)\\]=(.+)$")).match(edit);
    QVERIFY2(match.hasMatch(), qPrintable(edit));
    const AttributeId id = match.captured(1).toUInt(nullptr, 16);
    const quint32 index = match.captured(2).toUInt();
    AxisSetting setting = *database.Setting(id, index);
    const QString value = match.captured(3);
    if (setting.kind == SettingKind::Real)
        setting.value.realValue = value.toDouble();
    else if (setting.kind == SettingKind::Enumeration)
        setting.value.integerValue = qint32(value.toUInt(nullptr, 16));
    else if (setting.kind == SettingKind::Boolean)
        setting.value.booleanValue = value == QLatin1String("true");
    else
        setting.value.integerValue = value.toInt();
    database.SetSetting(id, index, setting);
}

// Remembers which settings the module asked whether they are scaled.
struct ScaledQuestions : CountingDatabase
{
    using CountingDatabase::CountingDatabase;
    bool IsAttributeScaled(AttributeId id, uint32_t index) override
    {
        asked.insert({id, index});
        return CountingDatabase::IsAttributeScaled(id, index);
    }
    QSet<QPair<AttributeId, quint32>> asked;
};

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private slots:
    void roundTripStagesNothing_data();
    void roundTripStagesNothing();
    void loadsOntoAnotherAxis_data();
    void loadsOntoAnotherAxis();
    void entriesThatCannotLoadAreReported_data();
    void entriesThatCannotLoadAreReported();
    void rejectedFileStagesNothing_data();
    void rejectedFileStagesNothing();
    void loadedProblemBlocksOk_data();
    void loadedProblemBlocksOk();
    void resetStagesDifferingDefaults_data();
    void resetStagesDifferingDefaults();
    void realsSurviveBitForBit_data();
    void realsSurviveBitForBit();

private:
    QTemporaryDir folder;
};

void TestSettingsFiles::roundTripStagesNothing_data()
{
    QTest::addColumn<QString>("profile");
    QVERIFY(ShippedProfiles().size() > 1);
    for (const QString &profile : ShippedProfiles())
        QTest::newRow(qPrintable(profile)) << profile;
}

// The file holds what the dialog shows, pending edits applied: loaded on the same axis it stages
// nothing; loaded on the stored axis it stages exactly those edits, and the pages it creates, the
// staging and the review ask the host no question twice.
void TestSettingsFiles::roundTripStagesNothing()
{
    QFETCH(QString, profile);
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, profile));
    CAxisDatabase stored = database;
    const QString path = folder.filePath(QStringLiteral("roundTrip.json"));
    QFile::remove(path);

    FilesDialog source(database);
    source.Find<QToolButton>("gmodeTrajectory")->click();
    source.TypeInto("mtnSoftwareFwLimitPosition", QStringLiteral("321.5"));
    const QStringList pending = source.PendingEdits(database);
    QCOMPARE(pending.size(), 1);
    QVERIFY(source.Choose("saveSettingsAction", path));

    const QByteArray bytes = ReadAll(path);
    const QJsonObject header = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(header.value(QStringLiteral("pendingEdits")).toInt(), 1);
    // One setting per line, areas in blocks: each line of the list is an entry of its own.
    const QList<QByteArray> lines = bytes.split('\n');
    const int first = lines.indexOf("    \"settings\": [") + 1;
    QVERIFY(first > 0);
    QStringList areas;
    for (int line = first; line < lines.size() && lines.at(line) != "    ]"; ++line) {
        const QByteArray text = lines.at(line).trimmed();
        const QJsonObject entry
            = QJsonDocument::fromJson(text.chopped(text.endsWith(','))).object();
        QVERIFY2(entry.contains(QStringLiteral("value")), text.constData());
        const QString area = entry.value(QStringLiteral("area")).toString();
        if (areas.isEmpty() || areas.last() != area) {
            QVERIFY2(!areas.contains(area), qPrintable(area));
            areas << area;
        }
    }
    QVERIFY(areas.size() > 5);

    QVERIFY(source.Choose("loadSettingsAction", path));
    QVERIFY(source.Summary().startsWith(QStringLiteral("No differences")));
    QCOMPARE(source.PendingEdits(database), pending);

    ScaledQuestions counting(&stored);
    FilesDialog copy(counting);
    counting.ResetCounts();
    QVERIFY(copy.Choose("loadSettingsAction", path));
    QVERIFY(counting.calls > 0);
    QCOMPARE(counting.repeats, 0LL);
    // Only a real value is ever rescaled: no other setting is worth the question.
    for (const auto &asked : std::as_const(counting.asked)) {
        const AxisSetting *setting = stored.Setting(asked.first, asked.second);
        QVERIFY2(!setting || setting->kind == SettingKind::Real,
                 qPrintable(CAxisDatabase::IdentifierText(asked.first)));
    }
    QCOMPARE(copy.PendingEdits(stored), pending);
    // Besides the page shown first, the load made only the page that shows its edit.
    const auto *stack = copy.Find<QStackedWidget>("settingsPage");
    QStringList made;
    for (int page = 0; page < stack->count(); ++page) {
        if (stack->widget(page)->objectName().startsWith(QLatin1String("CVornMotion")))
            made << stack->widget(page)->objectName();
    }
    QCOMPARE(made, (QStringList{"CVornMotionAxisSettingsGeneralClass",
                                "CVornMotionAxisSettingsTrajectoryClass"}));
    QVERIFY(copy.ChangesShown());
    QVERIFY(copy.Summary().isEmpty());
    QVERIFY(database.WriteLog().isEmpty());
    QVERIFY(stored.WriteLog().isEmpty());
}

void TestSettingsFiles::loadsOntoAnotherAxis_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QStringList>("storedOnSource");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QStringList>("staged");
    QTest::addColumn<QStringList>("reported");

    // The second axis's encoders and gain sets start at 2, its I/O lines at 8.
    QTest::newRow("instances are relative")
        << "servo.json"
        << QStringList{"0xA30035[1]=4096", "0xA30063[1]=0xA30078", "0xA30042[1]=12.5"}
        << "servoSecondAxis.json" << QString()
        << QStringList{"0xA30035[3]=4096", "0xA30042[1]=12.5", "0xA30063[9]=0xA30078"}
        << QStringList();
    // The file switches on the second gain set, which the axis then offers.
    QTest::newRow("second gain set")
        << "servo.json" << QStringList{"0xC20060[0]=true", "0xA30044[1]=0.25"}
        << "servoSecondAxis.json" << QString()
        << QStringList{"0xA30044[3]=0.25", "0xC20060[0]=true"} << QStringList();
    QTest::newRow("servo onto stepper")
        << "servo.json" << QStringList() << "stepper.json"
        << "another axis type (Servo; this axis is Stepper)" << QStringList{"0xA30003[0]=0xA3006D"}
        << QStringList{"Axis Type |  | Servo | The axis keeps its own type.",
                       "Proportional Gain |  | 0.1 | This axis has no such setting.",
                       "Dual-Loop Mode |  | false | This axis has no such setting."};
    QTest::newRow("stepper onto servo")
        << "stepper.json" << QStringList() << "servo.json"
        << "another axis type (Stepper; this axis is Servo)" << QStringList()
        << QStringList{"Feedback Device |  | None | Not accepted by this axis."};
    QTest::newRow("drive loop onto servo")
        << "servoDriveLoop.json" << QStringList() << "servo.json"
        << "another device" << QStringList()
        << QStringList{"Analog Feedback Units | Analog Input 3 | \"bar\" | This axis has no "
                       "instance 3 of it."};
}

void TestSettingsFiles::loadsOntoAnotherAxis()
{
    QFETCH(QString, from);
    QFETCH(QStringList, storedOnSource);
    QFETCH(QString, to);
    QFETCH(QString, notice);
    QFETCH(QStringList, staged);
    QFETCH(QStringList, reported);
    CAxisDatabase source;
    CAxisDatabase target;
    QVERIFY(LoadProfile(source, from) && LoadProfile(target, to));
    for (const QString &edit : std::as_const(storedOnSource))
        SetStored(source, edit);
    const QString path = folder.filePath(QStringLiteral("%1-%2").arg(from, to));
    QFile::remove(path);
    {
        FilesDialog saving(source);
        QVERIFY(saving.Choose("saveSettingsAction", path));
    }

    FilesDialog loading(target);
    QVERIFY(loading.Choose("loadSettingsAction", path));
    const QStringList pending = loading.PendingEdits(target);
    // A file whose source differs from its target only where the row says stages just that.
    for (const QString &edit : std::as_const(staged))
        QVERIFY2(pending.contains(edit), qPrintable(edit + QLatin1Char(' ') + pending.join(' ')));
    if (!storedOnSource.isEmpty())
        QCOMPARE(pending, staged);
    QCOMPARE(loading.ChangesShown(), !pending.isEmpty());
    const QString summary = loading.Summary();
    QVERIFY2(summary.contains(notice), qPrintable(summary));
    QCOMPARE(summary.isEmpty(), notice.isEmpty() && reported.isEmpty());
    for (const QString &row : std::as_const(reported))
        QVERIFY2(loading.ReportRows().contains(row), qPrintable(row));
    QVERIFY(target.WriteLog().isEmpty());
}

void TestSettingsFiles::entriesThatCannotLoadAreReported_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("reported");

    QTest::newRow("read-only") << R"x("id": "0x00C2005A".*"value": \K[^,]+)x"
                               << "0.002"
                               << "Loop Rate |  | 0.002 | Read-only on this axis.";
    QTest::newRow("refused by the database")
        << R"x("id": "0x00A30059", "instance": 1, .*"value": \K[^,]+)x"
        << "-5.0"
        << "Position Error Limit |  | -5.0 | Not accepted by this axis.";
    QTest::newRow("kind differs")
        << R"x("id": "0x00A30059", "instance": 1, .*"kind": \K"real")x"
        << R"x("integer")x"
        << "Position Error Limit |  | 1000 | Wrong kind: the file has integer, the axis holds "
           "real here.";
    QTest::newRow("value not of its kind")
        << R"x("id": "0x00A30059", "instance": 1, .*"value": \K[^,]+)x"
        << R"x("lots")x"
        << "Position Error Limit |  |  | Wrong kind: the value is not a finite number.";
    QTest::newRow("text too long")
        << R"x("id": "0x00A30034", "instance": 1, .*"value": \K"mm")x"
        << QStringLiteral("\"%1\"").arg(QString(513, QLatin1Char('m')))
        << QStringLiteral("Encoder Units | Encoder 1 | \"%1… | The text is longer than 512 "
                          "characters.")
               .arg(QString(199, QLatin1Char('m')));
    QTest::newRow("unknown setting")
        << R"x("name": "Dual-Loop Mode", "id": "0x00A300B7")x"
        << R"x("name": "Dual-Loop Mode", "id": "0x00ABCDEF")x"
        << "Dual-Loop Mode |  | false | This axis has no such setting.";
    QTest::newRow("instance the axis lacks")
        << R"x("id": "0x00A30035", "instance": \K2)x"
        << "7"
        << "Counts per Unit | Encoder 2 | 2000.0 | This axis has no instance 7 of it.";
    QTest::newRow("where instances start")
        << R"x("settings": \[)x"
        << R"x("settings": [{"id": "0x00A10061", "kind": "integer", "value": 5},)x"
        << "First Encoder Index |  | 5 | Says where the axis's instances start: it belongs to the "
           "axis.";
    QTest::newRow("axis type") << R"x("id": "0x00A30001", .*"value": \K"0x00A3006B")x"
                               << R"x("0x00A3006C")x"
                               << "Axis Type |  | Stepper | The axis keeps its own type.";
    QTest::newRow("given twice")
        << R"x(\]\n\}\n$)x"
        << "   ,{\"id\": \"0x00A30059\", \"instance\": 1, \"kind\": \"real\", \"value\": "
           "7.0}\n]\n}\n"
        << "Position Error Limit |  | 7.0 | The file gives this setting at line ";
}

// Entries that do not fit the axis stage nothing and are listed with the reason; the rest of the
// file, equal to the axis, stages nothing either.
void TestSettingsFiles::entriesThatCannotLoadAreReported()
{
    QFETCH(QString, pattern);
    QFETCH(QString, replacement);
    QFETCH(QString, reported);
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    FilesDialog axis(database);
    const QString edited = folder.filePath(QStringLiteral("edited.json"));
    QVERIFY(axis.SaveEdited(folder.filePath(QStringLiteral("saved.json")), pattern, replacement,
                            edited));

    QVERIFY(axis.Choose("loadSettingsAction", edited));
    QVERIFY2(axis.Summary().startsWith(QStringLiteral("No differences in the settings")),
             qPrintable(axis.Summary()));
    const QStringList rows = axis.ReportRows();
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows.first().startsWith(reported), qPrintable(rows.first()));
    QCOMPARE(axis.Changes()->Count(), 0u);
    QVERIFY(database.WriteLog().isEmpty());
}

void TestSettingsFiles::rejectedFileStagesNothing_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("message");

    // Qt words syntax errors, and places them within a token, as its version does.
    QTest::newRow("malformed JSON") << R"x("version": 1,)x"
                                    << R"x("version": 1)x"
                                    << "line 4, column *: not valid JSON (";
    QTest::newRow("truncated") << R"x((?s)"Trajectory".*)x"
                               << R"x("Trajectory")x"
                               << "line *, column *: not valid JSON (";
    QTest::newRow("another format") << "vornac axis settings"
                                    << "vornac axis profile"
                                    << "line 2, column 5: not a settings file: \"format\" is the "
                                       "text \"vornac axis profile\", not \"vornac axis settings\"";
    QTest::newRow("another version") << R"x("version": 1)x"
                                     << R"x("version": 2)x"
                                     << "line 3, column 5: \"version\" is the number 2.0: this "
                                        "module reads version 1";
    QTest::newRow("entry without identifier") << R"x("id": "0x00A30001", )x"
                                              << ""
                                              << "line 10, column 9: setting 1 has no identifier";
    QTest::newRow("entry without value") << R"x("value": "0x00A3006B", )x"
                                         << ""
                                         << "line 10, column 9: setting 1 has no value";
    QTest::newRow("nested deeper") << R"x("value": "0x00A3006B")x"
                                   << R"x("value": ["0x00A3006B"])x"
                                   << "line 10, column 120: nested deeper than a settings file is";
    QTest::newRow("no object") << R"x((?s)^\{.*\n$)x"
                               << "[1, 2]"
                               << "not a settings file: it holds no JSON object";
    QTest::newRow("over 16 MB") << R"x(\}\n$)x"
                                << QStringLiteral("}%1\n").arg(
                                       QString(16 * 1024 * 1024, QLatin1Char(' ')))
                                << "larger than 16 MB: not a settings file";
}

// A file that is not a settings file is refused as a whole with one message naming the file, the
// place and the problem; pending edits stay as they were.
void TestSettingsFiles::rejectedFileStagesNothing()
{
    QFETCH(QString, pattern);
    QFETCH(QString, replacement);
    QFETCH(QString, message);
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    FilesDialog axis(database);
    const QString edited = folder.filePath(QStringLiteral("refused.json"));
    QVERIFY(axis.SaveEdited(folder.filePath(QStringLiteral("saved.json")), pattern, replacement,
                            edited));
    axis.Find<QToolButton>("gmodeTrajectory")->click();
    axis.TypeInto("mtnSoftwareFwLimitPosition", QStringLiteral("321.5"));
    const QStringList pending = axis.PendingEdits(database);

    QVERIFY(axis.Choose("loadSettingsAction", edited));
    // A "*" in the message stands for a number.
    const QString summary = axis.Summary();
    const QString expected = QRegularExpression::escape(QDir::toNativeSeparators(edited)
                                                        + QStringLiteral(": ") + message)
                                 .replace(QLatin1String("\\*"), QLatin1String("\\d+"));
    QVERIFY2(QRegularExpression(QLatin1Char('^') + expected).match(summary).hasMatch()
                 && summary.endsWith(QStringLiteral("Nothing was loaded.")),
             qPrintable(summary));
    QVERIFY(axis.ReportRows().isEmpty());
    QCOMPARE(axis.PendingEdits(database), pending);
    QVERIFY(database.WriteLog().isEmpty());
}

void TestSettingsFiles::loadedProblemBlocksOk_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("banner");

    QTest::newRow("inverted limits") << "servo.json"
                                     << R"x("id": "0x00A30019", .*"value": \K[^,]+)x"
                                     << "-600000.0"
                                     << "Fwd. Limit Position is less than Rev. Limit Position.";
    QTest::newRow("duplicate mapping")
        << "servo.json"
        << R"x("id": "0x00A30092", "instance": 1, .*"value": \K"[^"]+")x"
        << R"x("0x00C20057")x"
        << "Duplicate mapping detected!";
    QTest::newRow("unordered torque limits")
        << "servoAnalogCommand.json"
        << R"x("id": "0x00A30056", .*"value": \K[^,]+)x"
        << "-10.0"
        << "Positive Torque Limit must be greater than Negative Torque Limit";
    QTest::newRow("loop period against the host's")
        << "servo.json"
        << R"x("id": "0x00A3004B", .*"value": \K[^,]+)x"
        << "0.0003"
        << "The Vorn Scan Engine rate must be a multiple of the position loop rate";
}

// Checks run once after a load: an inconsistent file shows its problem and blocks OK as a
// person's edit would, until it is taken back.
void TestSettingsFiles::loadedProblemBlocksOk()
{
    QFETCH(QString, profile);
    QFETCH(QString, pattern);
    QFETCH(QString, replacement);
    QFETCH(QString, banner);
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, profile));
    FilesDialog axis(database);
    const QString path = folder.filePath(QStringLiteral("problem.json"));
    QVERIFY(axis.SaveEdited(path, pattern, replacement, path));

    QVERIFY(axis.Choose("loadSettingsAction", path));
    QCOMPARE(axis.Changes()->Count(), 1u);
    QVERIFY(!axis.Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(axis.Banner()->isVisibleTo(axis.dialog));
    QCOMPARE(axis.Banner()->text(), banner);
    axis.Find<QPushButton>("revertAllChangesButton")->click();
    QVERIFY(axis.Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(database.WriteLog().isEmpty());
}

void TestSettingsFiles::resetStagesDifferingDefaults_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QStringList>("staged");

    // Reset All: every shown, writable setting whose value differs from its default.
    for (const QString &profile : ShippedProfiles())
        QTest::newRow(qPrintable(profile + QStringLiteral(" all")))
            << profile << QString() << QStringList();
    QTest::newRow("servo encoder page") << "servo.json"
                                        << "gmodeEnc" << QStringList{"0xA30035[1]=1000"};
    QTest::newRow("servo velocity loop page")
        << "servo.json"
        << "gmodeMultiPurpose"
        << QStringList{"0xC2003B[0]=0xC20047", "0xC2003B[1]=0xC20047", "0xC2003B[2]=0xC20047",
                       "0xC2003C[0]=1000",     "0xC2003C[2]=1000",     "0xC2003D[0]=1000",
                       "0xC2003D[1]=1000",     "0xC2003D[2]=1000",     "0xC2003E[0]=0.707",
                       "0xC2003F[0]=0.707",    "0xC2003F[1]=0.707",    "0xC20063[1]=1000",
                       "0xC20065[1]=0.707"};
    QTest::newRow("second axis digital page")
        << "servoSecondAxis.json"
        << "gmodeDigitalIO"
        << QStringList{"0xA30092[10]=0xA30094", "0xA30092[11]=0xA30094", "0xA30092[8]=0xA30094",
                       "0xA30092[9]=0xA30094", "0xA30093[8]=0xA30099"};
}

// A reset stages the defaults that differ, opens the list of changes and writes nothing; Apply
// writes exactly the staged defaults.
void TestSettingsFiles::resetStagesDifferingDefaults()
{
    QFETCH(QString, profile);
    QFETCH(QString, area);
    QFETCH(QStringList, staged);
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, profile));
    FilesDialog axis(database);
    if (!area.isEmpty())
        axis.Find<QToolButton>(qPrintable(area))->click();
    axis.Action(area.isEmpty() ? "resetAllAction" : "resetPageAction")->trigger();
    QVERIFY(axis.ChangesShown());
    QVERIFY(database.WriteLog().isEmpty());
    const QStringList pending = axis.PendingEdits(database);
    if (!area.isEmpty())
        QCOMPARE(pending, staged);

    axis.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(database.WriteLog().size(), pending.size());
    for (const CAxisDatabase::WriteRecord &write : database.WriteLog()) {
        const AxisSetting *setting = database.Setting(write.id, write.index);
        QVERIFY(SameAttributeValue(setting->value, setting->defaultValue));
    }
    if (!area.isEmpty())
        return;
    // Some area shows every writable setting of these axes: each is at its default now.
    QStringList differing;
    for (const auto &entry : database.Settings()) {
        const AxisSetting &setting = entry.second;
        if (setting.supported && !setting.readOnly && setting.kind != SettingKind::String
            && !SameAttributeValue(setting.value, setting.defaultValue))
            differing << Described(database, entry.first.first, entry.first.second, setting.value);
    }
    QVERIFY2(differing.isEmpty(), qPrintable(differing.join(QLatin1Char(' '))));
}

void TestSettingsFiles::realsSurviveBitForBit_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("a tenth") << 0.1;
    QTest::newRow("a third") << 1.0 / 3.0;
    QTest::newRow("a sum that rounds") << 0.1 + 0.2;
    QTest::newRow("next below a whole number") << std::nextafter(1000.0, 0.0);
    QTest::newRow("negative zero") << -0.0;
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("large with digits") << 123456789.12345679;
}

void TestSettingsFiles::realsSurviveBitForBit()
{
    QFETCH(double, value);
    CAxisDatabase source;
    CAxisDatabase target;
    QVERIFY(LoadProfile(source, QStringLiteral("servo.json")));
    QVERIFY(LoadProfile(target, QStringLiteral("servoSecondAxis.json")));
    AxisSetting setting = *source.Setting(errorLimit, 0);
    setting.value.realValue = value;
    source.SetSetting(errorLimit, 0, setting);
    const QString path = folder.filePath(QStringLiteral("reals.json"));
    QFile::remove(path);
    {
        FilesDialog saving(source);
        QVERIFY(saving.Choose("saveSettingsAction", path));
    }
    FilesDialog loading(target);
    QVERIFY(loading.Choose("loadSettingsAction", path));
    // The second axis's first gain set is at index 2.
    const double pending = loading.Pending(errorLimit, 2).realValue;
    QVERIFY(std::memcmp(&pending, &value, sizeof value) == 0);
    loading.Button(QDialogButtonBox::Apply)->click();
    const double written = target.Setting(errorLimit, 2)->value.realValue;
    QVERIFY(std::memcmp(&written, &value, sizeof value) == 0);
}

QTEST_MAIN(TestSettingsFiles)
#include "tst_settingsFiles.moc"
