#pragma once

#include "board/Board.h"

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace vellumora {

class BoardView;
class Library;
class Platform;
class PictureLoader;

// "My Board": the board of the library's pictures and affirmations, with the user's choices for
// it beside it, saved as a picture or a PDF, or printed. It follows the library as it changes.
class BoardWindow : public QWidget {
    Q_OBJECT
public:
    BoardWindow(Platform& platform, Library& library, QWidget* parent = nullptr);
    ~BoardWindow() override;

    Board& board() { return m_board; }
    BoardView& view() { return *m_view; }

    // Reads the board's file again and shows the board; what the user must be told.
    Outcome reload();

    void savePicture();
    void savePdf();
    void print();

private:
    // Lays the board out again, soon: many changes at once make one new layout.
    void relayout();
    void showChoices();
    BoardSheet currentSheet() const;
    void save(const QString& title, const QList<FileFilter>& filters, const QString& suffix);
    void report(const Outcome& outcome);

    Platform& m_platform;
    Library& m_library;
    Board m_board;
    PictureLoader* m_loader = nullptr;
    BoardView* m_view = nullptr;
    QLineEdit* m_title = nullptr;
    QComboBox* m_size = nullptr;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QCheckBox* m_landscape = nullptr;
    QSpinBox* m_margin = nullptr;
    QListWidget* m_pictures = nullptr;
    QLabel* m_note = nullptr;
    QTimer m_relayout;
    bool m_showing = false;
};

} // namespace vellumora
