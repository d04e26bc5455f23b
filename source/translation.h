#ifndef VORNAC_TRANSLATION_H
#define VORNAC_TRANSLATION_H

// Installs the translation of the module's own texts for the host's locale (QLocale()) on the
// application, once per process: vornac_<locale>.qm from the module's resources, else from a
// "translations" folder beside the module's library. Without one the texts stay English. Call it
// before the first dialog builds its forms.
void InstallModuleTranslation();

#endif
