#include "axisFixtures.h"
#include "profileFixture.h"

#include <QCheckBox>
#include <QStackedWidget>
#include <QToolButton>

namespace {

const quint32 forwardLimit = 0xA30019;
const quint32 reverseLimit = 0xA3001B;
const QString limitOrderMessage
    = QStringLiteral("Fwd. Limit Position is less than Rev. Limit Position.");

// The dialog of an axis, with its trajectory page shown.
struct Trajectory : HostDialog
{
    explicit Trajectory(CAxisDatabase &database)
        : HostDialog(database)
    {
        Find<QToolButton>("gmodeTrajectory")->click();
    }
    QTableWidget *Table() const { return Find<QTableWidget>("trajectoryTable"); }
    QStackedWidget *Stack() const { return Find<QStackedWidget>("trajectoryStack"); }
};

} // namespace

class TestTrajectoryPage : public QObject
{
    Q_OBJECT

private slots:
    void profilesShowTheirSettings_data();
    void profilesShowTheirSettings();
    void limitOrderBlocksApplyUntilEitherLimitIsMended_data();
    void limitOrderBlocksApplyUntilEitherLimitIsMended();
    void millisecondsShownSecondsStored();
    void criteriaAndStopModesReachTheDatabaseOnApply();

private:
    CAxisDatabase database;
};

void TestTrajectoryPage::profilesShowTheirSettings_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QStringList>("stopModes");
    QTest::addColumn<bool>("constraints");

    QTest::newRow("servo") << "servo.json"
                           << QStringList{"Decelerate", "Abrupt Stop", "Disable Motor"} << false;
    QTest::newRow("stepper") << "stepper.json" << QStringList{"Decelerate", "Abrupt Stop"} << false;
    QTest::newRow("drive loop") << "servoDriveLoop.json"
                                << QStringList{"Decelerate", "Abrupt Stop", "Disable Motor",
                                               "Drive Quick Stop"}
                                << true;
}

// Two rows whatever the axis; the constraints page has none, yet its bindings load, hide and
// take units like the others.
void TestTrajectoryPage::profilesShowTheirSettings()
{
    QFETCH(QString, profile);
    QFETCH(QStringList, stopModes);
    QFETCH(bool, constraints);
    QVERIFY(LoadProfile(database, profile));
    Trajectory page(database);

    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(page.dialog), 0xA300D6);
    QCOMPARE(TableRows(page.Table()), (QStringList{"Move Complete Criteria", "Software Limits"}));
    QCOMPARE(page.Stack()->currentIndex(), 0);
    page.Table()->setCurrentCell(1, 0);
    QCOMPARE(page.Stack()->currentIndex(), 1);
    page.Table()->setCurrentCell(0, 0);
    QCOMPARE(page.Stack()->currentIndex(), 0);

    QCOMPARE(ComboTexts(page.Find<QComboBox>("mtnSoftwareFwLimitStopMode")), stopModes);
    QCOMPARE(ComboTexts(page.Find<QComboBox>("mtnSoftwareRvLimitStopMode")), stopModes);
    QCOMPARE(page.Find<QComboBox>("mtnSoftwareRvLimitStopMode")->currentText(),
             QStringLiteral("Abrupt Stop"));
    QCOMPARE(page.Find<QLabel>("mtnLabelSoftwareFwLimitPosition")->text(),
             QStringLiteral("Fwd. Limit Position"));
    QCOMPARE(page.Find<QCheckBox>("mtnSoftwareRvLimitEnabled")->text(),
             QStringLiteral("Enable Reverse Limit"));
    QCOMPARE(page.Find<CCoercingSpinBox>("mtnSoftwareFwLimitPosition")->value(), 500.0);

    auto *jerk = page.Find<CCoercingSpinBox>("trajectorySPCAccelerationJerk");
    QCOMPARE(jerk->isHidden(), !constraints);
    QCOMPARE(page.Find<QLabel>("label_trajectorySPCAccelerationJerk")->isHidden(), !constraints);
    if (constraints) {
        QCOMPARE(jerk->value(), 100000.0);
        QCOMPARE(page.Find<QLabel>("label_trajectorySPCAccelerationJerk")->text(),
                 QStringLiteral("Acceleration Jerk"));
        QCOMPARE(page.Find<QLabel>("units_trajectorySPCAccelerationJerk")->text(),
                 QStringLiteral("mm/s^3"));
        QCOMPARE(page.Find<QLabel>("units_trajectorySPCPVelocity")->text(), QStringLiteral("mm/s"));
    }
    QCOMPARE(page.Changes()->Count(), 0u);
}

void TestTrajectoryPage::limitOrderBlocksApplyUntilEitherLimitIsMended_data()
{
    QTest::addColumn<QByteArray>("breaking");
    QTest::addColumn<QString>("breakingValue");
    QTest::addColumn<QByteArray>("mending");
    QTest::addColumn<QString>("mendingValue");
    QTest::addColumn<double>("forward");
    QTest::addColumn<double>("reverse");

    // The profile's limits are 500 and -500.
    QTest::newRow("forward equal, forward mends")
        << QByteArray("mtnSoftwareFwLimitPosition") << "-500"
        << QByteArray("mtnSoftwareFwLimitPosition") << "100" << 100.0 << -500.0;
    QTest::newRow("forward equal, reverse mends")
        << QByteArray("mtnSoftwareFwLimitPosition") << "-500"
        << QByteArray("mtnSoftwareRvLimitPosition") << "-600" << -500.0 << -600.0;
    QTest::newRow("reverse above, forward mends")
        << QByteArray("mtnSoftwareRvLimitPosition") << "700"
        << QByteArray("mtnSoftwareFwLimitPosition") << "800" << 800.0 << 700.0;
    QTest::newRow("reverse equal, reverse mends")
        << QByteArray("mtnSoftwareRvLimitPosition") << "500"
        << QByteArray("mtnSoftwareRvLimitPosition") << "499.5" << 500.0 << 499.5;
}

void TestTrajectoryPage::limitOrderBlocksApplyUntilEitherLimitIsMended()
{
    QFETCH(QByteArray, breaking);
    QFETCH(QString, breakingValue);
    QFETCH(QByteArray, mending);
    QFETCH(QString, mendingValue);
    QFETCH(double, forward);
    QFETCH(double, reverse);
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Trajectory page(database);
    page.Table()->setCurrentCell(1, 0);

    page.TypeInto(breaking.constData(), breakingValue);
    QVERIFY(page.Banner()->isVisible());
    QCOMPARE(page.Banner()->text(), limitOrderMessage);
    QVERIFY(!page.Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!page.Button(QDialogButtonBox::Apply)->isEnabled());
    // The invalid value waits in the change list; the open problem keeps it from the database.
    QVERIFY(page.Changes()->Contains(breaking.contains("Fw") ? forwardLimit : reverseLimit, 0));
    // A shortcut or a host reaches the commit without the disabled buttons: it must refuse too.
    const QByteArray stored = CAxisProfileFile::Serialize(database);
    page.settings->on_applyButton_clicked();
    page.settings->accept();
    QVERIFY(page.dialog->isVisible());
    QCOMPARE(CAxisProfileFile::Serialize(database), stored);

    page.TypeInto(mending.constData(), mendingValue);
    QVERIFY(!page.Banner()->isVisible());
    QVERIFY(page.Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(page.Button(QDialogButtonBox::Apply)->isEnabled());
    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(double(database.Setting(forwardLimit, 0)->value.realValue), forward);
    QCOMPARE(double(database.Setting(reverseLimit, 0)->value.realValue), reverse);
}

void TestTrajectoryPage::millisecondsShownSecondsStored()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Trajectory page(database);
    QCOMPARE(page.Find<CCoercingSpinBox>("trjMvCompleteDelayValue")->value(), 10.0);
    QCOMPARE(page.Find<CCoercingSpinBox>("trjMvCompleteMinimumPulse")->value(), 4.0);

    page.TypeInto("trjMvCompleteDelayValue", QStringLiteral("250"));
    page.TypeInto("trjMvCompleteMinimumPulse", QStringLiteral("5"));
    QCOMPARE(double(page.Pending(0xA30024).realValue), 0.25);
    QCOMPARE(double(page.Pending(0xA30027).realValue), 0.005);
    // The range is in milliseconds too: the database allows up to 1 s.
    page.TypeInto("trjMvCompleteMinimumPulse", QStringLiteral("1500"));
    QCOMPARE(page.Find<CCoercingSpinBox>("trjMvCompleteMinimumPulse")->value(), 1000.0);
    QCOMPARE(double(page.Pending(0xA30027).realValue), 1.0);
}

void TestTrajectoryPage::criteriaAndStopModesReachTheDatabaseOnApply()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Trajectory page(database);
    page.Find<QCheckBox>("trjMvCompleteMotorOff")->click();
    page.Find<QCheckBox>("trjMvCompleteInPosition")->click();
    page.Find<QCheckBox>("mtnSoftwareFwLimitEnabled")->click();
    page.Choose("mtnSoftwareFwLimitStopMode", QStringLiteral("Disable Motor"));
    QCOMPARE(page.Changes()->Count(), 4u);

    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(database.Setting(0xA30020, 0)->value.booleanValue, quint8(1));
    QCOMPARE(database.Setting(0xA30022, 0)->value.booleanValue, quint8(0));
    QCOMPARE(database.Setting(0xA30018, 0)->value.booleanValue, quint8(0));
    QCOMPARE(database.Setting(0xA300D0, 0)->value.integerValue, 0xA300CC);
    QCOMPARE(database.Setting(0xA300D1, 0)->value.integerValue, 0xA300CB);
}

QTEST_MAIN(TestTrajectoryPage)
#include "tst_trajectoryPage.moc"
