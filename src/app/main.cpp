#include "platform/QtPlatform.h"
#include "shell/CommandLine.h"
#include "shell/Program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = vellumora::CommandLine::answerWithoutWindows(argc, argv)) {
        return *status;
    }
    vellumora::QtPlatform::prepareProcess();
    QApplication app(argc, argv);
    vellumora::QtPlatform platform;
    vellumora::Program program(platform);
    if (!program.start()) {
        return 0;
    }
    return QApplication::exec();
}
