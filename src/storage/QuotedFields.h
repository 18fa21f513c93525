#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace vellumora {

// The reader shared by the program's text files, for lines written by the program and by hand.
//
// CR, LF and CR LF each end a line. A line holds fields separated by commas; blanks (spaces and
// tabs) before a field are skipped. A field that opens with a double quote runs to the next
// double quote, and whatever follows that quote up to the next comma is ignored; left open, it
// runs to the end of its line. Any other field runs to the next comma and loses its trailing
// blanks. There is no escape: no field read here holds both a comma and a double quote.
struct QuotedField {
    QString text;
    bool quoted = false;
    // False for a quote left open to the end of the line.
    bool closed = true;
};

// The lines of a text, blank ones (nothing but blanks) left out.
QList<QStringView> textLines(QStringView text);
QList<QuotedField> splitFields(QStringView line);

bool isBlank(QChar c);

// Writes a field so that splitFields reads it back as it is: in double quotes, or, when it
// holds a double quote (only a hand-written unquoted field does), bare. Fields that neither
// form can hold get typographic quotes in place of their double quotes.
QString quoteField(const QString& text);

// Double quotes turned into typographic ones, opening and closing in turn.
QString withoutDoubleQuotes(QString text);

} // namespace vellumora
