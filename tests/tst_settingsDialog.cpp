#include "settingsMain.h"

#include "axisFixtures.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

namespace {

const qint32 servo = 0xA3006B;
const qint32 stepper = 0xA3006C;
const nVornMCPCD100::AttributeId loopPeriod = 0xA3004B;
const nVornMCPCD100::AttributeId encoderCount = 0xA300C6;
const QString loopRuleMessage =
    QStringLiteral("The Vorn Scan Engine rate must be a multiple of the position loop rate");

// Stands for a page: something that reports invalid settings to the dialog.
class ProblemSource : public QObject
{
    Q_OBJECT

signals:
    void InvalidSettings(bool invalid);
};

struct DialogDeleter
{
    void operator()(CVornMotionAxisSettings *dialog) const
    {
        CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
    }
};
using DialogPointer = std::unique_ptr<CVornMotionAxisSettings, DialogDeleter>;

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void newDialog();
    void hostPeriodsThatAreIgnored_data();
    void hostPeriodsThatAreIgnored();
    void stepperGetsFirstCompatiblePeriod_data();
    void stepperGetsFirstCompatiblePeriod();
    void servoWithIncompatiblePeriodBlocksOkAndApply();
    void servoWithCompatiblePeriodClearsTheProblem();
    void stepperRuleClearsAServoProblem();
    void problemsFromTwoSourcesStandApart();
    void sharedSourceClosesTheLoopRuleProblem();
    void applyCommitsAndReloads();
    void okCommitsAndCancelDiscards();
    void refusedWriteKeepsTheDialogOpen();
    void deletingWithPendingEditsWritesNothing();

private:
    DialogPointer Create();
    QPushButton *Button(QDialogButtonBox::StandardButton which) const;
    QLabel *Banner() const;

    CAxisDatabase database;
    CVornMotionAxisSettings *current = nullptr;
};

DialogPointer TestSettingsDialog::Create()
{
    QDialog *dialog =
        CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database, nullptr);
    current = CVornMotionAxisSettings::FromHostPointer(dialog);
    return DialogPointer(current);
}

QPushButton *TestSettingsDialog::Button(QDialogButtonBox::StandardButton which) const
{
    return current->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(which);
}

QLabel *TestSettingsDialog::Banner() const
{
    return current->findChild<QLabel *>(QStringLiteral("labelInvalidSettings"));
}

void TestSettingsDialog::newDialog()
{
    SetUpAxis(database, servo, 0.0001);
    DialogPointer dialog = Create();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Axis Configuration"));
    QCOMPARE(dialog->size(), QSize(800, 600));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!Button(QDialogButtonBox::Apply)->isEnabled());
    QVERIFY(Button(QDialogButtonBox::Help));
    QVERIFY(Button(QDialogButtonBox::Cancel));
    QVERIFY(!Banner()->isVisible());
    QVERIFY(Banner()->text().contains(QStringLiteral("color:#dc143c;\">Invalid Settings!")));
    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(dialog.get()), 0xA300D5);
    QCOMPARE(dialog->HostLoopPeriod(), 0.01);
}

void TestSettingsDialog::hostPeriodsThatAreIgnored_data()
{
    QTest::addColumn<double>("period");
    QTest::newRow("half a microsecond") << 0.0000005;
    QTest::newRow("one microsecond") << 0.000001;
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -0.001;
    QTest::newRow("NaN") << std::nan("");
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
}

void TestSettingsDialog::hostPeriodsThatAreIgnored()
{
    QFETCH(double, period);
    SetUpAxis(database, stepper, 0.0001);
    DialogPointer dialog = Create();
    CVornMotionAxisConfiguration::SetHostLoopRate(dialog.get(), period);
    QCOMPARE(dialog->HostLoopPeriod(), 0.01);
    QCOMPARE(dialog->ChangeList()->Count(), 0u);
}

void TestSettingsDialog::stepperGetsFirstCompatiblePeriod_data()
{
    QTest::addColumn<double>("host");
    QTest::addColumn<double>("expected");
    QTest::newRow("1 ms") << 0.001 << 0.00005;
    QTest::newRow("125 us") << 0.000125 << 0.0000625;
    QTest::newRow("none fits 50 us: the shortest period") << 0.00005 << 0.00005;
}

void TestSettingsDialog::stepperGetsFirstCompatiblePeriod()
{
    QFETCH(double, host);
    QFETCH(double, expected);
    SetUpAxis(database, stepper, 0.0001);
    DialogPointer dialog = Create();

    CVornMotionAxisConfiguration::SetHostLoopRate(dialog.get(), host);

    QCOMPARE(dialog->HostLoopPeriod(), host);
    nVornMCPCD100::AttributeValue value = {};
    QVERIFY(dialog->ChangeList()->ReadValue(loopPeriod, 0, &value));
    QCOMPARE(double(value.realValue), expected);
    QVERIFY(Button(QDialogButtonBox::Apply)->isEnabled());
    QVERIFY(Button(QDialogButtonBox::Ok)->isEnabled());
}

void TestSettingsDialog::servoWithIncompatiblePeriodBlocksOkAndApply()
{
    SetUpAxis(database, servo, 0.0003);
    DialogPointer dialog = Create();
    QSignalSpy invalid(dialog.get(), &CVornMotionAxisSettings::InvalidSettings);

    CVornMotionAxisConfiguration::SetHostLoopRate(dialog.get(), 0.0006);

    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(dialog.get()), 0xA300AA);
    QVERIFY(Banner()->isVisible());
    QCOMPARE(Banner()->text(), loopRuleMessage);
    QVERIFY(!Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!Button(QDialogButtonBox::Apply)->isEnabled());
    QCOMPARE(invalid.count(), 1);
    QCOMPARE(invalid.at(0).at(0).toBool(), true);
    QCOMPARE(dialog->ChangeList()->Count(), 0u);

    // OK cannot commit while the problem stands, even when triggered directly.
    dialog->ChangeList()->StoreValue(loopPeriod, 0, RealValue(0.0002));
    dialog->accept();
    QVERIFY(dialog->isVisible());
    QVERIFY(database.WriteLog().isEmpty());
}

void TestSettingsDialog::servoWithCompatiblePeriodClearsTheProblem()
{
    SetUpAxis(database, servo, 0.0003);
    DialogPointer dialog = Create();
    CVornMotionAxisConfiguration::SetHostLoopRate(dialog.get(), 0.0006);

    database.SetSetting(loopPeriod, 0, RealSetting(0.0001));
    CVornMotionAxisConfiguration::SetHostLoopRate(dialog.get(), 0.001);

    QVERIFY(!Banner()->isVisible());
    QCOMPARE(Banner()->text(), QStringLiteral("Invalid Settings!"));
    QVERIFY(Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(Button(QDialogButtonBox::Apply)->isEnabled());
    QCOMPARE(dialog->ChangeList()->Count(), 0u);
}

void TestSettingsDialog::stepperRuleClearsAServoProblem()
{
    SetUpAxis(database, servo, 0.0003);
    DialogPointer dialog = Create();
    CVornMotionAxisConfiguration::SetHostLoopRate(dialog.get(), 0.0006);
    QVERIFY(!Button(QDialogButtonBox::Ok)->isEnabled());

    dialog->ChangeList()->StoreValue(0xA30001, 0, IntegerValue(stepper));
    dialog->SelectStepperLoopPeriod();

    QVERIFY(Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!Banner()->isVisible());
}

void TestSettingsDialog::problemsFromTwoSourcesStandApart()
{
    SetUpAxis(database, servo, 0.0001);
    DialogPointer dialog = Create();
    ProblemSource trajectory;
    ProblemSource driveCommand;
    for (ProblemSource *source : {&trajectory, &driveCommand})
        connect(source, &ProblemSource::InvalidSettings, dialog.get(),
                &CVornMotionAxisSettings::on_invalidSettings);

    dialog->SetInvalidSettingsText(QStringLiteral("Software limits are inverted"));
    emit trajectory.InvalidSettings(true);
    dialog->SetInvalidSettingsText(QStringLiteral("Torque limits are inverted"));
    emit driveCommand.InvalidSettings(true);
    QCOMPARE(Banner()->text(), QStringLiteral("Torque limits are inverted"));

    // A valid torque limit must not clear the inverted software limits.
    emit driveCommand.InvalidSettings(false);
    QVERIFY(!Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!Button(QDialogButtonBox::Apply)->isEnabled());
    QVERIFY(Banner()->isVisible());
    QCOMPARE(Banner()->text(), QStringLiteral("Software limits are inverted"));

    dialog->ChangeList()->StoreValue(loopPeriod, 0, RealValue(0.0002));
    QVERIFY(!Button(QDialogButtonBox::Apply)->isEnabled());

    emit trajectory.InvalidSettings(false);
    QVERIFY(Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(Button(QDialogButtonBox::Apply)->isEnabled());
    QVERIFY(!Banner()->isVisible());
}

void TestSettingsDialog::sharedSourceClosesTheLoopRuleProblem()
{
    SetUpAxis(database, servo, 0.0003);
    DialogPointer dialog = Create();
    ProblemSource positionLoop;
    ProblemSource other;
    for (ProblemSource *source : {&positionLoop, &other})
        connect(source, &ProblemSource::InvalidSettings, dialog.get(),
                &CVornMotionAxisSettings::on_invalidSettings);
    dialog->ShareLoopRuleProblem(&positionLoop);

    CVornMotionAxisConfiguration::SetHostLoopRate(dialog.get(), 0.0006);
    emit other.InvalidSettings(false);
    QVERIFY(!Button(QDialogButtonBox::Ok)->isEnabled());

    emit positionLoop.InvalidSettings(false);
    QVERIFY(Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!Banner()->isVisible());
}

void TestSettingsDialog::applyCommitsAndReloads()
{
    SetUpAxis(database, servo, 0.0001);
    DialogPointer dialog = Create();
    QSignalSpy reloads(dialog.get(), &CVornMotionAxisSettings::UpdateRequired);
    dialog->ChangeList()->StoreValue(loopPeriod, 0, RealValue(0.0002));
    QVERIFY(Button(QDialogButtonBox::Apply)->isEnabled());

    Button(QDialogButtonBox::Apply)->click();

    QCOMPARE(double(database.Setting(loopPeriod, 0)->value.realValue), 0.0002);
    QCOMPARE(dialog->ChangeList()->Count(), 0u);
    QCOMPARE(reloads.count(), 1);
    QVERIFY(!Button(QDialogButtonBox::Apply)->isEnabled());
    QVERIFY(dialog->isVisible());
    QCOMPARE(CVornMotionAxisConfiguration::IsSwitchToConfigModeRequired(dialog.get()), 1);
}

void TestSettingsDialog::okCommitsAndCancelDiscards()
{
    SetUpAxis(database, servo, 0.0001);
    {
        DialogPointer dialog = Create();
        dialog->ChangeList()->StoreValue(loopPeriod, 0, RealValue(0.0002));
        Button(QDialogButtonBox::Cancel)->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(database.WriteLog().isEmpty());
        QCOMPARE(CVornMotionAxisConfiguration::IsSwitchToConfigModeRequired(dialog.get()), 0);
    }
    DialogPointer dialog = Create();
    dialog->ChangeList()->StoreValue(loopPeriod, 0, RealValue(0.00025));
    Button(QDialogButtonBox::Ok)->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(double(database.Setting(loopPeriod, 0)->value.realValue), 0.00025);
}

void TestSettingsDialog::refusedWriteKeepsTheDialogOpen()
{
    SetUpAxis(database, servo, 0.0001);
    database.SetSetting(encoderCount, 0, IntegerSetting(2, true));
    DialogPointer dialog = Create();
    dialog->ChangeList()->StoreValue(loopPeriod, 0, RealValue(0.0002));
    dialog->ChangeList()->StoreValue(encoderCount, 0, IntegerValue(3));

    Button(QDialogButtonBox::Ok)->click();

    QVERIFY(dialog->isVisible());
    QVERIFY(Banner()->isVisible());
    QVERIFY2(Banner()->text().contains(QStringLiteral("Number of Encoders")),
             qPrintable(Banner()->text()));
    QVERIFY(Button(QDialogButtonBox::Apply)->isEnabled());
    QVERIFY(Button(QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(dialog->ChangeList()->Count(), 2u);
    QCOMPARE(double(database.Setting(loopPeriod, 0)->value.realValue), 0.0001);

    // A setting the dictionary does not name is named by its identifier.
    database.SetSetting(0xA3FFF0, 0, IntegerSetting(1, true));
    dialog->ChangeList()->Discard();
    dialog->ChangeList()->StoreValue(0xA3FFF0, 0, IntegerValue(2));
    Button(QDialogButtonBox::Apply)->click();
    QVERIFY2(Banner()->text().contains(QStringLiteral("\"0xA3FFF0\"")), qPrintable(Banner()->text()));

    // Dropping the refused edit lets the rest through, and the banner goes.
    dialog->ChangeList()->Discard();
    dialog->ChangeList()->StoreValue(loopPeriod, 0, RealValue(0.0002));
    Button(QDialogButtonBox::Apply)->click();
    QVERIFY(!Banner()->isVisible());
    QCOMPARE(double(database.Setting(loopPeriod, 0)->value.realValue), 0.0002);
}

void TestSettingsDialog::deletingWithPendingEditsWritesNothing()
{
    SetUpAxis(database, servo, 0.0001);
    DialogPointer dialog = Create();
    dialog->ChangeList()->StoreValue(loopPeriod, 0, RealValue(0.0002));
    dialog.reset();
    QVERIFY(database.WriteLog().isEmpty());
    QCOMPARE(double(database.Setting(loopPeriod, 0)->value.realValue), 0.0001);
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsDialog.moc"
