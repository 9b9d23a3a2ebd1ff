#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace telvo {

// The settings file: INI sections of Name=Value lines. Section and value names
// match case-insensitively; a write gives a name the spelling of that write, so
// the file shows the program's own spelling. Values are kept verbatim;
// backslash, CR and LF are escaped in the file.
class Ini_Store {
public:
    // Reads a file; a missing file gives an empty store. Returns false (and the
    // reason, leaving the store empty) only when an existing file cannot be read.
    bool Load(const QString &path, QString *error = nullptr);
    // Replaces the store with the sections and values of a file's bytes.
    // Malformed lines are skipped; the last of two equal names wins.
    void Parse(const QByteArray &content);

    // Writes the whole store atomically with mode 0600; on failure the previous
    // file stays as it was and the reason is returned.
    bool Save(const QString &path, QString *error = nullptr) const;
    QByteArray Serialize() const;

    QString Read_String(const QString &section, const QString &name, const QString &default_value) const;
    // A decimal integer (optional sign, no blanks) that fits in 32 bits; anything else gives the default.
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
        QHash<QString, qsizetype> Entry_Index; // case-folded name -> position in Entries
    };
    QList<Section> Sections;
    QHash<QString, qsizetype> Section_Index; // case-folded name -> position in Sections

    const Entry *Find(const QString &section, const QString &name) const;
    Section &Section_For_Write(const QString &section);
};

} // namespace telvo
