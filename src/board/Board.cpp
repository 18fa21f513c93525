#include "board/Board.h"

#include "images/PictureDecoder.h"
#include "library/Library.h"
#include "storage/DataFile.h"
#include "storage/LibraryFiles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>

namespace vellumora {

namespace {

// The title's line is this part of the page's shorter side.
constexpr qreal kTitleShare = 0.07;

} // namespace

Board::Board(Library& library, QObject* parent)
    : QObject(parent)
    , m_library(library)
{
}

Outcome Board::load()
{
    m_choices = {};
    m_file.setRead(true);
    const QString path = LibraryFiles(m_library.folder()).board();
    QFile file(path);
    if (!file.exists()) {
        return {};
    }
    QString error;
    std::optional<BoardChoices> read;
    if (file.open(QIODevice::ReadOnly)) {
        read = BoardChoices::read(file.readAll(), &error);
    } else {
        error = file.errorString();
    }
    if (read) {
        m_choices = *read;
        return {};
    }
    const QString refusal = tr("The board's file \"%1\" cannot be read, and is kept as it is. Changes to the "
                               "board are not kept until it is mended or taken away.")
                                .arg(QDir::toNativeSeparators(path));
    m_file.setRead(false, refusal);
    Outcome outcome;
    return outcome.tell(withReason(refusal, error), MessageIcon::Critical);
}

QStringList Board::ordered() const
{
    const QStringList& names = m_library.pictures().names();
    QStringList order;
    for (const QString& name : m_choices.order) {
        if (names.contains(name) && !order.contains(name)) {
            order.append(name);
        }
    }
    for (const QString& name : names) {
        if (!order.contains(name)) {
            order.append(name);
        }
    }
    return order;
}

QList<Board::Entry> Board::entries() const
{
    QList<Entry> entries;
    int on = 0;
    for (const QString& name : ordered()) {
        const bool onBoard = on < kMaxPictures && !m_choices.leftOut.contains(name);
        on += onBoard ? 1 : 0;
        entries.append({ name, onBoard });
    }
    return entries;
}

Outcome Board::change(const std::function<void(BoardChoices&)>& edit)
{
    BoardChoices changed = m_choices;
    edit(changed);
    if (changed == m_choices) {
        return Outcome::nothing();
    }
    Outcome outcome = m_file.write(tr("The board could not be saved."), [&](QString* error) {
        return writeDataFile(NativePath(LibraryFiles(m_library.folder()).board()), changed.written(), error);
    });
    if (outcome) {
        m_choices = std::move(changed);
        emit this->changed();
    }
    return outcome;
}

Outcome Board::setTitle(const QString& title)
{
    QString line = title;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return change([&](BoardChoices& choices) { choices.title = line; });
}

Outcome Board::setBackground(const QColor& colour)
{
    return change([&](BoardChoices& choices) { choices.background = colour.toRgb(); });
}

Outcome Board::setMargin(int percent)
{
    return change([&](BoardChoices& choices) {
        choices.marginPercent = qBound(0, percent, BoardChoices::kMaxMarginPercent);
    });
}

Outcome Board::setPage(const BoardPage& page)
{
    return change([&](BoardChoices& choices) { choices.page = page; });
}

Outcome Board::setOnBoard(const QString& name, bool onBoard)
{
    const QList<Entry> now = entries();
    const auto on = std::count_if(now.begin(), now.end(), [](const Entry& entry) { return entry.onBoard; });
    if (onBoard && on >= kMaxPictures) {
        return Outcome::refused(
            tr("A board holds at most %1 pictures. Untick one before you tick another.").arg(kMaxPictures),
            MessageIcon::Information);
    }
    // Every picture off the board is named, so that taking one off never puts another on.
    return change([&](BoardChoices& choices) {
        choices.leftOut.clear();
        for (const Entry& entry : now) {
            if (entry.name == name ? !onBoard : !entry.onBoard) {
                choices.leftOut.append(entry.name);
            }
        }
    });
}

Outcome Board::shuffle(QRandomGenerator& random)
{
    QStringList order = ordered();
    if (order.size() < 2) {
        return Outcome::nothing();
    }
    // A derangement, so that every picture moves: shuffled until none stays in its place.
    QStringList shuffled = order;
    for (int round = 0; round < 100; ++round) {
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        bool moved = true;
        for (qsizetype i = 0; i < order.size() && moved; ++i) {
            moved = shuffled[i] != order[i];
        }
        if (moved) {
            break;
        }
    }
    return change([&](BoardChoices& choices) { choices.order = shuffled; });
}

Outcome Board::swap(const QString& first, const QString& second)
{
    QStringList order = ordered();
    const qsizetype a = order.indexOf(first);
    const qsizetype b = order.indexOf(second);
    if (a < 0 || b < 0 || a == b) {
        return Outcome::nothing();
    }
    order.swapItemsAt(a, b);
    return change([&](BoardChoices& choices) { choices.order = order; });
}

BoardContent Board::content() const
{
    BoardContent content;
    content.title = m_choices.title;
    content.background = m_choices.background;
    content.font = m_library.options().affirmationFont().value_or(ShowOptions::designFont());
    const QList<NativePath> paths = m_library.pictures().paths();
    const QStringList& names = m_library.pictures().names();
    for (const Entry& entry : entries()) {
        const qsizetype at = names.indexOf(entry.name);
        if (entry.onBoard && at >= 0 && at < paths.size() && !paths[at].isEmpty()) {
            content.pictures.append(paths[at]);
            content.pictureNames.append(entry.name);
        }
    }
    content.sentences = m_library.tickedAffirmations();
    return content;
}

QString Board::emptyText()
{
    return tr(
        "Your board is empty. Add pictures to your library, or tick affirmations and their categories, and "
        "they are on it.");
}

Outcome Board::notesOf(const BoardSheet& sheet)
{
    if (sheet.content.pictures.isEmpty() && sheet.content.sentences.isEmpty()) {
        return Outcome::refused(emptyText(), MessageIcon::Information);
    }
    Outcome outcome;
    for (const QString& name : sheet.leftOff) {
        outcome.tell(tr("The picture \"%1\" cannot be read, and is left off the board.").arg(name),
            MessageIcon::Information);
    }
    return outcome;
}

QSize Board::screenPixels()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize() : QSize(1920, 1080);
}

BoardSheet Board::lay(const BoardContent& content, const QSize& page, int marginPercent)
{
    BoardSheet sheet { content, page, {}, {} };
    sheet.content.pictures.clear();
    sheet.content.pictureNames.clear();
    BoardLayout::Request request;
    const qreal shorter = qMin(page.width(), page.height());
    request.page = page;
    request.margin = shorter * marginPercent / 100;
    request.titleHeight = content.title.trimmed().isEmpty() ? 0 : shorter * kTitleShare;
    request.cards = int(content.sentences.size());
    for (qsizetype i = 0; i < content.pictures.size(); ++i) {
        const QSize shown = PictureDecoder::shownSize(content.pictures[i]);
        if (!shown.isValid()) {
            sheet.leftOff.append(content.pictureNames.value(i));
            continue;
        }
        request.pictures.append(shown);
        sheet.content.pictures.append(content.pictures[i]);
        sheet.content.pictureNames.append(content.pictureNames.value(i));
    }
    sheet.layout = BoardLayout::arrange(request);
    return sheet;
}

} // namespace vellumora
