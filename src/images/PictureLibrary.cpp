#include "images/PictureLibrary.h"

namespace vellumora {

PictureLibrary::PictureLibrary(QString applicationFolder, QObject* parent)
    : QAbstractListModel(parent)
    , m_store(std::move(applicationFolder))
{
}

int PictureLibrary::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant PictureLibrary::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count() || role != Qt::DisplayRole) {
        return {};
    }
    return m_names.at(index.row());
}

QVariant PictureLibrary::headerData(int section, Qt::Orientation orientation, int role) const
{
    return section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole ? QVariant(tr("Text"))
                                                                                    : QVariant();
}

QList<NativePath> PictureLibrary::paths() const
{
    QList<NativePath> result;
    result.reserve(count());
    for (const QString& name : m_names) {
        result.append(m_store.pathOf(name));
    }
    return result;
}

Outcome PictureLibrary::load()
{
    QString error;
    const std::optional<QStringList> names = m_store.readRecord(&error);
    m_recordReadable = names.has_value();
    beginResetModel();
    m_names = names.value_or(QStringList());
    endResetModel();
    if (!names) {
        return Outcome::refused(
            tr("The picture list could not be read, so the library is shown empty and the "
               "picture list is left as it is.")
            + QStringLiteral("\r\n") + error);
    }
    return {};
}

Outcome PictureLibrary::changeable() const
{
    // Written from an empty list, an unreadable record would lose every picture it names.
    if (m_recordReadable) {
        return {};
    }
    return Outcome::refused(
        tr("The picture list could not be read when the program started, so it cannot be changed now."));
}

Outcome PictureLibrary::writeRecord(const QStringList& names)
{
    if (Outcome ready = changeable(); !ready) {
        return ready;
    }
    QString error;
    if (m_store.writeRecord(names, &error)) {
        return {};
    }
    return Outcome::refused(tr("The picture list could not be saved, so the library stays as it was.")
        + QStringLiteral("\r\n") + error);
}

Outcome PictureLibrary::add(const QString& chosenPath)
{
    if (Outcome ready = changeable(); !ready) {
        return ready;
    }
    const QString name = PictureStore::storedName(chosenPath);
    if (m_names.contains(name)) {
        return Outcome::refused(tr("This Picture is Already available Please Select Another Picture "));
    }
    if (!PictureStore::isStorableName(name)) {
        return Outcome::refused(tr("A picture named \"%1\" cannot be kept in the library. Please rename the "
                                   "file and add it again.")
                                    .arg(name));
    }
    QString error;
    if (!m_store.copyIn(chosenPath, name, &error)) {
        return Outcome::refused(
            tr("The picture could not be copied into the library.") + QStringLiteral("\r\n") + error);
    }
    if (Outcome written = writeRecord(QStringList(m_names) << name); !written) {
        m_store.remove(name);
        return written;
    }
    beginInsertRows({}, count(), count());
    m_names.append(name);
    endInsertRows();
    return {};
}

Outcome PictureLibrary::remove(int row)
{
    if (row < 0 || row >= count()) {
        return Outcome::nothing();
    }
    QStringList remaining = m_names;
    remaining.removeAt(row);
    // The record is written first: if it cannot be, the picture is still whole on disk.
    if (Outcome written = writeRecord(remaining); !written) {
        return written;
    }
    m_store.remove(m_names.at(row));
    beginRemoveRows({}, row, row);
    m_names.removeAt(row);
    endRemoveRows();
    return {};
}

} // namespace vellumora
