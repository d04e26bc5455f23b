#include "axisFixtures.h"
#include "profileFixture.h"

#include <QGroupBox>
#include <QStackedWidget>
#include <QToolButton>

#include <cmath>

namespace {

const quint32 filterType = 0xC2003B;
const quint32 biquadIds[] = {0xC2003C, 0xC2003D, 0xC2003E, 0xC2003F};
const char *const biquadBoxes[]
    = {"velocityLoopNumFreq", "velocityLoopDenFreq", "velocityLoopNumQ", "velocityLoopDenQ"};
const int firstFilterRow = 2;

// The dialog of a servo axis, with its velocity loop page shown.
struct VelocityLoop : HostDialog
{
    explicit VelocityLoop(CAxisDatabase &database)
        : HostDialog(database)
    {
        Find<QToolButton>("gmodeMultiPurpose")->click();
    }
    QTableWidget *Table() const { return Find<QTableWidget>("velocityLoopTable"); }
    QComboBox *Type() const { return Find<QComboBox>("velocityLoopFilterType"); }
    void ShowFilter(int filter) const { Table()->setCurrentCell(firstFilterRow + filter, 0); }
    bool BiquadEditable() const
    {
        for (const char *box : biquadBoxes) {
            if (!Find<CCoercingSpinBox>(box)->isEnabled())
                return false;
        }
        return true;
    }
};

bool Near(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-9 * std::max(1.0, std::fabs(expected));
}

// A spin box shows a value rounded to its decimals.
bool Shows(const CCoercingSpinBox *box, double expected)
{
    return std::fabs(box->value() - expected) <= 0.5 * std::pow(10.0, -box->decimals()) + 1e-12;
}

} // namespace

class TestVelocityLoopPage : public QObject
{
    Q_OBJECT

private slots:
    void openingAndBrowsingStoreNothing_data();
    void openingAndBrowsingStoreNothing();
    void parametersDeriveTheBiquad_data();
    void parametersDeriveTheBiquad();
    void onlyTheGeneralBiquadIsEntered();
    void gainsLandAtTheGainSetIndex();

private:
    CAxisDatabase database;
};

void TestVelocityLoopPage::openingAndBrowsingStoreNothing_data()
{
    QTest::addColumn<QString>("profile");
    QTest::newRow("servo") << "servo.json";
    QTest::newRow("drive loop") << "servoDriveLoop.json";
    QTest::newRow("second axis") << "servoSecondAxis.json";
}

// Every filter of a consistent database is shown as stored: nothing waits for Apply.
void TestVelocityLoopPage::openingAndBrowsingStoreNothing()
{
    QFETCH(QString, profile);
    QVERIFY(LoadProfile(database, profile));
    VelocityLoop page(database);
    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(page.dialog), 0xA300AC);
    QCOMPARE(TableRows(page.Table()),
             (QStringList{"Gains", "Rates", "Anti-Resonance 1", "Anti-Resonance 2",
                          "Anti-Resonance 3", "Anti-Resonance 4"}));
    QCOMPARE(page.Find<CCoercingSpinBox>("velocityLoopKp")->value(), 0.5);
    QCOMPARE(page.Find<CCoercingSpinBox>("velocityLoopRate")->value(), 0.125);
    QVERIFY(!page.Find<CCoercingSpinBox>("velocityLoopRate")->isEnabled());

    const QStringList types{"Notch", "Low-Pass", "Lead-Lag", "None"};
    for (int filter = 0; filter < 4; ++filter) {
        page.ShowFilter(filter);
        QCOMPARE(page.Find<QStackedWidget>("velocityLoopAttributeStack")->currentIndex(), 3);
        QCOMPARE(page.Find<QGroupBox>("arFilterBox")->title(),
                 QStringLiteral("Anti-Resonance %1").arg(filter + 1));
        QCOMPARE(page.Type()->currentText(), types.at(filter));
        for (int value = 0; value < 4; ++value) {
            QVERIFY(Shows(page.Find<CCoercingSpinBox>(biquadBoxes[value]),
                          database.Setting(biquadIds[value], quint32(filter))->value.realValue));
        }
    }
    QCOMPARE(page.Find<CCoercingSpinBox>("velocityLoopLeadLagFCenter")->value(), 300.0);
    page.Table()->setCurrentCell(-1, -1);
    page.Table()->setCurrentCell(1, 0);
    QCOMPARE(page.Find<QStackedWidget>("velocityLoopAttributeStack")->currentIndex(), 1);
    QCOMPARE(page.Changes()->Count(), 0u);
    QVERIFY(!page.Button(QDialogButtonBox::Apply)->isEnabled());
}

void TestVelocityLoopPage::parametersDeriveTheBiquad_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<quint32>("parameter");
    QTest::addColumn<QVector<double>>("biquad");

    QTest::newRow("notch 40 dB, Q 2") << 0 << QByteArray("velocityLoopNotchDepth") << "40"
                                      << 0xC20061u << QVector<double>{500, 500, 0.2, 20};
    QTest::newRow("notch at 650 Hz")
        << 0 << QByteArray("velocityLoopNotchFrequency") << "650" << 0xC20062u
        << QVector<double>{650, 650, 2 * std::pow(10.0, -0.5), 2 * std::pow(10.0, 0.5)};
    QTest::newRow("low-pass corner") << 1 << QByteArray("velocityLoopLowPassCornerFreq") << "1200"
                                     << 0xC20063u << QVector<double>{1000, 1200, 0.707, 0.9};
    QTest::newRow("lead-lag 0 dB") << 2 << QByteArray("velocityLoopLeadLagGain") << "0" << 0xC2004Eu
                                   << QVector<double>{300, 300, 0.707, 0.707};
    QTest::newRow("lead-lag 20 dB")
        << 2 << QByteArray("velocityLoopLeadLagGain") << "20" << 0xC2004Eu
        << QVector<double>{300 * std::pow(10.0, -0.25), 300 * std::pow(10.0, 0.25), 0.707, 0.707};
}

// The parameter is stored first; the biquad shown and stored afterwards follows from it.
void TestVelocityLoopPage::parametersDeriveTheBiquad()
{
    QFETCH(int, filter);
    QFETCH(QByteArray, box);
    QFETCH(QString, typed);
    QFETCH(quint32, parameter);
    QFETCH(QVector<double>, biquad);
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    VelocityLoop page(database);
    page.ShowFilter(filter);
    page.TypeInto(box.constData(), typed);

    QCOMPARE(double(page.Pending(parameter, quint32(filter)).realValue), typed.toDouble());
    for (int value = 0; value < 4; ++value) {
        QVERIFY(Shows(page.Find<CCoercingSpinBox>(biquadBoxes[value]), biquad.at(value)));
        const double held
            = page.Changes()->Contains(biquadIds[value], quint32(filter))
                  ? double(page.Pending(biquadIds[value], quint32(filter)).realValue)
                  : double(database.Setting(biquadIds[value], quint32(filter))->value.realValue);
        QVERIFY2(Near(held, biquad.at(value)), qPrintable(QString::number(held)));
        // Only values that change are stored, and only for the filter shown.
        QCOMPARE(page.Changes()->Contains(biquadIds[value], quint32(filter)),
                 !Near(database.Setting(biquadIds[value], quint32(filter))->value.realValue,
                       biquad.at(value)));
    }
    QVERIFY(!page.BiquadEditable());
    page.Button(QDialogButtonBox::Apply)->click();
    for (int value = 0; value < 4; ++value) {
        QVERIFY(Near(database.Setting(biquadIds[value], quint32(filter))->value.realValue,
                     biquad.at(value)));
    }
}

void TestVelocityLoopPage::onlyTheGeneralBiquadIsEntered()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    VelocityLoop page(database);
    page.ShowFilter(3);
    QVERIFY(!page.BiquadEditable());

    page.Type()->setCurrentIndex(page.Type()->findText(QStringLiteral("General Biquad")));
    QCOMPARE(page.Pending(filterType, 3).integerValue, 0xC2004B);
    QCOMPARE(page.Find<QStackedWidget>("velocityLoopARStack")->currentIndex(), 4);
    QVERIFY(page.BiquadEditable());
    page.TypeInto("velocityLoopNumFreq", QStringLiteral("1500"));
    QCOMPARE(double(page.Pending(biquadIds[0], 3).realValue), 1500.0);
    QCOMPARE(page.Changes()->Count(), 2u);

    // Back to a derived type: its biquad replaces the one entered.
    page.Type()->setCurrentIndex(page.Type()->findText(QStringLiteral("Notch")));
    QCOMPARE(page.Find<QStackedWidget>("velocityLoopARStack")->currentIndex(), 2);
    QVERIFY(!page.BiquadEditable());
    QCOMPARE(double(page.Pending(biquadIds[0], 3).realValue), 500.0);
    QVERIFY(Near(page.Pending(biquadIds[3], 3).realValue, 2 * std::pow(10.0, 0.5)));
    QVERIFY(!page.Changes()->Contains(biquadIds[0], 0));
}

void TestVelocityLoopPage::gainsLandAtTheGainSetIndex()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servoSecondAxis.json")));
    VelocityLoop page(database);
    page.TypeInto("velocityLoopKp", QStringLiteral("0.7"));
    page.TypeInto("velocityLoopKo", QStringLiteral("150"));
    QCOMPARE(double(page.Pending(0xA3004A, 2).realValue), 0.7);
    QCOMPARE(double(page.Pending(0xC20041, 2).realValue), 150.0);
    QCOMPARE(page.Changes()->Count(), 2u);

    page.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(double(database.Setting(0xA3004A, 2)->value.realValue), 0.7);
    QVERIFY(!database.Setting(0xA3004A, 0));
}

QTEST_MAIN(TestVelocityLoopPage)
#include "tst_velocityLoopPage.moc"
