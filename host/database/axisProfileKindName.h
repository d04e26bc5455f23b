#ifndef VORNAC_HOST_AXISPROFILEKINDNAME_H
#define VORNAC_HOST_AXISPROFILEKINDNAME_H

#include "axisSetting.h"

#include <QString>

// The word a profile's "kind" key holds for `kind`: written by saving, matched by loading.
QString ProfileKindName(SettingKind kind);

#endif
