#include "platform/FileChooser.h"

namespace vellumora {

FileChooser::FileChooser(Platform& platform, QString startFolder)
    : m_platform(platform)
    , m_startFolder(std::move(startFolder))
{
}

QList<FileFilter> FileChooser::parseFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QList<FileFilter> filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters.append({ parts.at(i), parts.at(i + 1) });
    }
    return filters;
}

QString FileChooser::chooseFile(
    const QString& title, const QString& filter, int filterIndex, const QString& opensOn)
{
    const QString initial = !opensOn.isEmpty() ? opensOn : !m_fileName.isEmpty() ? m_fileName : m_startFolder;
    const QString chosen = m_platform.openFileName({ title, parseFilter(filter), filterIndex - 1, initial });
    if (!chosen.isEmpty()) {
        m_fileName = chosen;
    }
    return chosen;
}

QStringList FileChooser::chooseFiles(const QString& title, const QString& filter, int filterIndex)
{
    const QStringList chosen = m_platform.openFileNames(
        { title, parseFilter(filter), filterIndex - 1, !m_fileName.isEmpty() ? m_fileName : m_startFolder });
    if (!chosen.isEmpty()) {
        m_fileName = chosen.constLast();
    }
    return chosen;
}

} // namespace vellumora
