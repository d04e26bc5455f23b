#include "axisFixtures.h"
#include "profileFixture.h"
#include "recordingHelpHost.h"

#include "settingsMain.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

namespace {

const qint32 servo = 0xA3006B;
const qint32 stepper = 0xA3006C;

// Marks an area of the axis as present, as the database does for the page identifiers it knows.
void Support(CAxisDatabase &database, quint32 id)
{
    AxisSetting present;
    present.kind = SettingKind::Boolean;
    present.value.booleanValue = 1;
    database.SetSetting(id, 0, present);
}

struct Dialog
{
    Dialog(CAxisDatabase &database, CmxProvider *provider = nullptr)
        : dialog(CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database,
                                                                                    provider))
    {
    }
    ~Dialog() { CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog); }
    QToolButton *Button(const char *name) const
    {
        return dialog->findChild<QToolButton *>(QLatin1String(name));
    }
    bool Shows(const char *name) const { return Button(name)->isVisibleTo(dialog); }
    int Page() const { return CVornMotionAxisConfiguration::GetCurrentPage(dialog); }

    QDialog *dialog;
};

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void pictureAndButtonsFitTheAxis_data();
    void pictureAndButtonsFitTheAxis();
    void buttonsCarryDictionaryTexts();
    void multiPurposeButtonHasThreeMeanings_data();
    void multiPurposeButtonHasThreeMeanings();
    void areasTheAxisLacksStayHidden();
    void startPageRule_data();
    void startPageRule();
    void startPageWithoutAxisTypeShowsGeneral();
    void unlistedPageChangesOnlyTheCurrentPage();
    void helpTopicPerPage_data();
    void helpTopicPerPage();
    void helpFailsSilentlyAtEveryStep_data();
    void helpFailsSilentlyAtEveryStep();
    void helpWithoutProviderDoesNothing();

private:
    CAxisDatabase database;
};

void TestNavigation::pictureAndButtonsFitTheAxis_data()
{
    QTest::addColumn<qint32>("axis");
    QTest::addColumn<bool>("analog");
    QTest::addColumn<qint32>("device");
    QTest::addColumn<QString>("picture");

    QTest::newRow("servo with analog inputs") << servo << true << 0 << "ServoWithAI.PNG";
    QTest::newRow("servo") << servo << false << 0 << "ServoWithoutAI.PNG";
    QTest::newRow("stepper with analog inputs") << stepper << true << 0 << "StepperWithAI.PNG";
    QTest::newRow("stepper") << stepper << false << 0 << "StepperWithoutAI.PNG";
    QTest::newRow("unknown axis type: stepper picture")
        << 0x1 << false << 0 << "StepperWithoutAI.PNG";
    QTest::newRow("simulated axis") << servo << true << 0xA10043 << "SimulatedAxis.PNG";
    QTest::newRow("intelligent drive") << stepper << false << 0xC2002F << "DriveWithAI.png";
}

void TestNavigation::pictureAndButtonsFitTheAxis()
{
    QFETCH(qint32, axis);
    QFETCH(bool, analog);
    QFETCH(qint32, device);
    QFETCH(QString, picture);
    SetUpAxis(database, axis, 0.0001);
    database.SetDeviceType(device, 0);
    if (analog)
        Support(database, 0xA300C8);

    Dialog shown(database);
    const QLabel *label = shown.dialog->findChild<QLabel *>(QStringLiteral("gmodePicture"));
    QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage(), EmbeddedPicture(picture));
    QCOMPARE(shown.Shows("gmodeAnalogIO"), analog);
    QCOMPARE(shown.Shows("gmodePositionLoop"), axis == servo);
    QVERIFY(shown.Shows("gmodeSetup"));
    QCOMPARE(shown.Button("gmodeSetup")->iconSize(), QSize(41, 41));
    QVERIFY(!shown.Button("gmodeSetup")->icon().isNull());
}

void TestNavigation::buttonsCarryDictionaryTexts()
{
    SetUpAxis(database, servo, 0.0001);
    Dialog shown(database);
    QToolButton *limits = shown.Button("gmodeLimitsAndHome");
    QCOMPARE(limits->accessibleName(), QStringLiteral("Limits & Home"));
    QVERIFY(limits->toolTip().startsWith(QStringLiteral("Forward and reverse limit switches")));
    QCOMPARE(shown.Button("gmodeCapt")->accessibleName(), QStringLiteral("Capture"));
}

void TestNavigation::multiPurposeButtonHasThreeMeanings_data()
{
    QTest::addColumn<qint32>("axis");
    QTest::addColumn<bool>("velocityLoop");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::newRow("stepper") << stepper << true << 0xA300D7 << "Stepper";
    QTest::newRow("servo with a velocity loop") << servo << true << 0xA300AC << "Velocity Loop";
    QTest::newRow("servo without") << servo << false << 0xA300EE << "Drive Command";
}

void TestNavigation::multiPurposeButtonHasThreeMeanings()
{
    QFETCH(qint32, axis);
    QFETCH(bool, velocityLoop);
    QFETCH(int, page);
    QFETCH(QString, name);
    SetUpAxis(database, axis, 0.0001);
    if (velocityLoop)
        Support(database, 0xA300AC);
    Dialog shown(database);
    shown.Button("gmodeMultiPurpose")->click();
    QCOMPARE(shown.Page(), page);
    QCOMPARE(shown.Button("gmodeMultiPurpose")->accessibleName(), name);
}

void TestNavigation::areasTheAxisLacksStayHidden()
{
    SetUpAxis(database, servo, 0.0001);
    Support(database, 0xB10025);
    Dialog shown(database);
    QVERIFY(shown.Shows("gmodeComp"));
    QVERIFY(!shown.Shows("gmodeBrake"));
    QVERIFY(!shown.Shows("gmodeDriveSignals"));
    QVERIFY(!shown.Shows("gmodeCapt"));

    // The buttons are only ever hidden, never shown again by a rebuild.
    Support(database, 0xC20030);
    QMetaObject::invokeMethod(shown.dialog->findChild<QWidget *>(
                                  QStringLiteral("CVornMotionAxisSettingsGModeClass")),
                              "SetupStaticUI");
    QVERIFY(!shown.Shows("gmodeBrake"));
}

void TestNavigation::startPageRule_data()
{
    QTest::addColumn<qint32>("axis");
    QTest::addColumn<QList<quint32>>("supported");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("shown");

    const QList<quint32> none;
    for (const int page : {0xA10003, 0xA300AC, 0xA300B9, 0xB10025, 0xC20030}) {
        const QByteArray name = QByteArray::number(page, 16);
        QTest::newRow(name + " supported") << servo << QList<quint32>{quint32(page)} << page << page;
        QTest::newRow(name + " unsupported") << servo << none << page << 0xA300D5;
    }
    QTest::newRow("position loop on a servo") << servo << none << 0xA300AA << 0xA300AA;
    QTest::newRow("position loop on a stepper") << stepper << none << 0xA300AA << 0xA300D5;
    QTest::newRow("stepper page on a stepper") << stepper << none << 0xA300D7 << 0xA300D7;
    QTest::newRow("stepper page on a servo") << servo << none << 0xA300D7 << 0xA300D5;
    QTest::newRow("analog with inputs") << servo << QList<quint32>{0xA300C8} << 0xA300DC
                                        << 0xA300DC;
    QTest::newRow("analog without inputs") << servo << none << 0xA300DC << 0xA300D5;
    QTest::newRow("trajectory always") << stepper << none << 0xA300D6 << 0xA300D6;
}

void TestNavigation::startPageRule()
{
    QFETCH(qint32, axis);
    QFETCH(QList<quint32>, supported);
    QFETCH(int, start);
    QFETCH(int, shown);
    SetUpAxis(database, axis, 0.0001);
    for (const quint32 id : supported)
        Support(database, id);
    Dialog dialog(database);
    CVornMotionAxisConfiguration::SetStartPage(dialog.dialog, start);
    QCOMPARE(dialog.Page(), shown);
}

void TestNavigation::startPageWithoutAxisTypeShowsGeneral()
{
    database.Clear();
    Dialog dialog(database);
    CVornMotionAxisConfiguration::SetStartPage(dialog.dialog, 0xA300D6);
    QCOMPARE(dialog.Page(), 0xA300D5);
}

void TestNavigation::unlistedPageChangesOnlyTheCurrentPage()
{
    SetUpAxis(database, servo, 0.0001);
    Dialog dialog(database);
    auto *pages = dialog.dialog->findChild<QStackedWidget *>(QStringLiteral("settingsPage"));
    QWidget *before = pages->currentWidget();
    const int count = pages->count();
    CVornMotionAxisConfiguration::SetStartPage(dialog.dialog, 0x123456);
    QCOMPARE(dialog.Page(), 0x123456);
    QCOMPARE(pages->currentWidget(), before);
    QCOMPARE(pages->count(), count);
}

void TestNavigation::helpTopicPerPage_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("topic");
    QTest::newRow("general") << 0xA300D5 << "dt/eng/generated/AxisConfig_General.html";
    QTest::newRow("position loop") << 0xA300AA << "dt/eng/generated/AxisConfig_ControlLoop.html";
    QTest::newRow("limits") << 0xA300D8 << "dt/eng/generated/AxisConfig_LimHome.html";
    QTest::newRow("unlisted") << 0x123456 << "dt/eng/generated/AxisConfig_DB.html";
}

void TestNavigation::helpTopicPerPage()
{
    QFETCH(int, start);
    QFETCH(QString, topic);
    SetUpAxis(database, servo, 0.0001);
    RecordingHelpHost host;
    Dialog dialog(database, &host);
    CVornMotionAxisConfiguration::SetStartPage(dialog.dialog, start);
    dialog.dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Help)->click();

    QCOMPARE(host.runs, 1);
    QCOMPARE(host.inputs.value(11), topic);
    QCOMPARE(host.inputs.value(10), QStringLiteral("<helpdir>:\\vornhelp.chm"));
    QCOMPARE(host.flags, (QList<int32_t>{0, 0}));
    QVERIFY(host.openedPath.endsWith(
        QStringLiteral("/resource/framework/providers/vornmcLaunchHelpFile.vprg")));
    QVERIFY(host.openedPath.startsWith(QCoreApplication::applicationDirPath()));
    QCOMPARE(host.outstanding, 0);
}

void TestNavigation::helpFailsSilentlyAtEveryStep_data()
{
    QTest::addColumn<int>("step");
    QTest::newRow("no service object") << int(RecordingHelpHost::NoServiceObject);
    QTest::newRow("interface query fails") << int(RecordingHelpHost::QueryFails);
    QTest::newRow("interface query gives null") << int(RecordingHelpHost::QueryGivesNull);
    QTest::newRow("service fails") << int(RecordingHelpHost::GetServiceFails);
    QTest::newRow("service gives null") << int(RecordingHelpHost::GetServiceGivesNull);
    QTest::newRow("open fails") << int(RecordingHelpHost::OpenProgramFails);
    QTest::newRow("open gives null") << int(RecordingHelpHost::OpenProgramGivesNull);
    QTest::newRow("topic refused") << int(RecordingHelpHost::TopicInputFails);
    QTest::newRow("help file refused") << int(RecordingHelpHost::FileInputFails);
}

void TestNavigation::helpFailsSilentlyAtEveryStep()
{
    QFETCH(int, step);
    SetUpAxis(database, servo, 0.0001);
    RecordingHelpHost host{RecordingHelpHost::Step(step)};
    Dialog dialog(database, &host);
    dialog.dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Help)->click();
    QCOMPARE(host.runs, 0);
    QCOMPARE(host.outstanding, 0);
    QVERIFY(dialog.dialog->isVisible());
}

void TestNavigation::helpWithoutProviderDoesNothing()
{
    SetUpAxis(database, servo, 0.0001);
    Dialog dialog(database);
    dialog.dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Help)->click();
    QVERIFY(dialog.dialog->isVisible());
    QCOMPARE(dialog.Page(), 0xA300D5);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
