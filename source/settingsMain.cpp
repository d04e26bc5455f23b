#include "settingsMain.h"

#include "axisIds.h"
#include "changesWindow.h"
#include "coercingSpinBox.h"
#include "displayTexts.h"
#include "flash.h"
#include "loopPeriod.h"
#include "pendingEditsModel.h"
#include "settingSearch.h"
#include "settingsFileActions.h"
#include "settingsBase.h"
#include "settingsGmode.h"
#include "valueReader.h"

#include "ui_settingsMain.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSet>

#include <cmath>

using nVornMCPCD100::AttributeValue;
using namespace AxisIds;

namespace {

// Used when no table period fits the host's scan period: the shortest period the table offers.
const double stepperFallbackLoopPeriod = 0.00005;
const double smallestHostLoopPeriod = 0.000001;

QSet<const QDialog *> &LiveDialogs()
{
    static QSet<const QDialog *> dialogs;
    return dialogs;
}

QString LoopRuleMessage()
{
    return QCoreApplication::translate(
        "CVornMotionAxisSettings",
        "The Vorn Scan Engine rate must be a multiple of the position loop rate");
}

QString PlainBannerText()
{
    return QCoreApplication::translate("CVornMotionAxisSettings", "Invalid Settings!");
}

QString WriteFailureText(const CVornMotionChangeList::WriteFailure &failure)
{
    const QString name = GetDisplayNameOrId(failure.id);
    return QCoreApplication::translate("CVornMotionAxisSettings",
                                       "The setting \"%1\" could not be written. Nothing was "
                                       "saved; your changes are still pending.")
        .arg(name.toHtmlEscaped());
}

} // namespace

CVornMotionAxisSettings::CVornMotionAxisSettings(
    nVornMCPCD100::iMotionConfigurationDatabase *host, CVornMotionAxisConfiguration *owner,
    CmxProvider *provider)
    : QDialog(nullptr),
      owner(owner),
      ui(new Ui::CVornMotionAxisSettingsClass),
      reads(host),
      changeList(nullptr),
      provider(provider)
{
    LiveDialogs().insert(this);
    ui->setupUi(this);
    changeList = new CVornMotionChangeList(&reads);
    ui->labelInvalidSettings->hide();
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(size());

    QPalette bannerPalette = ui->labelInvalidSettings->palette();
    bannerPalette.setColor(QPalette::Active, QPalette::WindowText, Qt::red);
    bannerPalette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::red);
    ui->labelInvalidSettings->setPalette(bannerPalette);

    ConnectButtons();
    connect(changeList, &CVornMotionChangeList::ChangelistSizeChanged, this,
            &CVornMotionAxisSettings::on_changelistSizeChanged);

    navigation = new CVornMotionAxisSettingsGMode(&reads, changeList, this, provider,
                                                  ui->settingsModePage);
    connect(navigation, &CVornMotionAxisSettingsGMode::UpdateRequired, this,
            &CVornMotionAxisSettings::UpdateRequired);
    ui->settingsModePage->addWidget(navigation);
    ui->settingsModePage->setCurrentIndex(1);
    ConnectChangeReview();
    ConnectSearch();
    ConnectSettingsFiles();
    emit UpdateRequired();

    on_changelistSizeChanged(changeList->Count());
    show();
}

CVornMotionAxisSettings::~CVornMotionAxisSettings()
{
    LiveDialogs().remove(this);
    // The review and the search ask the pages for texts: they go before the pages do.
    delete changesWindow;
    delete pendingEdits;
    delete search;
    delete navigation;
    // The form is about to go: the discard below must not reach slots that touch it.
    changeList->disconnect(this);
    changeList->Discard();
    delete changeList;
    delete ui;
}

void CVornMotionAxisSettings::ConnectButtons()
{
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &CVornMotionAxisSettings::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &CVornMotionAxisSettings::reject);
    QPushButton *apply = ui->buttonBox->button(QDialogButtonBox::Apply);
    connect(apply, &QPushButton::clicked, this, &CVornMotionAxisSettings::on_applyButton_clicked);
    QPushButton *help = ui->buttonBox->button(QDialogButtonBox::Help);
    connect(help, &QPushButton::clicked, this, &CVornMotionAxisSettings::on_helpButton_clicked);
    help->setShortcut(QKeySequence::HelpContents);
}

void CVornMotionAxisSettings::ConnectChangeReview()
{
    pendingEdits = new CVornMotionPendingEditsModel(
        changeList, &reads,
        [this](const CVornMotionChangeList::PendingEdit &edit) {
            return navigation->DescribeEdit(edit);
        },
        this);
    // A reload may change the units in which values read.
    connect(this, &CVornMotionAxisSettings::UpdateRequired, pendingEdits,
            &CVornMotionPendingEditsModel::Reword);
    changesWindow = new CVornMotionChangesWindow(pendingEdits, this);
    connect(ui->changesButton, &QPushButton::clicked, this, &CVornMotionAxisSettings::ShowChanges);
    connect(changesWindow, &CVornMotionChangesWindow::SettingChosen, this,
            &CVornMotionAxisSettings::OpenSetting);
    connect(changesWindow, &CVornMotionChangesWindow::RevertRequested, this,
            &CVornMotionAxisSettings::RevertEdit);
    connect(changesWindow, &CVornMotionChangesWindow::RevertAllRequested, this,
            &CVornMotionAxisSettings::RevertAllEdits);
}

void CVornMotionAxisSettings::ConnectSearch()
{
    search = new CVornMotionSettingSearch(ui->settingSearch, this,
                                          [this](CVornMotionSettingIndex &index) {
                                              navigation->IndexSettings(index);
                                          });
    // Which areas the axis shows follows its type and loop mode.
    connect(this, &CVornMotionAxisSettings::UpdateRequired, search,
            &CVornMotionSettingSearch::Invalidate);
    connect(search, &CVornMotionSettingSearch::SettingChosen, this,
            [this](int pageId, nVornMCPCD100::AttributeId id, quint32 index) {
                CVornMotionFlash::Flash(navigation->RevealSettingOn(pageId, id, index));
            });
}

void CVornMotionAxisSettings::ConnectSettingsFiles()
{
    const auto review = [this] {
        ReviewStagedEdits();
    };
    settingsFiles = new CVornMotionSettingsFileActions(ui->settingsMenuButton, navigation, &reads,
                                                       changeList, this, review);
}

void CVornMotionAxisSettings::ShowChanges()
{
    changesWindow->Present();
}

void CVornMotionAxisSettings::OpenSetting(nVornMCPCD100::AttributeId id, quint32 index)
{
    // The page has focused the widget already; the dialog's window takes over from the list's.
    // A derived setting that no page shows opens where its cause is shown.
    QWidget *widget = navigation->RevealSetting(id, index);
    const auto edit = changeList->PendingEditOf(id, index);
    if (!widget && edit && edit->IsDerived())
        widget = navigation->RevealSetting(edit->causeId, edit->causeIndex);
    if (widget) {
        activateWindow();
        CVornMotionFlash::Flash(widget);
    }
}

void CVornMotionAxisSettings::RevertEdit(nVornMCPCD100::AttributeId id, quint32 index)
{
    if (changeList->Revert(id, index))
        ReviewAllPages();
}

void CVornMotionAxisSettings::RevertAllEdits()
{
    if (changeList->Count() == 0)
        return;
    changeList->Discard();
    ReviewAllPages();
}

void CVornMotionAxisSettings::ReviewAllPages()
{
    // The areas, buttons and picture follow the axis type and loop mode now pending or stored.
    navigation->SetupStaticUI();
    const QVector<CVornMotionAxisSettingsBase *> pages = navigation->CreatedPages();
    for (CVornMotionAxisSettingsBase *page : pages)
        page->ReconcileDerivedEdits();
    emit UpdateRequired();
    for (CVornMotionAxisSettingsBase *page : pages)
        page->RecheckProblems();
    // The loop rule holds for the axis type that is current now; a problem already open keeps
    // the page shown where it is.
    const CVornMotionValueReader reader(&reads, changeList);
    if (reader.ReadInteger(axisType, 0) != servoAxis) {
        if (openProblems.IsOpen(this))
            ReportLoopRuleProblem(false);
    } else if (!openProblems.IsOpen(this)
               || IsLoopPeriodCompatible(reader.ReadReal(positionLoopPeriod, 0), hostLoopPeriod)) {
        CheckServoLoopPeriod();
    }
}

void CVornMotionAxisSettings::ReviewStagedEdits()
{
    // A staged loop mode changes which areas the axis shows.
    navigation->SetupStaticUI();
    emit UpdateRequired();
    for (CVornMotionAxisSettingsBase *page : navigation->CreatedPages())
        page->RecheckProblems();
    CheckServoLoopPeriod();
    ShowChanges();
}

CVornMotionAxisSettings *CVornMotionAxisSettings::FromHostPointer(QDialog *dialog)
{
    if (!dialog || !LiveDialogs().contains(dialog))
        return nullptr;
    return static_cast<CVornMotionAxisSettings *>(dialog);
}

CVornMotionAxisConfiguration *CVornMotionAxisSettings::Owner() const
{
    return owner;
}

CVornMotionChangeList *CVornMotionAxisSettings::ChangeList() const
{
    return changeList;
}

int CVornMotionAxisSettings::CurrentPage() const
{
    return navigation->CurrentPage();
}

void CVornMotionAxisSettings::ApplyStartPage(int page)
{
    navigation->ApplyStartPage(page);
}

bool CVornMotionAxisSettings::IsSwitchToConfigModeRequired() const
{
    return changeList->switchToConfigModeRequired;
}

double CVornMotionAxisSettings::HostLoopPeriod() const
{
    return hostLoopPeriod;
}

void CVornMotionAxisSettings::SetHostLoopRate(double period)
{
    if (!std::isfinite(period) || period <= smallestHostLoopPeriod)
        return;
    hostLoopPeriod = period;
    const CVornMotionValueReader reader(&reads, changeList);
    if (reader.ReadInteger(axisType, 0) == stepperAxis)
        SelectStepperLoopPeriod();
    else
        CheckServoLoopPeriod();
    // Pages offer what fits the host period; one created before it arrived must see it.
    emit UpdateRequired();
}

void CVornMotionAxisSettings::SelectStepperLoopPeriod()
{
    double period = FirstCompatibleLoopPeriod(hostLoopPeriod);
    if (period == 0.0)
        period = stepperFallbackLoopPeriod;
    AttributeValue value = {};
    value.realValue = period;
    changeList->StoreValue(positionLoopPeriod, 0, value);
    // A stepper axis has no loop rule problem; one left from a servo setting must not stand.
    if (openProblems.IsOpen(this))
        ReportLoopRuleProblem(false);
}

void CVornMotionAxisSettings::CheckServoLoopPeriod()
{
    const CVornMotionValueReader reader(&reads, changeList);
    if (reader.ReadInteger(axisType, 0) != servoAxis)
        return;
    if (IsLoopPeriodCompatible(reader.ReadReal(positionLoopPeriod, 0), hostLoopPeriod)) {
        ReportLoopRuleProblem(false);
        return;
    }
    navigation->ShowPage(positionLoopPage);
    SetInvalidSettingsText(LoopRuleMessage());
    ReportLoopRuleProblem(true);
}

void CVornMotionAxisSettings::ShareLoopRuleProblem(const QObject *source)
{
    loopRuleSharers.insert(source);
    // A page made as an outline goes again at once: no other object may take its place here.
    connect(source, &QObject::destroyed, this, [this, source] { loopRuleSharers.remove(source); });
}

void CVornMotionAxisSettings::ReportLoopRuleProblem(bool invalid)
{
    {
        // Pages relay the dialog's own signal back to on_invalidSettings; it is handled here.
        QScopedValueRollback<bool> relaying(relayingOwnProblem, true);
        emit InvalidSettings(invalid);
    }
    RecordProblem(this, invalid);
}

void CVornMotionAxisSettings::SetInvalidSettingsText(const QString &text)
{
    pendingProblemMessage = text;
    ui->labelInvalidSettings->setText(text);
}

void CVornMotionAxisSettings::on_invalidSettings(bool invalid)
{
    if (relayingOwnProblem)
        return;
    const QObject *source = sender();
    RecordProblem(!source || loopRuleSharers.contains(source) ? this : source, invalid);
}

void CVornMotionAxisSettings::RecordProblem(const QObject *source, bool invalid)
{
    if (invalid) {
        const QString message = pendingProblemMessage.isEmpty() ? ui->labelInvalidSettings->text()
                                                                : pendingProblemMessage;
        openProblems.Open(source, message);
    } else {
        openProblems.Close(source);
    }
    pendingProblemMessage.clear();
    UpdateButtons(true);
    UpdateBanner();
}

void CVornMotionAxisSettings::on_changelistSizeChanged(u32 count)
{
    if (count == 0 && !writeFailureMessage.isEmpty()) {
        writeFailureMessage.clear();
        UpdateBanner();
    }
    UpdateButtons(count != 0);
    ui->changesButton->setText(tr("Changes (%1)").arg(count));
    ui->changesButton->setEnabled(count != 0);
}

// OK follows the open problems alone; Apply also needs `enableApply`.
void CVornMotionAxisSettings::UpdateButtons(bool enableApply)
{
    const bool valid = openProblems.IsEmpty();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(valid);
    ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(valid && enableApply);
}

void CVornMotionAxisSettings::UpdateBanner()
{
    QLabel *banner = ui->labelInvalidSettings;
    if (!openProblems.IsEmpty()) {
        banner->setText(openProblems.LatestMessage());
        banner->show();
    } else if (!writeFailureMessage.isEmpty()) {
        banner->setText(writeFailureMessage);
        banner->show();
    } else {
        banner->setText(PlainBannerText());
        banner->hide();
    }
}

CCoercingSpinBox *CVornMotionAxisSettings::FocusedSpinBox() const
{
    for (QWidget *widget = focusWidget(); widget; widget = widget->parentWidget()) {
        if (auto *spinBox = qobject_cast<CCoercingSpinBox *>(widget))
            return spinBox;
    }
    return nullptr;
}

bool CVornMotionAxisSettings::CommitChanges()
{
    // A value typed just before a keyboard shortcut has not finished its edit yet.
    if (CCoercingSpinBox *spinBox = FocusedSpinBox())
        spinBox->FinishEdit();
    if (!openProblems.IsEmpty())
        return false;
    if (changeList->Commit() >= 0)
        return true;
    writeFailureMessage = WriteFailureText(changeList->FailedWrite());
    UpdateBanner();
    return false;
}

void CVornMotionAxisSettings::on_applyButton_clicked()
{
    if (CommitChanges()) {
        emit Committed();
        emit UpdateRequired();
    }
}

void CVornMotionAxisSettings::on_helpButton_clicked()
{
    navigation->LaunchHelp();
}

void CVornMotionAxisSettings::accept()
{
    if (CommitChanges()) {
        changesWindow->hide();
        QDialog::accept();
    }
}

void CVornMotionAxisSettings::reject()
{
    // Closing moves the focus, which would otherwise finish a typed edit after the discard.
    if (CCoercingSpinBox *spinBox = FocusedSpinBox())
        spinBox->AbandonEdit();
    changeList->Discard();
    changesWindow->hide();
    QDialog::reject();
}
