#include "hostHelpProgram.h"

#include <QDir>
#include <QFileInfo>

namespace {
const int32_t helpFileInput = 10;
const int32_t topicInput = 11;
} // namespace

CHostHelpProgram::CHostHelpProgram(const QString &path, const QString &helpFolder, Opener opener,
                                   Reporter reporter)
    : path(path), helpFolder(helpFolder), opener(std::move(opener)), reporter(std::move(reporter))
{
}

int32_t CHostHelpProgram::QueryInterface(const VornGuid &, void **object)
{
    if (object)
        *object = nullptr;
    return -1;
}

int32_t CHostHelpProgram::SetProgramInput(int32_t input, const char16_t *text, int32_t)
{
    if (!text || (input != helpFileInput && input != topicInput))
        return -1;
    inputs.insert(input, QString::fromUtf16(text));
    return 0;
}

int32_t CHostHelpProgram::RunProgram()
{
    const QString topic = inputs.value(topicInput);
    if (topic.isEmpty())
        return -1;
    const QFileInfo page(QDir(helpFolder).filePath(topic));
    if (page.isFile() && opener(QUrl::fromLocalFile(page.absoluteFilePath())))
        return 0;
    reporter(QStringLiteral("Help requested: topic %1 in %2 (program %3)")
                 .arg(topic, inputs.value(helpFileInput), path));
    return 0;
}
