#include "settingsFileActions.h"

#include "axisIds.h"
#include "changeList.h"
#include "displayTexts.h"
#include "settingsBase.h"
#include "settingsFileReport.h"
#include "settingsGmode.h"
#include "valueReader.h"

#include <QAction>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QMenu>
#include <QToolButton>

#include <algorithm>

using nVornMCPCD100::AttributeValue;
using Catalog = CVornMotionSettingsCatalog;
using Area = CVornMotionAxisSettingsGMode::Area;

CVornMotionSettingsFileActions::CVornMotionSettingsFileActions(
    QToolButton *button, CVornMotionAxisSettingsGMode *navigation,
    CVornMotionReadCache *database, CVornMotionChangeList *changeList,
    QWidget *dialog, Review review)
    : QObject(dialog)
    , navigation(navigation)
    , database(database)
    , changeList(changeList)
    , dialog(dialog)
    , review(std::move(review))
    , report(new CVornMotionSettingsFileReport(dialog))
{
    auto *menu = new QMenu(button);
    const auto add = [this, menu](const char *name, const QString &text, auto slot) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
    };
    add("saveSettingsAction", tr("Save Settings As…"), [this] {
        ChooseFile(true);
    });
    add("loadSettingsAction", tr("Load Settings…"), [this] {
        ChooseFile(false);
    });
    menu->addSeparator();
    add("resetPageAction", tr("Reset Page to Defaults"), [this] {
        ResetToDefaults(false);
    });
    add("resetAllAction", tr("Reset All to Defaults"), [this] {
        ResetToDefaults(true);
    });
    button->setMenu(menu);
}

void CVornMotionSettingsFileActions::ChooseFile(bool save)
{
    if (!fileDialog) {
        fileDialog = new QFileDialog(dialog);
        fileDialog->setObjectName(QStringLiteral("settingsFileDialog"));
        // Qt's own dialog behaves alike on every platform, offscreen included.
        fileDialog->setOption(QFileDialog::DontUseNativeDialog);
        fileDialog->setNameFilters({tr("Axis settings (*.json)"), tr("All files (*)")});
        fileDialog->setDefaultSuffix(QStringLiteral("json"));
        connect(fileDialog, &QFileDialog::fileSelected, this,
                &CVornMotionSettingsFileActions::FileChosen);
    }
    saving = save;
    fileDialog->setWindowTitle(save ? tr("Save Settings As") : tr("Load Settings"));
    fileDialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fileDialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    fileDialog->open();
}

void CVornMotionSettingsFileActions::FileChosen(const QString &path)
{
    if (saving)
        SaveTo(path);
    else
        LoadFrom(path);
}

Catalog CVornMotionSettingsFileActions::CatalogOf(const QVector<Area> &areas)
{
    Catalog catalog;
    for (const Area &area : areas) {
        for (const CVornMotionAxisSettingsBase::ShownSetting &shown : area.page->ShownSettings())
            catalog.Add({area.pageId, area.name, shown.attribute, shown.kind, shown.instances,
                         shown.instanceNames});
    }
    return catalog;
}

bool CVornMotionSettingsFileActions::SaveTo(const QString &path)
{
    // Creating the pages not opened yet and reading every entry ask much the same questions.
    const CVornMotionReadCache::Scope reading(*database);
    const QVector<Area> areas = navigation->ShownAreas();
    QHash<int, CVornMotionAxisSettingsBase *> pages;
    for (const Area &area : areas)
        pages.insert(area.pageId, area.page);
    const Catalog catalog = CatalogOf(areas);
    const auto describe = [&pages](const Catalog::Setting &setting, quint32 index,
                                   const AttributeValue &value, const QString &text) {
        CVornMotionAxisSettingsBase *page = pages.value(setting.pageId);
        const CVornMotionChangeList::PendingEdit shown
            = {setting.id, index, value, text, setting.kind == CVornMotionSettingKind::Text};
        const std::optional<CVornMotionEditTexts> texts
            = page ? page->DescribeEdit(shown) : std::nullopt;
        return texts ? texts->pending : QString();
    };

    CVornMotionSettingsFile::Contents contents;
    CVornMotionSettingsFile::Header &header = contents.header;
    qint32 device = 0;
    qint32 second = 0;
    database->GetDeviceType(&device, &second);
    header.deviceType = quint32(device);
    header.axisType
        = quint32(CVornMotionValueReader(database, changeList).ReadInteger(AxisIds::axisType, 0));
    header.axisTypeName = GetDisplayNameOrId(header.axisType);
    header.moduleVersion = QStringLiteral(VORNAC_VERSION);
    header.saved = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    header.pendingEdits = int(changeList->Count());
    contents.entries = catalog.Entries(database, changeList, describe);

    QString error;
    if (CVornMotionSettingsFile::Save(path, contents, &error))
        return true;
    report->Present(error, {});
    return false;
}

bool CVornMotionSettingsFileActions::LoadFrom(const QString &path)
{
    CVornMotionSettingsFile::Contents contents;
    QString error;
    if (!CVornMotionSettingsFile::Load(path, &contents, &error)) {
        report->Present(error + QLatin1Char('\n') + tr("Nothing was loaded."), {});
        return false;
    }
    // A load stages pending edits and writes nothing, so the database answers each question the
    // pages, the staging and the review ask the same way throughout.
    const CVornMotionReadCache::Scope reading(*database);
    const CVornMotionSettingsStager::Outcome outcome = Stage(contents);
    if (outcome.staged > 0)
        review();
    if (outcome.staged == 0 || !outcome.notice.isEmpty() || !outcome.refusals.isEmpty())
        report->Present(Summary(path, outcome), outcome.refusals);
    return true;
}

CVornMotionSettingsStager::Outcome
CVornMotionSettingsFileActions::Stage(const CVornMotionSettingsFile::Contents &contents)
{
    // Outlines of the pages not opened yet list what their areas show; only the pages that take a
    // staged edit are made, to show and describe it.
    CVornMotionAxisSettingsGMode::Outlines outlines;
    Catalog catalog = CatalogOf(navigation->OutlinedAreas(outlines));
    CVornMotionSettingsStager::Outcome outcome
        = CVornMotionSettingsStager(database, changeList, catalog).Load(contents);
    CVornMotionSettingsFile::Contents retry;
    retry.header = contents.header;
    QVector<CVornMotionSettingsStager::Refusal> kept;
    for (const CVornMotionSettingsStager::Refusal &refusal : std::as_const(outcome.refusals)) {
        if (refusal.noInstance)
            retry.entries.append(contents.entries.at(refusal.entry));
        else
            kept.append(refusal);
    }
    if (outcome.staged > 0 && !retry.entries.isEmpty()) {
        // The pages offer what the staged values call for (a second gain set switched on) once
        // they show them, and outlines made again do.
        for (CVornMotionAxisSettingsBase *page : navigation->CreatedPages())
            page->on_updateControls();
        outlines.clear();
        catalog = CatalogOf(navigation->OutlinedAreas(outlines));
        const CVornMotionSettingsStager::Outcome again
            = CVornMotionSettingsStager(database, changeList, catalog).Load(retry);
        outcome.staged += again.staged;
        outcome.refusals = kept + again.refusals;
    }
    MakePagesHolding(catalog);
    return outcome;
}

void CVornMotionSettingsFileActions::MakePagesHolding(const Catalog &catalog)
{
    for (const Catalog::Setting &setting : catalog.Settings()) {
        const auto pending = [this, &setting](quint32 index) {
            return changeList->Contains(setting.id, index);
        };
        if (std::any_of(setting.instances.cbegin(), setting.instances.cend(), pending))
            navigation->Page(setting.pageId);
    }
}

QString
CVornMotionSettingsFileActions::Summary(const QString &path,
                                        const CVornMotionSettingsStager::Outcome &outcome) const
{
    const QString name = QFileInfo(path).fileName();
    QStringList lines;
    if (!outcome.notice.isEmpty())
        lines << outcome.notice;
    if (outcome.staged == 0)
        lines << (outcome.refusals.isEmpty()
                      ? tr("No differences: the axis shows every value of %1.").arg(name)
                      : tr("No differences in the settings of %1 that this axis can load.")
                            .arg(name));
    else
        lines << tr("Settings staged from %1: %2. Apply writes them; Cancel or Revert takes "
                    "them back.")
                     .arg(name)
                     .arg(outcome.staged);
    if (!outcome.refusals.isEmpty())
        lines << tr("Entries not loaded: %1.").arg(outcome.refusals.size());
    return lines.join(QLatin1Char('\n'));
}

void CVornMotionSettingsFileActions::ResetToDefaults(bool everyArea)
{
    const CVornMotionReadCache::Scope reading(*database);
    CVornMotionAxisSettingsGMode::Outlines outlines;
    const Catalog catalog = CatalogOf(navigation->OutlinedAreas(outlines));
    CVornMotionSettingsStager(database, changeList, catalog)
        .StageDefaults(everyArea ? 0 : navigation->CurrentPage());
    MakePagesHolding(catalog);
    // Nothing is written before Apply, so nothing is asked: the list shows what it would change.
    review();
}
