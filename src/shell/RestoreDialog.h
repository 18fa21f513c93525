#pragma once

#include "platform/Platform.h"

#include <QDialog>

class QCheckBox;
class QListWidget;

namespace vellumora {

class Library;
class RestorePlan;

// Lists everything bringing back a backup would change, and what of the backup is left out,
// before anything is written.
class RestoreDialog : public QDialog {
    Q_OBJECT
public:
    RestoreDialog(const RestorePlan& plan, QWidget* parent = nullptr);
    bool withSettings() const;

private:
    QListWidget* m_changes = nullptr;
    QCheckBox* m_settingsBox = nullptr;
};

// File > Back Up My Vision Board...: one archive, through the save-file dialog.
void backUpLibrary(Platform& platform, Library& library);
// File > Bring Back a Backup...: the plan shown, then written, and the library read again.
void bringBackBackup(Platform& platform, Library& library, QWidget* parent);

} // namespace vellumora
