#ifndef VORNAC_GLOBAL_H
#define VORNAC_GLOBAL_H

#include <QtGlobal>

// VORNAC_LIBRARY is defined only while the module itself is compiled.
#if defined(VORNAC_LIBRARY)
#define VORNAC_EXPORT Q_DECL_EXPORT
#else
#define VORNAC_EXPORT Q_DECL_IMPORT
#endif

#endif
