#include "translation.h"

#include "platform.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace {

// Owned by the module, not parented to the application: a host that unloads the module must not
// be left with a translator that reads the module's unmapped resources. Deleting it removes it
// from the application.
std::unique_ptr<QTranslator> &ModuleTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

QStringList TranslationFolders()
{
    QStringList folders{QStringLiteral(":/vornac/translations")};
    // Lets a translation be added to an installed module without rebuilding it.
    const QString library = Platform::ModuleFolder();
    if (!library.isEmpty())
        folders.append(library + QStringLiteral("/translations"));
    return folders;
}

} // namespace

void InstallModuleTranslation()
{
    // The host's locale does not change under a running dialog, and a second translator for the
    // same texts would only cost lookups.
    static bool attempted = false;
    if (attempted || !QCoreApplication::instance())
        return;
    attempted = true;

    auto translator = std::make_unique<QTranslator>();
    const QLocale locale;
    for (const QString &folder : TranslationFolders()) {
        // Falls back from a region to its language (de_CH to de); no file means English.
        if (translator->load(locale, QStringLiteral("vornac"), QStringLiteral("_"), folder)) {
            // Added beside the host's own translators, which keep translating Qt's and the host's
            // texts (the dialog's standard buttons among them).
            QCoreApplication::installTranslator(translator.get());
            ModuleTranslator() = std::move(translator);
            return;
        }
    }
}
