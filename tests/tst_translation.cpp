#include "displayTexts.h"
#include "profileFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLocale>
#include <QToolButton>
#include <QTranslator>

#include <utility>

// The test's resources hold a pseudo-translation for Esperanto under the module's resource folder,
// in which every text the module marks reads "[[<English text>]]", and a host's translation of
// Qt's "OK" under :/host.

namespace {

const quint32 axisType = 0xA30001;

// The module installs its translator for the locale of the first dialog of a process.
bool FirstDialogOfProcess()
{
    static bool created = false;
    return !std::exchange(created, true);
}

void OpenEveryArea(const HostDialog &host)
{
    for (QToolButton *button : host.dialog->findChildren<QToolButton *>()) {
        if (button->objectName().startsWith(QLatin1String("gmode")) && !button->isHidden())
            button->click();
    }
}

QStringList ShownTexts(const QWidget *dialog)
{
    QStringList texts{dialog->windowTitle()};
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        texts << label->text() << label->toolTip();
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        texts << button->text() << button->toolTip();
    for (const QGroupBox *group : dialog->findChildren<QGroupBox *>())
        texts << group->title();
    for (const QAction *action : dialog->findChildren<QAction *>())
        texts << action->text();
    for (const QComboBox *combo : dialog->findChildren<QComboBox *>())
        texts << ComboTexts(combo) << combo->currentText();
    for (const QTableWidget *table : dialog->findChildren<QTableWidget *>()) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (const QTableWidgetItem *header = table->horizontalHeaderItem(column))
                texts << header->text();
        }
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                if (const QTableWidgetItem *item = table->item(row, column))
                    texts << item->text();
            }
        }
    }
    return texts;
}

QString ResetText(const QWidget *widget)
{
    const QList<QAction *> actions = widget->actions();
    return actions.isEmpty() ? QString() : actions.first()->text();
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void pseudoLocale();
    void localeWithoutTranslation();
};

// The module's own texts, from its forms and its code, follow the host's locale; what the
// dictionary and the database say, and what Qt says, is left as the host has it.
void TestTranslation::pseudoLocale()
{
    if (!FirstDialogOfProcess())
        QSKIP("needs a process of its own (run it by name)");
    QTranslator hostTranslation;
    QVERIFY(hostTranslation.load(QStringLiteral(":/host/hostTranslation_eo.qm")));
    QCoreApplication::installTranslator(&hostTranslation);
    // A region the translation does not name: the module falls back to the language.
    QLocale::setDefault(QLocale(QLocale::Esperanto, QLocale::World));

    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    HostDialog host(database);

    QCOMPARE(host.dialog->windowTitle(), QStringLiteral("[[Axis Configuration]]"));
    QCOMPARE(host.Find<QLabel>("genLabelDisplayUnits")->text(),
             QStringLiteral("[[Units (Configured on Encoder Page)]]"));
    QCOMPARE(host.Find<QLabel>("genLabelDistanceUnits")->text(), QStringLiteral("mm"));
    QCOMPARE(host.Find<QLabel>("genLabelVelocityUnits")->text(), QStringLiteral("mm[[/s]]"));
    QCOMPARE(ResetText(host.Find<QComboBox>("genAxisType")),
             QStringLiteral("[[Reset to Default]]"));
    // The form's own caption of this label is translated, the dictionary's name replaces it.
    QCOMPARE(GetDictionaryName(axisType), QStringLiteral("Axis Type"));
    QCOMPARE(host.Find<QLabel>("genLabelAxisType")->text(), QStringLiteral("Axis Type"));
    QCOMPARE(host.Find<QComboBox>("genAxisType")->currentText(), QStringLiteral("Servo"));

    host.Find<QToolButton>("gmodeEnc")->click();
    QCOMPARE(host.Find<QTableWidget>("encoderTable")->horizontalHeaderItem(0)->text(),
             QStringLiteral("[[Section]]"));
    const QStringList units = ComboTexts(host.Find<QComboBox>("encUnits"));
    QVERIFY2(units.contains(QStringLiteral("[[rev]]")), qPrintable(units.join(QLatin1Char('|'))));
    QCOMPARE(host.Find<QComboBox>("encUnits")->currentText(), QStringLiteral("mm"));

    // The standard buttons are Qt's: the host's translation still reaches them.
    QCOMPARE(host.Button(QDialogButtonBox::Ok)->text(), QStringLiteral("Host OK"));
    QCOMPARE(host.Button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}

// No translation for the locale: every text stays English, although one for another locale is
// at hand.
void TestTranslation::localeWithoutTranslation()
{
    if (!FirstDialogOfProcess())
        QSKIP("needs a process of its own (run it by name)");
    QLocale::setDefault(QLocale(QLocale::Basque, QLocale::Spain));

    CAxisDatabase database;
    QVERIFY(LoadProfile(database, QStringLiteral("servo.json")));
    HostDialog host(database);
    OpenEveryArea(host);

    QCOMPARE(host.dialog->windowTitle(), QStringLiteral("Axis Configuration"));
    QCOMPARE(host.Find<QLabel>("genLabelDisplayUnits")->text(),
             QStringLiteral("Units (Configured on Encoder Page)"));
    QCOMPARE(ResetText(host.Find<QComboBox>("genAxisType")), QStringLiteral("Reset to Default"));
    const QStringList texts = ShownTexts(host.dialog);
    QVERIFY(texts.size() > 100);
    for (const QString &text : texts)
        QVERIFY2(!text.contains(QLatin1String("[[")), qPrintable(text));
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
