#include "profileFixture.h"

#include "ioStates.h"
#include "pendingEditsModel.h"
#include "settingsBase.h"
#include "settingsGmode.h"
#include "valueReader.h"

#include <QAbstractItemView>
#include <QAction>
#include <QStackedWidget>
#include <QToolButton>

#include <cstring>

// Edits a page derives from another edit, instance switches and the keys of the dialog's lists,
// checked through the invariant they share: after any edit or revert a reload stores nothing,
// no pending value contradicts another, and Apply writes what the widgets show.

namespace {

using nVornMCPCD100::AttributeId;

enum Scenario
{
    RevertCause,
    RevertDerived,
    OwnEditThenRevertCause
};

struct Dialog : HostDialog
{
    explicit Dialog(CAxisDatabase &database)
        : HostDialog(database)
    {
    }

    void Open(const QByteArray &area) const { Find<QToolButton>(area.constData())->click(); }
    CVornMotionPendingEditsModel *Model() const
    {
        return qobject_cast<CVornMotionPendingEditsModel *>(
            Find<QAbstractItemView>("changesView")->model());
    }
    // Takes back the edit of (id, index) as a person does: its row, then Revert.
    bool RevertRow(AttributeId id, quint32 index) const
    {
        auto *view = Find<QAbstractItemView>("changesView");
        for (int row = 0; row < Model()->rowCount(); ++row) {
            const auto edit = Model()->EditAt(row);
            if (edit->id == id && edit->index == index) {
                view->setCurrentIndex(Model()->index(row, 0));
                Find<QPushButton>("revertChangeButton")->click();
                return true;
            }
        }
        return false;
    }
    QVector<CVornMotionChangeList::PendingEdit> AllPending() const
    {
        return Changes()->PendingEdits();
    }
    // Every created page derives and reloads again.
    void ReloadAll() const
    {
        for (auto *page : dialog->findChildren<CVornMotionAxisSettingsBase *>()) {
            page->ReconcileDerivedEdits();
            page->on_updateControls();
        }
    }
};

bool SamePending(const QVector<CVornMotionChangeList::PendingEdit> &left,
                 const QVector<CVornMotionChangeList::PendingEdit> &right)
{
    if (left.size() != right.size())
        return false;
    for (int each = 0; each < left.size(); ++each) {
        if (left[each].id != right[each].id || left[each].index != right[each].index
            || std::memcmp(&left[each].value, &right[each].value, sizeof(left[each].value)) != 0
            || left[each].text != right[each].text || left[each].causeId != right[each].causeId)
            return false;
    }
    return true;
}

// The first item of the type combo whose group differs from the group of the type held.
int OtherGroupItem(const QComboBox *types, qint32 held)
{
    for (int item = 0; item < types->count(); ++item) {
        const qint32 type = types->itemData(item).toInt();
        if (IoStates::GroupOf(type) != IoStates::GroupOf(held))
            return item;
    }
    return -1;
}

} // namespace

class TestLinkedEdits : public QObject
{
    Q_OBJECT

private slots:
    void ioTypeAndStatesRevertTogether_data();
    void ioTypeAndStatesRevertTogether();
    void filterParametersAndBiquadStayConsistent_data();
    void filterParametersAndBiquadStayConsistent();
    void returnInAListOpensAndNeverCommits_data();
    void returnInAListOpensAndNeverCommits();
    void instanceSwitchAppliesTheNewInstancesAnswers();
    void unknownFilterTypeShowsZerosDisabled();
    void unreadableMappingsAreNoDuplicates();
    void negativeFirstLineShowsNoLines();
    void revertedAxisTypeRestoresNavigationAndLoopRule();
    void resetCountsPerUnitReloadsEveryPage();
    void derivedStepperDecelerationReadsAndOpensAsItsCause();
    void stepperLoopModeIsABoundSetting();
    void secondReloadChangesNothing_data();
    void secondReloadChangesNothing();
};

void TestLinkedEdits::ioTypeAndStatesRevertTogether_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QByteArray>("area");
    QTest::addColumn<QByteArray>("typeCombo");
    QTest::addColumn<QByteArray>("stateCombo");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<quint32>("state");
    QTest::addColumn<quint32>("safe");
    QTest::addColumn<int>("scenario");

    const struct
    {
        const char *name;
        const char *profile;
        const char *area;
        const char *typeCombo;
        const char *stateCombo;
        quint32 type, state, safe;
    } lines[] = {
        {"limit", "servo.json", "gmodeLimitsAndHome", "mtnFwLimitInputType", "mtnFwLimitActiveState", 0xA3000E,
         0xA3000D, 0},
        {"digital input", "servo.json", "gmodeDigitalIO", "dioDIType", "dioDIActiveState", 0xA30065, 0xA30063, 0},
        {"capture", "servo.json", "gmodeCapt", "ccpCaptureInputType", "ccpCaptureActiveState", 0xA1007A, 0xA1007B,
         0},
        {"compare", "servo.json", "gmodeComp", "ccpCompareOutputType", "ccpCompareActiveState", 0xA10079,
         0xA3002F, 0xA30030},
        {"drive enable", "servo.json", "gmodeDriveSignals", "mtnDriveEnableOutputType",
         "mtnDriveEnableActiveState", 0xA300BC, 0xA300BB, 0xA300BD},
        {"stepper output", "stepper.json", "gmodeMultiPurpose", "stpOutputType", "stpActiveState",
         0xA3000B, 0xA30009, 0},
    };
    const struct
    {
        const char *name;
        Scenario scenario;
    } scenarios[] = {{"revert cause", RevertCause},
                     {"revert derived", RevertDerived},
                     {"own edit, revert cause", OwnEditThenRevertCause}};
    for (const auto &line : lines) {
        for (const auto &scenario : scenarios) {
            QTest::addRow("%s: %s", line.name, scenario.name)
                << QString::fromLatin1(line.profile) << QByteArray(line.area)
                << QByteArray(line.typeCombo)
                << QByteArray(line.stateCombo) << line.type << line.state << line.safe
                << int(scenario.scenario);
        }
    }
}

void TestLinkedEdits::ioTypeAndStatesRevertTogether()
{
    QFETCH(QString, profile);
    QFETCH(QByteArray, area);
    QFETCH(QByteArray, typeCombo);
    QFETCH(QByteArray, stateCombo);
    QFETCH(quint32, type);
    QFETCH(quint32, state);
    QFETCH(quint32, safe);
    QFETCH(int, scenario);

    CAxisDatabase database;
    QVERIFY(LoadProfile(database, profile));
    Dialog dialog(database);
    dialog.Open(area);
    auto *types = dialog.Find<QComboBox>(typeCombo.constData());
    auto *states = dialog.Find<QComboBox>(stateCombo.constData());
    const CVornMotionValueReader reader(&database, dialog.Changes());

    const int other = OtherGroupItem(types, reader.ReadInteger(type, 0));
    QVERIFY(other >= 0);
    types->setCurrentIndex(other);
    const auto derived = dialog.Changes()->PendingEditOf(state, 0);
    QVERIFY2(derived && derived->IsDerived() && derived->causeId == type,
             "the re-mapped state follows from the type");

    switch (scenario) {
    case RevertCause:
        QVERIFY(dialog.RevertRow(type, 0));
        break;
    case RevertDerived:
        QVERIFY(dialog.RevertRow(state, 0));
        break;
    case OwnEditThenRevertCause:
        states->setCurrentIndex(states->count() - 1);
        QVERIFY(!dialog.Changes()->PendingEditOf(state, 0)->IsDerived());
        QVERIFY(dialog.RevertRow(type, 0));
        break;
    }
    QVERIFY(!dialog.Changes()->Contains(type, 0));
    if (scenario != OwnEditThenRevertCause) {
        QCOMPARE(dialog.Changes()->Count(), 0u);
    }

    // No pending state lies outside the group of its line's type, and the combo offers that group.
    const IoStates::Group group = IoStates::GroupOf(reader.ReadInteger(type, 0));
    QVERIFY(!IoStates::IsActiveStateOfOtherGroup(reader.ReadInteger(state, 0), group));
    if (safe != 0)
        QVERIFY(!IoStates::IsSafeStateOfOtherGroup(reader.ReadInteger(safe, 0), group));
    for (int item = 0; item < states->count(); ++item)
        QVERIFY(!IoStates::IsActiveStateOfOtherGroup(states->itemData(item).toInt(), group));
    QCOMPARE(states->currentData().toInt(), reader.ReadInteger(state, 0));
    QCOMPARE(types->currentData().toInt(), reader.ReadInteger(type, 0));

    const auto before = dialog.AllPending();
    dialog.ReloadAll();
    QVERIFY2(SamePending(before, dialog.AllPending()), "a reload stores nothing");

    const int shownState = states->currentData().toInt();
    dialog.Button(QDialogButtonBox::Apply)->click();
    QCOMPARE(dialog.Changes()->Count(), 0u);
    nVornMCPCD100::AttributeValue written = {};
    QVERIFY(database.GetAttribute(state, 0, &written) >= 0);
    QCOMPARE(written.integerValue, shownState);
}

void TestLinkedEdits::filterParametersAndBiquadStayConsistent_data()
{
    QTest::addColumn<int>("scenario");
    QTest::newRow("revert cause") << int(RevertCause);
    QTest::newRow("revert derived") << int(RevertDerived);
    QTest::newRow("second parameter, revert the first") << int(OwnEditThenRevertCause);
}

// A notch's depth and Q both shape its biquad: whatever is taken back, the four boxes show the
// biquad of the parameters pending now, and Apply writes those.
void TestLinkedEdits::filterParametersAndBiquadStayConsistent()
{
    QFETCH(int, scenario);
    const AttributeId notchDepth = 0xC20061;
    const AttributeId notchQ = 0xC20064;
    const AttributeId numeratorQ = 0xC2003E;

    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Dialog dialog(database);
    dialog.Open("gmodeMultiPurpose");
    auto *table = dialog.Find<QTableWidget>("velocityLoopTable");
    table->setCurrentCell(table->rowCount() - 4, 0);
    auto *type = dialog.Find<QComboBox>("velocityLoopFilterType");
    type->setCurrentIndex(type->findData(0xC20049));
    dialog.Changes()->Discard();
    dialog.ReloadAll();

    dialog.TypeInto("velocityLoopNotchDepth", QStringLiteral("12"));
    const auto derived = dialog.Changes()->PendingEditOf(numeratorQ, 0);
    QVERIFY(derived && derived->IsDerived() && derived->causeId == notchDepth);
    switch (scenario) {
    case RevertCause:
        QVERIFY(dialog.RevertRow(notchDepth, 0));
        QCOMPARE(dialog.Changes()->Count(), 0u);
        break;
    case RevertDerived:
        QVERIFY(dialog.RevertRow(numeratorQ, 0));
        QCOMPARE(dialog.Changes()->Count(), 0u);
        break;
    case OwnEditThenRevertCause:
        dialog.TypeInto("velocityLoopNotchQ", QStringLiteral("3"));
        QVERIFY(dialog.RevertRow(notchQ, 0));
        QVERIFY(dialog.Changes()->Contains(notchDepth, 0));
        QVERIFY2(dialog.Changes()->Contains(numeratorQ, 0), "the depth's biquad is derived again");
        break;
    }
    const auto before = dialog.AllPending();
    dialog.ReloadAll();
    QVERIFY2(SamePending(before, dialog.AllPending()), "a reload stores nothing");

    QStringList shown;
    for (const char *box :
         {"velocityLoopNumFreq", "velocityLoopDenFreq", "velocityLoopNumQ", "velocityLoopDenQ"})
        shown.append(dialog.Find<CCoercingSpinBox>(box)->text());
    dialog.Button(QDialogButtonBox::Apply)->click();
    dialog.ReloadAll();
    QStringList written;
    for (const char *box :
         {"velocityLoopNumFreq", "velocityLoopDenFreq", "velocityLoopNumQ", "velocityLoopDenQ"})
        written.append(dialog.Find<CCoercingSpinBox>(box)->text());
    QCOMPARE(written, shown);
}

void TestLinkedEdits::returnInAListOpensAndNeverCommits_data()
{
    QTest::addColumn<bool>("searchResults");
    QTest::addColumn<int>("key");
    QTest::newRow("changes list, Return") << false << int(Qt::Key_Return);
    QTest::newRow("changes list, Enter") << false << int(Qt::Key_Enter);
    QTest::newRow("search results, Return") << true << int(Qt::Key_Return);
    QTest::newRow("search results, Enter") << true << int(Qt::Key_Enter);
}

void TestLinkedEdits::returnInAListOpensAndNeverCommits()
{
    QFETCH(bool, searchResults);
    QFETCH(int, key);
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    Dialog dialog(database);
    dialog.dialog->show();
    QApplication::setActiveWindow(dialog.dialog);
    dialog.Open("gmodeTrajectory");
    dialog.Find<QTableWidget>("trajectoryTable")->setCurrentCell(1, 0);
    dialog.TypeInto("mtnSoftwareFwLimitPosition", QStringLiteral("600"));
    QCOMPARE(dialog.Changes()->Count(), 1u);
    database.ClearWriteLog();

    QAbstractItemView *view = nullptr;
    if (searchResults) {
        auto *field = dialog.Find<QLineEdit>("settingSearch");
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("velocity threshold"));
        QTest::keyClick(field, Qt::Key_Down);
        view = dialog.Find<QAbstractItemView>("settingSearchResults");
    } else {
        dialog.Find<QPushButton>("changesButton")->click();
        view = dialog.Find<QAbstractItemView>("changesView");
        view->setCurrentIndex(view->model()->index(0, 0));
    }
    QVERIFY(view->currentIndex().isValid());
    QSignalSpy opened(view, &QAbstractItemView::activated);
    QTest::keyClick(view, Qt::Key(key));

    QCOMPARE(opened.count(), 1);
    QVERIFY(dialog.dialog->isVisible());
    QCOMPARE(dialog.dialog->result(), 0);
    QCOMPARE(dialog.Changes()->Count(), 1u);
    QVERIFY(database.WriteLog().empty());
}

// The second input line's type is fixed by the drive: switching to it must not leave the first
// line's editable type combo behind, whose edit would make the whole commit fail.
void TestLinkedEdits::instanceSwitchAppliesTheNewInstancesAnswers()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    AxisSetting fixedType = *database.Setting(0xA30065, 1);
    fixedType.readOnly = true;
    database.SetSetting(0xA30065, 1, fixedType);
    AxisSetting absentFilter = *database.Setting(0xA30064, 1);
    absentFilter.supported = false;
    database.SetSetting(0xA30064, 1, absentFilter);

    Dialog dialog(database);
    dialog.Open("gmodeDigitalIO");
    auto *table = dialog.Find<QTableWidget>("dioMappingTable");
    auto *type = dialog.Find<QComboBox>("dioDIType");
    auto *filter = dialog.Find<QComboBox>("dioDIFilterFreq");
    QVERIFY(type->isEnabled());
    QVERIFY(!filter->isHidden());
    table->setCurrentCell(1, 0);
    QVERIFY(!type->isEnabled());
    QVERIFY(filter->isHidden());
    table->setCurrentCell(0, 0);
    QVERIFY(type->isEnabled());
    QVERIFY(!filter->isHidden());
}

void TestLinkedEdits::unknownFilterTypeShowsZerosDisabled()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    AxisSetting unknown = *database.Setting(0xC2003B, 1);
    unknown.accepted.push_back(0x123456);
    unknown.value.integerValue = 0x123456;
    database.SetSetting(0xC2003B, 1, unknown);

    Dialog dialog(database);
    dialog.Open("gmodeMultiPurpose");
    auto *table = dialog.Find<QTableWidget>("velocityLoopTable");
    table->setCurrentCell(table->rowCount() - 4, 0);
    auto *numerator = dialog.Find<CCoercingSpinBox>("velocityLoopNumFreq");
    QVERIFY(numerator->value() != 0.0);
    table->setCurrentCell(table->rowCount() - 3, 0);
    for (const char *box :
         {"velocityLoopNumFreq", "velocityLoopDenFreq", "velocityLoopNumQ", "velocityLoopDenQ"}) {
        QCOMPARE(dialog.Find<CCoercingSpinBox>(box)->value(), 0.0);
        QVERIFY(!dialog.Find<CCoercingSpinBox>(box)->isEnabled());
    }
}

void TestLinkedEdits::unreadableMappingsAreNoDuplicates()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    for (quint32 line : {2u, 3u}) {
        AxisSetting absent = *database.Setting(0xA30092, line);
        absent.supported = false;
        database.SetSetting(0xA30092, line, absent);
    }
    Dialog dialog(database);
    dialog.Open("gmodeDigitalIO");
    QVERIFY(dialog.Banner()->isHidden() || dialog.Banner()->text().isEmpty());
    QVERIFY(dialog.Button(QDialogButtonBox::Ok)->isEnabled());
}

void TestLinkedEdits::negativeFirstLineShowsNoLines()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    AxisSetting first = *database.Setting(0xA10062, 0);
    first.value.integerValue = -1;
    database.SetSetting(0xA10062, 0, first);
    Dialog dialog(database);
    dialog.Open("gmodeDigitalIO");
    QCOMPARE(dialog.Find<QTableWidget>("dioMappingTable")->rowCount(), 0);
    QVERIFY(dialog.Find<QComboBox>("dioDIType")->isHidden());
    QCOMPARE(dialog.Changes()->Count(), 0u);
}

// Choosing Stepper closes the servo's loop-rule problem and turns the navigation; taking the
// type back must bring back both the servo's buttons and its problem.
void TestLinkedEdits::revertedAxisTypeRestoresNavigationAndLoopRule()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    AxisSetting period = *database.Setting(0xA3004B, 0);
    period.value.realValue = 0.0003;
    database.SetSetting(0xA3004B, 0, period);
    Dialog dialog(database);
    dialog.settings->SetHostLoopRate(0.0006);
    QVERIFY(!dialog.Button(QDialogButtonBox::Ok)->isEnabled());
    auto *positionLoop = dialog.Find<QToolButton>("gmodePositionLoop");
    const bool servoShowsPositionLoop = positionLoop->isVisibleTo(dialog.dialog);

    dialog.Open("gmodeSetup");
    auto *axisType = dialog.Find<QComboBox>("genAxisType");
    axisType->setCurrentIndex(axisType->findData(0xA3006C));
    QVERIFY(dialog.Button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(dialog.Changes()->PendingEditOf(0xA30001, 0));

    QVERIFY(dialog.RevertRow(0xA30001, 0));
    QCOMPARE(dialog.Changes()->Count(), 0u);
    QCOMPARE(positionLoop->isVisibleTo(dialog.dialog), servoShowsPositionLoop);
    QVERIFY(!dialog.Button(QDialogButtonBox::Ok)->isEnabled());
}

// Reset to Default stores at once: the other pages must show their numbers in the new units, as
// after a finished edit.
void TestLinkedEdits::resetCountsPerUnitReloadsEveryPage()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    AxisSetting counts = *database.Setting(0xA30035, 0);
    counts.value.realValue = 4000.0;
    database.SetSetting(0xA30035, 0, counts);
    Dialog dialog(database);
    dialog.Open("gmodeTrajectory");
    auto *limit = dialog.Find<CCoercingSpinBox>("mtnSoftwareFwLimitPosition");
    const QString before = limit->text();
    dialog.Open("gmodeEnc");
    auto *box = dialog.Find<CCoercingSpinBox>("encCountsPerUnit");
    QAction *reset = box->actions().value(0);
    QVERIFY(reset);
    reset->trigger();
    QCOMPARE(double(dialog.Pending(0xA30035).realValue), 1000.0);

    const QString shown = limit->text();
    QVERIFY(shown != before);
    dialog.ReloadAll();
    QCOMPARE(limit->text(), shown);
}

// The correction's deceleration follows its acceleration; no widget shows it.
void TestLinkedEdits::derivedStepperDecelerationReadsAndOpensAsItsCause()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("stepperClosedLoop.json")));
    Dialog dialog(database);
    dialog.Open("gmodeMultiPurpose");
    auto *table = dialog.Find<QTableWidget>("stepperTable");
    for (int row = 0; row < table->rowCount(); ++row) {
        table->setCurrentCell(row, 0);
        if (dialog.Find<QWidget>("stpCorrAcc")->isVisibleTo(dialog.dialog))
            break;
    }
    dialog.TypeInto("stpCorrAcc", QStringLiteral("250"));
    const auto deceleration = dialog.Changes()->PendingEditOf(0xC20027, 0);
    QVERIFY(deceleration && deceleration->IsDerived());

    CVornMotionPendingEditsModel *model = dialog.Model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->EditAt(1)->id, 0xC20027u);
    const auto pendingText = [&](int row) {
        return model->index(row, CVornMotionPendingEditsModel::PendingColumn).data().toString();
    };
    QCOMPARE(pendingText(1), pendingText(0));
    QVERIFY(model->index(1, 0).data().toString().contains(
        model->index(0, 0).data().toString()));

    dialog.Open("gmodeSetup");
    dialog.Find<QPushButton>("changesButton")->click();
    auto *view = dialog.Find<QAbstractItemView>("changesView");
    view->setCurrentIndex(model->index(1, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(dialog.dialog->focusWidget(), dialog.Find<QWidget>("stpCorrAcc"));

    QVERIFY(dialog.RevertRow(0xC20027, 0));
    QCOMPARE(dialog.Changes()->Count(), 0u);
}

void TestLinkedEdits::stepperLoopModeIsABoundSetting()
{
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("stepper.json")));
    Dialog dialog(database);
    dialog.Open("gmodeSetup");
    auto *mode = dialog.Find<QComboBox>("genAxisLoopMode");
    QVERIFY(!mode->isHidden());
    QVERIFY(mode->count() > 1);
    mode->setCurrentIndex((mode->currentIndex() + 1) % mode->count());
    QVERIFY(dialog.Find<QLabel>("genLabelAxisLoopMode")->font().bold());
    QVERIFY(mode->toolTip().startsWith(QStringLiteral("Stored: ")));
}

void TestLinkedEdits::secondReloadChangesNothing_data()
{
    AddShippedProfileRows();
}

// A reload follows from the database and the change list alone: with edits pending on every
// page, a second reload of every page leaves the change list, the marks and every widget as the
// first left them.
void TestLinkedEdits::secondReloadChangesNothing()
{
    QFETCH(QString, profile);
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, profile));
    Dialog dialog(database);
    dialog.dialog->show();
    QApplication::setActiveWindow(dialog.dialog);
    auto *navigation = dialog.dialog->findChild<CVornMotionAxisSettingsGMode *>();
    // The axis type and the loop mode would turn the areas themselves.
    const QSet<AttributeId> turning = {0xA30001, 0xA30007};
    QSet<int> edited;
    for (const CVornMotionAxisSettingsGMode::Area &area : navigation->ShownAreas()) {
        for (const auto &setting : area.page->ShownSettings()) {
            if (turning.contains(setting.attribute))
                continue;
            // The first instance whose widget takes an edit: a line mapped to a limit shows a note.
            for (const quint32 index : setting.instances) {
                const quint32 count = dialog.Changes()->Count();
                if (EditAsAPerson(
                        navigation->RevealSettingOn(area.pageId, setting.attribute, index))) {
                    if (dialog.Changes()->Count() > count)
                        edited.insert(area.pageId);
                    break;
                }
            }
        }
    }
    QCOMPARE(edited.size(), navigation->ShownAreas().size());

    dialog.ReloadAll();
    const auto pending = dialog.AllPending();
    const QStringList seen = Seen(dialog.dialog);
    dialog.ReloadAll();
    QVERIFY2(SamePending(pending, dialog.AllPending()), "the second reload stores nothing");
    const QStringList seenAgain = Seen(dialog.dialog);
    QStringList changed;
    for (int line = 0; line < seen.size(); ++line) {
        if (seenAgain.value(line) != seen[line])
            changed << seen[line] + QStringLiteral("  ->  ") + seenAgain.value(line);
    }
    QVERIFY2(changed.isEmpty() && seenAgain.size() == seen.size(),
             qPrintable(changed.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestLinkedEdits)
#include "tst_linkedEdits.moc"
