#include "settings/LoginStart.h"

#include "BuildConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vellumora {

namespace {

// A path as a desktop entry's string value.
QString stringValue(const QString& path)
{
    QString value = path;
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    if (value.startsWith(QLatin1Char(' '))) {
        value.replace(0, 1, QStringLiteral("\\s"));
    }
    return value;
}

// A path as one argument of an Exec line: quoted where it holds a reserved character, then
// written with the escapes of a desktop entry's string values.
QString execArgument(const QString& path)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString argument = path;
    if (std::any_of(path.begin(), path.end(), [](QChar c) { return reserved.contains(c); })) {
        argument.clear();
        for (const QChar c : path) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
                || c == QLatin1Char('\\')) {
                argument += QLatin1Char('\\');
            }
            argument += c;
        }
        argument = QLatin1Char('"') + argument + QLatin1Char('"');
    }
    return stringValue(argument).replace(QLatin1Char('%'), QStringLiteral("%%"));
}

} // namespace

QString LoginStart::publicCommand(const QString& executable)
{
    const QFileInfo program(executable);
    const QString link = QDir::cleanPath(program.absolutePath() + QStringLiteral("/../../bin/vellumora"));
    const QString target = program.canonicalFilePath();
    return !target.isEmpty() && QFileInfo(link).canonicalFilePath() == target ? link : executable;
}

LoginStart::LoginStart(QString autostartFolder, QString executable)
    : m_folder(std::move(autostartFolder))
    , m_executable(std::move(executable))
{
}

QString LoginStart::entryPath() const
{
    return QDir(m_folder).filePath(QStringLiteral(VELLUMORA_APP_ID ".desktop"));
}

bool LoginStart::isOn() const
{
    return QFileInfo::exists(entryPath());
}

LoginStart::Kind LoginStart::kind() const
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly)) {
        return Kind::Show;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("Exec=") && line.trimmed().endsWith(" --background")) {
            return Kind::Reminders;
        }
    }
    return Kind::Show;
}

QByteArray LoginStart::entry(const QString& executable, Kind kind)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Vellumora\n"
                          "Comment=%2\n"
                          "Exec=%1 %3\n"
                          "TryExec=%4\n"
                          "Icon=" VELLUMORA_APP_ID "\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(executable),
            kind == Kind::Show ? QStringLiteral("Shows your pictures and affirmations when you log in")
                               : QStringLiteral("Reminds you of your affirmations through the day"),
            kind == Kind::Show ? QStringLiteral("--show") : QStringLiteral("--background"),
            stringValue(executable))
        .toUtf8();
}

QString LoginStart::switchOn(Kind kind) const
{
    if (!QDir().mkpath(m_folder)) {
        return QCoreApplication::translate("vellumora::LoginStart", "The folder \"%1\" could not be made.")
            .arg(QDir::toNativeSeparators(m_folder));
    }
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(entry(publicCommand(m_executable), kind)) < 0
        || !file.commit()) {
        return file.errorString();
    }
    return {};
}

QString LoginStart::switchOff() const
{
    QFile file(entryPath());
    if (!file.exists() || file.remove()) {
        return {};
    }
    return file.errorString();
}

} // namespace vellumora
