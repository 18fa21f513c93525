#include "shell/CommandLine.h"

#include "BuildConfig.h"
#include "platform/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
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
    const QCommandLineOption board(QStringLiteral("board"),
        QCoreApplication::translate("CommandLine",
            "Writes your board of pictures and affirmations to FILE, a PNG or JPEG picture or a PDF, and "
            "ends. Ends with status 1, and says why, when it cannot."),
        QCoreApplication::translate("CommandLine", "FILE"));
    parser.addOption(board);
    const QCommandLineOption size(QStringLiteral("size"),
        QCoreApplication::translate("CommandLine",
            "With --board: the size of the board, A4, A3, Letter, phone or WIDTHxHEIGHT in pixels. "
            "Without it, the size chosen in the board's window."),
        QCoreApplication::translate("CommandLine", "SIZE"));
    parser.addOption(size);
    // The window system's own options (-platform, -style, ...) are Qt's to take, with one dash or
    // two as Qt takes them; anything else is a slip the user is told of.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const std::pair<const char*, bool> qtOptions[] { { "platform", true }, { "platformpluginpath", true },
        { "platformtheme", true }, { "plugin", true }, { "qwindowgeometry", true }, { "qwindowtitle", true },
        { "qwindowicon", true }, { "session", true }, { "style", true }, { "stylesheet", true },
        { "display", true }, { "geometry", true }, { "title", true }, { "icon", true }, { "name", true },
        { "visual", true }, { "qmljsdebugger", true }, { "reverse", false }, { "widgetcount", false },
        { "nograb", false }, { "dograb", false }, { "sync", false }, { "testability", false } };
    for (const auto& [name, takesValue] : qtOptions) {
        QCommandLineOption qtOption(
            QLatin1String(name), QString(), takesValue ? QStringLiteral("value") : QString());
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    const QStringList arguments = QCoreApplication::arguments();
    if (!parser.parse(arguments)) {
        const QString program = QFileInfo(arguments.value(0)).fileName();
        QString problem = program + QStringLiteral(": ") + parser.errorText();
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
            // Named as it was typed, with its dashes.
            QString typed = unknown.constFirst();
            for (const QString& argument : arguments.mid(1)) {
                const QString option = argument.section(QLatin1Char('='), 0, 0);
                const qsizetype dashes = option.startsWith(QLatin1String("--")) ? 2 : 1;
                if (option.startsWith(QLatin1Char('-')) && option.mid(dashes) == typed) {
                    typed = option;
                    break;
                }
            }
            problem
                = QCoreApplication::translate("CommandLine", "%1: unknown option \"%2\"").arg(program, typed);
        }
        std::fputs(
            qPrintable(problem + QLatin1Char('\n')
                + QCoreApplication::translate("CommandLine", "Try \"%1 --help\" for more information.\n")
                      .arg(program)),
            stderr);
        return { 2 };
    }
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }

    if (parser.isSet(size) && !parser.isSet(board)) {
        std::fputs(qPrintable(QCoreApplication::translate("CommandLine", "--size goes with --board FILE.\n")),
            stderr);
        return { 2 };
    }
    if (parser.isSet(board)) {
        // A board needs no window: made without a display, it is made offscreen.
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return { std::nullopt, StartMode::Board, parser.value(board), parser.value(size) };
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
