#include "shell/CommandLine.h"

#include "BuildConfig.h"
#include "platform/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace vellumora::CommandLine {

Request read(int argc, char* argv[])
{
    // A plain application object parses: a graphical one would abort without a display.
    QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vellumora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLUMORA_VERSION));
    // The help and the refusal below speak the user's language too.
    Language::install(
        QLocale::system(), QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine",
        "Keeps your goals in view: a small slideshow of your pictures with your affirmations."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption show(QStringLiteral("show"),
        QCoreApplication::translate("CommandLine",
            "Starts the show at once with the saved settings; the main window opens when it ends. "
            "With Vellumora already running, starts the show there."));
    parser.addOption(show);
    const QCommandLineOption background(QStringLiteral("background"),
        QCoreApplication::translate("CommandLine",
            "Runs without a window and only reminds you of your affirmations, as set in Settings. "
            "Starting Vellumora again opens its window."));
    parser.addOption(background);
    const QCommandLineOption desktop(QStringLiteral("desktop"),
        QCoreApplication::translate("CommandLine",
            "Puts a new picture with an affirmation on the desktop, as set in Settings, and ends. "
            "Ends with status 1, and says why, when it cannot."));
    parser.addOption(desktop);
    // Options the window system takes (-platform, -style, ...) are not refused here.
    const QStringList arguments = QCoreApplication::arguments();
    parser.parse(arguments);
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }

    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || arguments.contains(QStringLiteral("-platform"))
        || arguments.contains(QStringLiteral("--platform"));
    if (!platformChosen && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs(qPrintable(QCoreApplication::translate("CommandLine",
                       "Vellumora needs a graphical desktop: neither DISPLAY nor WAYLAND_DISPLAY is set.\n")),
            stderr);
        return { 1 };
    }
    const StartMode mode = parser.isSet(show) ? StartMode::Show
        : parser.isSet(background)            ? StartMode::Background
        : parser.isSet(desktop)               ? StartMode::Desktop
                                              : StartMode::Window;
    return { std::nullopt, mode };
}

} // namespace vellumora::CommandLine
