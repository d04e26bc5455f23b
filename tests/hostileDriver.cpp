#include "hostileDriver.h"

#include "coercingSpinBox.h"
#include "settingsBase.h"
#include "settingsFileActions.h"
#include "settingsMain.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <cstring>

const char *const hostileProfiles[5] = {"servo.json", "stepper.json", "servoDriveLoop.json",
                                        "servoSecondAxis.json", "stepperClosedLoop.json"};

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

} // namespace

void Driver::Close()
{
    const int writes = database.writeCalls;
    if (dialog)
        CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
    dialog = nullptr;
    hostPeriod.reset();
    if (database.writeCalls != writes)
        problems.append(QStringLiteral("closing the dialog wrote"));
}

void Driver::SetHostPeriod(double period)
{
    hostPeriod = period;
    CVornMotionAxisConfiguration::SetHostLoopRate(Dialog(), period);
}

QDialog *Driver::Dialog()
{
    if (!dialog) {
        dialog = CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database,
                                                                                   nullptr);
        dialog->show();
    }
    return dialog;
}

template <typename Widget> QList<Widget *> Driver::Usable()
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
        SetHostPeriod(hostilePeriods[Pick(7)].toDouble());
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
        combo->setCurrentIndex(PickItem(combo->count()));
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
    const int row = outOfReach ? Pick(table->rowCount() + 2) - 1 : Pick(table->rowCount());
    const int column = Pick(table->columnCount());
    table->setCurrentCell(row, column);
    QTableWidgetItem *item = table->item(row, column);
    if (!item || !(item->flags() & Qt::ItemIsEditable))
        return;
    table->editItem(item);
    if (auto *editor
        = qobject_cast<QComboBox *>(table->indexWidget(table->model()->index(row, column)))) {
        editor->setCurrentIndex(PickItem(editor->count()));
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
