#ifndef VORNAC_HOST_HOSTHELPPROGRAM_H
#define VORNAC_HOST_HOSTHELPPROGRAM_H

#include "refCounted.h"

#include <QMap>
#include <QString>
#include <QUrl>

#include <functional>

// The help program: input 11 is the topic, input 10 the help file. Running it opens the topic's
// page from the help folder when the page exists there, and otherwise reports what was asked.
class CHostHelpProgram : public CRefCounted<IVornProgram>
{
public:
    using Opener = std::function<bool(const QUrl &)>;
    using Reporter = std::function<void(const QString &)>;

    CHostHelpProgram(const QString &path, const QString &helpFolder, Opener opener,
                     Reporter reporter);

    int32_t VORN_COM_CALL QueryInterface(const VornGuid &interfaceId, void **object) override;
    int32_t VORN_COM_CALL SetProgramInput(int32_t input, const char16_t *text,
                                          int32_t flags) override;
    int32_t VORN_COM_CALL RunProgram() override;

private:
    QString path;
    QString helpFolder;
    Opener opener;
    Reporter reporter;
    QMap<int32_t, QString> inputs;
};

#endif
