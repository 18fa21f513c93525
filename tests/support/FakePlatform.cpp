#include "support/FakePlatform.h"

#include <QPainter>
#include <QPdfWriter>

namespace vellumora {

FakePlatform::FakePlatform(QString folder)
    : folder(std::move(folder))
{
}

QString FakePlatform::setting(const QString& section, const QString& key)
{
    settingsRead.append(section + QLatin1Char('/') + key);
    return settings.value(settingsRead.last());
}

bool FakePlatform::setSetting(const QString& section, const QString& key, const QString& value)
{
    settingsWritten.append(section + QLatin1Char('/') + key);
    if (settingsWritable) {
        settings.insert(settingsWritten.last(), value);
    }
    return settingsWritable;
}

MessageAnswer FakePlatform::message(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    messages.append({ text, icon, buttons });
    if (auto hook = std::exchange(whileMessageShows, nullptr)) {
        hook();
    }
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return answers.isEmpty() ? MessageAnswer::No : answers.takeFirst();
}

QString FakePlatform::openFileName(const OpenFileRequest& request)
{
    fileRequests.append(request);
    return nextChosen();
}

QString FakePlatform::saveFileName(const SaveFileRequest& request)
{
    saveRequests.append(request);
    return nextChosen();
}

PrintResult FakePlatform::print(const PrintRequest& request, QString* error)
{
    if (printedTo.isEmpty()) {
        return PrintResult::Cancelled;
    }
    QPdfWriter writer(printedTo);
    writer.setPageSize(request.paper);
    writer.setPageMargins({});
    writer.setResolution(300);
    QPainter painter(&writer);
    request.paint(painter);
    *error = QString();
    return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}

} // namespace vellumora
