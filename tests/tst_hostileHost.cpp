#include "hostileDatabase.h"
#include "profileFixture.h"
#include "settingsBase.h"
#include "settingsFileActions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QMenu>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <cmath>
#include <cstring>
#include <random>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <unistd.h>

namespace {

const QString hostilePeriods[] = {
    QStringLiteral("0.001"), QStringLiteral("0.0005"), QStringLiteral("nan"),  QStringLiteral("-1"),
    QStringLiteral("0"),     QStringLiteral("1e9"),    QStringLiteral("5e-05")};
const QString typedTexts[]
    = {QStringLiteral("0"),    QStringLiteral("1"),     QStringLiteral("-1"),
       QStringLiteral("12.5"), QStringLiteral("1e300"), QStringLiteral("-1e300"),
       QStringLiteral("nan"),  QStringLiteral("abc"),   QStringLiteral("99999999999")};
const int pageIds[]
    = {0xA300D5, 0xA300D6, 0xA300AA, 0xA300AC, 0xA300EE, 0xA300D7, 0xA300DD, 0xA300D8, 0xA300DB,
       0xA300B9, 0xA300DC, 0xB10025, 0xA10003, 0xA300E7, 0xC20030, 0x12345,  -1};
const char *const profiles[] = {"servo.json", "stepper.json", "servoDriveLoop.json",
                                "servoSecondAxis.json", "stepperClosedLoop.json"};

int Operations()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("VORNAC_HOSTILE_OPERATIONS", &ok);
    return ok && count > 0 ? count : 2500;
}

// A person who does anything, in any order, to a dialog on a hostile host.
class Driver
{
public:
    Driver(HostileDatabase &database, unsigned seed)
        : database(database)
        , random(seed)
    {
    }
    ~Driver() { Close(); }

    void Step();
    // Closing without OK writes nothing.
    void Close()
    {
        const int writes = database.writeCalls;
        if (dialog)
            CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
        dialog = nullptr;
        if (database.writeCalls != writes)
            problems.append(QStringLiteral("closing the dialog wrote"));
    }
    QDialog *Dialog()
    {
        if (!dialog) {
            dialog = CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database,
                                                                                       nullptr);
            dialog->show();
        }
        return dialog;
    }
    // Problems found: a commit, a Cancel or a close that wrote what it should not, or a refusal
    // the dialog did not report.
    QStringList problems;
    int refusedCommits = 0;
    int successfulCommits = 0;

private:
    int Pick(int count) { return count > 0 ? int(random() % unsigned(count)) : 0; }
    template <typename Widget> QList<Widget *> Usable()
    {
        auto *stack = Dialog()->findChild<QStackedWidget *>(QStringLiteral("settingsPage"));
        QList<Widget *> usable;
        if (!stack || !stack->currentWidget())
            return usable;
        const QWidget *page = stack->currentWidget();
        for (Widget *widget : page->template findChildren<Widget *>()) {
            if (widget->isVisibleTo(page) && widget->isEnabled())
                usable.append(widget);
        }
        return usable;
    }
    void ShowArea();
    void EditSpinBox();
    void EditCombo();
    void ClickButton();
    void MoveInTable();
    void ResetToDefault();
    void ReviewChanges();
    void SearchSetting();
    void UseSettingsFiles();
    void Commit(QDialogButtonBox::StandardButton which);
public:
    // After derivation against a database that answers as it holds, a second reload of every page
    // derives and stores nothing: no pending value contradicts another.
    void CheckFixedPoint();

private:
    void CheckFailedCommit(const std::map<CAxisDatabase::Key, AxisSetting> &before);
    void CheckCommitted(const std::map<CAxisDatabase::Key, AxisSetting> &before,
                        const QVector<CVornMotionChangeList::PendingEdit> &pending);

    HostileDatabase &database;
    std::mt19937 random;
    QDialog *dialog = nullptr;
    QTemporaryDir folder;
};

void Driver::Step()
{
    const int roll = Pick(100);
    if (roll < 15)
        ShowArea();
    else if (roll < 30)
        EditSpinBox();
    else if (roll < 45)
        EditCombo();
    else if (roll < 55)
        ClickButton();
    else if (roll < 62)
        MoveInTable();
    else if (roll < 70)
        ResetToDefault();
    else if (roll < 78)
        Commit(QDialogButtonBox::Apply);
    else if (roll < 81)
        Commit(QDialogButtonBox::Ok);
    else if (roll < 84)
        Commit(QDialogButtonBox::Cancel);
    else if (roll < 89)
        CVornMotionAxisConfiguration::SetStartPage(Dialog(), pageIds[Pick(17)]);
    else if (roll < 94)
        CVornMotionAxisConfiguration::SetHostLoopRate(Dialog(), hostilePeriods[Pick(7)].toDouble());
    else if (roll < 96)
        ReviewChanges();
    else if (roll < 97)
        Close();
    else if (roll < 98)
        SearchSetting();
    else if (roll < 99)
        UseSettingsFiles();
    else
        QCoreApplication::processEvents();
}

void Driver::CheckFixedPoint()
{
    if (!dialog)
        return;
    CVornMotionChangeList *changes = CVornMotionAxisSettings::FromHostPointer(dialog)->ChangeList();
    const auto reloadAll = [this] {
        for (auto *page : dialog->findChildren<CVornMotionAxisSettingsBase *>()) {
            page->ReconcileDerivedEdits();
            page->on_updateControls();
        }
    };
    database.steady = true;
    reloadAll();
    const auto once = changes->PendingEdits();
    reloadAll();
    const auto twice = changes->PendingEdits();
    database.steady = false;
    bool same = once.size() == twice.size();
    for (int each = 0; same && each < once.size(); ++each) {
        same = once[each].id == twice[each].id && once[each].index == twice[each].index
            && std::memcmp(&once[each].value, &twice[each].value, sizeof(once[each].value)) == 0
            && once[each].text == twice[each].text;
    }
    if (!same)
        problems.append(QStringLiteral("a second reload stored edits (%1 pending, then %2)")
                            .arg(once.size())
                            .arg(twice.size()));
}

void Driver::ShowArea()
{
    QList<QToolButton *> buttons;
    for (QToolButton *button : Dialog()->findChildren<QToolButton *>()) {
        if (button->objectName().startsWith(QLatin1String("gmode")) && !button->isHidden())
            buttons.append(button);
    }
    if (!buttons.isEmpty())
        buttons.at(Pick(buttons.size()))->click();
}

void Driver::EditSpinBox()
{
    const QList<QDoubleSpinBox *> boxes = Usable<QDoubleSpinBox>();
    if (boxes.isEmpty())
        return;
    QDoubleSpinBox *box = boxes.at(Pick(boxes.size()));
    auto *edit = box->findChild<QLineEdit *>();
    box->setFocus();
    if (Pick(3) == 0) {
        QTest::keyClick(box, Pick(2) ? Qt::Key_Up : Qt::Key_Down);
    } else {
        edit->selectAll();
        QTest::keyClicks(edit, typedTexts[Pick(9)]);
    }
    QTest::keyClick(box, Qt::Key_Return);
}

void Driver::EditCombo()
{
    const QList<QComboBox *> combos = Usable<QComboBox>();
    if (combos.isEmpty())
        return;
    QComboBox *combo = combos.at(Pick(combos.size()));
    if (combo->isEditable() && Pick(2))
        combo->setEditText(Pick(4) ? typedTexts[Pick(9)] : QString(513 + Pick(3), u'u'));
    else
        combo->setCurrentIndex(Pick(combo->count() + 1) - 1);
}

void Driver::ClickButton()
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *button : Usable<QAbstractButton>()) {
        if (button->isCheckable())
            buttons.append(button);
    }
    if (!buttons.isEmpty())
        buttons.at(Pick(buttons.size()))->click();
}

void Driver::MoveInTable()
{
    const QList<QTableWidget *> tables = Usable<QTableWidget>();
    if (tables.isEmpty())
        return;
    QTableWidget *table = tables.at(Pick(tables.size()));
    const int row = Pick(table->rowCount() + 2) - 1;
    const int column = Pick(table->columnCount());
    table->setCurrentCell(row, column);
    QTableWidgetItem *item = table->item(row, column);
    if (!item || !(item->flags() & Qt::ItemIsEditable))
        return;
    table->editItem(item);
    if (auto *editor
        = qobject_cast<QComboBox *>(table->indexWidget(table->model()->index(row, column)))) {
        editor->setCurrentIndex(Pick(editor->count() + 1) - 1);
        QTest::keyClick(editor, Pick(4) ? Qt::Key_Return : Qt::Key_Escape);
        QCoreApplication::processEvents();
    }
}

void Driver::ResetToDefault()
{
    QList<QAction *> resets;
    for (QWidget *widget : Usable<QWidget>()) {
        for (QAction *action : widget->actions())
            resets.append(action);
    }
    if (!resets.isEmpty())
        resets.at(Pick(resets.size()))->trigger();
}

// Opens the list of pending edits and opens or takes back a row, or all of them.
void Driver::ReviewChanges()
{
    auto *changes = Dialog()->findChild<QPushButton *>(QStringLiteral("changesButton"));
    if (!changes->isEnabled())
        return;
    changes->click();
    auto *view = Dialog()->findChild<QAbstractItemView *>(QStringLiteral("changesView"));
    view->setCurrentIndex(view->model()->index(Pick(view->model()->rowCount() + 1) - 1, 0));
    switch (Pick(4)) {
    case 0:
        emit view->activated(view->currentIndex());
        break;
    case 1:
        QTest::keyClick(view, Qt::Key_Delete);
        break;
    case 2:
        Dialog()->findChild<QPushButton *>(QStringLiteral("revertChangeButton"))->click();
        break;
    default:
        Dialog()->findChild<QPushButton *>(QStringLiteral("revertAllChangesButton"))->click();
        break;
    }
}

void Driver::SearchSetting()
{
    static const QString searched[] = {QStringLiteral("limit"), QStringLiteral("gain"),
                                       QStringLiteral("e"), QStringLiteral("<b>x</b>"),
                                       QString()};
    auto *field = Dialog()->findChild<QLineEdit *>(QStringLiteral("settingSearch"));
    field->setText(searched[Pick(5)]);
    auto *results = Dialog()->findChild<QAbstractItemView *>(QStringLiteral("settingSearchResults"));
    const int row = Pick(results->model()->rowCount() + 1) - 1;
    emit results->activated(results->model()->index(row, 0));
}

// Saves the settings and loads them back, or resets the area shown or every area: none of it
// writes the database.
void Driver::UseSettingsFiles()
{
    const std::map<CAxisDatabase::Key, AxisSetting> before = database.Settings();
    const size_t written = database.writtenReals.size();
    auto *files = Dialog()->findChild<CVornMotionSettingsFileActions *>();
    const QString path = folder.filePath(QStringLiteral("settings.json"));
    const auto *menu = Dialog()->findChild<QToolButton *>(QStringLiteral("settingsMenuButton"));
    const QList<QAction *> resets = menu->menu()->actions();
    if (Pick(3) != 0)
        resets.at(resets.size() - 1 - Pick(2))->trigger();
    else if (files->SaveTo(path))
        files->LoadFrom(path);
    if (database.Settings() != before || database.writtenReals.size() != written)
        problems.append(QStringLiteral("a settings file or a reset wrote the database"));
}

bool Holds(const AxisSetting &setting, const CVornMotionChangeList::PendingEdit &edit)
{
    if (edit.isString)
        return setting.text == edit.text;
    switch (setting.kind) {
    case SettingKind::Real:
        return setting.value.realValue == edit.value.realValue;
    case SettingKind::Boolean:
        return setting.value.booleanValue == edit.value.booleanValue;
    default:
        return setting.value.integerValue == edit.value.integerValue;
    }
}

QString KeyText(const CAxisDatabase::Key &key)
{
    return QStringLiteral("0x%1 at %2").arg(key.first, 0, 16).arg(key.second);
}

// Presses OK, Apply or Cancel. Cancel, and a button that is disabled, write nothing; a refusal
// is reported and undone; a commit that succeeds writes exactly the pending edits.
void Driver::Commit(QDialogButtonBox::StandardButton which)
{
    QDialog *shown = Dialog();
    CVornMotionAxisSettings *settings = CVornMotionAxisSettings::FromHostPointer(shown);
    // What is typed but not finished yet would join the edits when the commit starts.
    for (QWidget *widget = shown->focusWidget(); widget; widget = widget->parentWidget()) {
        if (auto *typing = qobject_cast<CCoercingSpinBox *>(widget)) {
            typing->FinishEdit();
            break;
        }
    }
    QPushButton *button
        = shown->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(which);
    const bool commits = which != QDialogButtonBox::Cancel && button->isEnabled();
    const QVector<CVornMotionChangeList::PendingEdit> pending
        = settings->ChangeList()->PendingEdits();
    database.PickRefusals();
    const std::map<CAxisDatabase::Key, AxisSetting> before = database.Settings();
    const int writes = database.writeCalls;
    database.refusedWrites.clear();
    database.detectableFaultsOnly = true;
    button->click();
    database.detectableFaultsOnly = false;

    if (!commits) {
        if (database.writeCalls != writes)
            problems.append(QStringLiteral("Cancel or a disabled button wrote"));
    } else if (!database.refusedWrites.empty()) {
        const CVornMotionChangeList::WriteFailure failure = settings->ChangeList()->FailedWrite();
        if (CAxisDatabase::Key(failure.id, failure.index) != database.refusedWrites.front())
            problems.append(QStringLiteral("the refused write of %1 was reported as %2")
                                .arg(KeyText(database.refusedWrites.front()),
                                     KeyText({failure.id, failure.index})));
        if (!shown->isVisible()
            || !shown->findChild<QLabel *>(QStringLiteral("labelInvalidSettings"))->isVisible())
            problems.append(QStringLiteral("a refused commit closed or showed no banner"));
        CheckFailedCommit(before);
    } else if (settings->ChangeList()->FailedWrite().id != 0) {
        // Stopped before writing: the value it would replace could not be read.
        CheckFailedCommit(before);
    } else {
        CheckCommitted(before, pending);
    }
    if (!shown->isVisible())
        Close();
}

// A commit the database refuses, or that cannot read what it would replace, changes nothing.
void Driver::CheckFailedCommit(const std::map<CAxisDatabase::Key, AxisSetting> &before)
{
    ++refusedCommits;
    if (database.Settings() != before)
        problems.append(QStringLiteral("a refused commit changed the database"));
}

void Driver::CheckCommitted(const std::map<CAxisDatabase::Key, AxisSetting> &before,
                            const QVector<CVornMotionChangeList::PendingEdit> &pending)
{
    ++successfulCommits;
    std::map<CAxisDatabase::Key, AxisSetting> expected = before;
    for (const CVornMotionChangeList::PendingEdit &edit : pending) {
        const auto setting = database.Settings().find({edit.id, edit.index});
        if (setting == database.Settings().end() || !Holds(setting->second, edit))
            problems.append(QStringLiteral("a commit did not write the edit of %1")
                                .arg(KeyText({edit.id, edit.index})));
        else
            expected[setting->first] = setting->second;
    }
    if (database.Settings() != expected)
        problems.append(QStringLiteral("a commit wrote a setting that was not edited"));
}

} // namespace

class TestHostileHost : public QObject
{
    Q_OBJECT

private slots:
    void anythingInAnyOrder_data();
    void anythingInAnyOrder();
    void createAndDeleteKeepsMemory();
};

void TestHostileHost::anythingInAnyOrder_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed = 1; seed <= 5; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

// Nothing crashes, nothing that is not a number is written, and the dialog stays usable.
void TestHostileHost::anythingInAnyOrder()
{
    QFETCH(unsigned, seed);
    HostileDatabase database(seed);
    QVERIFY(LoadProfile(database, QLatin1String(profiles[seed % 5])));
    Driver driver(database, seed);
    const int operations = Operations() / 5;
    for (int operation = 0; operation < operations; ++operation) {
        driver.Step();
        driver.CheckFixedPoint();
    }

    QVERIFY(driver.refusedCommits > 0);
    QVERIFY(driver.successfulCommits > 0);
    QVERIFY2(driver.problems.isEmpty(), qPrintable(driver.problems.join(QLatin1String("; "))));
    for (const double written : database.writtenReals)
        QVERIFY2(std::isfinite(written), qPrintable(QString::number(written)));
    QDialog *dialog = driver.Dialog();
    dialog->findChild<QToolButton *>(QStringLiteral("gmodeSetup"))->click();
    QCOMPARE(CVornMotionAxisConfiguration::GetCurrentPage(dialog), 0xA300D5);
    QVERIFY(dialog->isVisible());
}

// Dialogs with every page shown, created and deleted: 200 here, more in the soak
// (VORNAC_SOAK_DIALOGS).
void TestHostileHost::createAndDeleteKeepsMemory()
{
    bool set = false;
    const int asked = qEnvironmentVariableIntValue("VORNAC_SOAK_DIALOGS", &set);
    const int dialogs = set && asked > 0 ? asked : 200;
    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    const auto cycle = [&database] {
        HostDialog host(database);
        host.dialog->show();
        for (QToolButton *button : host.dialog->findChildren<QToolButton *>()) {
            if (button->objectName().startsWith(QLatin1String("gmode")) && !button->isHidden())
                button->click();
        }
        QCoreApplication::processEvents();
    };
    // A host runs an event loop, which deletes what was scheduled for deletion; a test has none.
    const auto cycleInLoop = [&cycle] {
        cycle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // Memory the allocator keeps for reuse is handed back first: only what is held counts. NaN
    // when the resident size cannot be read.
    const auto resident = [] {
#ifdef __GLIBC__
        malloc_trim(0);
#endif
        QFile statm(QStringLiteral("/proc/self/statm"));
        bool read = false;
        const double pages = statm.open(QIODevice::ReadOnly)
                                 ? statm.readAll().split(' ').value(1).toDouble(&read)
                                 : 0.0;
        return read ? pages * double(sysconf(_SC_PAGESIZE)) / 1048576.0 : std::nan("");
    };
    for (int warmUp = 0; warmUp < 50; ++warmUp)
        cycleInLoop();
    const double before = resident();
    for (int repeat = 0; repeat < dialogs; ++repeat)
        cycleInLoop();
    const double growth = resident() - before;
    QVERIFY2(!std::isnan(growth), "the resident size cannot be read");
    qInfo("resident memory grew by %.2f MB over %d dialogs", growth, dialogs);
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer keeps freed memory aside: there, LeakSanitizer judges instead.
    QVERIFY(growth < 1.0);
#endif
}

QTEST_MAIN(TestHostileHost)
#include "tst_hostileHost.moc"
