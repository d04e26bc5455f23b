#ifndef VORNAC_SETTINGSFILE_H
#define VORNAC_SETTINGSFILE_H

#include "settingKind.h"

#include <vornac/iMotionConfigurationDatabase.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// The text of a settings file: JSON in UTF-8 with a header and one setting per line, so that a
// person can read it and a version control system can compare two of them. Values are in the
// database's units; reals are written so that they read back bit for bit. This unit writes and
// reads the text only; what an entry means for an axis is the stager's business.
class CVornMotionSettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(CVornMotionSettingsFile)

public:
    static const int Version = 1;
    // Larger files are refused unread.
    static const qint64 LargestFile = 16 * 1024 * 1024;

    struct Header
    {
        quint32 deviceType = 0;
        quint32 axisType = 0;
        QString axisTypeName;
        QString moduleVersion;
        // ISO 8601, UTC.
        QString saved;
        // Edits that were pending, and are in the file, when it was saved.
        int pendingEdits = 0;
    };

    struct Entry
    {
        QString area;
        QString name;
        nVornMCPCD100::AttributeId id = 0;
        // 1 is the axis's first instance of the setting's kind, whatever its index.
        quint32 instance = 1;
        QString instanceName;
        CVornMotionSettingKind kind = CVornMotionSettingKind::Integer;
        // The field of the kind; a text in `text`.
        nVornMCPCD100::AttributeValue value = {};
        QString text;
        // An enumeration's value by name, for people.
        QString valueName;
        // The value as the page shows it, with units, for people.
        QString shown;
        // Read entries: the line the entry starts on (0 when unknown), and why its value does not
        // fit its kind (empty when it does).
        int line = 0;
        QString valueProblem;
    };

    struct Contents
    {
        Header header;
        QVector<Entry> entries;
    };

    static QByteArray Write(const Contents &contents);
    // Refuses bytes that are not a settings file of this version as a whole: *problem then says
    // what is wrong, after "line L, column C: " where it has a place.
    static bool Read(const QByteArray &bytes, Contents *contents, QString *problem);

    // The same for files; *error names the file. Save replaces the file only once it is written
    // whole.
    static bool Load(const QString &path, Contents *contents, QString *error);
    static bool Save(const QString &path, const Contents &contents, QString *error);

    // The name the header gives the format.
    static QString FormatName();
    static QString KindName(CVornMotionSettingKind kind);
    // "0x" and eight upper-case hexadecimal digits.
    static QString IdentifierText(quint32 id);
    // The shortest text that reads back as the same double, always with a point or an exponent.
    static QString RealText(double value);
    // The value as the file writes it: a number, true or false, or a quoted identifier or text.
    static QString ValueToken(const Entry &entry);

private:
    CVornMotionSettingsFile() = delete;
    static QString TooLarge();
};

#endif
