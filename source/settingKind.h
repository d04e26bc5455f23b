#ifndef VORNAC_SETTINGKIND_H
#define VORNAC_SETTINGKIND_H

// What a setting holds, as settings files name it: which field of an AttributeValue carries it,
// or that it is a text. An enumeration holds the identifier of its value in integerValue.
enum class CVornMotionSettingKind
{
    Integer,
    Real,
    Boolean,
    Enumeration,
    Text
};

#endif
