#include "axisFixtures.h"
#include "profileFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QSignalSpy>
#include <QToolButton>

#include "coercingSpinBox.h"

namespace {

const quint32 loopPeriod = 0xA3004B;
const quint32 proportional = 0xA30044;
const quint32 errorLimit = 0xA30059;
const quint32 location = 0xA3005E;
const quint32 gainSets = 0xA300C7;
const quint32 multiple = 0xC20060;
const QString loopRuleMessage =
    QStringLiteral("The Vorn Scan Engine rate must be a multiple of the position loop rate");

void SetValueOf(CAxisDatabase &database, quint32 id, qint32 integer, double real = 0.0)
{
    AxisSetting setting = *database.Setting(id, 0);
    setting.value.integerValue = integer;
    setting.value.realValue = real;
    setting.value.booleanValue = integer != 0;
    database.SetSetting(id, 0, setting);
}

// The dialog of an axis, with its position loop page shown.
struct PositionLoop : HostDialog
{
    explicit PositionLoop(CAxisDatabase &database, double hostPeriod = 0.001)
        : HostDialog(database)
    {
        CVornMotionAxisConfiguration::SetHostLoopRate(dialog, hostPeriod);
        Find<QToolButton>("gmodePositionLoop")->click();
    }
    QComboBox *Rate() const { return Find<QComboBox>("positionLoopRate"); }
};

} // namespace

class TestPositionLoopPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void periodsFitTheHostPeriod();
    void defaultComesFirstEvenWhenItDoesNotFit();
    void hostPeriodArrivingLaterIsHonoured();
    void incompatibleChoiceRaisesTheBannerAndStoresNothing();
    void invalidStateBringsRatesForwardInRed();
    void readOnlyRateShowsTheHostPeriod();
    void sectionsListedByGainSetsAndLocation();
    void gainSetSelectionReloadsPerGainSetControls();
    void clearingMultipleGainSetsResetsTheControls();
    void driveLoopShowsTheDriveGains();

private:
    CAxisDatabase database;
};

void TestPositionLoopPage::init()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
}

void TestPositionLoopPage::periodsFitTheHostPeriod()
{
    PositionLoop page(database);
    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(page.dialog), 0xA300AA);
    QCOMPARE(ComboTexts(page.Rate()), (QStringList{"0.1", "0.05", "0.0625", "0.125", "0.2", "0.25",
                                              "0.5"}));
    QCOMPARE(page.Rate()->currentText(), QStringLiteral("0.1"));
    QCOMPARE(page.Find<QStackedWidget>("positionLoopRateStack")->currentIndex(), 0);
    QCOMPARE(page.Changes()->Count(), 0u);

    page.Rate()->setCurrentIndex(page.Rate()->findText(QStringLiteral("0.25")));
    QCOMPARE(double(page.Pending(loopPeriod).realValue), 0.00025);
    QVERIFY(!page.Banner()->isVisible());
}

void TestPositionLoopPage::defaultComesFirstEvenWhenItDoesNotFit()
{
    AxisSetting period = *database.Setting(loopPeriod, 0);
    period.defaultValue.realValue = 0.0003;
    database.SetSetting(loopPeriod, 0, period);
    PositionLoop page(database);
    QCOMPARE(page.Rate()->itemText(0), QStringLiteral("0.3"));

    page.Rate()->setCurrentIndex(0);
    QVERIFY(page.Banner()->isVisible());
    QCOMPARE(page.Banner()->text(), loopRuleMessage);
    QVERIFY(!page.Changes()->Contains(loopPeriod, 0));
    QVERIFY(!page.Button(QDialogButtonBox::Ok)->isEnabled());
}

void TestPositionLoopPage::hostPeriodArrivingLaterIsHonoured()
{
    HostDialog host(database);
    CVornMotionAxisConfiguration::SetStartPage(host.dialog, 0xA300AA);
    auto *rate = host.Find<QComboBox>("positionLoopRate");
    QVERIFY(ComboTexts(rate).size() > 2);
    CVornMotionAxisConfiguration::SetHostLoopRate(host.dialog, 0.000125);
    QCOMPARE(ComboTexts(rate), (QStringList{"0.1", "0.0625"}));
}

void TestPositionLoopPage::incompatibleChoiceRaisesTheBannerAndStoresNothing()
{
    PositionLoop page(database, 0.0002);
    QCOMPARE(ComboTexts(page.Rate()), (QStringList{"0.1", "0.05"}));
    QWidget *loopPage = page.Find<QWidget>("CVornMotionAxisSettingsPositionLoopClass");
    QSignalSpy reports(loopPage, SIGNAL(InvalidSettings(bool)));

    // An item without data is no period at all.
    page.Rate()->addItem(QStringLiteral("0.15"));
    page.Rate()->setCurrentIndex(2);
    QVERIFY(page.Banner()->isVisible());
    QVERIFY(!page.Changes()->Contains(loopPeriod, 0));

    page.Rate()->setCurrentIndex(1);
    QVERIFY(!page.Banner()->isVisible());
    QVERIFY(page.Button(QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(double(page.Pending(loopPeriod).realValue), 0.00005);
    // One report per change, under every Qt version.
    QCOMPARE(reports.count(), 2);
}

void TestPositionLoopPage::invalidStateBringsRatesForwardInRed()
{
    SetValueOf(database, loopPeriod, 0, 0.0003);
    PositionLoop page(database, 0.0006);
    QVERIFY(page.Banner()->isVisible());
    QCOMPARE(page.Find<QStackedWidget>("positionLoopAttributeStack")->currentIndex(), 1);
    QCOMPARE(page.Find<QTableWidget>("positionLoopTable")->currentRow(), 1);
    QCOMPARE(page.Rate()->styleSheet(), QStringLiteral("QComboBox {background: red}"));
    QCOMPARE(page.Find<QWidget>("cntTmodeLoopRate")->styleSheet(),
             QStringLiteral("QDoubleSpinBox {background: red}"));

    // A fitting choice on the page ends the dialog's own loop-rule problem: they are one.
    page.Rate()->setCurrentIndex(page.Rate()->findText(QStringLiteral("0.1")));
    QVERIFY(!page.Banner()->isVisible());
    QVERIFY(page.Button(QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(page.Rate()->styleSheet(), QStringLiteral("QComboBox {background: white}"));
}

void TestPositionLoopPage::readOnlyRateShowsTheHostPeriod()
{
    SetValueOf(database, location, 0xA30082);
    PositionLoop page(database, 0.002);
    auto *box = page.Find<CCoercingSpinBox>("cntTmodeLoopRate");
    QCOMPARE(page.Find<QStackedWidget>("positionLoopRateStack")->currentIndex(), 1);
    QCOMPARE(box->value(), 2.0);
    QVERIFY(!box->isEnabled());
    QVERIFY(!page.Find<QCheckBox>("positionLoopRunOnHardware")->isChecked());

    page.Find<QCheckBox>("positionLoopRunOnHardware")->setChecked(true);
    QCOMPARE(qint32(page.Pending(location).integerValue), 0xE1000A);
    QCOMPARE(page.Find<QStackedWidget>("positionLoopRateStack")->currentIndex(), 0);
}

void TestPositionLoopPage::sectionsListedByGainSetsAndLocation()
{
    {
        PositionLoop page(database);
        QCOMPARE(TableRows(page.Find<QTableWidget>("positionLoopTable")),
                 (QStringList{"Gains", "Rates", "Limits", "Gain Sets", "Location"}));
    }
    SetValueOf(database, gainSets, 1);
    PositionLoop page(database);
    auto *table = page.Find<QTableWidget>("positionLoopTable");
    QCOMPARE(TableRows(table), (QStringList{"Gains", "Rates", "Limits", "Location"}));
    table->setCurrentCell(3, 0);
    QCOMPARE(page.Find<QStackedWidget>("positionLoopAttributeStack")->currentIndex(), 4);
    table->setCurrentCell(2, 0);
    QCOMPARE(page.Find<QStackedWidget>("positionLoopAttributeStack")->currentIndex(), 2);
}

void TestPositionLoopPage::gainSetSelectionReloadsPerGainSetControls()
{
    SetValueOf(database, multiple, 1);
    PositionLoop page(database);
    auto *sets = page.Find<QComboBox>("cntPmodeGainSets");
    QCOMPARE(ComboTexts(sets), (QStringList{"Gain Set 1", "Gain Set 2"}));
    QCOMPARE(page.Find<QGroupBox>("gainsGroupBox")->title(), QStringLiteral("Gains (Gain Set 1)"));
    QVERIFY(page.Find<QComboBox>("cntUseGainsWhen")->isHidden());

    sets->setCurrentIndex(1);
    QCOMPARE(page.Find<CCoercingSpinBox>("positionLoopKp")->value(), 0.08);
    QCOMPARE(page.Find<QGroupBox>("gainsGroupBox")->title(), QStringLiteral("Gains (Gain Set 2)"));
    QCOMPARE(page.Find<QGroupBox>("ratesGroupBox")->title(), QStringLiteral("Rates (Gain Set 2)"));
    QVERIFY(!page.Find<QComboBox>("cntUseGainsWhen")->isHidden());
    QCOMPARE(page.Find<QComboBox>("cntUseGainsWhen")->currentData().toInt(), 0xA30086);

    page.TypeInto("positionLoopKp", QStringLiteral("0.5"));
    QCOMPARE(double(page.Pending(proportional, 1).realValue), 0.5);
    QVERIFY(!page.Changes()->Contains(proportional, 0));
    page.TypeInto("positionLoopPEL", QStringLiteral("2000"));
    QCOMPARE(double(page.Pending(errorLimit, 1).realValue), 2000.0);
    QVERIFY(!page.Changes()->Contains(errorLimit, 0));

    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(double(database.Setting(proportional, 1)->value.realValue), 0.5);
    QCOMPARE(double(database.Setting(proportional, 0)->value.realValue), 0.1);
}

void TestPositionLoopPage::clearingMultipleGainSetsResetsTheControls()
{
    SetValueOf(database, multiple, 1);
    PositionLoop page(database);
    page.Find<QComboBox>("cntPmodeGainSets")->setCurrentIndex(1);
    page.Find<QCheckBox>("positionLoopMultiGainSet")->setChecked(false);

    QCOMPARE(quint8(page.Pending(multiple).booleanValue), quint8(0));
    QCOMPARE(page.Find<QComboBox>("cntPmodeGainSets")->currentIndex(), 0);
    QCOMPARE(page.Find<QComboBox>("cntUseGainsWhen")->currentIndex(), 0);
    QVERIFY(page.Find<QComboBox>("cntPmodeGainSets")->isHidden());
    QVERIFY(page.Find<QLabel>("label_cntPmodeGainSetsNote")->isHidden());
    QVERIFY(page.Find<QComboBox>("cntUseGainsWhen")->isHidden());
    QCOMPARE(page.Find<QGroupBox>("gainsGroupBox")->title(), QStringLiteral("Gains"));
    QCOMPARE(page.Find<QGroupBox>("ratesGroupBox")->title(), QStringLiteral("Rates"));
    QCOMPARE(page.Find<CCoercingSpinBox>("positionLoopKp")->value(), 0.1);
}

void TestPositionLoopPage::driveLoopShowsTheDriveGains()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servoDriveLoop.json")));
    PositionLoop page(database);
    QCOMPARE(page.Find<QStackedWidget>("positionLoopGainsStack")->currentIndex(), 1);
    QCOMPARE(TableRows(page.Find<QTableWidget>("positionLoopTable")),
             (QStringList{"Gains", "Rates", "Limits", "Gain Sets"}));
    QCOMPARE(page.Find<QLabel>("positionLoopPicture")->pixmap(Qt::ReturnByValue).toImage(),
             EmbeddedPicture(QStringLiteral("DriveControlGainsPLoop_small.PNG")));
    QCOMPARE(page.Find<CCoercingSpinBox>("cntTmodeLoopRate")->value(), 0.1);
}

QTEST_MAIN(TestPositionLoopPage)
#include "tst_positionLoopPage.moc"
