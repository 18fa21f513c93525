// vellumora-grab WINDOW-ID FILE.png: saves what an X window shows.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    bool ok = false;
    const WId window = QString::fromLocal8Bit(argv[1]).toULongLong(&ok);
    if (!ok) {
        return 2;
    }
    return QGuiApplication::primaryScreen()->grabWindow(window).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
