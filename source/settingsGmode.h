#ifndef VORNAC_SETTINGSGMODE_H
#define VORNAC_SETTINGSGMODE_H

#include "changeList.h"
#include "editTexts.h"

#include <vornac/iMotionConfigurationDatabase.h>

#include <QMap>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CmxProvider;
class CVornMotionAxisSettings;
class CVornMotionAxisSettingsBase;
class CVornMotionChangeList;
class CVornMotionSettingIndex;
class QAbstractButton;
struct PageEntry;
class QToolButton;

namespace Ui {
class CVornMotionAxisSettingsGModeClass;
}

// The navigation page: an overview picture of the axis with a button per settings area over the
// parts they configure, and below it the settings page of the area chosen. Pages are created on
// first use and kept.
class CVornMotionAxisSettingsGMode : public QWidget
{
    Q_OBJECT

public:
    CVornMotionAxisSettingsGMode(nVornMCPCD100::iMotionConfigurationDatabase *database,
                                 CVornMotionChangeList *changeList,
                                 CVornMotionAxisSettings *dialog, CmxProvider *provider,
                                 QWidget *parent);
    ~CVornMotionAxisSettingsGMode() override;

    void ShowPage(int pageId);
    int CurrentPage() const;
    // Shows `pageId` if it fits the axis, else the general page.
    void ApplyStartPage(int pageId);
    void LaunchHelp();

    // The pages created so far, in the order of their identifiers.
    QVector<CVornMotionAxisSettingsBase *> CreatedPages() const;
    // Whether the navigation offers the area of `pageId` on this axis now.
    bool IsShownArea(int pageId) const;
    // Describes a pending edit as the first created page of an area the axis shows now words it,
    // with that page's area; a page of an area no longer shown words it only when no shown area
    // shows the setting. Nothing when no created page shows it.
    std::optional<CVornMotionEditTexts>
    DescribeEdit(const CVornMotionChangeList::PendingEdit &edit);
    // Opens the page of an area the axis shows now that shows `attr` (the current page first),
    // turned to `index`, and focuses the setting's widget; returns the widget, or null when no
    // shown area shows it.
    QWidget *RevealSetting(nVornMCPCD100::AttributeId attr, quint32 index);
    // Opens `pageId` turned to the setting, as RevealSetting does; null when it cannot show it.
    QWidget *RevealSettingOn(int pageId, nVornMCPCD100::AttributeId attr, quint32 index);
    // Adds the settings of every area this axis shows to `index`, creating the pages not opened
    // yet (without showing them).
    void IndexSettings(CVornMotionSettingIndex &index);

    // An area a person can open on this axis, with its display name and its page.
    struct Area
    {
        int pageId;
        QString name;
        CVornMotionAxisSettingsBase *page;
    };
    // Every area this axis shows, in the order of the page registry, creating the pages not
    // opened yet (without showing them).
    QVector<Area> ShownAreas();
    using Outlines = std::vector<std::unique_ptr<CVornMotionAxisSettingsBase>>;
    // As ShownAreas, but an area whose page is not opened yet comes with an outline of that page,
    // added to `outlines`: enough to list what the area shows, and made without asking the
    // database about each binding.
    QVector<Area> OutlinedAreas(Outlines &outlines);
    // The page of `pageId`, created as its button would create it unless it was created already;
    // null for an identifier without a page.
    CVornMotionAxisSettingsBase *Page(int pageId);

signals:
    void UpdateRequired();

public slots:
    void SetupStaticUI();
    void on_gmodeSetup_clicked();
    void on_gmodeTrajectory_clicked();
    void on_gmodeSpline_clicked();
    void on_gmodePositionLoop_clicked();
    void on_gmodeDigitalIO_clicked();
    void on_gmodeEnc_clicked();
    void on_gmodeAnalogIO_clicked();
    void on_gmodeComp_clicked();
    void on_gmodeCapt_clicked();
    void on_gmodeMultiPurpose_clicked();
    void on_gmodeBrake_clicked();
    void on_gmodeLimitsAndHome_clicked();
    void on_gmodeDriveSignals_clicked();

private:
    // The page the multi-purpose button stands for on this axis.
    int MultiPurposePage() const;
    bool MayShowStartPage(qint32 axisType) const;
    void DecorateButton(QToolButton *button, const QString &icon, quint32 toolTipId);
    void PressButton(QAbstractButton *button);
    // The areas the axis shows, in the order of the page registry, each with the page `pageOf`
    // gives it; an area without one is left out.
    QVector<Area> AreasWith(
        const std::function<CVornMotionAxisSettingsBase *(const PageEntry &)> &pageOf);

    Ui::CVornMotionAxisSettingsGModeClass *ui;
    nVornMCPCD100::iMotionConfigurationDatabase *database;
    CVornMotionChangeList *changeList;
    CVornMotionAxisSettings *dialog;
    CmxProvider *provider;
    qint32 currentPage = -1;
    qint32 startPage = 0xA300D5;
    QAbstractButton *downButton = nullptr;
    QMap<int, CVornMotionAxisSettingsBase *> pages;
};

#endif
