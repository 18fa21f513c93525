#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace vellumora {

// The program and Qt speaking one language while it lives, from the catalogues the build made;
// "en" is English, with no catalogue.
class Translated {
public:
    explicit Translated(const QString& language);
    ~Translated();
    Translated(const Translated&) = delete;
    Translated& operator=(const Translated&) = delete;

    bool installed() const { return m_installed; }
    // Where the build put the catalogues.
    static QString folder();
    // English, then every language there is a catalogue for.
    static QStringList languages();
    // The English texts the language's catalogue gives another text wherever they stand: shown
    // as they are, they were never translated.
    static QSet<QString> translatedAway(const QString& language);

private:
    bool m_installed = false;
};

} // namespace vellumora
