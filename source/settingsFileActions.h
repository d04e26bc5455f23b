#ifndef VORNAC_SETTINGSFILEACTIONS_H
#define VORNAC_SETTINGSFILEACTIONS_H

#include "readCache.h"
#include "settingsCatalog.h"
#include "settingsGmode.h"
#include "settingsStager.h"

#include <QObject>

#include <functional>

class CVornMotionAxisSettingsBase;
class CVornMotionAxisSettingsGMode;
class CVornMotionChangeList;
class CVornMotionSettingsFileReport;
class QFileDialog;
class QToolButton;

// The dialog's "Settings" menu: save what the axis shows to a file, load a file as pending edits,
// and stage the defaults of the current area or of every area. Files are chosen in Qt's own file
// dialog, which works alike on every platform; what a load could not use is reported.
class CVornMotionSettingsFileActions : public QObject
{
    Q_OBJECT

public:
    // Called after edits were staged: the dialog checks them once and opens the list of changes.
    using Review = std::function<void()>;

    CVornMotionSettingsFileActions(QToolButton *button, CVornMotionAxisSettingsGMode *navigation,
                                   CVornMotionReadCache *database,
                                   CVornMotionChangeList *changeList, QWidget *dialog,
                                   Review review);

    // What the menu's actions do once a file is chosen. False when nothing was written or the
    // file was refused as a whole; the report then says why.
    bool SaveTo(const QString &path);
    bool LoadFrom(const QString &path);
    // Stages the defaults of the current area's settings, or of every area's.
    void ResetToDefaults(bool everyArea);

private:
    void ChooseFile(bool saving);
    void FileChosen(const QString &path);
    // What the areas show, in their order.
    static CVornMotionSettingsCatalog
    CatalogOf(const QVector<CVornMotionAxisSettingsGMode::Area> &areas);
    // Stages a file; entries refused for an instance the axis did not offer are tried once more
    // after the staged values have made it offer more.
    CVornMotionSettingsStager::Outcome Stage(const CVornMotionSettingsFile::Contents &contents);
    // Makes the page of every setting that a staged edit is pending for, as its button would.
    void MakePagesHolding(const CVornMotionSettingsCatalog &catalog);
    QString Summary(const QString &path, const CVornMotionSettingsStager::Outcome &outcome) const;

    CVornMotionAxisSettingsGMode *navigation;
    CVornMotionReadCache *database;
    CVornMotionChangeList *changeList;
    QWidget *dialog;
    Review review;
    QFileDialog *fileDialog = nullptr;
    bool saving = false;
    CVornMotionSettingsFileReport *report;
};

#endif
