#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "main_window.hpp"
#include "screenshot.hpp"
#include "startup/desktop_window.hpp"
#include "startup/startup_checks.hpp"

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

    // The checks before any window: a refusal shows its message and ends here.
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments()) {
        arguments.push_back(argument.toStdString());
    }
    vertanum::app::QtMessages boxes;
    vertanum::app::LinuxStartupPlatform platform;
    vertanum::app::SingleInstanceLock lock;
    const vertanum::app::StartupOutcome outcome =
        vertanum::app::CheckStartup(arguments, platform, boxes, lock);
    if (outcome.verdict != vertanum::app::StartupVerdict::Run) return outcome.exit_code;

    // Training and demonstration: the simulated cable is the only port.
    vertanum::app::DesktopOptions options;
    options.simulator = QApplication::arguments().contains("--simulator");
    vertanum::app::DesktopWindow window({}, options);
    window.show();
    return QApplication::exec();
}
