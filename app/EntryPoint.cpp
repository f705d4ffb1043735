#include "app/CommandLine.h"
#include "app/Main.h"
#include "app/Module1.h"
#include "app/StartupWarmup.h"
#include "app/Translations.h"
#include "core/Version.h"
#include "forms/Translated.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QMetaObject>

#include <iostream>

namespace {

// Prints and tells whether it reached its reader (a full disk or a closed pipe is a failure).
[[nodiscard]] int Print(std::ostream& out, const std::string& text, int status) {
    out << text << std::flush;
    return out ? status : 1;
}

// The licence in short, under the version and copyright lines.
std::string LicenceNotice() {
    return QCoreApplication::translate(
               "CommandLine",
               "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n")
        .toStdString();
}

// The answer to arguments that ask for no game, in the person's language; no display is needed.
int Answer(const pentavo::CommandLine& command, int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    pentavo::InstallTranslations(app);
    switch (command.action) {
    case pentavo::CommandLine::Action::Help:
        return Print(std::cout,
                     QCoreApplication::translate("CommandLine", pentavo::UsageText()).toStdString(),
                     0);
    case pentavo::CommandLine::Action::Version:
        return Print(std::cout, pentavo::VersionLine() + LicenceNotice(), 0);
    default:
        // Status 2 whether or not the message reached its reader: the arguments were refused.
        static_cast<void>(Print(std::cerr,
                                QCoreApplication::translate(
                                    "CommandLine", "pentavo: %1\nTry 'pentavo --help' for more.\n")
                                    .arg(pentavo::Translated(command.error))
                                    .toStdString(),
                                2));
        return 2;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // The arguments are read before the application object exists, which needs a display.
    const pentavo::CommandLine command = pentavo::ParseCommandLine(
        std::vector<std::string_view>(argv + std::min(argc, 1), argv + argc));
    if (command.action != pentavo::CommandLine::Action::Play)
        return Answer(command, argc, argv);

    pentavo::StartupWarmup warmup;
    QApplication app(argc, argv);
    warmup.ApplicationReady();
    pentavo::InstallTranslations(app);
    QApplication::setApplicationName(pentavo::AppTitle);
    QApplication::setDesktopFileName(pentavo::AppId);
    pentavo::Main();
    if (!command.file.empty()) {
        // Opened from the event loop, once the first game is on the board and the window shows,
        // exactly as File > Open opens a chosen file.
        const QString path = QFileInfo(QFile::decodeName(command.file.c_str())).absoluteFilePath();
        QMetaObject::invokeMethod(
            pentavo::MainForm, [path] { pentavo::MainForm->OpenRecord(path); },
            Qt::QueuedConnection);
    }
    const int result = QApplication::exec();
    delete pentavo::MainForm;
    pentavo::MainForm = nullptr;
    return result;
}
