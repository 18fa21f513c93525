#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace vellumora::Language {

// The first of `available` (names such as "de" or "pt_BR") that the locale's languages ask for,
// in the user's order of preference; a language with its country before the language alone, so
// "pt_BR" is Brazilian only. Empty when none is asked for: the program stays English.
QString pick(const QLocale& locale, const QStringList& available);

// Installs the program's catalogue for the locale from `folder`, and Qt's own in the same
// language, so that its dialogs speak it too. Returns the language installed; empty for none,
// when the English one speaks, its plurals included.
QString install(const QLocale& locale, const QString& folder);

} // namespace vellumora::Language
