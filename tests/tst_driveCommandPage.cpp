#include "axisFixtures.h"
#include "profileFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QToolButton>

namespace {

const quint32 positiveLimit = 0xA30056;
const quint32 negativeLimit = 0xA30057;
const QString limitOrderMessage
    = QStringLiteral("Positive Torque Limit must be greater than Negative Torque Limit");
const QString red = QStringLiteral("QDoubleSpinBox {background: red}");

// The dialog of an axis, with its drive command page shown.
struct DriveCommand : HostDialog
{
    explicit DriveCommand(CAxisDatabase &database)
        : HostDialog(database)
    {
        CVornMotionAxisConfiguration::SetStartPage(dialog, 0xA300EE);
    }
    QString Style(const char *box) const { return Find<CCoercingSpinBox>(box)->styleSheet(); }
};

} // namespace

class TestDriveCommandPage : public QObject
{
    Q_OBJECT

private slots:
    void outputOfEveryProfile_data();
    void outputOfEveryProfile();
    void unorderedLimitsAreRefused_data();
    void unorderedLimitsAreRefused();

private:
    CAxisDatabase database;
};

void TestDriveCommandPage::outputOfEveryProfile_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("scaling");

    QTest::newRow("servo") << "servo.json"
                           << "Drive Command Output (Analog Out 1)" << true;
    QTest::newRow("analog command") << "servoAnalogCommand.json"
                                    << "Drive Command Output (Analog Out 1)" << true;
    QTest::newRow("second axis, no DAC scaling") << "servoSecondAxis.json"
                                                 << "Drive Command Output (Analog Out 2)" << false;
    QTest::newRow("drive, no name") << "servoDriveLoop.json"
                                    << "Drive Command Output" << false;
}

void TestDriveCommandPage::outputOfEveryProfile()
{
    QFETCH(QString, profile);
    QFETCH(QString, title);
    QFETCH(bool, scaling);
    QVERIFY(LoadProfile(database, profile));
    DriveCommand page(database);
    QCOMPARE(page.Find<QGroupBox>("driveCommandGroupBox")->title(), title);
    for (const char *name :
         {"driveCommandScale", "label_driveCommandScale", "units_driveCommandScale"})
        QCOMPARE(page.Find<QWidget>(name)->isHidden(), !scaling);
    QCOMPARE(page.Find<CCoercingSpinBox>("driveCommandPosTorqLimit")->value(), 10.0);

    page.Find<QCheckBox>("driveCommandDCInverted")->click();
    QCOMPARE(page.Pending(0xA3003E).booleanValue, quint8(1));
    QCOMPARE(page.Changes()->Count(), 1u);
}

void TestDriveCommandPage::unorderedLimitsAreRefused_data()
{
    QTest::addColumn<QByteArray>("refused");
    QTest::addColumn<QString>("refusedText");
    QTest::addColumn<QByteArray>("mending");
    QTest::addColumn<QString>("mendingText");
    QTest::addColumn<bool>("decimalComma");

    QTest::newRow("positive equal, positive mends")
        << QByteArray("driveCommandPosTorqLimit") << "-5" << QByteArray("driveCommandPosTorqLimit")
        << "2" << false;
    QTest::newRow("positive equal, negative mends")
        << QByteArray("driveCommandPosTorqLimit") << "-5" << QByteArray("driveCommandNegTorqLimit")
        << "-8" << false;
    QTest::newRow("negative above, negative mends")
        << QByteArray("driveCommandNegTorqLimit") << "12" << QByteArray("driveCommandNegTorqLimit")
        << "-3" << false;
    QTest::newRow("the other box shows a decimal comma")
        << QByteArray("driveCommandPosTorqLimit") << "-5" << QByteArray("driveCommandPosTorqLimit")
        << "-4" << true;
}

// A refused limit stays out of the change list; both boxes are red until either is mended.
void TestDriveCommandPage::unorderedLimitsAreRefused()
{
    QFETCH(QByteArray, refused);
    QFETCH(QString, refusedText);
    QFETCH(QByteArray, mending);
    QFETCH(QString, mendingText);
    QFETCH(bool, decimalComma);
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    AxisSetting negative = *database.Setting(negativeLimit, 0);
    negative.value.realValue = -5.0;
    negative.minimum->realValue = -20.0;
    database.SetSetting(negativeLimit, 0, negative);
    AxisSetting positive = *database.Setting(positiveLimit, 0);
    positive.maximum->realValue = 20.0;
    database.SetSetting(positiveLimit, 0, positive);
    DriveCommand page(database);
    if (decimalComma)
        page.Find<CCoercingSpinBox>("driveCommandNegTorqLimit")->setLocale(QLocale::German);

    page.TypeInto(refused.constData(), refusedText);
    QVERIFY(page.Banner()->isVisible());
    QCOMPARE(page.Banner()->text(), limitOrderMessage);
    QVERIFY(!page.Button(QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(page.Changes()->Count(), 0u);
    QCOMPARE(page.Style("driveCommandPosTorqLimit"), red);
    QCOMPARE(page.Style("driveCommandNegTorqLimit"), red);
    // A reload of every page keeps the refused number, the problem and the marks.
    const double shown = page.Find<CCoercingSpinBox>(refused.constData())->value();
    page.settings->SetHostLoopRate(0.001);
    QCOMPARE(page.Find<CCoercingSpinBox>(refused.constData())->value(), shown);
    QVERIFY(!page.Button(QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(page.Style("driveCommandPosTorqLimit"), red);

    page.TypeInto(mending.constData(), mendingText);
    QVERIFY(!page.Banner()->isVisible());
    QVERIFY(page.Button(QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(page.Style("driveCommandPosTorqLimit"),
             QStringLiteral("QDoubleSpinBox {background: white}"));
    // Once the pair shown is ordered, both boxes show what Apply writes: a refused number the
    // other box mended is stored with the mending edit.
    const quint32 mended = mending.contains("Pos") ? positiveLimit : negativeLimit;
    QCOMPARE(double(page.Pending(mended).realValue), mendingText.toDouble());
    const bool otherMended = mending != refused;
    QCOMPARE(page.Changes()->Count(), otherMended ? 2u : 1u);
    if (otherMended) {
        const quint32 held = mended == positiveLimit ? negativeLimit : positiveLimit;
        QCOMPARE(double(page.Pending(held).realValue), shown);
    }

    // A reload keeps what is shown, and no red mark is left from the closed problem.
    page.settings->SetHostLoopRate(0.001);
    QCOMPARE(page.Find<CCoercingSpinBox>(mending.constData())->value(), mendingText.toDouble());
    QCOMPARE(page.Style("driveCommandNegTorqLimit"),
             QStringLiteral("QDoubleSpinBox {background: white}"));
}

QTEST_MAIN(TestDriveCommandPage)
#include "tst_driveCommandPage.moc"
