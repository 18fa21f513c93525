#pragma once

#include "affirmations/CategoryStore.h"
#include "platform/Outcome.h"

#include <QCoreApplication>
#include <functional>

namespace vellumora {

class AffirmationList;
class CategoryIndex;

// What a plain text file of affirmations, one a line, holds for a category that already has
// some rows.
struct ImportedAffirmations {
    enum class Refusal { None, Empty, Binary };
    // Lines passed over for one reason: how many, and the number of the first (from 1).
    struct Skipped {
        int count = 0;
        int firstLine = 0;
        void add(int line) { firstLine = count++ == 0 ? line : firstLine; }
    };

    Refusal refusal = Refusal::None;
    // New to the category, in file order: trimmed, with no double quote left in them.
    QList<Row> rows;
    // Already in the category, or earlier in the file.
    Skipped repeated;
    // Longer than the affirmation field takes.
    Skipped tooLong;
    // Beyond the most rows a category holds.
    Skipped beyondLimit;
    // With nothing on them but blanks and quotes.
    Skipped blank;
};

// Affirmations in bulk: plain text files in, one affirmation a line, and a category out as one.
class AffirmationImport {
    Q_DECLARE_TR_FUNCTIONS(AffirmationImport)
public:
    // Larger than any list of affirmations could be: such a file is not read into memory.
    static constexpr qint64 kMaxFileBytes = 64 << 20;
    enum class Into { ChosenCategory, NewCategory };
    // Told how far the reading has come, from 0 to 1000.
    using Progress = std::function<void(int permille)>;

    // Reads the lines for a category holding `existing`, in UTF-8 or else Windows-1252. A line
    // written as a quoted row ("I am calm",#TRUE#, or a CSV column) is read as its text, with
    // its tick where it has one; every other line is its own text, any double quote in it made
    // typographic as typed entry does.
    static ImportedAffirmations read(
        const QByteArray& bytes, const QList<Row>& existing, const Progress& progress = {});

    // The file's bytes; refused when it cannot be read, is empty, or is no text at all.
    static Outcome readFile(const QString& path, QByteArray& bytes);

    // Adds the file's affirmations to the category chosen in `categories`, or to a new one
    // named after the file; the category's file is written once. Says what was added and what
    // was passed over.
    static Outcome add(const QString& path, const QByteArray& bytes, Into into, CategoryIndex& categories,
        AffirmationList& affirmations, const Progress& progress = {});

    // A category name made of the file's name: its letters, with a space for each run of
    // anything else.
    static QString categoryNameFor(const QString& path);

    // The affirmations as plain UTF-8 text, each on a line ended by LF.
    static QByteArray exportText(const QList<Row>& rows);
    // Writes them so to the file, which is replaced only when all is written.
    static Outcome exportTo(const QString& path, const QList<Row>& rows);

    // What an import added and passed over, a line each.
    static QString summary(const ImportedAffirmations& imported);

private:
    static ImportedAffirmations::Refusal refusal(const QByteArray& bytes, const QString& text);
};

} // namespace vellumora
