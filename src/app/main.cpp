// orrin: the desktop window. Optional arguments name a model file to open at start-up.

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <string>
#include <vector>

#include "app/display_check.hpp"
#include "app/main_window.hpp"
#include "app/qt_ui.hpp"
#include "shell/shell.hpp"

int main(int argc, char** argv) {
    if (!orrin::HasDisplay()) {
        std::fputs("no display: set DISPLAY or use orrin-render for pictures\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);  // takes Qt's own options out of argv
    const std::vector<std::string> arguments(argv + 1, argv + argc);

    orrin::MainWindow window;
    orrin::QtUi ui(&window);
    quarn::InstallUi(&ui);
    QObject::connect(&window, &orrin::MainWindow::EndRequested, &app, [] { QCoreApplication::exit(0); });

    window.Start(orrin::JoinCommandLine(arguments));
    orrin::Shell().HelpPage =
        orrin::FindHelpPage(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    int status = 0;
    if (!window.HasEnded()) {
        window.show();
        status = QApplication::exec();
    }
    quarn::InstallUi(nullptr);
    return status;
}
