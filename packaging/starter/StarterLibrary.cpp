// Writes the starter library: the affirmations from affirmations.txt in the program's own file
// format, and six pictures drawn here, so nothing is downloaded and nothing comes from elsewhere.
// One library for each language: OUTPUT_FOLDER/<language>/.
// Usage: vellumora-starter OUTPUT_FOLDER LANGUAGE=AFFIRMATIONS_TXT...

#include "affirmations/CategoryStore.h"
#include "images/PictureStore.h"
#include "storage/DataFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>

using namespace vellumora;

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;

QLinearGradient sky(const QColor& top, const QColor& bottom, double horizon = 1.0)
{
    QLinearGradient gradient(0, 0, 0, kHeight * horizon);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// A ridge of hills or waves across the picture: a wavy top edge at `height`, filled below.
QPainterPath ridge(double height, double amplitude, double waves, double phase)
{
    QPainterPath path(QPointF(0, kHeight));
    for (int x = 0; x <= kWidth; x += 8) {
        const double t = double(x) / kWidth;
        path.lineTo(x,
            height + amplitude * std::sin(2 * M_PI * (waves * t + phase))
                + amplitude * 0.4 * std::sin(2 * M_PI * (waves * 2.7 * t + phase * 1.7)));
    }
    path.lineTo(kWidth, kHeight);
    path.closeSubpath();
    return path;
}

void sunrise(QPainter& p)
{
    p.fillRect(0, 0, kWidth, kHeight, sky(QColor(44, 62, 120), QColor(250, 190, 140), 0.75));
    QRadialGradient sun(800, 700, 260);
    sun.setColorAt(0, QColor(255, 244, 200));
    sun.setColorAt(0.35, QColor(255, 220, 150, 220));
    sun.setColorAt(1, QColor(255, 200, 140, 0));
    p.fillRect(0, 0, kWidth, kHeight, sun);
    const QColor hills[] = { QColor(120, 110, 140), QColor(80, 80, 110), QColor(46, 52, 78) };
    for (int i = 0; i < 3; ++i) {
        p.fillPath(ridge(760 + i * 120, 40 - i * 8, 1.5 + i, 0.2 * i), hills[i]);
    }
}

void stillLake(QPainter& p)
{
    p.fillRect(0, 0, kWidth, kHeight, sky(QColor(150, 190, 225), QColor(230, 236, 240), 0.5));
    p.fillPath(ridge(520, 60, 1.2, 0.1), QColor(90, 120, 110));
    QLinearGradient water(0, kHeight / 2, 0, kHeight);
    water.setColorAt(0, QColor(200, 220, 230));
    water.setColorAt(1, QColor(70, 110, 140));
    p.fillRect(0, kHeight / 2 + 60, kWidth, kHeight / 2 - 60, water);
    p.setPen(QPen(QColor(255, 255, 255, 90), 3));
    for (int y = kHeight / 2 + 120; y < kHeight; y += 55) {
        p.drawLine(200 + (y * 7) % 500, y, 700 + (y * 13) % 600, y);
    }
}

void mountains(QPainter& p)
{
    p.fillRect(0, 0, kWidth, kHeight, sky(QColor(120, 160, 210), QColor(220, 230, 245), 0.7));
    const QColor layers[]
        = { QColor(170, 185, 210), QColor(120, 140, 170), QColor(70, 90, 120), QColor(40, 55, 80) };
    for (int i = 0; i < 4; ++i) {
        QPainterPath path(QPointF(0, kHeight));
        const int peaks = 3 + i;
        for (int k = 0; k <= peaks * 2; ++k) {
            const double x = double(kWidth) * k / (peaks * 2);
            const double y = (k % 2 ? 380.0 : 620.0) + i * 130 + ((k * 37 + i * 11) % 60);
            path.lineTo(x, y);
        }
        path.lineTo(kWidth, kHeight);
        path.closeSubpath();
        p.fillPath(path, layers[i]);
    }
}

void softLight(QPainter& p)
{
    p.fillRect(0, 0, kWidth, kHeight, sky(QColor(60, 40, 90), QColor(180, 90, 120)));
    QRandomGenerator random(20261206);
    for (int i = 0; i < 60; ++i) {
        const QPointF centre(random.bounded(kWidth), random.bounded(kHeight));
        const double radius = 40 + random.bounded(140);
        QRadialGradient glow(centre, radius);
        const QColor colour = QColor::fromHsv(20 + random.bounded(60), 120, 255, 110);
        glow.setColorAt(0, colour);
        glow.setColorAt(0.7, QColor(colour.red(), colour.green(), colour.blue(), 60));
        glow.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
        p.setBrush(glow);
        p.setPen(Qt::NoPen);
        p.drawEllipse(centre, radius, radius);
    }
}

void eveningSea(QPainter& p)
{
    p.fillRect(0, 0, kWidth, 640, sky(QColor(250, 150, 110), QColor(255, 215, 160), 0.53));
    // The sun sets behind the horizon: drawn before the sea.
    p.setBrush(QColor(255, 235, 190));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(1100, 600), 90, 90);
    QLinearGradient sea(0, 640, 0, kHeight);
    sea.setColorAt(0, QColor(90, 110, 150));
    sea.setColorAt(1, QColor(30, 45, 80));
    p.fillRect(0, 640, kWidth, kHeight - 640, sea);
    for (int i = 0; i < 6; ++i) {
        p.fillPath(ridge(700 + i * 90, 10 + i * 3, 6 + i, 0.13 * i), QColor(40, 60, 100, 70));
    }
}

void meadow(QPainter& p)
{
    p.fillRect(0, 0, kWidth, kHeight, sky(QColor(110, 170, 230), QColor(225, 240, 250), 0.6));
    p.fillPath(ridge(640, 50, 1.1, 0.3), QColor(130, 180, 110));
    p.fillPath(ridge(760, 40, 1.7, 0.6), QColor(100, 160, 90));
    p.fillPath(ridge(900, 30, 2.3, 0.1), QColor(80, 140, 70));
    QRandomGenerator random(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 400; ++i) {
        const double y = 800 + random.bounded(kHeight - 800);
        const double size = 3 + (y - 800) / 60;
        p.setBrush(QColor::fromHsv(random.bounded(2) ? 50 : 330, 120, 250));
        p.drawEllipse(QPointF(random.bounded(kWidth), y), size, size);
    }
}

// One language's starter set: its categories with their affirmations, and the names its
// pictures go by.
struct StarterSet {
    QList<Row> categories;
    QList<QList<Row>> affirmations;
    QHash<QString, QString> pictureNames;
};

std::optional<StarterSet> readStarterSet(const QString& source)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    StarterSet set;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        if (line.startsWith('@')) {
            const qsizetype equals = line.indexOf('=');
            set.pictureNames.insert(line.mid(1, equals - 1).trimmed(), line.mid(equals + 1).trimmed());
            continue;
        }
        const bool ticked = !line.startsWith('-');
        const QString text = ticked ? line : line.mid(1);
        if (text.startsWith('[') && text.endsWith(']')) {
            set.categories.append({ text.mid(1, text.size() - 2), ticked });
            set.affirmations.append(QList<Row>());
        } else if (!set.affirmations.isEmpty()) {
            set.affirmations.last().append({ text, ticked });
        }
    }
    return set;
}

bool isAscii(const QString& name)
{
    return std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

bool writeStarterSet(
    const StarterSet& set, const QList<std::pair<QString, QByteArray>>& pictures, const QString& folder)
{
    QStringList fileNames = set.pictureNames.values();
    for (const Row& category : set.categories) {
        fileNames << category.text;
    }
    for (const QString& name : fileNames) {
        if (!isAscii(name)) {
            std::fprintf(stderr,
                "vellumora-starter: \"%s\" is not ASCII, so no package could hold its file\n",
                qPrintable(name));
            return false;
        }
    }
    const LibraryFiles files(folder);
    if (!QDir().mkpath(files.categoryFolder()) || !QDir().mkpath(files.pictureFolder())) {
        return false;
    }
    const CategoryStore categories(folder);
    for (int i = 0; i < set.categories.size(); ++i) {
        if (!categories.writeRows(categories.categoryPath(set.categories[i].text), set.affirmations[i])) {
            return false;
        }
    }
    if (!writeDataFile(categories.indexPath(), CategoryStore::encodeRows(set.categories))) {
        return false;
    }
    QStringList names;
    for (const auto& [name, bytes] : pictures) {
        names.append(set.pictureNames.value(name, name));
        if (!writeDataFile(NativePath(files.pictureFolder() + '/' + names.last()), bytes)) {
            return false;
        }
    }
    const PictureStore store(folder);
    return writeDataFile(store.recordPath(), PictureStore::encodeRecord(names));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: vellumora-starter OUTPUT_FOLDER LANGUAGE=AFFIRMATIONS_TXT...\n", stderr);
        return 2;
    }
    // Drawn once, the same pictures in every language.
    const QList<std::pair<QString, std::function<void(QPainter&)>>> drawings { { "Sunrise.jpg", sunrise },
        { "Still Lake.jpg", stillLake }, { "Mountains.jpg", mountains }, { "Soft Light.jpg", softLight },
        { "Evening Sea.jpg", eveningSea }, { "Meadow.jpg", meadow } };
    QList<std::pair<QString, QByteArray>> pictures;
    for (const auto& [name, draw] : drawings) {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        if (!image.save(&jpeg, "JPEG", 88)) {
            std::fprintf(stderr, "vellumora-starter: %s could not be drawn\n", qPrintable(name));
            return 1;
        }
        pictures.append({ name, jpeg.data() });
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString language = argument.section('=', 0, 0);
        const std::optional<StarterSet> set = readStarterSet(argument.section('=', 1));
        if (!set || !writeStarterSet(*set, pictures, root + '/' + language)) {
            std::fprintf(stderr, "vellumora-starter: the %s starter library could not be written\n",
                qPrintable(language));
            return 1;
        }
    }
    return 0;
}
