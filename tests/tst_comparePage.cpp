#include "axisFixtures.h"
#include "profileFixture.h"

#include <QGroupBox>
#include <QToolButton>

namespace {

const quint32 action = 0xA3002D;

// The dialog of an axis, with its compare page shown.
struct Compare : HostDialog
{
    explicit Compare(CAxisDatabase &database)
        : HostDialog(database)
    {
        Find<QToolButton>("gmodeComp")->click();
    }
    bool PulseWidthShown() const
    {
        return !Find<QComboBox>("ccpComparePulseWidth")->isHidden()
               && !Find<QLabel>("ccpLabelComparePulseWidth")->isHidden();
    }
};

} // namespace

class TestComparePage : public QObject
{
    Q_OBJECT

private slots:
    void actionDecidesPictureAndPulseWidth_data();
    void actionDecidesPictureAndPulseWidth();
    void outputTypeRemapsBothStates();

private:
    CAxisDatabase database;
};

void TestComparePage::actionDecidesPictureAndPulseWidth_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<qint32>("stored");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("pulse");

    QTest::newRow("none") << "No Action" << 0xA300BF << "" << false;
    QTest::newRow("clear") << "Clear on Match" << 0xA300C1 << "" << false;
    QTest::newRow("toggle") << "Toggle on Match" << 0xA300C2 << "compareToggleActiveHigh.png"
                            << false;
    QTest::newRow("pulse") << "Pulse on Match" << 0xA300C3 << "comparePulseActiveHigh.png" << true;
}

void TestComparePage::actionDecidesPictureAndPulseWidth()
{
    QFETCH(QString, choice);
    QFETCH(qint32, stored);
    QFETCH(QString, picture);
    QFETCH(bool, pulse);
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    {
        Compare page(database);
        QCOMPARE(page.Find<QGroupBox>("compareHardwareGroup")->title(),
                 QStringLiteral("Compare Output (DO 7)"));
        QVERIFY(page.ShowsPicture("ccpCompareActionPicture", QStringLiteral("compareSetActiveHigh.png")));
        QVERIFY(!page.PulseWidthShown());
        page.Choose("ccpCompareAction", choice);
        QCOMPARE(page.Pending(action).integerValue, stored);
        QVERIFY(page.ShowsPicture("ccpCompareActionPicture", picture));
        QCOMPARE(page.PulseWidthShown(), pulse);
        page.Button(QDialogButtonBox::Ok)->click();
    }
    // The same rule holds for a stored action.
    Compare page(database);
    QCOMPARE(page.PulseWidthShown(), pulse);
    QVERIFY(page.ShowsPicture("ccpCompareActionPicture", picture));
    QCOMPARE(page.Changes()->Count(), 0u);
}

void TestComparePage::outputTypeRemapsBothStates()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servoDriveLoop.json")));
    Compare page(database);
    QCOMPARE(page.Find<QGroupBox>("compareHardwareGroup")->title(),
             QStringLiteral("Compare Output"));
    QVERIFY(page.ShowsPicture("ccpComparePicture", QStringLiteral("SEOutputActiveHigh.png")));
    QVERIFY(page.Find<QLabel>("label_SafeStateCom")->isHidden());
    QVERIFY(!page.Find<QLabel>("label_SafeState2Com")->isHidden());

    page.Choose("ccpCompareOutputType", QStringLiteral("Sinking Output"));
    QCOMPARE(page.Pending(0xA10079).integerValue, 0xA3007B);
    QCOMPARE(page.Pending(0xA3002F).integerValue, 0xA10072);
    QCOMPARE(page.Pending(0xA30030).integerValue, 0xA1007D);
    QVERIFY(page.ShowsPicture("ccpComparePicture", QStringLiteral("DOsinkingActiveOn.png")));
    QCOMPARE(ComboTexts(page.Find<QComboBox>("ccpCompareActiveState")),
             (QStringList{"Active On", "Active Off"}));

    page.Choose("ccpCompareAction", QStringLiteral("Pulse on Match"));
    page.Choose("ccpComparePulseWidth", QStringLiteral("500 us"));
    QCOMPARE(double(page.Pending(0xA30031).realValue), 0.0005);
}

QTEST_MAIN(TestComparePage)
#include "tst_comparePage.moc"
