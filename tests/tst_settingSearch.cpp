#include "flash.h"
#include "profileFixture.h"

#include "settingIndex.h"
#include "settingsGmode.h"

#include <QAbstractItemView>
#include <QStackedWidget>

namespace {

// The dialog's search as a person uses it: typed into, then a result activated.
struct Search : HostDialog
{
    explicit Search(CAxisDatabase &database)
        : HostDialog(database)
    {
    }
    QLineEdit *Field() const { return Find<QLineEdit>("settingSearch"); }
    QAbstractItemView *Results() const { return Find<QAbstractItemView>("settingSearchResults"); }
    void Type(const QString &text) const
    {
        Field()->setFocus();
        Field()->clear();
        QTest::keyClicks(Field(), text);
    }
    QStringList Row(int row) const { return ModelRow(Results()->model(), row); }
    int RowOf(const QStringList &texts) const
    {
        for (int row = 0; row < Results()->model()->rowCount(); ++row) {
            if (Row(row) == texts)
                return row;
        }
        return -1;
    }
};

} // namespace

class TestSettingSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void foundSettingOpensAtItsInstance_data();
    void foundSettingOpensAtItsInstance();
    void wordsNobodyUsesFindNothing();
    void everyResultOpensAVisibleWidget_data();
    void everyResultOpensAVisibleWidget();
    void ctrlFFocusesAndEscapeClears();

private:
    CAxisDatabase database;
};

void TestSettingSearch::initTestCase()
{
    CVornMotionFlash::SetDuration(100);
}

void TestSettingSearch::foundSettingOpensAtItsInstance_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("result");
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("widget");
    QTest::addColumn<QByteArray>("selector");
    QTest::addColumn<int>("selected");
    // A page never opened, found by its name; by a word of its description only; per instance.
    QTest::newRow("name, page not opened")
        << "servo.json" << "fwd. limit" << QStringList({"Fwd. Limit Position", "", "Trajectory"})
        << 0xA300D6 << QByteArray("mtnSoftwareFwLimitPosition") << QByteArray("trajectoryTable")
        << 1;
    QTest::newRow("description words")
        << "servo.json" << "LIE  above" << QStringList({"Fwd. Limit Position", "", "Trajectory"})
        << 0xA300D6 << QByteArray("mtnSoftwareFwLimitPosition") << QByteArray("trajectoryTable")
        << 1;
    QTest::newRow("second encoder")
        << "servo.json" << "counts per unit" << QStringList({"Counts per Unit", "Encoder 2", "Encoder"})
        << 0xA300DD << QByteArray("encCountsPerUnit") << QByteArray("encoderTable") << 1;
    QTest::newRow("encoder of a second axis")
        << "servoSecondAxis.json" << "counts unit"
        << QStringList({"Counts per Unit", "Encoder 2", "Encoder"}) << 0xA300DD
        << QByteArray("encCountsPerUnit") << QByteArray("encoderTable") << 1;
    QTest::newRow("line mapping")
        << "servo.json" << "input mapping DI3" << QStringList({"Input Mapping", "DI3 (J5-3)", "Digital I/O"})
        << 0xA300DB << QByteArray("dioMappingTable") << QByteArray("dioMappingTable") << 2;
    QTest::newRow("stepper")
        << "stepper.json" << "steps per" << QStringList({"Steps per Unit", "", "Stepper"})
        << 0xA300D7 << QByteArray("stpStepsPerUnit") << QByteArray() << 0;
}

void TestSettingSearch::foundSettingOpensAtItsInstance()
{
    QFETCH(QString, profile);
    QFETCH(QString, typed);
    QFETCH(QStringList, result);
    QFETCH(int, page);
    QFETCH(QByteArray, widget);
    QFETCH(QByteArray, selector);
    QFETCH(int, selected);
    QVERIFY(LoadProfile(database, profile));
    Search search(database);
    const QString stored = QString::fromUtf8(CAxisProfileFile::Serialize(database));

    search.Type(typed);
    QVERIFY(search.Results()->isVisible());
    const int row = search.RowOf(result);
    QVERIFY2(row >= 0, qPrintable(search.Row(0).join(QLatin1Char('|'))));
    search.Results()->setFocus();
    search.Results()->setCurrentIndex(search.Results()->model()->index(row, 0));
    QTest::keyClick(search.Results(), Qt::Key_Return);

    QCOMPARE(search.settings->CurrentPage(), page);
    QVERIFY(!search.Results()->isVisible());
    if (!selector.isEmpty())
        QCOMPARE(search.Find<QTableWidget>(selector.constData())->currentRow(), selected);
    if (!widget.isEmpty()) {
        QWidget *found = search.Find<QWidget>(widget.constData());
        QCOMPARE(search.dialog->focusWidget(), found);
        // Highlighted for a moment, then as it was.
        QVERIFY(found->autoFillBackground());
        QTRY_VERIFY(!found->autoFillBackground());
    }
    QCOMPARE(search.Changes()->Count(), 0u);
    QCOMPARE(QString::fromUtf8(CAxisProfileFile::Serialize(database)), stored);
}

void TestSettingSearch::everyResultOpensAVisibleWidget_data()
{
    QTest::addColumn<QString>("profile");
    // A state no shipped profile has: a setting the database does not support (0 for none), and
    // an enumerated setting stored with another value (0 for none).
    QTest::addColumn<quint32>("unsupported");
    QTest::addColumn<quint32>("changed");
    QTest::addColumn<qint32>("value");
    // Among them: the unlisted system profile constraints (drive loop), an open-loop stepper
    // without feedback (no position error, no correction), a closed-loop one (its own error
    // layout).
    for (const QString &profile : ShippedProfiles())
        QTest::newRow(qPrintable(profile)) << profile << 0u << 0u << 0;
    // The DAC coefficient without the flag that offers its scaling.
    QTest::newRow("drive command, 0xC2009A unsupported")
        << "servoAnalogCommand.json" << 0xC2009Au << 0u << 0;
    // Open loop with an encoder: the position error shows in its open-loop layout, the
    // correction does not.
    QTest::newRow("open-loop stepper with feedback")
        << "stepper.json" << 0u << 0xA30003u << 0xA3006D;
    QTest::newRow("closed-loop stepper opened")
        << "stepperClosedLoop.json" << 0u << 0xA30007u << 0xA30070;
}

// A result that opens nothing, or a setting the axis never shows, would send a person nowhere.
void TestSettingSearch::everyResultOpensAVisibleWidget()
{
    QFETCH(QString, profile);
    QFETCH(quint32, unsupported);
    QFETCH(quint32, changed);
    QFETCH(qint32, value);
    CAxisDatabase axis;
    QVERIFY(LoadProfile(axis, profile));
    if (unsupported != 0) {
        AxisSetting absent = *axis.Setting(unsupported, 0);
        absent.supported = false;
        axis.SetSetting(unsupported, 0, absent);
    }
    if (changed != 0) {
        AxisSetting setting = *axis.Setting(changed, 0);
        setting.value.integerValue = value;
        axis.SetSetting(changed, 0, setting);
    }
    Search search(axis);
    auto *navigation = search.dialog->findChild<CVornMotionAxisSettingsGMode *>();
    CVornMotionSettingIndex index;
    navigation->IndexSettings(index);
    QVERIFY(!index.IsEmpty());
    QStringList nowhere;
    for (const CVornMotionSettingIndex::Entry &entry : index.Entries()) {
        const QWidget *widget = navigation->RevealSettingOn(entry.pageId, entry.attribute,
                                                            entry.index);
        if (!widget || !widget->isVisibleTo(search.dialog))
            nowhere.append(QStringLiteral("%1 %2 0x%3 [%4]")
                               .arg(entry.area, entry.name)
                               .arg(entry.attribute, 0, 16)
                               .arg(entry.index));
    }
    QVERIFY2(nowhere.isEmpty(), qPrintable(nowhere.join(QStringLiteral("; "))));
    QCOMPARE(search.Changes()->Count(), 0u);
}

void TestSettingSearch::wordsNobodyUsesFindNothing()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Search search(database);
    search.Type(QStringLiteral("limit"));
    QVERIFY(search.Results()->model()->rowCount() > 2);
    search.Type(QStringLiteral("limit xyzzy"));
    QCOMPARE(search.Results()->model()->rowCount(), 0);
    QVERIFY(!search.Results()->isVisible());
    QTest::keyClick(search.Field(), Qt::Key_Return);
    QVERIFY(search.dialog->isVisible());
    QCOMPARE(search.settings->CurrentPage(), 0xA300D5);
}

void TestSettingSearch::ctrlFFocusesAndEscapeClears()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Search search(database);
    search.dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(search.dialog));
    search.Button(QDialogButtonBox::Ok)->setFocus();
    QTest::keySequence(search.dialog, QKeySequence::Find);
    QTRY_VERIFY(search.Field()->hasFocus());

    QTest::keyClicks(search.Field(), QStringLiteral("gain"));
    QVERIFY(search.Results()->isVisible());
    QTest::keyClick(search.Field(), Qt::Key_Escape);
    QVERIFY(search.Field()->text().isEmpty());
    QVERIFY(!search.Results()->isVisible());
    QVERIFY(search.dialog->isVisible());
}

QTEST_MAIN(TestSettingSearch)
#include "tst_settingSearch.moc"
