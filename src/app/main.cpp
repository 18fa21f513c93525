#include "platform/EndSignals.h"
#include "platform/Language.h"
#include "platform/QtPlatform.h"
#include "shell/CommandLine.h"
#include "shell/Program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const vellumora::CommandLine::Request request = vellumora::CommandLine::read(argc, argv);
    if (request.exitStatus) {
        return *request.exitStatus;
    }
    vellumora::QtPlatform::prepareProcess();
    QApplication app(argc, argv);
    vellumora::Language::install(QLocale::system(), QCoreApplication::applicationDirPath() + "/translations");
    vellumora::QtPlatform platform;
    vellumora::Program program(platform);
    if (request.mode == vellumora::StartMode::Board) {
        return program.writeBoard(request.boardFile, request.boardSize);
    }
    if (!program.start(request.mode)) {
        return program.exitStatus();
    }
    vellumora::endOnSignals([&program] { program.end(); });
    const int status = QApplication::exec();
    return status != 0 ? status : program.exitStatus();
}
