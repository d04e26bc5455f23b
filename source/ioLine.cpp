#include "ioLine.h"

#include "ioStates.h"
#include "properties/uiPropertyActiveStateComboBox.h"
#include "properties/uiPropertyIntegerComboBox.h"
#include "properties/uiPropertySafeStateComboBox.h"
#include "settingsBase.h"
#include "valueReader.h"

#include <QComboBox>
#include <QGroupBox>
#include <QStackedWidget>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {
// Names of lines shown in group titles.
const qint32 nameCapacity = 257;
} // namespace

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
    const int layout = page->IsDriveLayout(settings.activeState, settings.type,
                                           settings.fixedInDriveLayout, index)
                           ? 1
                           : 0;
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
        const bool driveLayout = page->IsDriveLayout(settings.activeState, settings.type,
                                                     settings.fixedInDriveLayout, index);
        widgets.layouts->setCurrentIndex(driveLayout ? 1 : 0);
    }
    if (!widgets.group || settings.name == 0)
        return;
    const std::optional<QString> name = CVornMotionValueReader(page->db, page->changeList)
                                            .ReadStoredString(settings.name, index, nameCapacity);
    widgets.group->setTitle(name ? widgets.titleWithName.arg(*name) : widgets.title);
}

void CVornMotionIoLine::ShowPicture()
{
    const bool output = IsOutput();
    page->UpdateActiveStatePicture(
        {widgets.picture, widgets.activeCaption, widgets.safePictureA, widgets.safePictureB,
         output ? 0 : settings.activeState, output ? settings.activeState : 0, settings.safeState,
         output ? 0 : settings.type, output ? settings.type : 0, output ? 1 : 0},
        widgets.inactiveCaption);
}

void CVornMotionIoLine::StoreType(int comboIndex)
{
    const quint32 index = Index();
    if (!page->StoreSelectedId(settings.type, index, widgets.type, comboIndex))
        return;
    {
        const CVornMotionChangeList::Derivation derived(page->changeList, settings.type, index);
        page->OnActiveStateTypeChanged(settings.type, index, widgets.activeState, false);
        if (IsOutput())
            page->OnSafeStateTypeChanged(settings.type, index, widgets.safeState, false);
    }
    page->LoadProperties();
}

void CVornMotionIoLine::StoreActiveState(const QComboBox *combo, int comboIndex)
{
    if (page->StoreSelectedId(settings.activeState, Index(), combo, comboIndex))
        ShowPicture();
}

void CVornMotionIoLine::StoreSafeState(int comboIndex)
{
    if (page->StoreSelectedId(settings.safeState, Index(), widgets.safeState, comboIndex))
        ShowPicture();
}

void CVornMotionIoLine::Reconcile()
{
    ReconcileState(settings.activeState, false);
    if (IsOutput())
        ReconcileState(settings.safeState, true);
}

bool CVornMotionIoLine::ReconcileState(AttributeId state, bool safe)
{
    const quint32 index = Index();
    const IoStates::StateKind &kind = safe ? IoStates::safeStateKind : IoStates::activeStateKind;
    const CVornMotionValueReader reader(page->db, page->changeList);
    const IoStates::Group group = IoStates::GroupOf(reader.ReadInteger(settings.type, index));
    const qint32 held = reader.ReadInteger(state, index);
    if (!kind.isOfOtherGroup(held, group))
        return false;
    AttributeValue mapped = {};
    mapped.integerValue = kind.map(held, group);
    // A person's own state whose counterpart the database holds needs no edit at all.
    const std::optional<CVornMotionChangeList::PendingEdit> edit
        = page->changeList->PendingEditOf(state, index);
    AttributeValue stored = {};
    if (edit && !edit->IsDerived() && page->db->GetAttribute(state, index, &stored) >= 0
        && stored.integerValue == mapped.integerValue && page->changeList->Revert(state, index))
        return true;
    const CVornMotionChangeList::Derivation derived(page->changeList, settings.type, index);
    page->changeList->StoreValue(state, index, mapped);
    return true;
}
