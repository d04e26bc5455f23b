#include "settingsGmode.h"

#include "settingsMain.h"

#include "axisIds.h"
#include "displayTexts.h"
#include "helpLauncher.h"
#include "pageRegistry.h"
#include "pictures.h"
#include "settingIndex.h"
#include "settingsBase.h"
#include "valueReader.h"

#include "ui_settingsGmode.h"

#include <QHash>
#include <QIcon>

#include <algorithm>

using namespace AxisIds;

namespace {

const nVornMCPCD100::AttributeId analogInputs = 0xA300C8;
const int velocityLoopPage = 0xA300AC;
const int driveCommandPage = 0xA300EE;
const int stepperPage = 0xA300D7;
const int analogPage = 0xA300DC;
const qint32 simulatedDevice = 0xA10043;
const qint32 intelligentDrive = 0xC2002F;

QString OverviewPicture(qint32 deviceType, qint32 axisType, bool hasAnalogInputs)
{
    if (deviceType == simulatedDevice)
        return QStringLiteral(":/images/SimulatedAxis.PNG");
    if (deviceType == intelligentDrive)
        return QStringLiteral(":/images/DriveWithAI.png");
    if (axisType != servoAxis)
        return hasAnalogInputs ? QStringLiteral(":/images/StepperWithAI.PNG")
                               : QStringLiteral(":/images/StepperWithoutAI.PNG");
    return hasAnalogInputs ? QStringLiteral(":/images/ServoWithAI.PNG")
                           : QStringLiteral(":/images/ServoWithoutAI.PNG");
}

} // namespace

CVornMotionAxisSettingsGMode::CVornMotionAxisSettingsGMode(
    nVornMCPCD100::iMotionConfigurationDatabase *database, CVornMotionChangeList *changeList,
    CVornMotionAxisSettings *dialog, CmxProvider *provider, QWidget *parent)
    : QWidget(parent),
      ui(new Ui::CVornMotionAxisSettingsGModeClass),
      database(database),
      changeList(changeList),
      dialog(dialog),
      provider(provider)
{
    ui->setupUi(this);
    SetupStaticUI();
    ShowPage(generalPage);
}

CVornMotionAxisSettingsGMode::~CVornMotionAxisSettingsGMode()
{
    qDeleteAll(pages);
    delete ui;
}

int CVornMotionAxisSettingsGMode::CurrentPage() const
{
    return currentPage;
}

CVornMotionAxisSettingsBase *CVornMotionAxisSettingsGMode::Page(int pageId)
{
    if (CVornMotionAxisSettingsBase *page = pages.value(pageId))
        return page;
    const PageEntry *entry = PageRegistry::Find(pageId);
    if (!entry || !entry->create)
        return nullptr;
    CVornMotionAxisSettingsBase *created =
        entry->create(database, changeList, dialog, ui->settingsPage);
    connect(created, &CVornMotionAxisSettingsBase::UpdateAllSettingsPages, this,
            &CVornMotionAxisSettingsGMode::UpdateRequired);
    connect(created, &CVornMotionAxisSettingsBase::AxisTypeOrLoopModeChanged, this, [this] {
        SetupStaticUI();
        emit UpdateRequired();
    });
    ui->settingsPage->addWidget(created);
    pages.insert(pageId, created);
    // A page opened while the loop rule's problem stands marks as the pages that saw it raised.
    if (dialog && dialog->LoopRuleProblemOpen())
        created->on_invalidSettings(true);
    return created;
}

void CVornMotionAxisSettingsGMode::ShowPage(int pageId)
{
    currentPage = pageId;
    CVornMotionAxisSettingsBase *page = Page(pageId);
    if (!page)
        return;
    ui->settingsPage->setCurrentWidget(page);
    PressButton(findChild<QAbstractButton *>(
        QString::fromLatin1(PageRegistry::Find(pageId)->button)));
}

void CVornMotionAxisSettingsGMode::PressButton(QAbstractButton *button)
{
    if (downButton && downButton != button)
        downButton->setDown(false);
    downButton = button;
    if (button)
        button->setDown(true);
}

void CVornMotionAxisSettingsGMode::SetupStaticUI()
{
    qint32 deviceType = 0;
    qint32 second = 0;
    database->GetDeviceType(&deviceType, &second);
    const bool hasAnalogInputs = database->IsAttributeSupported(analogInputs, 0);
    const qint32 type = CVornMotionValueReader(database, changeList).ReadInteger(axisType, 0);

    ui->gmodeStack->setCurrentWidget(ui->page_5);
    ui->gmodePicture->setPixmap(LoadPicture(OverviewPicture(deviceType, type, hasAnalogInputs),
                                            ui->gmodePicture->devicePixelRatioF()));
    ui->gmodePicture->lower();
    ui->gmodeAnalogIO->setVisible(hasAnalogInputs);
    ui->gmodePositionLoop->setVisible(type == servoAxis);

    DecorateButton(ui->gmodeSetup, QStringLiteral("axissetup.PNG"), 0xA300D5);
    DecorateButton(ui->gmodeTrajectory, QStringLiteral("trajectory.png"), 0xA300D6);
    DecorateButton(ui->gmodePositionLoop, QStringLiteral("controlloop.PNG"), 0xA300AA);
    DecorateButton(ui->gmodeSpline, QStringLiteral("spline.png"), 0xA300E7);
    DecorateButton(ui->gmodeEnc, QStringLiteral("encoder_level1.png"), 0xA300DD);
    DecorateButton(ui->gmodeDigitalIO, QStringLiteral("dio_level1.PNG"), 0xA300DB);
    DecorateButton(ui->gmodeAnalogIO, QStringLiteral("analog.png"), 0xA300DC);
    DecorateButton(ui->gmodeComp, QStringLiteral("compare.png"), 0xA300DA);
    DecorateButton(ui->gmodeCapt, QStringLiteral("capture.png"), 0xA10082);
    DecorateButton(ui->gmodeBrake, QStringLiteral("brake.png"), 0xC20030);
    DecorateButton(ui->gmodeLimitsAndHome, QStringLiteral("limitsandhome.png"), 0xC2000B);
    DecorateButton(ui->gmodeDriveSignals, QStringLiteral("drivesignals.png"), 0xA300B9);

    switch (MultiPurposePage()) {
    case stepperPage:
        DecorateButton(ui->gmodeMultiPurpose, QStringLiteral("stepper.PNG"), 0xA300D7);
        break;
    case velocityLoopPage:
        DecorateButton(ui->gmodeMultiPurpose, QStringLiteral("controlloop.PNG"), 0xA300AC);
        break;
    default:
        DecorateButton(ui->gmodeMultiPurpose, QStringLiteral("drivecommand.png"), 0xA300E5);
        break;
    }

    // These only ever hide: an area the axis lacks stays hidden for the dialog's life.
    if (!database->IsAttributeSupported(0xC20030, 0))
        ui->gmodeBrake->hide();
    if (!database->IsAttributeSupported(0xA300B9, 0))
        ui->gmodeDriveSignals->hide();
    if (!database->IsAttributeSupported(0xB10025, 0))
        ui->gmodeComp->hide();
    if (!database->IsAttributeSupported(0xA10003, 0))
        ui->gmodeCapt->hide();
}

void CVornMotionAxisSettingsGMode::DecorateButton(QToolButton *button, const QString &icon,
                                                  quint32 toolTipId)
{
    // One icon per picture for the process: Qt keeps what it draws of every icon it was given,
    // so a fresh icon per dialog would grow the host's memory with every dialog it opens.
    static QHash<QString, QIcon> icons;
    auto known = icons.find(icon);
    if (known == icons.end())
        known = icons.insert(icon, QIcon(QStringLiteral(":/images/Icons/") + icon));
    button->setIcon(*known);
    button->setIconSize(QSize(button->width() - 7, button->height() - 7));
    button->setToolTip(PlainToolTip(GetDictionaryDescription(toolTipId)));
    // The button shows only an icon: screen readers announce the page's name, and its description
    // as plain text rather than the tool tip's markup.
    button->setAccessibleName(GetDictionaryName(toolTipId));
    button->setAccessibleDescription(GetDictionaryDescription(toolTipId));
}

int CVornMotionAxisSettingsGMode::MultiPurposePage() const
{
    if (CVornMotionValueReader(database, changeList).ReadInteger(axisType, 0) == stepperAxis)
        return stepperPage;
    return database->IsAttributeSupported(velocityLoopPage, 0) ? velocityLoopPage
                                                                : driveCommandPage;
}

void CVornMotionAxisSettingsGMode::ApplyStartPage(int pageId)
{
    startPage = pageId;
    nVornMCPCD100::AttributeValue type = {};
    if (database->GetAttribute(axisType, 0, &type) < 0) {
        ShowPage(generalPage);
        return;
    }
    ShowPage(MayShowStartPage(type.integerValue) ? startPage : generalPage);
}

bool CVornMotionAxisSettingsGMode::MayShowStartPage(qint32 type) const
{
    switch (startPage) {
    case 0xA10003:
    case 0xA300AC:
    case 0xA300B9:
    case 0xB10025:
    case 0xC20030:
        return database->IsAttributeSupported(nVornMCPCD100::AttributeId(startPage), 0);
    case positionLoopPage:
        return type == servoAxis;
    case stepperPage:
        return type == stepperAxis;
    case analogPage:
        return database->IsAttributeSupported(analogInputs, 0);
    default:
        return true;
    }
}

QVector<CVornMotionAxisSettingsBase *> CVornMotionAxisSettingsGMode::CreatedPages() const
{
    QVector<CVornMotionAxisSettingsBase *> created;
    for (CVornMotionAxisSettingsBase *page : pages)
        created.append(page);
    return created;
}

bool CVornMotionAxisSettingsGMode::IsShownArea(int pageId) const
{
    const PageEntry *entry = PageRegistry::Find(pageId);
    const auto *button
        = entry ? findChild<QAbstractButton *>(QString::fromLatin1(entry->button)) : nullptr;
    // A hidden button hides its area; the multi-purpose button stands for one page at a time.
    return button && !button->isHidden()
           && (button != ui->gmodeMultiPurpose || pageId == MultiPurposePage());
}

std::optional<CVornMotionEditTexts>
CVornMotionAxisSettingsGMode::DescribeEdit(const CVornMotionChangeList::PendingEdit &edit)
{
    const auto describe = [&edit](int pageId, CVornMotionAxisSettingsBase *page) {
        std::optional<CVornMotionEditTexts> texts = page->DescribeEdit(edit);
        // A name such as "Proportional Gain" stands in more than one area.
        if (texts)
            texts->area = GetDictionaryName(PageRegistry::Find(pageId)->toolTipId);
        return texts;
    };
    // The areas the axis shows now word a setting; a page whose area it no longer shows (the
    // Position loop after a switch to a stepper) only when none of them shows the setting.
    std::optional<CVornMotionEditTexts> hiddenAreaTexts;
    for (auto page = pages.cbegin(); page != pages.cend(); ++page) {
        if (!IsShownArea(page.key())) {
            if (!hiddenAreaTexts)
                hiddenAreaTexts = describe(page.key(), page.value());
            continue;
        }
        if (std::optional<CVornMotionEditTexts> texts = describe(page.key(), page.value()))
            return texts;
    }
    if (!hiddenAreaTexts)
        return std::nullopt;
    // A shown area not opened yet may show it: its page is made, as its button would make it.
    for (const PageEntry *entry = PageRegistry::begin(); entry != PageRegistry::end(); ++entry) {
        if (pages.contains(entry->pageId) || !IsShownArea(entry->pageId))
            continue;
        if (CVornMotionAxisSettingsBase *page = Page(entry->pageId)) {
            if (std::optional<CVornMotionEditTexts> texts = describe(entry->pageId, page))
                return texts;
        }
    }
    // Its row opens nothing now; Apply writes it all the same.
    hiddenAreaTexts->area = tr("%1, not shown for this axis now").arg(hiddenAreaTexts->area);
    return hiddenAreaTexts;
}

QWidget *CVornMotionAxisSettingsGMode::RevealSetting(nVornMCPCD100::AttributeId attr,
                                                     quint32 index)
{
    // Only an area the axis shows now opens: the page shown first, then the pages made so far,
    // then the others, made as their buttons would make them.
    QList<int> order;
    for (const PageEntry *entry = PageRegistry::begin(); entry != PageRegistry::end(); ++entry) {
        if (IsShownArea(entry->pageId))
            order.append(entry->pageId);
    }
    const auto rank = [this](int pageId) {
        return pageId == currentPage ? 0 : pages.contains(pageId) ? 1 : 2;
    };
    std::sort(order.begin(), order.end(), [&rank](int left, int right) {
        return std::make_pair(rank(left), left) < std::make_pair(rank(right), right);
    });
    for (const int pageId : std::as_const(order)) {
        CVornMotionAxisSettingsBase *page = Page(pageId);
        if (!page || !page->ShowsSetting(attr))
            continue;
        if (QWidget *widget = RevealSettingOn(pageId, attr, index))
            return widget;
    }
    return nullptr;
}

QWidget *CVornMotionAxisSettingsGMode::RevealSettingOn(int pageId, nVornMCPCD100::AttributeId attr,
                                                       quint32 index)
{
    CVornMotionAxisSettingsBase *page = Page(pageId);
    if (!page)
        return nullptr;
    ShowPage(pageId);
    return page->RevealSetting(attr, index);
}

void CVornMotionAxisSettingsGMode::IndexSettings(CVornMotionSettingIndex &index)
{
    for (const Area &area : ShownAreas())
        area.page->AddSettingsTo(index, area.pageId, area.name);
}

QVector<CVornMotionAxisSettingsGMode::Area> CVornMotionAxisSettingsGMode::ShownAreas()
{
    return AreasWith([this](const PageEntry &entry) { return Page(entry.pageId); });
}

QVector<CVornMotionAxisSettingsGMode::Area>
CVornMotionAxisSettingsGMode::OutlinedAreas(Outlines &outlines)
{
    const CVornMotionAxisSettingsBase::OutlineScope outlining;
    return AreasWith([&](const PageEntry &entry) -> CVornMotionAxisSettingsBase * {
        if (CVornMotionAxisSettingsBase *page = pages.value(entry.pageId))
            return page;
        if (!entry.create)
            return nullptr;
        outlines.emplace_back(entry.create(database, changeList, dialog, nullptr));
        return outlines.back().get();
    });
}

QVector<CVornMotionAxisSettingsGMode::Area> CVornMotionAxisSettingsGMode::AreasWith(
    const std::function<CVornMotionAxisSettingsBase *(const PageEntry &)> &pageOf)
{
    QVector<Area> areas;
    for (const PageEntry *entry = PageRegistry::begin(); entry != PageRegistry::end(); ++entry) {
        if (!IsShownArea(entry->pageId))
            continue;
        if (CVornMotionAxisSettingsBase *page = pageOf(*entry))
            areas.append({entry->pageId, GetDictionaryName(entry->toolTipId), page});
    }
    return areas;
}

void CVornMotionAxisSettingsGMode::LaunchHelp()
{
    CVornMotionHelpLauncher::Launch(provider, PageRegistry::HelpTopic(currentPage));
}

void CVornMotionAxisSettingsGMode::on_gmodeSetup_clicked()
{
    ShowPage(generalPage);
}

void CVornMotionAxisSettingsGMode::on_gmodeTrajectory_clicked()
{
    ShowPage(0xA300D6);
}

void CVornMotionAxisSettingsGMode::on_gmodeSpline_clicked()
{
    ShowPage(0xA300E7);
}

void CVornMotionAxisSettingsGMode::on_gmodePositionLoop_clicked()
{
    ShowPage(positionLoopPage);
}

void CVornMotionAxisSettingsGMode::on_gmodeDigitalIO_clicked()
{
    ShowPage(0xA300DB);
}

void CVornMotionAxisSettingsGMode::on_gmodeEnc_clicked()
{
    ShowPage(0xA300DD);
}

void CVornMotionAxisSettingsGMode::on_gmodeAnalogIO_clicked()
{
    ShowPage(analogPage);
}

void CVornMotionAxisSettingsGMode::on_gmodeComp_clicked()
{
    ShowPage(0xB10025);
}

void CVornMotionAxisSettingsGMode::on_gmodeCapt_clicked()
{
    ShowPage(0xA10003);
}

void CVornMotionAxisSettingsGMode::on_gmodeMultiPurpose_clicked()
{
    ShowPage(MultiPurposePage());
}

void CVornMotionAxisSettingsGMode::on_gmodeBrake_clicked()
{
    ShowPage(0xC20030);
}

void CVornMotionAxisSettingsGMode::on_gmodeLimitsAndHome_clicked()
{
    ShowPage(0xA300D8);
}

void CVornMotionAxisSettingsGMode::on_gmodeDriveSignals_clicked()
{
    ShowPage(0xA300B9);
}
