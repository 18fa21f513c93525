#include "storage/SyncFiles.h"

#include <QRegularExpression>

namespace vellumora::SyncFiles {

Kind classify(const QString& fileName)
{
    // The marks sync tools put into the name of the version they could not merge.
    static const QRegularExpression conflict(
        QStringLiteral(R"(\.sync-conflict-\d{8}-\d{6}|conflicted copy|_conflict-\d{8}-\d{6}|\(conflict on )"),
        QRegularExpression::CaseInsensitiveOption);
    // Hidden files are part files and sync state; "~" starts office lock files and ends editor
    // backups; "#name#" is an editor's autosave.
    static const QRegularExpression temporary(
        QStringLiteral(R"(^[.~]|~$|^#.*#$|\.(tmp|temp|part|partial|crdownload|swp|swx|lock|bak)$)"),
        QRegularExpression::CaseInsensitiveOption);
    if (temporary.match(fileName).hasMatch()) {
        return Kind::Temporary;
    }
    if (conflict.match(fileName).hasMatch()) {
        return Kind::Conflict;
    }
    return Kind::Ordinary;
}

} // namespace vellumora::SyncFiles
