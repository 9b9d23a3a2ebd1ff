#pragma once

#include "information_recorder.h"

#include "settings/language_tables.h"
#include "settings/settings_io.h"
#include "settings/settings_store.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

// A settings file in a fresh directory, a model loaded from it in English, and
// a record of the information boxes the dialogs show.
struct Settings_Dialog_Fixture {
    QTemporaryDir Directory;
    std::unique_ptr<telvo::Settings_Store> Store;
    telvo::Model Data;
    QStringList Messages;
    telvo::test::Information_Recorder Recording{Messages};

    Settings_Dialog_Fixture() { Use_Path(Directory.filePath(QStringLiteral("Telvo_View.ini"))); }

    void Use_Path(const QString &path) {
        Store = std::make_unique<telvo::Settings_Store>(path);
        Data = telvo::Model{};
        telvo::Set_Device_Keys(Data);
        telvo::Load_Settings(Data, *Store);
        telvo::Load_English_Texts(Data.Texts);
    }

    // Settings that cannot be written: the file's directory is a regular file.
    void Use_Unwritable_Path() {
        const QString blocker = Directory.filePath(QStringLiteral("blocker"));
        QFile file(blocker);
        if (file.open(QIODevice::WriteOnly))
            file.write("not a directory");
        file.close();
        Use_Path(blocker + QStringLiteral("/Telvo_View.ini"));
    }

    // The settings as the next start of the program reads them.
    telvo::Model Saved() const {
        const telvo::Settings_Store fresh(Store->Path());
        telvo::Model model;
        telvo::Set_Device_Keys(model);
        telvo::Load_Settings(model, fresh);
        return model;
    }

    bool File_Exists() const { return QFile::exists(Store->Path()); }
};
