#include "board/BoardOutput.h"

#include "board/BoardPainter.h"
#include "storage/DataFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>

namespace vellumora::BoardOutput {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("vellumora::BoardOutput", text);
}

void paintDecoded(QPainter& painter, const BoardSheet& sheet)
{
    BoardPainter::paint(painter, sheet, [&](const BoardLayout::Tile& tile, const QSize& pixels) {
        return BoardPainter::decoded(sheet, tile, pixels);
    });
}

QByteArray pdf(const BoardSheet& sheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QCoreApplication::applicationName());
        writer.setTitle(sheet.content.title);
        writer.setResolution(kDotsPerInch);
        writer.setPageSize(paperOf(sheet.page));
        writer.setPageOrientation(
            sheet.page.width() > sheet.page.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        // The paper may be a few dots larger than the pixels: the board stands in its middle.
        const QRect paper = painter.viewport();
        painter.translate(
            (paper.width() - sheet.page.width()) / 2.0, (paper.height() - sheet.page.height()) / 2.0);
        paintDecoded(painter, sheet);
    }
    return buffer.data();
}

} // namespace

QImage picture(const BoardSheet& sheet)
{
    QImage image(sheet.page, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.setDotsPerMeterX(qRound(kDotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(kDotsPerInch / 0.0254));
    QPainter painter(&image);
    paintDecoded(painter, sheet);
    return image;
}

QPageSize paperOf(const QSize& pixels)
{
    const QSize portrait = pixels.width() > pixels.height() ? pixels.transposed() : pixels;
    return QPageSize(QSizeF(portrait) * 72.0 / kDotsPerInch, QPageSize::Point);
}

Outcome save(const BoardSheet& sheet, const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QString failed = tr("The board could not be saved as \"%1\".").arg(QDir::toNativeSeparators(path));
    QByteArray bytes;
    if (suffix == QLatin1String("pdf")) {
        bytes = pdf(sheet);
    } else if (suffix == QLatin1String("png") || suffix == QLatin1String("jpg")
        || suffix == QLatin1String("jpeg")) {
        const QImage image = picture(sheet);
        if (image.isNull()) {
            return Outcome::refused(
                withReason(failed, tr("There is not enough memory for a picture so large.")));
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, suffix == QLatin1String("png") ? "png" : "jpeg");
        // For a PNG the quality sets zlib's effort: 80 is its quickest level, which saves an A3 board
        // in half the time of the default.
        writer.setQuality(suffix == QLatin1String("png") ? 80 : 92);
        if (!writer.write(image)) {
            return Outcome::refused(withReason(failed, writer.errorString()));
        }
    } else {
        return Outcome::refused(
            withReason(failed, tr("A board is saved as a PNG or JPEG picture or as a PDF.")));
    }
    QString error;
    if (!writeDataFile(NativePath(path), bytes, &error)) {
        return Outcome::refused(withReason(failed, error));
    }
    return {};
}

} // namespace vellumora::BoardOutput
