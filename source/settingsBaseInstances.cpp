// The instances a page shows (encoders, gain sets, filters, lines), how it turns to one, and the
// I/O lines and page rules that follow the instance shown.
#include "settingsBase.h"

#include "ioLine.h"
#include "loadingGuard.h"

#include <limits>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

CVornMotionIoLine *CVornMotionAxisSettingsBase::AddIoLine(const CVornMotionIoLine &line,
                                                          const qint32 *types)
{
    ioLines.push_back(std::make_unique<CVornMotionIoLine>(line));
    ioLines.back()->AddBindings(types);
    return ioLines.back().get();
}

void CVornMotionAxisSettingsBase::SelectInstance(int indexSource, qint32 index)
{
    if (indexSource == UIProperty::InstanceIndex)
        instanceIndex = index;
    else if (indexSource == UIProperty::SecondaryIndex)
        secondaryIndex = index;
    {
        CVornMotionLoadingGuard loading(changeList);
        for (UIProperty *property : std::as_const(properties)) {
            if (property->IndexSource() == indexSource)
                ShowInstanceOf(property);
        }
        for (const auto &line : ioLines)
            line->ShowLayout();
    }
    LoadProperties();
}

void CVornMotionAxisSettingsBase::RestrictBinding(const QWidget *widget, bool shown, bool enabled)
{
    for (UIProperty *property : std::as_const(properties)) {
        if (widget && property->Widgets().contains(const_cast<QWidget *>(widget)))
            property->Restrict(shown, enabled);
    }
}

void CVornMotionAxisSettingsBase::ReconcileDerivedEdits()
{
    for (const auto &line : ioLines)
        line->Reconcile();
}

bool CVornMotionAxisSettingsBase::HasInstance(const UIProperty *property) const
{
    switch (property->IndexSource()) {
    case UIProperty::InstanceIndex:
        return instanceIndex >= 0;
    case UIProperty::SecondaryIndex:
        return secondaryIndex >= 0;
    default:
        return true;
    }
}

quint32 CVornMotionAxisSettingsBase::IndexOf(const UIProperty *property) const
{
    switch (property->IndexSource()) {
    case UIProperty::InstanceIndex:
        return quint32(instanceIndex);
    case UIProperty::SecondaryIndex:
        return quint32(secondaryIndex);
    default:
        return 0;
    }
}

void CVornMotionAxisSettingsBase::StartInstancesAt(AttributeId firstInstance)
{
    instanceBase = InstanceAt(ReadInteger(firstInstance), 0);
    instanceIndex = instanceBase;
}

qint32 CVornMotionAxisSettingsBase::InstanceAt(qint64 base, qint64 offset)
{
    // Instances counted from a base that is no index are no instances either.
    const qint64 index = base + offset;
    if (base < 0 || index < 0 || index > std::numeric_limits<qint32>::max())
        return -1;
    return qint32(index);
}

void CVornMotionAxisSettingsBase::ShowInstanceOf(UIProperty *property)
{
    if (outline)
        return;
    const quint32 index = IndexOf(property);
    property->UpdateVisibility(index, db);
    property->FillItems(db, changeList, index);
    if (!HasInstance(property))
        property->Restrict(false, false);
}
