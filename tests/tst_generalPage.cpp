#include "axisFixtures.h"
#include "profileFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QToolButton>

namespace {

const quint32 axisType = 0xA30001;
const quint32 feedback = 0xA30003;
const quint32 loopMode = 0xA30007;
const quint32 loopPeriod = 0xA3004B;
const quint32 enabled = 0xA30002;
const quint32 activate = 0xA10069;

void Choose(QComboBox *combo, qint32 id)
{
    combo->setCurrentIndex(combo->findData(id));
}

void Accept(CAxisDatabase &database, quint32 id, std::vector<int32_t> accepted)
{
    AxisSetting setting = *database.Setting(id, 0);
    setting.accepted = std::move(accepted);
    database.SetSetting(id, 0, setting);
}

void SetInteger(CAxisDatabase &database, quint32 id, qint32 value)
{
    AxisSetting setting = *database.Setting(id, 0);
    setting.value.integerValue = value;
    database.SetSetting(id, 0, setting);
}

} // namespace

class TestGeneralPage : public QObject
{
    Q_OBJECT

private slots:
    void servoHidesLoopModeAndNeverOffersNone();
    void openLoopStepperOffersEveryFeedback();
    void closedLoopReplacesFeedbackNone();
    void closedLoopWithoutFirstEncoderTakesTheFirstOffered();
    void unitsTexts();
    void enableAndActivateGoTogether_data();
    void enableAndActivateGoTogether();
    void choosingStepperRunsTheHostLoopRuleAndRebuildsNavigation();
    void choosingServoChecksTheLoopPeriod();
    void feedbackChangeReloadsEveryPageOnce();
};

void TestGeneralPage::servoHidesLoopModeAndNeverOffersNone()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Accept(database, feedback, {0xA300BE, 0xA3006D, 0xA3006E, 0xA3006F});
    HostDialog host(database);

    QVERIFY(!host.Find<QComboBox>("genAxisLoopMode")->isVisible());
    QVERIFY(!host.Find<QLabel>("genLabelAxisLoopMode")->isVisible());
    QCOMPARE(ComboIds(host.Find<QComboBox>("genFeedbackType")),
             (QList<qint32>{0xA3006D, 0xA3006E, 0xA3006F}));
    QCOMPARE(host.Find<QComboBox>("genAxisType")->currentText(), QStringLiteral("Servo"));
    QCOMPARE(host.Find<QLabel>("genLabelAxisType")->text(), QStringLiteral("Axis Type"));
    QCOMPARE(host.Changes()->Count(), 0u);
}

void TestGeneralPage::openLoopStepperOffersEveryFeedback()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("stepper.json")));
    Accept(database, feedback, {0xA300BE, 0xA3006D, 0xA3006E, 0xA3006F});
    HostDialog host(database);
    QVERIFY(host.Find<QComboBox>("genAxisLoopMode")->isVisible());
    QCOMPARE(host.Find<QLabel>("genLabelAxisLoopMode")->text(),
             QStringLiteral("Stepper Loop Mode"));
    QCOMPARE(ComboIds(host.Find<QComboBox>("genFeedbackType")),
             (QList<qint32>{0xA300BE, 0xA3006D, 0xA3006E, 0xA3006F}));
    QCOMPARE(host.Find<QComboBox>("genFeedbackType")->currentData().toInt(), 0xA300BE);
}

void TestGeneralPage::closedLoopReplacesFeedbackNone()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("stepper.json")));
    HostDialog host(database);
    QSignalSpy rebuilt(host.settings, &CVornMotionAxisSettings::UpdateRequired);

    Choose(host.Find<QComboBox>("genAxisLoopMode"), 0xA30071);

    QCOMPARE(qint32(host.Pending(loopMode).integerValue), 0xA30071);
    QVERIFY(rebuilt.count() >= 1);
    QCOMPARE(qint32(host.Pending(feedback).integerValue), 0xA3006D);
    QCOMPARE(ComboIds(host.Find<QComboBox>("genFeedbackType")), (QList<qint32>{0xA3006D}));
}

void TestGeneralPage::closedLoopWithoutFirstEncoderTakesTheFirstOffered()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("stepper.json")));
    Accept(database, feedback, {0xA300BE, 0xA3006E});
    SetInteger(database, loopMode, 0xA30071);
    HostDialog host(database);
    QCOMPARE(qint32(host.Pending(feedback).integerValue), 0xA3006E);
}

void TestGeneralPage::unitsTexts()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("stepper.json")));
    database.SetSetting(0xA30005, 0, StringSetting(QStringLiteral("in")));
    HostDialog host(database);
    QCOMPARE(host.Find<QLabel>("genLabelDisplayUnits")->text(),
             QStringLiteral("Units (Configured on Stepper Page)"));
    QCOMPARE(host.Find<QLabel>("genLabelDistanceUnits")->text(), QStringLiteral("in"));
    QCOMPARE(host.Find<QLabel>("genLabelVelocityUnits")->text(), QStringLiteral("in/s"));
    QCOMPARE(host.Find<QLabel>("genLabelAcclUnits")->text(), QStringLiteral("in/s^2"));
    const QFont font = host.Find<QLabel>("genLabelAcclUnits")->font();
    QCOMPARE(font.pointSize(), 8);
    QCOMPARE(font.weight(), int(QFont::Bold));
    QVERIFY(!font.italic());

    // With an encoder as feedback the units come from the encoder.
    Choose(host.Find<QComboBox>("genFeedbackType"), 0xA3006D);
    QCOMPARE(host.Find<QLabel>("genLabelDisplayUnits")->text(),
             QStringLiteral("Units (Configured on Encoder Page)"));
    QCOMPARE(host.Find<QLabel>("genLabelVelocityUnits")->text(), QStringLiteral("mm/s"));
}

void TestGeneralPage::enableAndActivateGoTogether_data()
{
    QTest::addColumn<bool>("activateFixed");
    QTest::newRow("activation settable") << false;
    // The drive decides the activation: the enable never stores it, or Apply would fail.
    QTest::newRow("activation read-only") << true;
}

void TestGeneralPage::enableAndActivateGoTogether()
{
    QFETCH(bool, activateFixed);
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    AxisSetting activation = *database.Setting(activate, 0);
    activation.readOnly = activateFixed;
    database.SetSetting(activate, 0, activation);
    HostDialog host(database);
    auto *enable = host.Find<QCheckBox>("genEnabledButton");
    auto *activateBox = host.Find<QCheckBox>("genChkboxActivateAxis");
    QCOMPARE(enable->text(), QStringLiteral("Enable Axis"));

    enable->setChecked(false);
    QCOMPARE(quint8(host.Pending(enabled).booleanValue), quint8(0));
    QCOMPARE(host.Changes()->Contains(activate, 0), !activateFixed);
    QVERIFY(!activateBox->isEnabled());
    QCOMPARE(activateBox->isChecked(), activateFixed);

    enable->setChecked(true);
    QCOMPARE(host.Changes()->Contains(activate, 0), !activateFixed);
    QCOMPARE(activateBox->isEnabled(), !activateFixed);
    QVERIFY(activateBox->isChecked());
    host.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(host.Changes()->Count(), 0u);
    QVERIFY(host.Banner()->isHidden());
}

void TestGeneralPage::choosingStepperRunsTheHostLoopRuleAndRebuildsNavigation()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    HostDialog host(database);
    CVornMotionAxisConfiguration::SetHostLoopRate(host.dialog, 0.001);
    QVERIFY(host.Find<QToolButton>("gmodePositionLoop")->isVisible());

    Choose(host.Find<QComboBox>("genAxisType"), 0xA3006C);

    QCOMPARE(qint32(host.Pending(axisType).integerValue), 0xA3006C);
    QCOMPARE(double(host.Pending(loopPeriod).realValue), 0.00005);
    QVERIFY(host.Find<QComboBox>("genAxisLoopMode")->isVisible());
    QVERIFY(!host.Find<QToolButton>("gmodePositionLoop")->isVisible());
    QCOMPARE(host.Find<QToolButton>("gmodeMultiPurpose")->accessibleName(),
             QStringLiteral("Stepper"));
    QCOMPARE(host.Find<QLabel>("gmodePicture")->pixmap(Qt::ReturnByValue).toImage(),
             EmbeddedPicture(QStringLiteral("StepperWithAI.PNG")));
}

void TestGeneralPage::choosingServoChecksTheLoopPeriod()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("stepper.json")));
    AxisSetting period = *database.Setting(loopPeriod, 0);
    period.value.realValue = 0.0003;
    database.SetSetting(loopPeriod, 0, period);
    HostDialog host(database);
    CVornMotionAxisConfiguration::SetHostLoopRate(host.dialog, 0.0006);
    host.Changes()->Discard();

    Choose(host.Find<QComboBox>("genAxisType"), 0xA3006B);

    QVERIFY(host.Banner()->isVisible());
    QVERIFY(!host.Button(QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(host.dialog), 0xA300AA);

    // Back to a stepper: its period is chosen to fit, and the problem goes.
    Choose(host.Find<QComboBox>("genAxisType"), 0xA3006C);
    QVERIFY(host.Button(QDialogButtonBox::Ok)->isEnabled());
}

void TestGeneralPage::feedbackChangeReloadsEveryPageOnce()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    HostDialog host(database);
    host.Find<QToolButton>("gmodeSetup")->click();
    host.Find<QToolButton>("gmodeSetup")->click();
    QCOMPARE(host.dialog->findChildren<QComboBox *>(QStringLiteral("genFeedbackType")).size(), 1);

    QSignalSpy reloads(host.settings, &CVornMotionAxisSettings::UpdateRequired);
    Choose(host.Find<QComboBox>("genFeedbackType"), 0xA3006F);
    QCOMPARE(reloads.count(), 1);
    QCOMPARE(qint32(host.Pending(feedback).integerValue), 0xA3006F);
}

QTEST_MAIN(TestGeneralPage)
#include "tst_generalPage.moc"
