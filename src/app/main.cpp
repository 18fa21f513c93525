#include "platform/QtPlatform.h"
#include "shell/Program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    vellumora::QtPlatform::prepareProcess();
    QApplication app(argc, argv);
    vellumora::QtPlatform platform;
    vellumora::Program program(platform);
    if (!program.start()) {
        return 0;
    }
    return QApplication::exec();
}
