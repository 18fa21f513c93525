// The modal dialogs the platform offers besides the file dialogs: the font, a colour, and the
// printers.
#include "platform/FontColourDialog.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace vellumora {

std::optional<FontChoice> QtPlatform::chooseFont(const FontChoice& initial)
{
    FontColourDialog dialog(initial, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

std::optional<QColor> QtPlatform::chooseColour(const QColor& initial, const QString& title)
{
    const QColor colour = QColorDialog::getColor(initial, QApplication::activeWindow(), title);
    return colour.isValid() ? std::optional(colour) : std::nullopt;
}

PrintResult QtPlatform::print(const PrintRequest& request, QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(request.title);
    printer.setPageSize(request.paper);
    printer.setPageOrientation(
        request.pixels.width() > request.pixels.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted) {
        return PrintResult::Cancelled;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QCoreApplication::translate("QtPlatform", "The printer could not be started.");
        return PrintResult::Failed;
    }
    // The page as large as the printer's page takes it, in its middle.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const qreal scale = qMin(page.width() / request.pixels.width(), page.height() / request.pixels.height());
    painter.translate(page.center() - QPointF(request.pixels.width(), request.pixels.height()) * scale / 2);
    painter.scale(scale, scale);
    request.paint(painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        *error = QCoreApplication::translate("QtPlatform", "The printer did not take the page.");
        return PrintResult::Failed;
    }
    return PrintResult::Printed;
}

} // namespace vellumora
