#include "axisFixtures.h"
#include "profileFixture.h"

#include <QGroupBox>
#include <QStackedWidget>
#include <QTextDocumentFragment>
#include <QToolButton>

namespace {

// The dialog of an axis, with its capture page shown.
struct Capture : HostDialog
{
    explicit Capture(CAxisDatabase &database)
        : HostDialog(database)
    {
        Find<QToolButton>("gmodeCapt")->click();
    }
    // The caption whose word is "Active", and the one whose word is "Inactive".
    QLabel *Caption(const QString &word) const
    {
        for (const char *name : {"label_activeCap", "label_inactiveCap"}) {
            auto *label = Find<QLabel>(name);
            if (QTextDocumentFragment::fromHtml(label->text()).toPlainText() == word)
                return label;
        }
        return nullptr;
    }
};

} // namespace

class TestCapturePage : public QObject
{
    Q_OBJECT

private slots:
    void layoutAndTitleOfEveryProfile_data();
    void layoutAndTitleOfEveryProfile();
    void edgeAndInputPictures();

private:
    CAxisDatabase database;
};

void TestCapturePage::layoutAndTitleOfEveryProfile_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("layout");
    QTest::newRow("servo") << "servo.json"
                           << "Capture Input (DI 9)" << 0;
    QTest::newRow("drive") << "servoDriveLoop.json"
                           << "Capture Input" << 1;
    QTest::newRow("stepper") << "stepper.json"
                             << "Capture Input (DI 5)" << 0;
}

void TestCapturePage::layoutAndTitleOfEveryProfile()
{
    QFETCH(QString, profile);
    QFETCH(QString, title);
    QFETCH(int, layout);
    QVERIFY(LoadProfile(database, profile));
    Capture page(database);
    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(page.dialog), 0xA10003);
    QCOMPARE(page.Find<QGroupBox>("captureHardwareGroup")->title(), title);
    QCOMPARE(page.Find<QStackedWidget>("captureStack")->currentIndex(), layout);
    QCOMPARE(page.Changes()->Count(), 0u);
}

// Each caption's word sits beside the level it names.
void TestCapturePage::edgeAndInputPictures()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Capture page(database);
    QVERIFY(page.ShowsPicture("ccpCaptureActionPicture",
                       QStringLiteral("captureActiveHighTransitionActive.png")));
    page.Choose("ccpCaptureEdge", QStringLiteral("Transition to Inactive"));
    QCOMPARE(page.Pending(0xA30032).integerValue, 0xA30089);
    QVERIFY(page.ShowsPicture("ccpCaptureActionPicture",
                       QStringLiteral("captureActiveHighTransitionInactive.png")));

    QVERIFY(page.ShowsPicture("capturePicture", QStringLiteral("SEInputActiveHigh.png")));
    QVERIFY(page.Caption(QStringLiteral("Active"))->y()
            < page.Caption(QStringLiteral("Inactive"))->y());
    page.Choose("ccpCaptureActiveState", QStringLiteral("Active Low"));
    // The drive's layout shows the same setting: switching layouts never shows a stale state.
    QCOMPARE(page.Find<QComboBox>("ccpCaptureActiveState_Drive")->currentData().toInt(),
             page.Pending(0xA1007B).integerValue);
    QVERIFY(page.ShowsPicture("capturePicture", QStringLiteral("SEInputActiveLow.png")));
    QVERIFY(page.Caption(QStringLiteral("Active"))->y()
            > page.Caption(QStringLiteral("Inactive"))->y());

    page.Choose("ccpCaptureInputType", QStringLiteral("Sinking Input"));
    QCOMPARE(page.Pending(0xA1007B).integerValue, 0xA10073);
    for (const char *combo : {"ccpCaptureActiveState", "ccpCaptureActiveState_Drive"})
        QCOMPARE(page.Find<QComboBox>(combo)->currentData().toInt(), 0xA10073);
    QVERIFY(page.ShowsPicture("capturePicture", QStringLiteral("DISinkingActiveOff.png")));
    page.Choose("ccpCaptureFilterFreq", QStringLiteral("10 us"));
    QCOMPARE(double(page.Pending(0xA30033).realValue), 1e-5);
}

QTEST_MAIN(TestCapturePage)
#include "tst_capturePage.moc"
