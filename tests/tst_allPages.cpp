#include "profileFixture.h"
#include "displayTexts.h"
#include "settingsBase.h"
#include "settingsGmode.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>

namespace {

// The inputs of a page a person can reach now: visible, enabled, taking focus, each compound
// widget (a spin box with its text field, a table with its editors) once.
QVector<QWidget *> InputsOf(QWidget *page)
{
    QVector<QWidget *> inputs;
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible() || !widget->isEnabled())
            continue;
        bool inner = false;
        for (QWidget *parent = widget->parentWidget(); parent != page && !inner;
             parent = parent->parentWidget())
            inner = parent->focusPolicy() != Qt::NoFocus;
        if (!inner)
            inputs.append(widget);
    }
    return inputs;
}

// The radio buttons of a group are one stop of Tab, the arrows choosing among them.
const QObject *StopOf(const QWidget *input)
{
    const auto *radio = qobject_cast<const QRadioButton *>(input);
    if (radio && radio->group())
        return radio->group();
    return input;
}

QRect PlaceOn(const QWidget *page, const QWidget *widget)
{
    return QRect(widget->mapTo(page, QPoint(0, 0)), widget->size());
}

QString Describe(const QWidget *widget)
{
    return widget ? widget->objectName() : QStringLiteral("(nothing)");
}

// The display names of the settings each widget of `page` shows, as the page reveals them; a
// radio button's group shares its setting.
QHash<const QWidget *, QStringList> SettingNames(CVornMotionAxisSettingsBase *page,
                                                 const CAxisDatabase &database)
{
    QHash<const QWidget *, QStringList> names;
    for (const auto &setting : database.Settings()) {
        const nVornMCPCD100::AttributeId id = setting.first.first;
        if (!page->ShowsSetting(id))
            continue;
        const QWidget *widget = page->RevealSetting(id, setting.first.second);
        if (!widget)
            continue;
        const auto *radio = qobject_cast<const QRadioButton *>(widget);
        const QList<QAbstractButton *> group
            = radio && radio->group() ? radio->group()->buttons() : QList<QAbstractButton *>();
        for (const QWidget *each : group.isEmpty()
                                       ? QList<const QWidget *>{widget}
                                       : QList<const QWidget *>(group.cbegin(), group.cend()))
            names[each].append(GetDisplayNameOrId(id));
    }
    return names;
}

// What a page lists for settings files: each setting with its kind and its instances.
QStringList Listed(const CVornMotionAxisSettingsBase *page)
{
    QStringList listed;
    for (const CVornMotionAxisSettingsBase::ShownSetting &setting : page->ShownSettings()) {
        QStringList instances;
        for (int position = 0; position < setting.instances.size(); ++position)
            instances << QStringLiteral("%1 %2").arg(setting.instances.at(position))
                                                .arg(setting.instanceNames.value(position));
        listed << QStringLiteral("0x%1 kind %2: %3")
                      .arg(setting.attribute, 0, 16)
                      .arg(int(setting.kind))
                      .arg(instances.join(QStringLiteral(", ")));
    }
    return listed;
}

// The table at the left of a page, which chooses its section; null on a page without one.
QTableWidget *SectionsOf(const QWidget *page)
{
    QTableWidget *sections = nullptr;
    for (QTableWidget *table : page->findChildren<QTableWidget *>()) {
        if (table->isVisible() && (!sections || table->x() < sections->x()))
            sections = table;
    }
    return sections;
}

} // namespace

// Every settings area the navigation offers opens a page on every shipped profile, and opening
// one stores nothing: a consistent database leaves Apply disabled. Every page is usable with the
// keyboard and a screen reader.
class TestAllPages : public QObject
{
    Q_OBJECT

private slots:
    void everyAreaOpensWithoutEdits_data();
    void everyAreaOpensWithoutEdits();
    void reloadRebuildsNoList();
    void outlinesListWhatPagesList_data();
    void outlinesListWhatPagesList();
    void readOnlySettingsStayDisabled_data();
    void readOnlySettingsStayDisabled();
    void everyInputIsNamedAndTabbedInReadingOrder_data();
    void everyInputIsNamedAndTabbedInReadingOrder();

private:
    void CheckNames(const QVector<QWidget *> &inputs,
                    const QHash<const QWidget *, QStringList> &settingNames,
                    const QString &where) const;
    void CheckTabOrder(QWidget *page, const QVector<QWidget *> &inputs, const QString &where) const;
    void CheckEscapeCancels(QDialog *dialog, const QVector<QWidget *> &inputs,
                            const QString &where) const;

    CAxisDatabase database;
};

void TestAllPages::everyAreaOpensWithoutEdits_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("areas");
    QTest::newRow("servo") << "servo.json" << 13;
    QTest::newRow("second axis") << "servoSecondAxis.json" << 13;
    QTest::newRow("analog command") << "servoAnalogCommand.json" << 13;
    QTest::newRow("analog feedback") << "servoAnalogFeedback.json" << 13;
    QTest::newRow("drive loop") << "servoDriveLoop.json" << 13;
    QTest::newRow("stepper") << "stepper.json" << 9;
    QTest::newRow("closed-loop stepper") << "stepperClosedLoop.json" << 9;
}

void TestAllPages::everyAreaOpensWithoutEdits()
{
    QFETCH(QString, profile);
    QFETCH(int, areas);
    QVERIFY(LoadProfile(database, profile));
    HostDialog host(database);
    host.dialog->show();
    auto *stack = host.Find<QStackedWidget>("settingsPage");
    QSet<int> opened;
    for (QToolButton *button : host.dialog->findChildren<QToolButton *>()) {
        if (!button->objectName().startsWith(QLatin1String("gmode")) || button->isHidden())
            continue;
        button->click();
        const auto *page = qobject_cast<CVornMotionAxisSettingsBase *>(stack->currentWidget());
        QVERIFY2(page, qPrintable(button->objectName()));
        QVERIFY2(page->isVisible(), qPrintable(button->objectName()));
        opened.insert(CVornMotionAxisConfiguration::GetCurrentPage(host.dialog));
        QCOMPARE(host.Changes()->Count(), 0u);
    }
    QCOMPARE(opened.size(), areas);
    QVERIFY(!host.Button(QDialogButtonBox::Apply)->isEnabled());
    QVERIFY(host.Button(QDialogButtonBox::Ok)->isEnabled());
}

// Every page refills its lists on every reload; lists that stay the same are left as they are.
void TestAllPages::reloadRebuildsNoList()
{
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    HostDialog host(database);
    for (QToolButton *button : host.dialog->findChildren<QToolButton *>()) {
        if (button->objectName().startsWith(QLatin1String("gmode")) && !button->isHidden())
            button->click();
    }
    QSet<QAbstractItemModel *> models;
    for (QComboBox *combo : host.dialog->findChildren<QComboBox *>())
        models.insert(combo->model());
    for (QAbstractItemView *view : host.dialog->findChildren<QAbstractItemView *>())
        models.insert(view->model());
    QVector<QSharedPointer<QSignalSpy>> removals;
    for (QAbstractItemModel *model : std::as_const(models)) {
        removals.append(
            QSharedPointer<QSignalSpy>::create(model, &QAbstractItemModel::rowsRemoved));
        removals.append(QSharedPointer<QSignalSpy>::create(model, &QAbstractItemModel::modelReset));
    }
    QVERIFY(removals.size() > 20);
    emit host.settings->UpdateRequired();
    for (const auto &spy : std::as_const(removals))
        QCOMPARE(spy->count(), 0);
}

void TestAllPages::outlinesListWhatPagesList_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<bool>("gainSetsPending");
    for (const QString &profile : ShippedProfiles())
        QTest::newRow(qPrintable(profile)) << profile << false;
    QTest::newRow("servo, several gain sets pending") << "servo.json" << true;
    QTest::newRow("second axis, several gain sets pending") << "servoSecondAxis.json" << true;
}

// An outline of a page, made without asking about each binding, lists the same settings at the
// same instances as the page: a settings file loads through outlines.
void TestAllPages::outlinesListWhatPagesList()
{
    QFETCH(QString, profile);
    QFETCH(bool, gainSetsPending);
    QVERIFY(LoadProfile(database, profile));
    HostDialog host(database);
    if (gainSetsPending) {
        nVornMCPCD100::AttributeValue several = {};
        several.booleanValue = 1;
        host.Changes()->StoreValue(0xC20060, 0, several);
    }
    auto *navigation = host.dialog->findChild<CVornMotionAxisSettingsGMode *>();
    CVornMotionAxisSettingsGMode::Outlines outlines;
    const auto outlined = navigation->OutlinedAreas(outlines);
    QVERIFY(outlines.size() >= 8);
    const auto areas = navigation->ShownAreas();
    QCOMPARE(outlined.size(), areas.size());
    for (int area = 0; area < areas.size(); ++area) {
        QCOMPARE(outlined.at(area).pageId, areas.at(area).pageId);
        QCOMPARE(Listed(outlined.at(area).page), Listed(areas.at(area).page));
    }
}

void TestAllPages::readOnlySettingsStayDisabled_data()
{
    everyAreaOpensWithoutEdits_data();
}

// A page's own rule may disable or hide more than the database does, never enable a setting the
// database lets no one write: on an axis whose every setting is read-only, no setting's widget
// takes an edit, in any section.
void TestAllPages::readOnlySettingsStayDisabled()
{
    QFETCH(QString, profile);
    QVERIFY(LoadProfile(database, profile));
    for (const auto &setting : std::map<CAxisDatabase::Key, AxisSetting>(database.Settings())) {
        AxisSetting fixed = setting.second;
        fixed.readOnly = true;
        database.SetSetting(setting.first.first, setting.first.second, fixed);
    }
    HostDialog host(database);
    host.dialog->show();
    auto *navigation = host.dialog->findChild<CVornMotionAxisSettingsGMode *>();
    for (const CVornMotionAxisSettingsGMode::Area &area : navigation->ShownAreas()) {
        navigation->ShowPage(area.pageId);
        const QHash<const QWidget *, QStringList> settingNames = SettingNames(area.page, database);
        QTableWidget *sections = SectionsOf(area.page);
        for (int row = 0; row < (sections ? sections->rowCount() : 1); ++row) {
            if (sections)
                sections->setCurrentCell(row, 0);
            for (const QWidget *input : InputsOf(area.page)) {
                // A table turns sections and instances; its cells are no bound widget.
                if (qobject_cast<const QAbstractItemView *>(input))
                    continue;
                QVERIFY2(!settingNames.contains(input),
                         qPrintable(area.name + QLatin1Char(' ') + Describe(input)
                                    + QStringLiteral(": ")
                                    + settingNames.value(input).join(QLatin1Char('|'))));
            }
        }
    }
}

void TestAllPages::everyInputIsNamedAndTabbedInReadingOrder_data()
{
    everyAreaOpensWithoutEdits_data();
}

// Section by section, each turned with the arrow keys as a person does: every input is named for
// a screen reader, Tab walks through them as one reads, and Escape cancels from each.
void TestAllPages::everyInputIsNamedAndTabbedInReadingOrder()
{
    QFETCH(QString, profile);
    QVERIFY(LoadProfile(database, profile));
    HostDialog host(database);
    host.dialog->show();
    host.dialog->activateWindow();
    QApplication::setActiveWindow(host.dialog);
    auto *stack = host.Find<QStackedWidget>("settingsPage");
    for (QToolButton *button : host.dialog->findChildren<QToolButton *>()) {
        if (!button->objectName().startsWith(QLatin1String("gmode")) || button->isHidden())
            continue;
        button->click();
        auto *page = qobject_cast<CVornMotionAxisSettingsBase *>(stack->currentWidget());
        const QHash<const QWidget *, QStringList> settingNames = SettingNames(page, database);
        QTableWidget *sections = SectionsOf(page);
        if (sections)
            sections->setCurrentCell(0, 0);
        for (int row = 0; row < (sections ? sections->rowCount() : 1); ++row) {
            if (row > 0) {
                sections->setFocus(Qt::TabFocusReason);
                QTest::keyClick(sections, Qt::Key_Down);
                QCOMPARE(sections->currentRow(), row);
            }
            const QString where = button->objectName() + QLatin1Char(' ')
                                  + (sections ? sections->item(row, 0)->text() : QString());
            const QVector<QWidget *> inputs = InputsOf(page);
            CheckNames(inputs, settingNames, where);
            CheckTabOrder(page, inputs, where);
            CheckEscapeCancels(host.dialog, inputs, where);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void TestAllPages::CheckNames(const QVector<QWidget *> &inputs,
                              const QHash<const QWidget *, QStringList> &settingNames,
                              const QString &where) const
{
    QHash<QString, const QWidget *> named;
    for (const QWidget *input : inputs) {
        const QString name = AccessibleText(input, QAccessible::Name);
        const QString what
            = where + QLatin1Char(' ') + Describe(input) + QStringLiteral(": ") + name;
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(what));
        // A caption is a label naming the input as its buddy, or a button's own text.
        QStringList captions;
        for (const QLabel *label : input->window()->findChildren<QLabel *>()) {
            if (label->buddy() == input)
                captions.append(label->text());
        }
        if (const auto *button = qobject_cast<const QAbstractButton *>(input))
            captions.append(button->text());
        captions += settingNames.value(input);
        captions.removeAll(QString());
        // Only a table, which shows its own texts, may do without a setting or caption.
        QVERIFY2(!captions.isEmpty() || qobject_cast<const QAbstractItemView *>(input),
                 qPrintable(what + QStringLiteral(" has neither setting nor caption")));
        QVERIFY2(captions.isEmpty()
                     || std::any_of(captions.cbegin(), captions.cend(),
                                    [&name](const QString &caption) {
                                        return name.contains(caption);
                                    }),
                 qPrintable(what + QStringLiteral(" names none of ") + captions.join('|')));
        // A combo box's item is its value, not its name.
        if (const auto *combo = qobject_cast<const QComboBox *>(input)) {
            QVERIFY2(name != combo->currentText(), qPrintable(what));
            QCOMPARE(AccessibleText(input, QAccessible::Value), combo->currentText());
        }
        QVERIFY2(!named.contains(name),
                 qPrintable(what + QStringLiteral(" as ") + Describe(named.value(name))));
        named.insert(name, input);
    }
}

// Tab once round the dialog: it enters the page once and meets every input (a group of radio
// buttons once) before it leaves, none before another that lies wholly above it.
void TestAllPages::CheckTabOrder(QWidget *page, const QVector<QWidget *> &inputs,
                                 const QString &where) const
{
    if (inputs.isEmpty())
        return;
    QWidget *start = inputs.constFirst();
    start->setFocus(Qt::TabFocusReason);
    QVector<QWidget *> round;
    for (int step = 0; step == 0 || QApplication::focusWidget() != start; ++step) {
        QVERIFY2(step < 400, qPrintable(where + QStringLiteral(": Tab never comes back")));
        QWidget *focus = QApplication::focusWidget();
        QVERIFY2(focus, qPrintable(where + QStringLiteral(": Tab loses the focus")));
        while (focus && focus != page && !inputs.contains(focus))
            focus = focus->parentWidget();
        QVERIFY2(focus != page,
                 qPrintable(where + QStringLiteral(": a hidden or disabled widget took focus: ")
                            + Describe(QApplication::focusWidget())));
        round.append(focus);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Turned to begin outside the page, the round holds the page's inputs in one run.
    const auto outside = std::find(round.begin(), round.end(), nullptr);
    QVERIFY2(outside != round.end(), qPrintable(where + QStringLiteral(": Tab never leaves")));
    std::rotate(round.begin(), outside, round.end());
    const auto inside = [](const QWidget *input) {
        return input != nullptr;
    };
    const auto first = std::find_if(round.cbegin(), round.cend(), inside);
    const auto end = std::find(first, round.cend(), nullptr);
    QVERIFY2(std::find_if(end, round.cend(), inside) == round.cend(),
             qPrintable(where + QStringLiteral(": Tab enters the page twice")));
    const QVector<QWidget *> reached(first, end);

    QSet<const QObject *> stops;
    for (const QWidget *input : inputs)
        stops.insert(StopOf(input));
    QSet<const QObject *> met;
    QStringList order;
    for (const QWidget *input : reached) {
        order.append(Describe(input));
        QVERIFY2(!met.contains(StopOf(input)),
                 qPrintable(where + QStringLiteral(" twice: ") + order.join(' ')));
        met.insert(StopOf(input));
    }
    QVERIFY2(met == stops,
             qPrintable(where + QStringLiteral(" misses inputs: ") + order.join(' ')));
    for (int later = 1; later < reached.size(); ++later) {
        const QRect place = PlaceOn(page, reached.at(later));
        for (int earlier = 0; earlier < later; ++earlier) {
            QVERIFY2(
                place.bottom() >= PlaceOn(page, reached.at(earlier)).top(),
                qPrintable(where + QStringLiteral(" out of reading order: ") + order.join(' ')));
        }
    }
}

// Escape is the dialog's Cancel wherever the focus is on a page.
void TestAllPages::CheckEscapeCancels(QDialog *dialog, const QVector<QWidget *> &inputs,
                                      const QString &where) const
{
    for (QWidget *input : inputs) {
        input->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY2(!dialog->isVisible() && dialog->result() == QDialog::Rejected,
                 qPrintable(where + QLatin1Char(' ') + Describe(input)));
        dialog->show();
        dialog->activateWindow();
        QApplication::setActiveWindow(dialog);
    }
}

QTEST_MAIN(TestAllPages)
#include "tst_allPages.moc"
