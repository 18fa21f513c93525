#include "settings/LoginStart.h"
#include "settings/ReminderDialog.h"
#include "settings/ShowOptions.h"
#include "settings/VoiceDialog.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init() { f.reset(); }

    // Every key holds the same stored value; a value that names no list position or option
    // gives that key's default, and what is read is saved so. None is taken while
    // "DispDuration" holds nothing.
    void storedValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<DisplayOptions>("read");
        QTest::newRow("not a number") << "ten" << DisplayOptions {};
        QTest::newRow("past the list") << "12" << DisplayOptions {};
        QTest::newRow("negative") << "-1" << DisplayOptions {};
        QTest::newRow("in range") << "4"
                                  << DisplayOptions { 4, 4, Placement::Centre, Order::AsDisplayed,
                                         BorderShape::RoundSquare, FillStyle::Cross };
        QTest::newRow("zero") << "0"
                              << DisplayOptions { 0, 0, Placement::Random, Order::Random, BorderShape::NoFill,
                                     FillStyle::NoFill };
    }
    void storedValues()
    {
        QFETCH(QString, value);
        QFETCH(DisplayOptions, read);
        FakePlatform platform;
        for (const char* key :
            { "AffirmationDispDuration", "BorderShape", "FillStyle", "DispLocation", "DispOrder" }) {
            platform.settings.insert(QString("settings/") + key, value);
        }
        ShowOptions settings(platform);
        settings.load();
        QCOMPARE(settings.display(), DisplayOptions {});
        platform.settings.insert("settings/DispDuration", value);
        settings.load();
        // Saved as they were read.
        QVERIFY(settings.saveDisplayOptions());
        settings.load();
        QCOMPARE(settings.display(), read);
    }

    // The controls show the options the show starts with and edit them. A stored music path
    // switches music on; unticked, the path goes with it.
    void panelShowsTheOptions()
    {
        f.platform->settings.insert("Settings/MusicPath", "/music/song.mp3");
        f.load();
        // Every option is shown, and read back with one the user changes.
        DisplayOptions shown { 1, 2, Placement::WhereIPutIt, Order::Random, BorderShape::Circle,
            FillStyle::VerticalLine, PictureFit::Fill, ShowSize::Large, true };
        options().setDisplay(shown);
        find<QButtonGroup>("optFillStyle")->button(4)->setChecked(true);
        shown.fillStyle = FillStyle::Cross;
        QCOMPARE(options().display(), shown);
        find<QComboBox>("cboDispDuration")->setCurrentText("50");
        find<QComboBox>("cboAffirmationDisplayDuration")->setCurrentText("15");
        QCOMPARE(std::pair(options().pictureSeconds(), options().stepMilliseconds()), std::pair(50, 15));

        auto* music = find<QCheckBox>("chkPlayMusic");
        QVERIFY(music->isChecked() && find<QPushButton>("cmdBrowseMusic")->isEnabled());
        QCOMPARE(music->text() + '|' + find<QLineEdit>("txtFile")->text(), "Play Music|/music/song.mp3");
        music->click();
        QVERIFY(!options().playMusic() && options().musicPath().isEmpty());
        QCOMPARE(music->text() + '|' + find<QLineEdit>("txtFile")->text(), "Dont Play Music|");
        QVERIFY(
            !find<QLineEdit>("txtFile")->isEnabled() && !find<QPushButton>("cmdBrowseMusic")->isEnabled());

        // Where the desktop places every window itself (Wayland alone), the place options are
        // greyed and the panel says why.
        f.platform->windowsPlaced = false;
        f.load();
        QVERIFY(
            std::ranges::none_of(find<QButtonGroup>("optLocation")->buttons(), &QAbstractButton::isEnabled));
        QCOMPARE(
            find<QLabel>("lblLocationByDesktop")->text(), "This desktop places the show's window itself.");
    }

    // Each choice is kept as the user makes it, with the keys and values Start writes; a path
    // typed once it names a file. A store that refuses is told once, and the control keeps the
    // choice for this run.
    void keptWhenChosen_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char* control, const char* value, const char* key, const char* stored,
                             const char* name = nullptr) {
            QTest::newRow(name ? name : control) << control << value << key << stored;
        };
        row("cboDispDuration", "3", "settings/DispDuration", "3");
        row("cboAffirmationDisplayDuration", "2", "settings/AffirmationDispDuration", "2");
        row("optDisplayOrder", "0", "settings/DispOrder", "0");
        row("optLocation", "2", "settings/DispLocation", "2");
        row("optBorderShape", "3", "settings/BorderShape", "3");
        row("optFillStyle", "4", "settings/FillStyle", "4");
        row("cboPictureFit", "2", "settings/PictureFit", "2");
        row("cboShowSize", "3", "settings/ShowSize", "3");
        row("chkOnTop", "", "settings/OnTop", "1");
        row("chkRepeatMusic", "", "Settings/MusicRepeat", "1");
        row("chkPlayMusic", "", "Settings/MusicPath", "");
        row("txtFile", "song.mp3", "Settings/MusicPath", "song.mp3");
        // Not kept: the store holds what it held.
        row("txtFile", "none.mp3", "Settings/MusicPath", "/m/a.mp3", "a path to nothing");
        row("cboDispDuration", "3", "settings/DispDuration", "", "refused");
    }
    void keptWhenChosen()
    {
        QFETCH(QString, control);
        QFETCH(QString, value);
        QFETCH(QString, key);
        QFETCH(QString, stored);
        f.platform->settings.insert("Settings/MusicPath", "/m/a.mp3");
        f.load();
        QVERIFY(writeBytes(f.path("song.mp3"), "RIFF"));
        const bool refused = QString(QTest::currentDataTag()) == "refused";
        f.platform->settingsWritable = !refused;
        QObject* found = f.window->findChild<QObject*>(control);
        if (auto* list = qobject_cast<QComboBox*>(found)) {
            list->setCurrentIndex(value.toInt());
        } else if (auto* field = qobject_cast<QLineEdit*>(found)) {
            field->setText(f.path(value));
            emit field->editingFinished();
        } else if (auto* group = qobject_cast<QButtonGroup*>(found)) {
            group->button(value.toInt())->click();
        } else {
            qobject_cast<QCheckBox*>(found)->click();
        }
        QCOMPARE(f.platform->settings.value(key), stored.startsWith("song") ? f.path(stored) : stored);
        ShowOptions again(*f.platform);
        again.load();
        QCOMPARE(again.display() == options().display() && again.musicPath() == options().musicPath(),
            !refused && !stored.startsWith('/'));
        if (refused) {
            QCOMPARE(find<QComboBox>(control)->currentIndex(), 3);
            find<QComboBox>(control)->setCurrentIndex(4);
        }
        QCOMPARE(f.platform->messages.size(), refused ? 1 : 0);
        QVERIFY(!refused || f.lastMessage().startsWith("Your settings could not be saved"));
    }

    // Repeat is on for a new user and off for one whose music played once; the key is written
    // only where its absence would read otherwise, so an untouched settings file stays as it was.
    void musicRepeatStored_data()
    {
        QTest::addColumn<QString>("storedPath");
        QTest::addColumn<QString>("storedRepeat");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QString>("pathSaved");
        QTest::addColumn<QString>("repeatSaved");
        const QString none, a = "/m/a.mp3", on = "1", hand = "/m", yes = "yes";
        QTest::newRow("new user") << none << none << true << none << none;
        QTest::newRow("new user chooses music") << none << none << true << a << on;
        QTest::newRow("music played once") << a << none << false << a << none;
        QTest::newRow("stored on") << a << on << true << a << on;
        QTest::newRow("stored off") << none << "0" << false << none << "0";
        QTest::newRow("written by hand, left as it is") << hand << yes << false << hand << yes;
    }
    void musicRepeatStored()
    {
        QFETCH(QString, storedPath);
        QFETCH(QString, storedRepeat);
        QFETCH(bool, repeat);
        QFETCH(QString, pathSaved);
        QFETCH(QString, repeatSaved);
        FakePlatform platform;
        // Stored empty is as good as missing.
        platform.settings.insert("Settings/MusicPath", storedPath);
        platform.settings.insert("Settings/MusicRepeat", storedRepeat);
        ShowOptions settings(platform);
        settings.load();
        QCOMPARE(settings.musicRepeat(), repeat);
        settings.setPlayMusic(true);
        settings.setMusicPath(pathSaved);
        QVERIFY(settings.saveMusicPath());
        QCOMPARE(platform.settings.value("Settings/MusicRepeat"), repeatSaved);
    }

    // The Exec line starts this very program with --show, or --background for the reminders
    // alone, quoted as desktop entries want; TryExec names it, so the entry does nothing once it
    // is gone. Installed, the entry starts the command on the PATH, which an upgrade keeps; run
    // from its application folder, the program there. "@" is the test's folder.
    void loginEntry_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char* name, const char* program, const char* link,
                             const QStringList& lines) { QTest::newRow(name) << program << link << lines; };
        row("reminders only", "usr/bin/vellumora", "",
            { "Exec=@/usr/bin/vellumora --background", "TryExec=@/usr/bin/vellumora" });
        row("blank", "opt/My Apps/Vellumora", "",
            { "Exec=\"@/opt/My Apps/Vellumora\" --show", "TryExec=@/opt/My Apps/Vellumora" });
        row("reserved", "a$b/100%/x\\y\"z", "",
            { "Exec=\"@/a\\\\$b/100%%/x\\\\\\\\y\\\\\"z\" --show", "TryExec=@/a$b/100%/x\\\\y\"z" });
        const char* program = "usr/lib/vellumora/Vellumora";
        row("installed", program, "../lib/vellumora/Vellumora",
            { "Exec=@/usr/bin/vellumora --show", "TryExec=@/usr/bin/vellumora" });
        row("application folder", program, "",
            { "Exec=@/usr/lib/vellumora/Vellumora --show", "TryExec=@/usr/lib/vellumora/Vellumora" });
        row("a link to another program", program, "../lib/other/Vellumora",
            { "Exec=@/usr/lib/vellumora/Vellumora --show", "TryExec=@/usr/lib/vellumora/Vellumora" });
    }
    void loginEntry()
    {
        QFETCH(QString, program);
        QFETCH(QString, link);
        QFETCH(QStringList, lines);
        const QString executable = f.path(program);
        for (const QString& file : { executable, f.path("usr/lib/other/Vellumora") }) {
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && writeBytes(NativePath(file), "#!/bin/sh\n"));
        }
        QVERIFY(QDir().mkpath(f.path("usr/bin")));
        QVERIFY(link.isEmpty() || QFile::link(link, f.path("usr/bin/vellumora")));
        const bool reminders = lines[0].endsWith("--background");
        const LoginStart login(f.path("autostart"), executable);
        QCOMPARE(login.switchOn(reminders ? LoginStart::Kind::Reminders : LoginStart::Kind::Show), QString());
        const QList<QByteArray> entry = readBytes(NativePath(login.entryPath())).split('\n');
        for (const QString& line : lines.replaceInStrings("@", QDir::cleanPath(f.path(".")))) {
            QVERIFY2(entry.contains(line.toUtf8()), qPrintable(line));
        }
        // The validator says what it finds wrong on the test's output.
        QCOMPARE(QProcess::execute("desktop-file-validate", { login.entryPath() }), 0);
        QCOMPARE(login.kind() == LoginStart::Kind::Reminders, reminders);
    }

    // Ticked, the entry is written; unticked, removed, and no other file in the folder is
    // touched. The box shows what is there, and a failed write sets it back.
    void startAtLogin()
    {
        const QString folder = f.platform->autostartFolder();
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(NativePath(folder + "/other.desktop"), "another program's"));
        f.load();
        auto* box = find<QCheckBox>("chkStartAtLogin");
        const QString entry = folder + "/example.vellumora.Vellumora.desktop";
        box->click();
        QCOMPARE(readBytes(NativePath(entry)), LoginStart::entry(QCoreApplication::applicationFilePath()));
        box->click();
        QVERIFY(!box->isChecked());
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList { "other.desktop" });
        QCOMPARE(readBytes(NativePath(folder + "/other.desktop")), "another program's");
        // The reminders alone, chosen while the entry is there, rewrite it; it shows them when seen again.
        auto* kind = find<QComboBox>("cboStartAtLogin");
        box->click();
        kind->setCurrentIndex(1);
        emit kind->activated(1);
        QCOMPARE(readBytes(NativePath(entry)),
            LoginStart::entry(QCoreApplication::applicationFilePath(), LoginStart::Kind::Reminders));
        QVERIFY(f.lastMessage().startsWith("The reminders are off."));
        f.platform->messages.clear();
        kind->setCurrentIndex(0);
        f.window->show();
        find<QPushButton>("cmdImageLibrary")->click();
        find<QPushButton>("cmdMusicSettings")->click();
        QCOMPARE(kind->currentIndex(), 1);
        kind->setCurrentIndex(0);
        QVERIFY(QFile::remove(entry));
        // Seen again, the panel shows what is there.
        find<QPushButton>("cmdImageLibrary")->click();
        find<QPushButton>("cmdMusicSettings")->click();
        QVERIFY(!box->isChecked());
        QVERIFY(f.platform->messages.isEmpty());

        QVERIFY(QDir(folder).removeRecursively() && writeBytes(NativePath(folder), "in the way"));
        box->click();
        QVERIFY(!box->isChecked());
        QVERIFY(f.lastMessage().startsWith("The show could not be set to start when you log in.\n"));
    }

    // The reminders' dialog, from what the file holds and what the user sets: the section written
    // on OK, or what the user is told with nothing written. Switched off, the rest is kept.
    // The voice dialog opens at once and lists the voices once they are found: the user's
    // language first, the others under a heading; the voice chosen before stays chosen meanwhile.
    void voiceDialog()
    {
        f.platform->settings.insert("Voice/Voice", "fake/Lena");
        f.load();
        f.platform->speaker.voicesLater = true;
        VoiceDialog dialog(*f.platform, f.library->voice());
        auto* list = dialog.findChild<QComboBox*>("cboVoice");
        const auto listed = [list] {
            QStringList rows;
            for (int row = 0; row < list->count(); ++row) {
                const auto* item = qobject_cast<QStandardItemModel*>(list->model())->item(row);
                rows << (item->isEnabled() ? "" : "-") + item->text();
            }
            return rows.join('|');
        };
        QCOMPARE(listed(), "the usual voice for your language|Lena|-Looking for voices...");
        QVERIFY(!dialog.findChild<QPushButton*>("cmdTryVoice")->isEnabled());
        emit f.platform->speaker.voicesFound(f.platform->speaker.voices());
        QCOMPARE(
            listed(), "the usual voice for your language|Anna (English)|-|-Other languages:|Lena (German)");
        QCOMPARE(list->currentText(), "Lena (German)");
        QVERIFY(dialog.findChild<QPushButton*>("cmdTryVoice")->isEnabled());
    }

    void reminderDialog_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("saved");
        const auto row = [](const char* name, const char* stored, const char* steps, const char* saved) {
            QTest::newRow(name) << stored << steps << saved;
        };
        row("every 15 minutes", "", "mode 1; minutes 15", "1 15  08:00 21:00 1234567");
        row("a number of the file's own", "Minutes=7", "mode 1", "1 7  08:00 21:00 1234567");
        row("times", "", "mode 2; times 12:00, 8:30; from 22:00", "2 60 08:30,12:00 08:00 21:00 1234567");
        row("weekends", "Mode=1", "days 67; from 09:30", "1 60  09:30 21:00 67");
        row("off keeps the rest", "Times=09:00;Days=12", "mode 0; times noon; days none",
            "0 60 09:00 08:00 21:00 12");
        row("a time unreadable", "", "mode 2; times 25:99", "\"25:99\" cannot be read as times of day.");
        row("no time", "", "mode 2", "Please write at least one time of day");
        row("hours backwards", "", "mode 1; from 22:00; to 06:00",
            "The reminders' hours end before they begin.");
        row("no day", "", "mode 1; days none", "Please tick at least one day");
    }
    void reminderDialog()
    {
        QFETCH(QString, stored);
        QFETCH(QString, steps);
        QFETCH(QString, saved);
        for (const QString& value : stored.split(';', Qt::SkipEmptyParts)) {
            f.platform->settings.insert("Reminders/" + value.section('=', 0, 0), value.section('=', 1));
        }
        f.load();
        ReminderDialog dialog(*f.platform, f.library->reminders());
        for (const QString& step : steps.split("; ")) {
            const QString what = step.section(' ', 0, 0), value = step.section(' ', 1);
            if (what == "mode") {
                dialog.findChild<QRadioButton*>("optReminderMode_" + value)->click();
            } else if (what == "minutes") {
                dialog.findChild<QComboBox*>("cboReminderMinutes")->setCurrentText(value);
            } else if (what == "times") {
                dialog.findChild<QLineEdit*>("txtReminderTimes")->setText(value);
            } else if (what == "from" || what == "to") {
                dialog.findChild<QTimeEdit*>(what == "from" ? "tmeReminderFrom" : "tmeReminderTo")
                    ->setTime(QTime::fromString(value, "HH:mm"));
            } else if (what == "days") {
                for (int day = 1; day <= 7; ++day) {
                    dialog.findChild<QCheckBox*>(QString("chkReminderDay_%1").arg(day))
                        ->setChecked(value.contains(QString::number(day)));
                }
            }
        }
        const QStringList before = f.platform->settingsWritten;
        dialog.accept();
        QString written;
        for (const char* key : { "Mode", "Minutes", "Times", "From", "To", "Days" }) {
            written += f.platform->settings.value(QString("Reminders/") + key) + ' ';
        }
        const bool refused = f.platform->settingsWritten == before;
        QCOMPARE(refused ? f.lastMessage().left(saved.size()) : written.trimmed(), saved);
        QCOMPARE(dialog.result(), refused ? 0 : int(QDialog::Accepted));
    }

private:
    ShowOptions& options() const { return f.library->options(); }
    template <typename T> T* find(const QString& name) const { return f.find<T>(name); }

    MainWindowFixture f;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
