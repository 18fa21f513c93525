#include "support/ApplicationFolder.h"

#include "storage/LibraryFiles.h"

#include <QDir>
#include <QFile>
#include <ftw.h>
#include <sys/stat.h>

namespace vellumora {

TemporaryFolder::~TemporaryFolder()
{
    if (!isValid()) {
        return;
    }
    const auto removeEntry = [](const char* path, const struct stat*, int, FTW*) {
        ::remove(path);
        return 0;
    };
    ::nftw(QFile::encodeName(path()).constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

std::unique_ptr<TemporaryFolder> newApplicationFolder()
{
    auto folder = std::make_unique<TemporaryFolder>();
    const LibraryFiles files(folder->path());
    if (!QDir().mkdir(files.categoryFolder()) || !QDir().mkdir(files.pictureFolder())) {
        qFatal("cannot lay out an application folder in %s", qPrintable(folder->path()));
    }
    return folder;
}

} // namespace vellumora
