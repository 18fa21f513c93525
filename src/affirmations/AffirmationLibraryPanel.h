#pragma once

#include <QGroupBox>
#include <QList>

class QAction;
class QMimeData;

namespace vellumora {

class Voice;

class AffirmationList;
class CategoryIndex;
class Platform;

// The panel "Affirmation Library": categories on the left, their affirmations on the right.
// Affirmations come in from text files (the lists' menus, or a file dropped on the affirmations)
// and go out to one.
class AffirmationLibraryPanel : public QGroupBox {
    Q_OBJECT
public:
    AffirmationLibraryPanel(Platform& platform, CategoryIndex& categories, AffirmationList& affirmations,
        Voice& voice, QWidget* parent = nullptr);

    // "Import Affirmations..." and "Export Affirmations...", for a menu of the window's.
    QList<QAction*> fileActions() const;

    // Whether the drop holds text files alone, read from this computer.
    static bool holdsTextFiles(const QMimeData* data);
    // Imports each dropped text file into the chosen category, or a new one when none is.
    void importDropped(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void importAffirmations();
    void exportAffirmations();
    void importFile(const QString& path, bool askWhere);
    void showAvailability();

    Platform& m_platform;
    CategoryIndex& m_categories;
    AffirmationList& m_affirmations;
    QWidget* m_dropArea = nullptr;
    QAction* m_importAction = nullptr;
    QAction* m_exportAction = nullptr;
};

} // namespace vellumora
