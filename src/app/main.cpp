#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "main_window.hpp"
#include "screenshot.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("vertanum");
    QApplication::setApplicationDisplayName("Вертанум");

    // Hidden: draws the window with a new KRV document into a PNG file, for the documentation.
    QCommandLineParser parser;
    QCommandLineOption screenshot("screenshot", "", "FILE");
    screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(screenshot);
    parser.parse(QApplication::arguments());
    if (parser.isSet(screenshot)) {
        const std::string file = parser.value(screenshot).toStdString();
        if (!vertanum::app::SaveMainWindowPicture(file)) {
            std::fprintf(stderr, "vertanum: не удалось записать %s\n", file.c_str());
            return 1;
        }
        return 0;
    }

    vertanum::app::TfrmMain window;
    window.show();
    return QApplication::exec();
}
