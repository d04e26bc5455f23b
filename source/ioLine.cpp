#include "ioLine.h"

#include "loadingGuard.h"
#include "properties/comboItems.h"
#include "properties/uiPropertyActiveStateComboBox.h"
#include "properties/uiPropertyIntegerComboBox.h"
#include "properties/uiPropertySafeStateComboBox.h"
#include "settingsBase.h"
#include "valueReader.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>

#include <algorithm>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {
// Names of lines shown in group titles.
const qint32 nameCapacity = 257;

// The pictures draw the high (or conducting) level on top and mark the active one: the captions
// swap places so that "Active" always sits beside the marked level.
void PlaceStateCaptions(QWidget *activeLabel, QWidget *inactiveLabel, qint32 state)
{
    const IoStates::ActiveLevel level = IoStates::ActiveLevelOf(state);
    if (level == IoStates::ActiveLevel::Unknown)
        return;
    const bool activeOnTop = level == IoStates::ActiveLevel::Upper;
    const int top = std::min(activeLabel->y(), inactiveLabel->y());
    const int bottom = std::max(activeLabel->y(), inactiveLabel->y());
    activeLabel->move(activeLabel->x(), activeOnTop ? top : bottom);
    inactiveLabel->move(inactiveLabel->x(), activeOnTop ? bottom : top);
}

void Hide(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *each : widgets) {
        if (each)
            each->hide();
    }
}

} // namespace

void CVornMotionIoLine::DrawPicture(const Picture &shown, qint32 type, qint32 state,
                                    std::optional<AttributeValue> safe)
{
    shown.activeCaption->show();
    shown.inactiveCaption->show();
    if (!safe)
        Hide({shown.safePictureA, shown.safePictureB});
    const IoStates::Picture picture = IoStates::PictureOf(type, state);
    PlaceStateCaptions(shown.activeCaption, shown.inactiveCaption, state);
    if (picture.hidesCaptions)
        Hide({shown.activeCaption, shown.inactiveCaption});
    if (picture.hidesSafeState)
        Hide({shown.safePictureA, shown.safePictureB});
    if (safe && picture.showsSafeState)
        ShowSafeStatePictures(safe->integerValue, state, shown.safePictureA, shown.safePictureB);
    CVornMotionAxisSettingsBase::SetPicture(shown.picture, picture.path);
}

void CVornMotionIoLine::ShowSafeStatePictures(qint32 safe, qint32 state, QWidget *a, QWidget *b)
{
    QWidget *first = a;
    QWidget *second = b;
    switch (safe) {
    case 0xA1007C:
    case 0xA3007E:
        break;
    case 0xA1007D:
    case 0xA3007D:
        std::swap(first, second);
        break;
    default:
        Hide({a, b});
        return;
    }
    QWidget *shownPicture = nullptr;
    QWidget *hidden = nullptr;
    switch (state) {
    case 0xA10072:
    case 0xA30077:
        shownPicture = first;
        hidden = second;
        break;
    case 0xA10073:
    case 0xA30078:
        shownPicture = second;
        hidden = first;
        break;
    default:
        return;
    }
    if (shownPicture)
        shownPicture->show();
    if (hidden)
        hidden->hide();
}

CVornMotionIoLine::CVornMotionIoLine(CVornMotionAxisSettingsBase *page, const Settings &settings,
                                     const Widgets &widgets)
    : page(page),
      settings(settings),
      widgets(widgets)
{
}

bool CVornMotionIoLine::IsOutput() const
{
    return settings.safeState != 0;
}

bool CVornMotionIoLine::CanShow(const QWidget *widget, quint32 index) const
{
    if (!widgets.layouts)
        return true;
    const int layout = IsDriveLayout(index) ? 1 : 0;
    for (int each = 0; each < widgets.layouts->count(); ++each) {
        if (widgets.layouts->widget(each)->isAncestorOf(widget))
            return each == layout;
    }
    return true;
}

quint32 CVornMotionIoLine::Index() const
{
    switch (settings.indexSource) {
    case UIProperty::InstanceIndex:
        return quint32(page->instanceIndex);
    case UIProperty::SecondaryIndex:
        return quint32(page->secondaryIndex);
    default:
        return 0;
    }
}

bool CVornMotionIoLine::IsDriveLayout(quint32 index) const
{
    nVornMCPCD100::iMotionConfigurationDatabase *db = page->db;
    return !db->IsAttributeReadOnly(settings.activeState, index)
           && db->IsAttributeReadOnly(settings.type, index)
           && db->IsAttributeReadOnly(settings.fixedInDriveLayout, index);
}

void CVornMotionIoLine::AddBindings(const qint32 *types)
{
    const QString none;
    const int source = settings.indexSource;
    page->AddProperty(new UIPropertyActiveStateComboBox(
        settings.activeState, widgets.activeStateCaption, source, none, widgets.activeState));
    if (widgets.driveActiveState) {
        page->AddProperty(new UIPropertyActiveStateComboBox(settings.activeState,
                                                            widgets.driveActiveStateCaption, source,
                                                            none, widgets.driveActiveState));
    }
    if (IsOutput()) {
        page->AddProperty(new UIPropertySafeStateComboBox(
            settings.safeState, widgets.safeStateCaption, source, none, widgets.safeState));
    }
    page->AddProperty(new UIPropertyIntegerComboBox(settings.type, widgets.typeCaption, types,
                                                    source, none, widgets.type));
}

void CVornMotionIoLine::ShowLayout()
{
    const quint32 index = Index();
    if (widgets.layouts) {
        widgets.layouts->setCurrentIndex(IsDriveLayout(index) ? 1 : 0);
    }
    if (!widgets.group || settings.name == 0)
        return;
    const std::optional<QString> name = CVornMotionValueReader(page->db, page->changeList)
                                            .ReadStoredString(settings.name, index, nameCapacity);
    widgets.group->setTitle(name ? widgets.titleWithName.arg(*name) : widgets.title);
}

void CVornMotionIoLine::ShowPicture()
{
    if (!widgets.picture || !widgets.activeCaption || !widgets.inactiveCaption)
        return;
    const quint32 index = Index();
    const CVornMotionValueReader reader(page->db, page->changeList);
    std::optional<AttributeValue> safe;
    if (IsOutput() && widgets.safePictureA && widgets.safePictureB) {
        safe.emplace();
        safe->integerValue = reader.ReadInteger(settings.safeState, index);
    }
    DrawPicture({widgets.picture, widgets.activeCaption, widgets.inactiveCaption,
                 widgets.safePictureA, widgets.safePictureB},
                reader.ReadInteger(settings.type, index),
                reader.ReadInteger(settings.activeState, index), safe);
}

void CVornMotionIoLine::StoreType(int comboIndex)
{
    if (!page->StoreSelectedId(settings.type, Index(), widgets.type, comboIndex))
        return;
    Reconcile();
    page->LoadProperties();
}

void CVornMotionIoLine::StoreActiveState(const QComboBox *combo, int comboIndex)
{
    if (!page->StoreSelectedId(settings.activeState, Index(), combo, comboIndex))
        return;
    // Both layouts show the one setting: the one not in use follows at once, so that a switch of
    // layouts never shows a state the line does not hold.
    QComboBox *other
        = combo == widgets.activeState ? widgets.driveActiveState : widgets.activeState;
    if (other) {
        CVornMotionLoadingGuard loading(page->changeList);
        ComboItems::SelectData(other, combo->itemData(comboIndex));
    }
    ShowPicture();
}

void CVornMotionIoLine::StoreSafeState(int comboIndex)
{
    if (page->StoreSelectedId(settings.safeState, Index(), widgets.safeState, comboIndex))
        ShowPicture();
}

// A state of the other group becomes its counterpart, derived from the type while the type is
// pending: the review list reverts them together. The lists follow at the next load.
void CVornMotionIoLine::Reconcile()
{
    const quint32 index = Index();
    const CVornMotionChangeList::Derivation derived(page->changeList, settings.type, index);
    const qint32 type = CVornMotionValueReader(page->db, page->changeList)
                            .ReadInteger(settings.type, index);
    const IoStates::Group group = IoStates::GroupOf(type);
    MapIntoGroup(IoStates::activeStateKind, settings.activeState, group);
    if (IsOutput())
        MapIntoGroup(IoStates::safeStateKind, settings.safeState, group);
}

void CVornMotionIoLine::MapIntoGroup(const IoStates::StateKind &kind, AttributeId state,
                                     IoStates::Group group)
{
    const quint32 index = Index();
    const qint32 value
        = CVornMotionValueReader(page->db, page->changeList).ReadInteger(state, index);
    if (!kind.isOfOtherGroup(value, group))
        return;
    // Stored whoever called: the counterpart is what the pending type requires.
    const CVornMotionLoadingGuard storing(page->changeList, false);
    page->StoreId(state, index, kind.map(value, group));
}
