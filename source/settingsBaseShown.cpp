// The page's part in settings files and resets: the settings it shows, at every instance.
#include "settingsBase.h"

#include <QSet>

QVector<CVornMotionAxisSettingsBase::ShownSetting>
CVornMotionAxisSettingsBase::ShownSettings() const
{
    QVector<ShownSetting> shown;
    QSet<nVornMCPCD100::AttributeId> added;
    for (const UIProperty *binding : properties) {
        // A setting bound in two layouts is one setting.
        if (binding->Widgets().isEmpty() || added.contains(binding->Attribute()))
            continue;
        added.insert(binding->Attribute());
        ShownSetting setting;
        setting.attribute = binding->Attribute();
        setting.kind = binding->HeldKind();
        setting.instances = Instances(binding);
        for (const quint32 index : std::as_const(setting.instances))
            setting.instanceNames.append(InstanceName(binding, index));
        shown.append(setting);
    }
    return shown;
}
