#include "settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace telvo {

Settings_Store::Settings_Store(QString path)
    : File_Path(std::move(path))
{
    Store.Load(File_Path);
}

QString Settings_Store::Default_Path()
{
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base directory rules say.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Telvo_View.ini");
}

bool Settings_Store::Reload(QString *error)
{
    return Store.Load(File_Path, error);
}

bool Settings_Store::Commit(QString *error) const
{
    const QString directory = QFileInfo(File_Path).absolutePath();
    if (!QDir().mkpath(directory)) {
        if (error)
            *error = QStringLiteral("Cannot create the directory %1").arg(QDir::toNativeSeparators(directory));
        return false;
    }
    return Store.Save(File_Path, error);
}

} // namespace telvo
