#pragma once

#include "ini_store.h"

#include <QString>

namespace telvo {

// The one settings store of the program: the INI file at a path, its contents
// held in memory. Reads come from memory; Commit writes the whole file.
class Settings_Store {
public:
    // Reads the file at once; a missing or unreadable file gives an empty store
    // (every value its default). Reload tells why a file could not be read.
    explicit Settings_Store(QString path);

    // $XDG_CONFIG_HOME/Telvo_View.ini, or ~/.config/Telvo_View.ini.
    static QString Default_Path();

    const QString &Path() const { return File_Path; }
    bool Reload(QString *error = nullptr);
    // Writes the whole store, creating the file's directory when it is missing.
    bool Commit(QString *error = nullptr) const;

    Ini_Store &Values() { return Store; }
    const Ini_Store &Values() const { return Store; }

private:
    QString File_Path;
    Ini_Store Store;
};

} // namespace telvo
