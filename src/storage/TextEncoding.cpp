#include "storage/TextEncoding.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

namespace vellumora {

namespace {

// Bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves unassigned keep the C1 control of the
// same number, as Windows itself reads them, so every byte has a character and back.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
}

} // namespace

std::optional<QString> fromUtf8(QByteArrayView bytes)
{
    // Qt would skip a byte-order mark; decodeText skips one itself, and a second one is text.
    QStringDecoder decoder(QStringConverter::Utf8,
        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const uchar b = uchar(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

std::optional<QByteArray> toWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = char(u);
            continue;
        }
        const auto found = std::find(kHighControls.cbegin(), kHighControls.cend(), u);
        if (found == kHighControls.cend()) {
            return std::nullopt;
        }
        *out++ = char(0x80 + (found - kHighControls.cbegin()));
    }
    return bytes;
}

DecodedText decodeBytes(QByteArrayView bytes)
{
    if (std::optional<QString> text = fromUtf8(bytes)) {
        return { std::move(*text), TextEncoding::Utf8 };
    }
    return { fromWindows1252(bytes.toByteArray()), TextEncoding::Windows1252 };
}

DecodedText decodeText(const QByteArray& bytes)
{
    return decodeBytes(bytes.startsWith(kByteOrderMark) ? QByteArrayView(bytes).sliced(3) : bytes);
}

QByteArray encodeText(const QString& text, TextEncoding& encoding)
{
    if (encoding == TextEncoding::Windows1252) {
        // Read back, bytes that happen to be valid UTF-8, or to open with a byte-order mark,
        // would turn into other characters.
        const std::optional<QByteArray> bytes = toWindows1252(text);
        if (bytes && !bytes->startsWith(kByteOrderMark) && (isAscii(*bytes) || !fromUtf8(*bytes))) {
            return *bytes;
        }
    }
    encoding = TextEncoding::Utf8;
    const QByteArray bytes = text.toUtf8();
    // Text that opens with U+FEFF keeps it behind a mark of its own, which the reader skips.
    return bytes.startsWith(kByteOrderMark) ? kByteOrderMark + bytes : bytes;
}

} // namespace vellumora
