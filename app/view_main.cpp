#include "program_windows.h"

#include "dialogs/program_icon.h"
#include "settings/settings_store.h"
#include "views/main_form.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Telvo_View"));
    QApplication::setWindowIcon(telvo::Program_Icon());

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption settings_option(QStringLiteral("settings"),
                                             QStringLiteral("Read and write the settings in FILE."),
                                             QStringLiteral("FILE"));
    parser.addOption(settings_option);
    parser.process(app);

    const QString path =
        parser.isSet(settings_option) ? parser.value(settings_option) : telvo::Settings_Store::Default_Path();
    telvo::Model model;
    telvo::Settings_Store store(path);
    telvo::TMain_Form main_form(model, store);
    telvo::Program_Windows windows(main_form, model, store);
    main_form.show();
    return QApplication::exec();
}
