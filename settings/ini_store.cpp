#include "ini_store.h"

#include <QFile>
#include <QSaveFile>
#include <QStringView>

namespace telvo {

namespace {

QString Escaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\')
            out += u"\\\\";
        else if (c == u'\r')
            out += u"\\r";
        else if (c == u'\n')
            out += u"\\n";
        else
            out += c;
    }
    return out;
}

// A backslash that does not start one of the three escapes is kept as it stands,
// so hand-written values with other backslashes survive.
QString Unescaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == u'\\' || next == u'r' || next == u'n') {
                out += next == u'\\' ? QChar(u'\\') : next == u'r' ? QChar(u'\r') : QChar(u'\n');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString Folded(const QString &name) { return name.toCaseFolded(); }

} // namespace

bool Ini_Store::Load(const QString &path, QString *error)
{
    Sections.clear();
    Section_Index.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    Parse(content);
    return true;
}

void Ini_Store::Parse(const QByteArray &content)
{
    Sections.clear();
    Section_Index.clear();

    QString text = QString::fromUtf8(content);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringView all(text);

    QString section;
    qsizetype start = 0;
    while (start <= all.size()) {
        qsizetype end = all.indexOf(u'\n', start);
        if (end < 0)
            end = all.size();
        QStringView line = all.sliced(start, end - start);
        start = end + 1;
        if (line.endsWith(u'\r'))
            line.chop(1);

        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';'))
            continue;
        if (trimmed.startsWith(u'[')) {
            // A broken header must not let its values fall into the section above.
            section.clear();
            if (trimmed.endsWith(u']'))
                section = trimmed.sliced(1, trimmed.size() - 2).trimmed().toString();
            if (!section.isEmpty())
                Section_For_Write(section);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || section.isEmpty())
            continue;
        const QString name = line.first(equals).trimmed().toString();
        if (name.isEmpty())
            continue;
        Write_String(section, name, Unescaped(line.sliced(equals + 1)));
    }
}

bool Ini_Store::Save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    const auto fail = [&] {
        if (error)
            *error = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    // A short write carries no reason; writing on until a write fails gives one.
    const QByteArray content = Serialize();
    for (qint64 written = 0; written < content.size();) {
        const qint64 count = file.write(content.constData() + written, content.size() - written);
        if (count <= 0)
            return fail();
        written += count;
    }
    // The file holds the access passwords: only the owner may read it.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return fail();
    if (!file.commit())
        return fail();
    return true;
}

QByteArray Ini_Store::Serialize() const
{
    QString out;
    for (const Section &section : Sections) {
        if (!out.isEmpty())
            out += u'\n';
        out += u'[';
        out += section.Name;
        out += u"]\n";
        for (const Entry &entry : section.Entries) {
            out += entry.Name;
            out += u'=';
            out += Escaped(entry.Value);
            out += u'\n';
        }
    }
    return out.toUtf8();
}

const Ini_Store::Entry *Ini_Store::Find(const QString &section, const QString &name) const
{
    const auto s = Section_Index.constFind(Folded(section));
    if (s == Section_Index.cend())
        return nullptr;
    const Section &found = Sections[*s];
    const auto e = found.Entry_Index.constFind(Folded(name));
    if (e == found.Entry_Index.cend())
        return nullptr;
    return &found.Entries[*e];
}

Ini_Store::Section &Ini_Store::Section_For_Write(const QString &section)
{
    const QString key = Folded(section);
    const auto s = Section_Index.constFind(key);
    if (s != Section_Index.cend()) {
        Section &found = Sections[*s];
        found.Name = section;
        return found;
    }
    Section_Index.insert(key, Sections.size());
    Sections.append(Section{section, {}, {}});
    return Sections.last();
}

QString Ini_Store::Read_String(const QString &section, const QString &name, const QString &default_value) const
{
    const Entry *entry = Find(section, name);
    return entry ? entry->Value : default_value;
}

int Ini_Store::Read_Integer(const QString &section, const QString &name, int default_value) const
{
    const Entry *entry = Find(section, name);
    if (!entry)
        return default_value;
    const QString &text = entry->Value;
    const qsizetype digits_from = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    if (text.size() == digits_from)
        return default_value;
    for (qsizetype i = digits_from; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return default_value;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : default_value;
}

void Ini_Store::Write_String(const QString &section, const QString &name, const QString &value)
{
    Section &target = Section_For_Write(section);
    const QString key = Folded(name);
    const auto e = target.Entry_Index.constFind(key);
    if (e != target.Entry_Index.cend()) {
        target.Entries[*e] = Entry{name, value};
        return;
    }
    target.Entry_Index.insert(key, target.Entries.size());
    target.Entries.append(Entry{name, value});
}

void Ini_Store::Write_Integer(const QString &section, const QString &name, int value)
{
    Write_String(section, name, QString::number(value));
}

} // namespace telvo
