#include "affirmations/AffirmationImport.h"

#include "affirmations/AffirmationList.h"
#include "affirmations/CategoryIndex.h"
#include "storage/DataFile.h"
#include "storage/QuotedFields.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

namespace vellumora {

namespace {

constexpr QChar kQuote = QLatin1Char('"');
// How many lines pass between two calls of the progress.
constexpr int kProgressLines = 512;

std::optional<bool> readTick(QStringView field)
{
    QStringView flag = field.trimmed();
    if (flag.startsWith(QLatin1Char('#')) && flag.endsWith(QLatin1Char('#')) && flag.size() > 1) {
        flag = flag.sliced(1, flag.size() - 2);
    }
    if (flag.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (flag.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return std::nullopt;
}

// A line that opens with a double quote, read as a category file or a CSV file writes a field:
// "" inside it stands for one double quote. Nothing when the line is no such field, as when
// words follow the closing quote: "Yes" I can.
std::optional<Row> readQuotedLine(QStringView line)
{
    QString text;
    qsizetype i = 1;
    bool closed = false;
    while (i < line.size()) {
        if (line[i] == kQuote) {
            if (i + 1 < line.size() && line[i + 1] == kQuote) {
                text += kQuote;
                i += 2;
                continue;
            }
            closed = true;
            ++i;
            break;
        }
        text += line[i++];
    }
    Row row { text, true };
    if (!closed) {
        // A quote left open by a hand edit of a category file: the line may still end in its flag.
        const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
        if (const std::optional<bool> tick
            = comma >= 0 ? readTick(QStringView(text).sliced(comma + 1)) : std::nullopt) {
            row = { text.left(comma), *tick };
        }
        return row;
    }
    const QStringView rest = line.sliced(i).trimmed();
    if (rest.isEmpty()) {
        return row;
    }
    if (!rest.startsWith(QLatin1Char(','))) {
        return std::nullopt;
    }
    const QStringView next = rest.sliced(1);
    const qsizetype end = next.indexOf(QLatin1Char(','));
    row.ticked = readTick(end < 0 ? next : next.first(end)).value_or(true);
    return row;
}

// A line's affirmation; nothing for a blank line.
std::optional<Row> readLine(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    Row row { trimmed.toString(), true };
    if (trimmed.startsWith(kQuote)) {
        row = readQuotedLine(trimmed).value_or(row);
    }
    // The category file keeps no double quote: typed entry makes them typographic too.
    row.text = withoutDoubleQuotes(row.text.trimmed());
    if (row.text.isEmpty()) {
        return std::nullopt;
    }
    return row;
}

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control && c != QLatin1Char('\t') && c != QLatin1Char('\n')
        && c != QLatin1Char('\r') && c != QLatin1Char('\f');
}

} // namespace

ImportedAffirmations::Refusal AffirmationImport::refusal(const QByteArray& bytes, const QString& text)
{
    // Text holds next to no control characters; a picture or a program is full of them.
    const auto controls = std::count_if(text.cbegin(), text.cend(), isControl);
    if (bytes.contains('\0') || controls * 10 > text.size()) {
        return ImportedAffirmations::Refusal::Binary;
    }
    if (text.trimmed().isEmpty()) {
        return ImportedAffirmations::Refusal::Empty;
    }
    return ImportedAffirmations::Refusal::None;
}

ImportedAffirmations AffirmationImport::read(
    const QByteArray& bytes, const QList<Row>& existing, const Progress& progress)
{
    ImportedAffirmations imported;
    const QString text = decodeText(bytes).text;
    imported.refusal = refusal(bytes, text);
    if (imported.refusal != ImportedAffirmations::Refusal::None) {
        return imported;
    }
    QSet<QString> known;
    for (const Row& row : existing) {
        known.insert(row.text.trimmed());
    }
    const qsizetype room = std::max<qsizetype>(0, CategoryStore::kMaxRows - existing.size());
    qsizetype start = 0;
    for (int number = 1; start < text.size(); ++number) {
        if (progress && number % kProgressLines == 0) {
            progress(int(start * 1000 / text.size()));
        }
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n')) {
            ++end;
        }
        const std::optional<Row> row = readLine(QStringView(text).sliced(start, end - start));
        // CR LF ends one line.
        start = end + (QStringView(text).sliced(end).startsWith(u"\r\n") ? 2 : 1);
        if (!row) {
            imported.blank.add(number);
            continue;
        }
        if (row->text.size() > CategoryStore::kMaxTextLength) {
            imported.tooLong.add(number);
        } else if (known.contains(row->text)) {
            imported.repeated.add(number);
        } else if (imported.rows.size() >= room) {
            imported.beyondLimit.add(number);
        } else {
            known.insert(row->text);
            imported.rows.append(*row);
        }
    }
    return imported;
}

Outcome AffirmationImport::readFile(const QString& path, QByteArray& bytes)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    // Checked before opening: reading a pipe or a device would wait, or never end.
    if (info.exists() && !info.isFile()) {
        return Outcome::refused(
            withReason(tr("The file \"%1\" could not be read.").arg(name), tr("It is not a file.")));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Outcome::refused(
            withReason(tr("The file \"%1\" could not be read.").arg(name), file.errorString()));
    }
    if (file.size() > kMaxFileBytes) {
        return Outcome::refused(tr("The file \"%1\" is too large to be a list of affirmations.").arg(name));
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Outcome::refused(
            withReason(tr("The file \"%1\" could not be read.").arg(name), file.errorString()));
    }
    switch (refusal(bytes, decodeText(bytes).text)) {
    case ImportedAffirmations::Refusal::Empty:
        return Outcome::refused(
            tr("The file \"%1\" is empty: it holds no affirmations.").arg(name), MessageIcon::Information);
    case ImportedAffirmations::Refusal::Binary:
        return Outcome::refused(
            tr("The file \"%1\" is not a text file, so nothing was imported. Please choose a plain text file "
               "with one affirmation on each line.")
                .arg(name));
    case ImportedAffirmations::Refusal::None:
        break;
    }
    return {};
}

Outcome AffirmationImport::add(const QString& path, const QByteArray& bytes, Into into,
    CategoryIndex& categories, AffirmationList& affirmations, const Progress& progress)
{
    const bool intoChosen = into == Into::ChosenCategory && !affirmations.category().isEmpty();
    const ImportedAffirmations imported
        = read(bytes, intoChosen ? affirmations.rows() : QList<Row>(), progress);
    if (imported.refusal != ImportedAffirmations::Refusal::None || imported.rows.isEmpty()) {
        return Outcome::refused(summary(imported), MessageIcon::Information);
    }
    if (intoChosen) {
        Outcome added = affirmations.appendRows(imported.rows);
        return added ? added.tell(summary(imported), MessageIcon::Information) : added;
    }
    QString created;
    Outcome added = categories.createFilled(categoryNameFor(path), imported.rows, &created);
    if (!added) {
        return added;
    }
    return Outcome()
        .tell(summary(imported) + QLatin1Char('\n') + tr("They are in the new category \"%1\".").arg(created),
            MessageIcon::Information)
        .add(added);
}

QString AffirmationImport::summary(const ImportedAffirmations& imported)
{
    const QLocale locale;
    QStringList lines { tr("%n affirmation(s) were added.", nullptr, int(imported.rows.size())) };
    if (imported.repeated.count > 0) {
        lines << tr("%n line(s) already in the category, or earlier in the file, were passed over.", nullptr,
            imported.repeated.count);
    }
    if (imported.tooLong.count > 0) {
        lines << tr("%n line(s) longer than %1 characters were passed over, the first of them line %2.",
            nullptr, imported.tooLong.count)
                     .arg(locale.toString(CategoryStore::kMaxTextLength),
                         locale.toString(imported.tooLong.firstLine));
    }
    if (imported.beyondLimit.count > 0) {
        lines << tr(
            "%n line(s) did not fit, as a category holds at most %1 affirmations; the first of them is "
            "line %2.",
            nullptr, imported.beyondLimit.count)
                     .arg(locale.toString(CategoryStore::kMaxRows),
                         locale.toString(imported.beyondLimit.firstLine));
    }
    if (imported.blank.count > 0) {
        lines << tr("%n blank line(s) were passed over.", nullptr, imported.blank.count);
    }
    return lines.join(QLatin1Char('\n'));
}

QString AffirmationImport::categoryNameFor(const QString& path)
{
    QString name;
    bool gap = false;
    bool afterLetter = false;
    for (const char32_t c : QFileInfo(path).completeBaseName().toUcs4()) {
        const bool letter = QChar::isLetter(c);
        if (letter || (afterLetter && QChar::isMark(c))) {
            if (gap && !name.isEmpty()) {
                name += QLatin1Char(' ');
            }
            name += QString::fromUcs4(&c, 1);
            gap = false;
        } else {
            gap = true;
        }
        afterLetter = letter || (afterLetter && QChar::isMark(c));
    }
    // Room for " (99)" in a file name of at most 255 bytes, letters of four bytes each.
    constexpr qsizetype kLongest = 60;
    if (name.size() > kLongest) {
        name = name.left(kLongest).trimmed();
        if (name.back().isHighSurrogate()) {
            name.chop(1);
        }
    }
    return name.isEmpty() ? tr("Imported") : name;
}

QByteArray AffirmationImport::exportText(const QList<Row>& rows)
{
    // LF, as text files are written on this desktop; an import reads CR LF as well.
    QString text;
    for (const Row& row : rows) {
        text += row.text + QLatin1Char('\n');
    }
    return text.toUtf8();
}

Outcome AffirmationImport::exportTo(const QString& path, const QList<Row>& rows)
{
    QString error;
    if (!writeDataFile(NativePath(path), exportText(rows), &error)) {
        return Outcome::refused(withReason(
            tr("The affirmations could not be written to \"%1\"; nothing was changed there.").arg(path),
            error));
    }
    return Outcome().tell(
        tr("%n affirmation(s) were written to \"%1\".", nullptr, int(rows.size())).arg(path),
        MessageIcon::Information);
}

} // namespace vellumora
