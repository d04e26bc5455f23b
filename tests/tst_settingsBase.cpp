#include "pageFixture.h"
#include "profileFixture.h"
#include "testSettingsPage.h"

#include "displayTexts.h"
#include "loadingGuard.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;
using Fixture = PageFixture<TestSettingsPage>;

namespace {

const AttributeId axisType = 0xA30001;
const AttributeId stepsPerUnit = 0xA30006;
const AttributeId loopMode = 0xA30007;
const AttributeId encoderCountsPerUnit = 0xA30035;

// Types into a spin box as a user does and finishes the edit with Return.
void TypeAndReturn(CCoercingSpinBox *box, const QString &text)
{
    box->setFocus();
    box->findChild<QLineEdit *>()->selectAll();
    QTest::keyClicks(box->findChild<QLineEdit *>(), text);
    QTest::keyClick(box, Qt::Key_Return);
}

bool SamePicture(const QLabel *label, const QString &path)
{
    const QPixmap shown = label->pixmap(Qt::ReturnByValue);
    return !shown.isNull() && shown.toImage() == QPixmap(path).toImage();
}

} // namespace

class TestSettingsBase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void constructionRecordsNothing();
    void bindingsShowStoredValues();
    void captionsAndToolTipsComeFromTheDictionary();
    void enumerationListsDropWhatTheDatabaseRefuses();
    void unsupportedIsHiddenAndReadOnlyDisabled_data();
    void unsupportedIsHiddenAndReadOnlyDisabled();
    void finishedEditsAreClampedAndStored();
    void missingLimitLeavesThatSideOpen();
    void integerEditsNeverOverflow();
    void focusChangeWithoutEditStoresNothing();
    void returnStoresOnceAndKeepsTheDialogOpen();
    void applyFinishesATypedEdit();
    void cancelDropsATypedEdit();
    void pendingCountsPerUnitRescales();
    void unusableCountsPerUnitDoesNotRescale_data();
    void unusableCountsPerUnitDoesNotRescale();
    void stepperInOpenLoopScalesBySteps();
    void displayUnits_data();
    void displayUnits();
    void ioTypeChangeMapsStatesToTheNewGroup();
    void ioTypeChangeWithinAGroupKeepsTheState();
    void activeStatePictures();
    void resetToDefaultStoresAtOnce();
    void resetToDefaultMapsActiveStateToTheTypesGroup();
    void resetIsDisabledForTexts();
    void combosIgnoreMissingSelections();
    void doubleCombosSelectWithinTolerance();
    void wheelNeedsFocus();
    void nestedLoadingKeepsTheOuterGuard();

private:
    CAxisDatabase database;
};

void TestSettingsBase::init()
{
    TestSettingsPage::SetUpServo(database);
}

void TestSettingsBase::constructionRecordsNothing()
{
    Fixture fixture(database);
    QCOMPARE(fixture.Changes()->Count(), 0u);
    QVERIFY(!fixture.Changes()->loading);
    fixture.page->LoadProperties();
    QCOMPARE(fixture.Changes()->Count(), 0u);
}

void TestSettingsBase::bindingsShowStoredValues()
{
    Fixture fixture(database);
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;
    QVERIFY(ui.tstMotorOff->isChecked());
    QCOMPARE(ui.tstFeedback->currentData().toInt(), 0xA3006D);
    QCOMPARE(ui.tstFilter->currentText(), QStringLiteral("1 us"));
    QCOMPARE(ui.tstLimit->value(), 5.0);
    QCOMPARE(ui.tstEncoderCount->value(), 2.0);
    QCOMPARE(ui.tstVelocity->value(), 10.0);
    QCOMPARE(ui.tstSettle->value(), 2.0);
    QVERIFY(ui.tstActiveHigh->isChecked());
    QVERIFY(!ui.tstActiveLow->isChecked());
    QCOMPARE(ui.tstOutputState->currentData().toInt(), 0xA30078);
    QCOMPARE(ui.tstSafeState->currentData().toInt(), 0xA3007D);
    QCOMPARE(ui.tstUnits->currentText(), QStringLiteral("mm"));
    QCOMPARE(ComboTexts(ui.tstUnits), (QStringList{QStringLiteral("Unit"), QStringLiteral("rev"),
                                                   QStringLiteral("mm"), QStringLiteral("cm"),
                                                   QStringLiteral("m"), QStringLiteral("in"),
                                                   QStringLiteral("ft")}));
    QCOMPARE(ui.units_tstVelocity->text(), QStringLiteral("mm/s"));

    // A stored text that is none of the offered units still shows, and reloads do not pile up.
    database.SetSetting(TestSettingsPage::EncoderUnits, 0, StringSetting(QStringLiteral("furlong")));
    fixture.page->LoadProperties();
    fixture.page->LoadProperties();
    QCOMPARE(ui.tstUnits->currentText(), QStringLiteral("furlong"));
    QCOMPARE(ui.tstUnits->count(), 7);
}

void TestSettingsBase::captionsAndToolTipsComeFromTheDictionary()
{
    Fixture fixture(database);
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;
    QCOMPARE(ui.tstLabelFeedback->text(), GetDictionaryName(TestSettingsPage::Feedback));
    QCOMPARE(ui.tstLabelFeedback->text(), QStringLiteral("Feedback Device"));
    QCOMPARE(ui.tstLabelFeedback->textFormat(), Qt::PlainText);
    QCOMPARE(ui.tstFeedback->toolTip(),
             WrapToolTipText(GetDictionaryDescription(TestSettingsPage::Feedback)));
    QCOMPARE(ui.tstLabelEncoderCount->text(), QStringLiteral("Number of Encoders"));
    // A check box without a caption label carries the caption itself.
    QCOMPARE(ui.tstMotorOff->text(), GetDictionaryName(TestSettingsPage::MotorOff));
}

void TestSettingsBase::enumerationListsDropWhatTheDatabaseRefuses()
{
    Fixture fixture(database);
    QCOMPARE(ComboIds(fixture.page->ui.tstFeedback), (QList<qint32>{0xA3006D, 0xA3006E, 0xA3006F}));
    QCOMPARE(ComboTexts(fixture.page->ui.tstFilter),
             (QStringList{QStringLiteral("500 ns"), QStringLiteral("1 us"),
                          QStringLiteral("10 us"), QStringLiteral("100 us")}));
    // The output line is single-ended: only the active high and low states of its group.
    QCOMPARE(ComboIds(fixture.page->ui.tstOutputState), (QList<qint32>{0xA30077, 0xA30078}));

    database.SetSetting(TestSettingsPage::Feedback, 0, EnumerationSetting(0xA3006D, {0x1}));
    Fixture refused(database);
    QCOMPARE(refused.page->ui.tstFeedback->count(), 0);
    QCOMPARE(refused.Changes()->Count(), 0u);
}

void TestSettingsBase::unsupportedIsHiddenAndReadOnlyDisabled_data()
{
    QTest::addColumn<quint32>("attribute");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("label");
    QTest::newRow("check box") << quint32(TestSettingsPage::MotorOff) << "tstMotorOff" << "";
    QTest::newRow("enumeration") << quint32(TestSettingsPage::Feedback) << "tstFeedback"
                                 << "tstLabelFeedback";
    QTest::newRow("period list") << quint32(TestSettingsPage::Filter) << "tstFilter"
                                 << "tstLabelFilter";
    QTest::newRow("integer") << quint32(TestSettingsPage::Limit) << "tstLimit" << "tstLabelLimit";
    QTest::newRow("real with units") << quint32(TestSettingsPage::Velocity) << "tstVelocity"
                                     << "units_tstVelocity";
    QTest::newRow("radio pair") << quint32(TestSettingsPage::InputState) << "tstActiveLow" << "";
    QTest::newRow("active state") << quint32(TestSettingsPage::OutputState) << "tstOutputState"
                                  << "tstLabelOutputState";
    QTest::newRow("safe state") << quint32(TestSettingsPage::SafeState) << "tstSafeState"
                                << "tstLabelSafeState";
    QTest::newRow("units text") << quint32(TestSettingsPage::EncoderUnits) << "tstUnits"
                                << "tstLabelUnits";
}

void TestSettingsBase::unsupportedIsHiddenAndReadOnlyDisabled()
{
    QFETCH(quint32, attribute);
    QFETCH(QString, widget);
    QFETCH(QString, label);

    AxisSetting setting = *database.Setting(attribute, 0);
    setting.readOnly = true;
    database.SetSetting(attribute, 0, setting);
    {
        Fixture fixture(database);
        QWidget *bound = fixture.page->findChild<QWidget *>(widget);
        QVERIFY(bound->isVisible());
        QVERIFY(!bound->isEnabled());
        if (!label.isEmpty())
            QVERIFY(!fixture.page->findChild<QWidget *>(label)->isEnabled());
    }
    setting.readOnly = false;
    setting.supported = false;
    database.SetSetting(attribute, 0, setting);
    Fixture fixture(database);
    QVERIFY(!fixture.page->findChild<QWidget *>(widget)->isVisible());
    if (!label.isEmpty())
        QVERIFY(!fixture.page->findChild<QWidget *>(label)->isVisible());
    QCOMPARE(fixture.Changes()->Count(), 0u);
}

void TestSettingsBase::finishedEditsAreClampedAndStored()
{
    Fixture fixture(database);
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;

    TypeAndReturn(ui.tstLimit, QStringLiteral("150"));
    QCOMPARE(ui.tstLimit->value(), 100.0);
    QCOMPARE(qint32(PendingValue(fixture.Changes(), TestSettingsPage::Limit).integerValue), 100);

    TypeAndReturn(ui.tstVelocity, QStringLiteral("-5"));
    QCOMPARE(ui.tstVelocity->value(), 0.0);
    QCOMPARE(double(PendingValue(fixture.Changes(), TestSettingsPage::Velocity).realValue), 0.0);

    TypeAndReturn(ui.tstLimit, QStringLiteral("7"));
    QCOMPARE(qint32(PendingValue(fixture.Changes(), TestSettingsPage::Limit).integerValue), 7);

    // Shown in milliseconds, stored in seconds, limited by the stored maximum of 0.1 s.
    TypeAndReturn(ui.tstSettle, QStringLiteral("250"));
    QCOMPARE(ui.tstSettle->value(), 100.0);
    QCOMPARE(double(PendingValue(fixture.Changes(), TestSettingsPage::Settle).realValue), 0.1);
    TypeAndReturn(ui.tstSettle, QStringLiteral("5"));
    QCOMPARE(double(PendingValue(fixture.Changes(), TestSettingsPage::Settle).realValue), 0.005);
}

void TestSettingsBase::missingLimitLeavesThatSideOpen()
{
    AxisSetting limit = *database.Setting(TestSettingsPage::Limit, 0);
    limit.maximum.reset();
    database.SetSetting(TestSettingsPage::Limit, 0, limit);
    Fixture fixture(database);

    TypeAndReturn(fixture.page->ui.tstLimit, QStringLiteral("5000"));
    QCOMPARE(qint32(PendingValue(fixture.Changes(), TestSettingsPage::Limit).integerValue), 5000);
    TypeAndReturn(fixture.page->ui.tstLimit, QStringLiteral("-3"));
    QCOMPARE(qint32(PendingValue(fixture.Changes(), TestSettingsPage::Limit).integerValue), 0);
}

void TestSettingsBase::integerEditsNeverOverflow()
{
    AxisSetting limit = *database.Setting(TestSettingsPage::Limit, 0);
    limit.minimum.reset();
    limit.maximum.reset();
    database.SetSetting(TestSettingsPage::Limit, 0, limit);
    Fixture fixture(database);
    CVornMotionAxisSettingsBase *page = fixture.page;

    page->on_coercedValueChanged(TestSettingsPage::Limit, 1e12, false);
    QCOMPARE(qint32(PendingValue(fixture.Changes(), TestSettingsPage::Limit).integerValue),
             2147483647);
    page->on_coercedValueChanged(TestSettingsPage::Limit, -7.9, false);
    QCOMPARE(qint32(PendingValue(fixture.Changes(), TestSettingsPage::Limit).integerValue), -7);
    page->on_coercedValueChanged(TestSettingsPage::Limit, std::nan(""), false);
    QCOMPARE(qint32(PendingValue(fixture.Changes(), TestSettingsPage::Limit).integerValue), -7);

    QCOMPARE(TestSettingsPage::InstanceAt(2147483647, 1), -1);
    QCOMPARE(TestSettingsPage::InstanceAt(-2, 1), -1);
    QCOMPARE(TestSettingsPage::InstanceAt(3, 2), 5);
}

void TestSettingsBase::focusChangeWithoutEditStoresNothing()
{
    AxisSetting velocity = *database.Setting(TestSettingsPage::Velocity, 0);
    velocity.value.realValue = 0.0015;
    database.SetSetting(TestSettingsPage::Velocity, 0, velocity);
    Fixture fixture(database);
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;
    ui.tstVelocity->setDecimals(2);
    fixture.page->LoadProperties();

    // Tabbing through a value the box can show only rounded must not store the rounding.
    ui.tstVelocity->setFocus();
    ui.tstSettle->setFocus();
    ui.tstLimit->setFocus();
    QCOMPARE(fixture.Changes()->Count(), 0u);
}

void TestSettingsBase::returnStoresOnceAndKeepsTheDialogOpen()
{
    Fixture fixture(database);
    CCoercingSpinBox *box = fixture.page->ui.tstLimit;
    QSignalSpy announced(box, &CCoercingSpinBox::CoercedValueChanged);

    TypeAndReturn(box, QStringLiteral("42"));
    QTest::keyClick(box, Qt::Key_Return);

    QCOMPARE(announced.count(), 1);
    QVERIFY(fixture.dialog->isVisible());
    QCOMPARE(fixture.dialog->result(), 0);
    QCOMPARE(qint32(PendingValue(fixture.Changes(), TestSettingsPage::Limit).integerValue), 42);
}

void TestSettingsBase::applyFinishesATypedEdit()
{
    Fixture fixture(database);
    CCoercingSpinBox *box = fixture.page->ui.tstLimit;
    box->setFocus();
    box->findChild<QLineEdit *>()->selectAll();
    QTest::keyClicks(box->findChild<QLineEdit *>(), QStringLiteral("9"));
    QCOMPARE(fixture.Changes()->Count(), 0u);

    // As a keyboard shortcut does: the focus stays in the box.
    fixture.Button(QDialogButtonBox::Apply)->setEnabled(true);
    QMetaObject::invokeMethod(fixture.dialog, "on_applyButton_clicked");

    QCOMPARE(qint32(database.Setting(TestSettingsPage::Limit, 0)->value.integerValue), 9);
}

void TestSettingsBase::cancelDropsATypedEdit()
{
    Fixture fixture(database);
    CCoercingSpinBox *box = fixture.page->ui.tstLimit;
    box->setFocus();
    box->findChild<QLineEdit *>()->selectAll();
    QTest::keyClicks(box->findChild<QLineEdit *>(), QStringLiteral("9"));

    fixture.Button(QDialogButtonBox::Cancel)->click();
    fixture.page->ui.tstSettle->setFocus();

    QCOMPARE(fixture.Changes()->Count(), 0u);
}

void TestSettingsBase::pendingCountsPerUnitRescales()
{
    Fixture fixture(database);
    CVornMotionChangeList *changes = fixture.Changes();
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;

    changes->StoreValue(encoderCountsPerUnit, 0, RealValue(2000));
    emit fixture.dialog->UpdateRequired();
    QCOMPARE(ui.tstVelocity->value(), 5.0);

    TypeAndReturn(ui.tstVelocity, QStringLiteral("6"));
    QCOMPARE(double(PendingValue(changes, TestSettingsPage::Velocity).realValue), 12.0);

    fixture.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(changes->Count(), 0u);
    QCOMPARE(double(database.Setting(TestSettingsPage::Velocity, 0)->value.realValue), 12.0);
    QCOMPARE(ui.tstVelocity->value(), 12.0);
}

void TestSettingsBase::unusableCountsPerUnitDoesNotRescale_data()
{
    QTest::addColumn<double>("pending");
    QTest::addColumn<double>("stored");
    QTest::newRow("zero pending") << 0.0 << 1000.0;
    QTest::newRow("zero stored") << 2000.0 << 0.0;
}

void TestSettingsBase::unusableCountsPerUnitDoesNotRescale()
{
    QFETCH(double, pending);
    QFETCH(double, stored);
    database.SetSetting(encoderCountsPerUnit, 0, RealSetting(stored));
    Fixture fixture(database);
    fixture.Changes()->StoreValue(encoderCountsPerUnit, 0, RealValue(pending));
    emit fixture.dialog->UpdateRequired();
    QCOMPARE(fixture.page->ui.tstVelocity->value(), 10.0);
    TypeAndReturn(fixture.page->ui.tstVelocity, QStringLiteral("6"));
    QCOMPARE(double(PendingValue(fixture.Changes(), TestSettingsPage::Velocity).realValue), 6.0);
}

void TestSettingsBase::stepperInOpenLoopScalesBySteps()
{
    database.SetSetting(axisType, 0, EnumerationSetting(0xA3006C, {0xA3006B, 0xA3006C}));
    Fixture fixture(database);
    fixture.Changes()->StoreValue(stepsPerUnit, 0, RealValue(400));
    emit fixture.dialog->UpdateRequired();
    QCOMPARE(fixture.page->ui.tstVelocity->value(), 5.0);

    // In closed loop the encoder defines counts per unit; the steps pending change nothing.
    fixture.Changes()->StoreValue(loopMode, 0, IntegerValue(0xA30071));
    emit fixture.dialog->UpdateRequired();
    QCOMPARE(fixture.page->ui.tstVelocity->value(), 10.0);
}

void TestSettingsBase::displayUnits_data()
{
    QTest::addColumn<qint32>("axis");
    QTest::addColumn<qint32>("feedback");
    QTest::addColumn<QString>("units");
    QTest::newRow("servo, first encoder") << 0xA3006B << 0xA3006D << "mm";
    QTest::newRow("servo, second encoder") << 0xA3006B << 0xA3006F << "rev";
    QTest::newRow("servo, analog feedback") << 0xA3006B << 0xA3006E << "V";
    QTest::newRow("stepper without feedback") << 0xA3006C << 0xA300BE << "in";
    QTest::newRow("stepper with an encoder") << 0xA3006C << 0xA3006D << "mm";
    QTest::newRow("unknown axis type") << 0x1 << 0xA3006D << "";
}

void TestSettingsBase::displayUnits()
{
    QFETCH(qint32, axis);
    QFETCH(qint32, feedback);
    QFETCH(QString, units);
    Fixture fixture(database);
    fixture.Changes()->StoreValue(axisType, 0, IntegerValue(axis));
    fixture.Changes()->StoreValue(TestSettingsPage::Feedback, 0, IntegerValue(feedback));
    QCOMPARE(fixture.page->GetDisplayUnits(), units);
    emit fixture.dialog->UpdateRequired();
    QCOMPARE(fixture.page->ui.units_tstVelocity->text(), units + QStringLiteral("/s"));
}

void TestSettingsBase::ioTypeChangeMapsStatesToTheNewGroup()
{
    Fixture fixture(database);
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;
    AxisSetting state = *database.Setting(TestSettingsPage::OutputState, 0);
    AxisSetting safe = *database.Setting(TestSettingsPage::SafeState, 0);

    ui.tstOutputType->setCurrentIndex(ui.tstOutputType->findData(0xA3007B));

    const CVornMotionChangeList *changes = fixture.Changes();
    QCOMPARE(qint32(PendingValue(changes, TestSettingsPage::OutputType).integerValue), 0xA3007B);
    QCOMPARE(qint32(PendingValue(changes, TestSettingsPage::OutputState).integerValue), 0xA10073);
    QCOMPARE(qint32(PendingValue(changes, TestSettingsPage::SafeState).integerValue), 0xA1007D);
    QCOMPARE(ComboIds(ui.tstOutputState), (QList<qint32>{0xA10072, 0xA10073}));
    QCOMPARE(ui.tstOutputState->currentData().toInt(), 0xA10073);
    QCOMPARE(ComboIds(ui.tstSafeState), (QList<qint32>{0xA1007C, 0xA1007D, 0xA300C9}));
    QCOMPARE(ui.tstSafeState->currentData().toInt(), 0xA1007D);
    QVERIFY(SamePicture(ui.tstOutputPicture, QStringLiteral(":/images/DOsinkingActiveOff.png")));
    QCOMPARE(qint32(database.Setting(TestSettingsPage::OutputState, 0)->value.integerValue),
             state.value.integerValue);
    QCOMPARE(qint32(database.Setting(TestSettingsPage::SafeState, 0)->value.integerValue),
             safe.value.integerValue);
}

void TestSettingsBase::ioTypeChangeWithinAGroupKeepsTheState()
{
    Fixture fixture(database);
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;
    ui.tstOutputType->setCurrentIndex(ui.tstOutputType->findData(0xA10078));
    QCOMPARE(fixture.Changes()->Count(), 1u);
    QVERIFY(fixture.Changes()->Contains(TestSettingsPage::OutputType, 0));
    QCOMPARE(ComboIds(ui.tstOutputState), (QList<qint32>{0xA30077, 0xA30078}));
    QCOMPARE(ui.tstOutputState->currentData().toInt(), 0xA30078);
    QVERIFY(SamePicture(ui.tstOutputPicture, QStringLiteral(":/images/DiffOutputActiveLow.png")));
}

void TestSettingsBase::activeStatePictures()
{
    Fixture fixture(database);
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;
    QVERIFY(SamePicture(ui.tstOutputPicture, QStringLiteral(":/images/SEOutputActiveLow.png")));
    // Safe state 0xA3007D swaps the markers; an active-low line then shows the second of the
    // swapped pair, which is marker A.
    QVERIFY(ui.tstSafePictureA->isVisible());
    QVERIFY(!ui.tstSafePictureB->isVisible());
    ui.tstSafeState->setCurrentIndex(ui.tstSafeState->findData(0xA3007E));
    QVERIFY(!ui.tstSafePictureA->isVisible());
    QVERIFY(ui.tstSafePictureB->isVisible());
    QVERIFY(ui.tstActive->isVisible());

    ui.tstSafeState->setCurrentIndex(ui.tstSafeState->findData(0xA300C9));
    QVERIFY(!ui.tstSafePictureA->isVisible());
    QVERIFY(!ui.tstSafePictureB->isVisible());

    ui.tstOutputState->setCurrentIndex(ui.tstOutputState->findData(0xA30077));
    QVERIFY(SamePicture(ui.tstOutputPicture, QStringLiteral(":/images/SEOutputActiveHigh.png")));

    // A type without a picture leaves the label empty.
    fixture.Changes()->StoreValue(TestSettingsPage::OutputType, 0, IntegerValue(0x1));
    fixture.page->LoadProperties();
    QVERIFY(ui.tstOutputPicture->pixmap(Qt::ReturnByValue).isNull());
}

void TestSettingsBase::resetToDefaultStoresAtOnce()
{
    Fixture fixture(database);
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;
    const QList<QAction *> actions = ui.tstVelocity->actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.first()->text(), QStringLiteral("Reset to Default"));
    QCOMPARE(ui.tstVelocity->contextMenuPolicy(), Qt::ActionsContextMenu);

    actions.first()->trigger();
    QCOMPARE(ui.tstVelocity->value(), 20.0);
    QCOMPARE(double(PendingValue(fixture.Changes(), TestSettingsPage::Velocity).realValue), 20.0);

    // Shown in milliseconds, the default goes through the same conversion as an edit.
    ui.tstSettle->actions().first()->trigger();
    QCOMPARE(ui.tstSettle->value(), 1.0);
    QCOMPARE(double(PendingValue(fixture.Changes(), TestSettingsPage::Settle).realValue), 0.001);

    fixture.Button(QDialogButtonBox::Ok)->click();
    QCOMPARE(double(database.Setting(TestSettingsPage::Velocity, 0)->value.realValue), 20.0);
    QCOMPARE(double(database.Setting(TestSettingsPage::Settle, 0)->value.realValue), 0.001);
}

void TestSettingsBase::resetToDefaultMapsActiveStateToTheTypesGroup()
{
    Fixture fixture(database);
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;
    ui.tstOutputState->actions().first()->trigger();
    QCOMPARE(ui.tstOutputState->currentData().toInt(), 0xA30077);
    QCOMPARE(qint32(PendingValue(fixture.Changes(), TestSettingsPage::OutputState).integerValue),
             0xA30077);
}

void TestSettingsBase::resetIsDisabledForTexts()
{
    Fixture fixture(database);
    QAction *reset = fixture.page->ui.tstUnits->actions().first();
    QVERIFY(!reset->isEnabled());
    reset->setEnabled(true);
    reset->trigger();
    QCOMPARE(fixture.page->ui.tstUnits->currentText(), QStringLiteral("mm"));
    QCOMPARE(fixture.Changes()->Count(), 0u);

    // Nor does an action whose setting the database has no default for.
    AxisSetting limit = *database.Setting(TestSettingsPage::Limit, 0);
    limit.supported = false;
    database.SetSetting(TestSettingsPage::Limit, 0, limit);
    fixture.page->ui.tstLimit->actions().first()->trigger();
    QCOMPARE(fixture.Changes()->Count(), 0u);
}

void TestSettingsBase::combosIgnoreMissingSelections()
{
    Fixture fixture(database);
    const Ui::TestSettingsPageClass &ui = fixture.page->ui;
    ui.tstFeedback->setCurrentIndex(-1);
    ui.tstFeedback->addItem(QStringLiteral("no data"));
    ui.tstFeedback->setCurrentIndex(ui.tstFeedback->count() - 1);
    ui.tstFilter->clear();
    QCOMPARE(fixture.Changes()->Count(), 0u);
}

void TestSettingsBase::doubleCombosSelectWithinTolerance()
{
    AxisSetting filter = *database.Setting(TestSettingsPage::Filter, 0);
    filter.value.realValue = 0.00001 * (1 + 1e-12);
    database.SetSetting(TestSettingsPage::Filter, 0, filter);
    Fixture fixture(database);
    QCOMPARE(fixture.page->ui.tstFilter->currentText(), QStringLiteral("10 us"));

    filter.value.realValue = 0.00002;
    database.SetSetting(TestSettingsPage::Filter, 0, filter);
    fixture.page->LoadProperties();
    QCOMPARE(fixture.page->ui.tstFilter->currentIndex(), -1);
    QCOMPARE(fixture.Changes()->Count(), 0u);
}

void TestSettingsBase::wheelNeedsFocus()
{
    Fixture fixture(database);
    QComboBox *combo = fixture.page->ui.tstFeedback;
    CCoercingSpinBox *box = fixture.page->ui.tstLimit;
    fixture.page->ui.tstFilter->setFocus();
    const int comboIndex = combo->currentIndex();
    const double boxValue = box->value();

    for (QWidget *target : {static_cast<QWidget *>(combo), static_cast<QWidget *>(box)}) {
        const QPoint centre = target->rect().center();
        QWheelEvent wheel(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }
    QCOMPARE(combo->currentIndex(), comboIndex);
    QCOMPARE(box->value(), boxValue);
    QCOMPARE(fixture.Changes()->Count(), 0u);

    combo->setFocus();
    const QPoint centre = combo->rect().center();
    QWheelEvent wheel(centre, combo->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
    QVERIFY(combo->currentIndex() != comboIndex);
}

void TestSettingsBase::nestedLoadingKeepsTheOuterGuard()
{
    Fixture fixture(database);
    CVornMotionChangeList *changes = fixture.Changes();
    {
        CVornMotionLoadingGuard outer(changes);
        fixture.page->LoadProperties();
        QVERIFY(changes->loading);
        {
            CVornMotionLoadingGuard storing(changes, false);
            QVERIFY(!changes->loading);
        }
        QVERIFY(changes->loading);
        fixture.page->ui.tstMotorOff->setChecked(false);
    }
    QVERIFY(!changes->loading);
    QCOMPARE(changes->Count(), 0u);
}

QTEST_MAIN(TestSettingsBase)
#include "tst_settingsBase.moc"
