#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace vellumora {

// The sizes a board is made at. The paper sizes are at 300 dots per inch.
enum class BoardSize { Screen, PhoneTall, PhoneWide, Typed, A4, A3, Letter };

struct BoardPage {
    BoardSize size = BoardSize::Screen;
    // The size typed, for BoardSize::Typed.
    QSize typed {};
    bool landscape = false;

    // The page in pixels; `screen` is the size of the screen the board is for.
    QSize pixels(const QSize& screen) const;
    // "A4", "A3", "Letter", "phone" (the tall phone), "1080x2400" or any width x height; nullopt for
    // anything else.
    static std::optional<BoardPage> fromName(const QString& name);
    bool operator==(const BoardPage&) const = default;
};

// What the user chose for the board, kept in "board.txt" in the library's folder: one choice a
// line, "Key=Value", in UTF-8. Lines the program does not know are kept as they are and written
// back after its own. The pictures are named as the record names them; a name is only ever
// matched against the library's pictures, never used as a path.
struct BoardChoices {
    static constexpr int kMaxMarginPercent = 10;

    QString title;
    QColor background { 0xf6, 0xf1, 0xe7 };
    // Around the page and between the tiles, in hundredths of the page's shorter side.
    int marginPercent = 2;
    BoardPage page;
    // The pictures in board order; those the library has and this list lacks follow in library
    // order. Empty until the user shuffles or swaps.
    QStringList order;
    QStringList leftOut;
    QList<QByteArray> unknownLines;

    bool operator==(const BoardChoices&) const = default;

    // Nothing, with the line that is wrong in *error, when the bytes are not such a file.
    static std::optional<BoardChoices> read(const QByteArray& bytes, QString* error = nullptr);
    QByteArray written() const;
};

} // namespace vellumora
