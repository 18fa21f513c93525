#pragma once

#include "board/BoardFile.h"
#include "board/BoardLayout.h"
#include "platform/FontChoice.h"
#include "platform/Outcome.h"
#include "storage/NativePath.h"

#include <QObject>
#include <functional>

class QRandomGenerator;

namespace vellumora {

class Library;

// What a board shows, gathered from the library: the pictures on it in board order, the ticked
// affirmations of the ticked categories, and how they look.
struct BoardContent {
    QString title;
    QColor background;
    FontChoice font;
    QList<NativePath> pictures;
    QStringList pictureNames;
    QStringList sentences;
};

// A board laid out on a page: what it shows, where, and the pictures it had to leave off.
struct BoardSheet {
    BoardContent content;
    QSize page;
    BoardLayout::Board layout;
    // The names of the pictures that cannot be decoded.
    QStringList leftOff;
};

// The board of the library's pictures and affirmations, and the user's choices for it, which are
// written to "board.txt" at each change. A file that exists but cannot be read is told of and
// never written over; the board is then shown as it would be without it.
class Board : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxPictures = 30;

    explicit Board(Library& library, QObject* parent = nullptr);

    Outcome load();
    const BoardChoices& choices() const { return m_choices; }

    // The library's pictures in board order, each with whether it is on the board: those the user
    // left out are not, nor those past the first kMaxPictures.
    struct Entry {
        QString name;
        bool onBoard = false;
    };
    QList<Entry> entries() const;

    Outcome setTitle(const QString& title);
    Outcome setBackground(const QColor& colour);
    Outcome setMargin(int percent);
    Outcome setPage(const BoardPage& page);
    Outcome setOnBoard(const QString& name, bool onBoard);
    // A new order of the pictures, none where it was.
    Outcome shuffle(QRandomGenerator& random);
    Outcome swap(const QString& first, const QString& second);

    BoardContent content() const;
    // The board laid out on a page of this many pixels.
    static BoardSheet lay(const BoardContent& content, const QSize& page, int marginPercent);
    BoardSheet sheet(const QSize& page) const { return lay(content(), page, m_choices.marginPercent); }
    // What the user is told of a sheet: the pictures left off; refused when it shows nothing.
    static Outcome notesOf(const BoardSheet& sheet);
    // What the user is told of a board with no picture and no sentence.
    static QString emptyText();
    // The size of the screen the board is shown on, in its own pixels.
    static QSize screenPixels();

signals:
    void changed();

private:
    // Makes the change and writes it; a change that cannot be written is taken back.
    Outcome change(const std::function<void(BoardChoices&)>& edit);
    QStringList ordered() const;

    Library& m_library;
    BoardChoices m_choices;
    ReadGuard m_file { true };
};

} // namespace vellumora
