#pragma once

#include <QList>
#include <QString>

namespace telvo {

// The settings file: INI sections of Name=Value lines. Section and value names
// match case-insensitively and keep the spelling they were first written with.
// Values are kept verbatim; backslash, CR and LF are escaped in the file.
class Ini_Store {
public:
    // Reads a file; a missing file gives an empty store. Returns false (and the
    // reason) only when an existing file cannot be read.
    bool Load(const QString &path, QString *error = nullptr);
    void Parse(const QByteArray &content);

    // Writes the whole store atomically with mode 0600; on failure the previous
    // file stays as it was and the reason is returned.
    bool Save(const QString &path, QString *error = nullptr) const;
    QByteArray Serialize() const;

    QString Read_String(const QString &section, const QString &name, const QString &default_value) const;
    int Read_Integer(const QString &section, const QString &name, int default_value) const;
    void Write_String(const QString &section, const QString &name, const QString &value);
    void Write_Integer(const QString &section, const QString &name, int value);

private:
    struct Entry {
        QString Name;
        QString Value;
    };
    struct Section {
        QString Name;
        QList<Entry> Entries;
    };
    QList<Section> Sections;

    const Entry *Find(const QString &section, const QString &name) const;
};

} // namespace telvo
