#include "axisFixtures.h"
#include "profileFixture.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

namespace {

const quint32 activeState = 0xA30009;
const quint32 outputType = 0xA3000B;
const quint32 errorLimit = 0xA30059;
const quint32 maximumCorrection = 0xC2002E;

// The dialog of a stepper axis, with its stepper page shown.
struct Stepper : HostDialog
{
    explicit Stepper(CAxisDatabase &database)
        : HostDialog(database)
    {
        Find<QToolButton>("gmodeMultiPurpose")->click();
    }
    QTableWidget *Table() const { return Find<QTableWidget>("stepperTable"); }
    int StackPage() const { return Find<QStackedWidget>("stepperStack")->currentIndex(); }
    QString Text(const char *label) const { return Find<QLabel>(label)->text(); }
};

} // namespace

class TestStepperPage : public QObject
{
    Q_OBJECT

private slots:
    void loopModeDecidesSectionsAndUnits_data();
    void loopModeDecidesSectionsAndUnits();
    void sectionShownSurvivesReloads();
    void correctionPictureFollowsTheRatio_data();
    void correctionPictureFollowsTheRatio();
    void decelerationFollowsAcceleration();
    void outputTypeSwitchRemapsTheActiveState();
    void enforcingTheErrorLimitEnablesIt();

private:
    CAxisDatabase database;
};

void TestStepperPage::loopModeDecidesSectionsAndUnits_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("unitsEditable");
    QTest::addColumn<int>("errorPage");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("feedbackUnits");

    QTest::newRow("open loop, no feedback")
        << "stepper.json" << QStringList{"Stepper"} << true << 0 << "mm"
        << "";
    QTest::newRow("closed loop, encoder")
        << "stepperClosedLoop.json"
        << QStringList{"Stepper", "Position Error", "Correction Profile"} << false << 1 << "rev"
        << "rev";
}

void TestStepperPage::loopModeDecidesSectionsAndUnits()
{
    QFETCH(QString, profile);
    QFETCH(QStringList, rows);
    QFETCH(bool, unitsEditable);
    QFETCH(int, errorPage);
    QFETCH(QString, units);
    QFETCH(QString, feedbackUnits);
    QVERIFY(LoadProfile(database, profile));
    Stepper page(database);

    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(page.dialog), 0xA300D7);
    QCOMPARE(TableRows(page.Table()), rows);
    QCOMPARE(page.StackPage(), 0);
    QCOMPARE(page.Find<QComboBox>("stpUnits")->isEnabled(), unitsEditable);
    QCOMPARE(page.Find<QComboBox>("stpUnits")->currentText(), QStringLiteral("mm"));
    QCOMPARE(page.Find<QStackedWidget>("stepperPEStack")->currentIndex(), errorPage);
    QCOMPARE(page.Text("stpLabelStepsPerUnit"), QStringLiteral("Steps per ") + units);
    QCOMPARE(page.Text("units_stpCorrAccJerk"), units + QStringLiteral("/s^3"));
    QCOMPARE(page.Text("units_stpCorrMaxCorrLim"), units);
    QCOMPARE(page.Text("units_stepperPELimitCLoop"), feedbackUnits);
    QVERIFY(page.ShowsPicture("stpOutputModePicture", QStringLiteral("StepDir.png")));
    QVERIFY(page.ShowsPicture("stpOutputTypePicture", QStringLiteral("SEOutputActiveHigh.png")));
    QCOMPARE(page.Changes()->Count(), 0u);
    QVERIFY(!page.Button(QDialogButtonBox::Apply)->isEnabled());
}

// A reload lists the sections anew; the one shown stays shown while it is listed.
void TestStepperPage::sectionShownSurvivesReloads()
{
    QVERIFY(LoadProfile(database, QStringLiteral("stepperClosedLoop.json")));
    Stepper page(database);
    page.Table()->setCurrentCell(2, 0);
    QCOMPARE(page.StackPage(), 2);
    page.TypeInto("stpStepsPerUnit", QStringLiteral("400"));
    QCOMPARE(page.Table()->currentRow(), 2);
    QCOMPARE(page.StackPage(), 2);

    // Open loop has no correction profile: the first row takes over.
    page.Find<QToolButton>("gmodeSetup")->click();
    page.Choose("genAxisLoopMode", QStringLiteral("Open Loop"));
    page.Find<QToolButton>("gmodeMultiPurpose")->click();
    QCOMPARE(TableRows(page.Table()), (QStringList{"Stepper", "Position Error"}));
    QCOMPARE(page.Table()->currentRow(), 0);
    QCOMPARE(page.StackPage(), 0);
    page.Table()->setCurrentCell(-1, -1);
    QCOMPARE(page.StackPage(), 0);
}

void TestStepperPage::correctionPictureFollowsTheRatio_data()
{
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("limit");
    QTest::addColumn<QString>("picture");

    QTest::newRow("a quarter") << 2.0 << 10.0 << "MaxCorrErr25.png";
    QTest::newRow("half") << 0.5 << 1.0 << "MaxCorrErr50.png";
    QTest::newRow("equal") << 1.0 << 1.0 << "MaxCorrErr100.png";
    QTest::newRow("twice") << 2.0 << 1.0 << "MaxCorrErr125.png";
    QTest::newRow("no error limit") << 1.0 << 0.0 << "MaxCorrErr125.png";
    QTest::newRow("negative error limit") << 1.0 << -1.0 << "MaxCorrErr125.png";
}

void TestStepperPage::correctionPictureFollowsTheRatio()
{
    QFETCH(double, maximum);
    QFETCH(double, limit);
    QFETCH(QString, picture);
    QVERIFY(LoadProfile(database, QStringLiteral("stepperClosedLoop.json")));
    SetStoredReal(database, maximumCorrection, maximum);
    AxisSetting errorLimitSetting = *database.Setting(errorLimit, 0);
    errorLimitSetting.minimum->realValue = -10.0;
    errorLimitSetting.value.realValue = limit;
    database.SetSetting(errorLimit, 0, errorLimitSetting);
    Stepper page(database);
    QVERIFY(page.ShowsPicture("corrProfilePicture", picture));

    page.Table()->setCurrentCell(1, 0);
    page.TypeInto("stepperPELimitCLoop", QString::number(maximum / 0.75));
    QVERIFY(page.ShowsPicture("corrProfilePicture", QStringLiteral("MaxCorrErr75.png")));
}

void TestStepperPage::decelerationFollowsAcceleration()
{
    QVERIFY(LoadProfile(database, QStringLiteral("stepperClosedLoop.json")));
    Stepper page(database);
    page.TypeInto("stpCorrAcc", QStringLiteral("250"));
    page.TypeInto("stpCorrAccJerk", QStringLiteral("5000"));
    QCOMPARE(page.Changes()->Count(), 4u);

    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(double(database.Setting(0xC20026, 0)->value.realValue), 250.0);
    QCOMPARE(double(database.Setting(0xC20027, 0)->value.realValue), 250.0);
    QCOMPARE(double(database.Setting(0xC20028, 0)->value.realValue), 5000.0);
    QCOMPARE(double(database.Setting(0xC20029, 0)->value.realValue), 5000.0);
}

// The captions sit beside the levels the picture draws: the active one is marked.
void TestStepperPage::outputTypeSwitchRemapsTheActiveState()
{
    QVERIFY(LoadProfile(database, QStringLiteral("stepper.json")));
    Stepper page(database);
    QLabel *active = page.Find<QLabel>("label_activeStp");
    QLabel *inactive = page.Find<QLabel>("label_inactiveStp");
    QVERIFY(active->y() < inactive->y());

    page.Choose("stpOutputType", QStringLiteral("Sinking Output"));
    QCOMPARE(page.Pending(outputType).integerValue, 0xA3007B);
    QCOMPARE(page.Pending(activeState).integerValue, 0xA10072);
    QCOMPARE(ComboTexts(page.Find<QComboBox>("stpActiveState")),
             (QStringList{"Active On", "Active Off"}));
    QVERIFY(page.ShowsPicture("stpOutputTypePicture", QStringLiteral("DOsinkingActiveOn.png")));
    QVERIFY(active->y() < inactive->y());

    page.Choose("stpActiveState", QStringLiteral("Active Off"));
    QCOMPARE(page.Pending(activeState).integerValue, 0xA10073);
    QVERIFY(page.ShowsPicture("stpOutputTypePicture", QStringLiteral("DOsinkingActiveOff.png")));
    QVERIFY(active->y() > inactive->y());

    // Within one group of types the state stays as it is.
    page.Choose("stpOutputType", QStringLiteral("Sourcing Output"));
    QCOMPARE(page.Pending(activeState).integerValue, 0xA10073);
    QVERIFY(page.ShowsPicture("stpOutputTypePicture", QStringLiteral("DOsourcingActiveOff.png")));

    page.Find<QRadioButton>("stpOutputModeClkCntClkwise")->click();
    QCOMPARE(page.Pending(0xA3000A).integerValue, 0xA30074);
    QVERIFY(page.ShowsPicture("stpOutputModePicture", QStringLiteral("CWCCW.png")));
}

void TestStepperPage::enforcingTheErrorLimitEnablesIt()
{
    QVERIFY(LoadProfile(database, QStringLiteral("stepper.json")));
    database.SetSetting(0xA30003, 0, EnumerationSetting(0xA3006D, {0xA300BE, 0xA3006D}));
    Stepper page(database);
    page.Table()->setCurrentCell(1, 0);
    QCOMPARE(page.StackPage(), 1);
    auto *limit = page.Find<CCoercingSpinBox>("stepperPELimit");
    QVERIFY(!limit->isEnabled());

    page.Find<QCheckBox>("genMonitorPE")->click();
    QVERIFY(limit->isEnabled());
    QCOMPARE(page.Pending(0xC2002D).booleanValue, quint8(1));
    page.TypeInto("stepperPELimit", QStringLiteral("2.5"));
    QCOMPARE(double(page.Pending(errorLimit).realValue), 2.5);
    page.Find<QCheckBox>("genMonitorPE")->click();
    QVERIFY(!limit->isEnabled());
    QCOMPARE(page.Pending(0xC2002D).booleanValue, quint8(0));
}

QTEST_MAIN(TestStepperPage)
#include "tst_stepperPage.moc"
