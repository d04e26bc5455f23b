#include "axisFixtures.h"
#include "profileFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QStackedWidget>
#include <QToolButton>

namespace {

const quint32 forwardState = 0xA3000D;
const quint32 forwardType = 0xA3000E;
const quint32 forwardFilter = 0xA3000F;

// The dialog of an axis, with its Limits & Home page shown.
struct LimitsHome : HostDialog
{
    explicit LimitsHome(CAxisDatabase &database)
        : HostDialog(database)
    {
        Find<QToolButton>("gmodeLimitsAndHome")->click();
    }
    QTableWidget *Table() const { return Find<QTableWidget>("limitsAndHomeTable"); }
    int Layout(const char *stack) const { return Find<QStackedWidget>(stack)->currentIndex(); }
};

void SetReadOnly(CAxisDatabase &database, quint32 id, bool readOnly)
{
    AxisSetting setting = *database.Setting(id, 0);
    setting.readOnly = readOnly;
    database.SetSetting(id, 0, setting);
}

} // namespace

class TestLimitsHomePage : public QObject
{
    Q_OBJECT

private slots:
    void switchesOfEveryProfile_data();
    void switchesOfEveryProfile();
    void driveLayoutOnlyWhenTypeAndFilterAreFixed_data();
    void driveLayoutOnlyWhenTypeAndFilterAreFixed();
    void inputTypeOfTheOtherGroupRemapsTheState();

private:
    CAxisDatabase database;
};

void TestLimitsHomePage::switchesOfEveryProfile_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("forwardTitle");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QStringList>("stopModes");

    const QStringList servoStops{"Decelerate", "Abrupt Stop", "Disable Motor"};
    QTest::newRow("servo") << "servo.json"
                           << "Forward Limit Input (X12-3 limit switch)" << 0 << servoStops;
    QTest::newRow("drive") << "servoDriveLoop.json"
                           << "Forward Limit Input (X12-3 limit switch)" << 1
                           << (servoStops + QStringList{"Drive Quick Stop"});
    QTest::newRow("stepper, no names")
        << "stepper.json"
        << "Forward Limit Input" << 0 << QStringList{"Decelerate", "Abrupt Stop"};
}

void TestLimitsHomePage::switchesOfEveryProfile()
{
    QFETCH(QString, profile);
    QFETCH(QString, forwardTitle);
    QFETCH(int, layout);
    QFETCH(QStringList, stopModes);
    QVERIFY(LoadProfile(database, profile));
    LimitsHome page(database);

    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(page.dialog), 0xA300D8);
    QCOMPARE(TableRows(page.Table()),
             (QStringList{"Forward Limit", "Reverse Limit", "Home Switch"}));
    QCOMPARE(page.Find<QGroupBox>("forwardHardwareGroup")->title(), forwardTitle);
    QCOMPARE(ComboTexts(page.Find<QComboBox>("mtnHomeStopMode")), stopModes);
    const char *const stacks[]
        = {"forwardHardwareStack", "reverseHardwareStack", "homeHardwareStack"};
    for (int row = 0; row < 3; ++row) {
        page.Table()->setCurrentCell(row, 0);
        QCOMPARE(page.Layout("motionIOStack"), row);
        QCOMPARE(page.Layout(stacks[row]), layout);
    }
    page.Table()->setCurrentCell(-1, -1);
    QCOMPARE(page.Layout("motionIOStack"), 2);
    QVERIFY(page.ShowsPicture("reversePicture", QStringLiteral("DISinkingActiveOn.png")));
    QCOMPARE(page.Changes()->Count(), 0u);
}

void TestLimitsHomePage::driveLayoutOnlyWhenTypeAndFilterAreFixed_data()
{
    QTest::addColumn<bool>("stateFixed");
    QTest::addColumn<bool>("typeFixed");
    QTest::addColumn<bool>("filterFixed");
    QTest::addColumn<int>("layout");

    QTest::newRow("type and filter fixed") << false << true << true << 1;
    QTest::newRow("all fixed") << true << true << true << 0;
    QTest::newRow("type fixed") << false << true << false << 0;
    QTest::newRow("filter fixed") << false << false << true << 0;
    QTest::newRow("none fixed") << false << false << false << 0;
}

void TestLimitsHomePage::driveLayoutOnlyWhenTypeAndFilterAreFixed()
{
    QFETCH(bool, stateFixed);
    QFETCH(bool, typeFixed);
    QFETCH(bool, filterFixed);
    QFETCH(int, layout);
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    SetReadOnly(database, forwardState, stateFixed);
    SetReadOnly(database, forwardType, typeFixed);
    SetReadOnly(database, forwardFilter, filterFixed);
    LimitsHome page(database);
    QCOMPARE(page.Layout("forwardHardwareStack"), layout);
    QCOMPARE(page.Layout("reverseHardwareStack"), 0);
}

// Both active-state combos follow the new type's group; the state is stored once.
void TestLimitsHomePage::inputTypeOfTheOtherGroupRemapsTheState()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    LimitsHome page(database);
    QVERIFY(page.ShowsPicture("forwardPicture", QStringLiteral("SEInputActiveHigh.png")));
    page.Choose("mtnFwLimitInputType", QStringLiteral("Sinking Input"));
    QCOMPARE(page.Pending(forwardType).integerValue, 0xA30079);
    QCOMPARE(page.Pending(forwardState).integerValue, 0xA10072);
    QCOMPARE(page.Changes()->Count(), 2u);
    for (const char *combo : {"mtnFwLimitActiveState", "mtnFwLimitActiveState_Drive"}) {
        QCOMPARE(ComboTexts(page.Find<QComboBox>(combo)), (QStringList{"Active On", "Active Off"}));
        QCOMPARE(page.Find<QComboBox>(combo)->currentData().toInt(), 0xA10072);
    }
    QVERIFY(page.ShowsPicture("forwardPicture", QStringLiteral("DISinkingActiveOn.png")));

    // A type of the same group keeps the state.
    page.Choose("mtnFwLimitInputType", QStringLiteral("Sourcing Input"));
    QCOMPARE(page.Pending(forwardState).integerValue, 0xA10072);
    QVERIFY(page.ShowsPicture("forwardPicture", QStringLiteral("DISourcingActiveOn.png")));

    // Active off: the active level is drawn below, and so is its caption.
    page.Table()->setCurrentCell(2, 0);
    QVERIFY(page.ShowsPicture("homePicture", QStringLiteral("DISourcingActiveOff.png")));
    QVERIFY(page.Find<QLabel>("label_activeHome")->y()
            > page.Find<QLabel>("label_inactiveHome")->y());

    page.Find<QCheckBox>("mtnHomeEnabled")->click();
    page.Choose("mtnHomeFilterFreq", QStringLiteral("10 ms"));
    page.Choose("mtnHomeStopMode", QStringLiteral("Disable Motor"));
    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(database.Setting(0xA30014, 0)->value.booleanValue, quint8(0));
    QCOMPARE(double(database.Setting(0xA30017, 0)->value.realValue), 0.01);
    QCOMPARE(database.Setting(0xA300CF, 0)->value.integerValue, 0xA300CC);
    QCOMPARE(database.Setting(forwardType, 0)->value.integerValue, 0xA3007A);
}

QTEST_MAIN(TestLimitsHomePage)
#include "tst_limitsHomePage.moc"
