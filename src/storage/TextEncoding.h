#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace vellumora {

// The two encodings the program's text files come in. Libraries kept on Windows are in
// Windows-1252, one byte per character; files made here are UTF-8.
enum class TextEncoding { Utf8, Windows1252 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Bytes that are valid UTF-8 are read as UTF-8; any other bytes as Windows-1252, which gives
// every byte a character, so nothing is lost. decodeText first skips a byte-order mark, as a
// text file may begin with one; decodeBytes takes the bytes as they stand (a file name).
DecodedText decodeText(const QByteArray& bytes);
DecodedText decodeBytes(QByteArrayView bytes);

// Encodes text for a file that holds `encoding`, and sets `encoding` to what was written.
// A Windows-1252 file stays so while every character fits and its bytes cannot be taken for
// UTF-8 on the next read; otherwise the whole text is written as UTF-8.
QByteArray encodeText(const QString& text, TextEncoding& encoding);

// Exactly these bytes as UTF-8, a byte-order mark included as U+FEFF; nothing when they are not
// valid UTF-8.
std::optional<QString> fromUtf8(QByteArrayView bytes);
// The text in Windows-1252; empty when a character does not fit.
std::optional<QByteArray> toWindows1252(const QString& text);
QString fromWindows1252(const QByteArray& bytes);

} // namespace vellumora
