#pragma once

#include "platform/FontChoice.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QRandomGenerator;
class QWidget;

namespace vellumora {

class AffirmationLibraryPanel;
class ImageLibraryPanel;
class PictureLoader;
class Platform;
class SettingsPanel;
class frmDisplay;

// The show: Start (cmdDisplayAffirmations_Click), the picture timer Timer1 with its tick, Back,
// the font choice, and the slideshow window they share. The window exists from its first use
// until Back, or a Start refused for want of pictures, discards it with all that was set on it.
class ShowLauncher : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QWidget& mainWindow;
        SettingsPanel& settings;
        ImageLibraryPanel& images;
        AffirmationLibraryPanel& affirmations;
        PictureLoader& loader;
    };

    ShowLauncher(Platform& platform, QRandomGenerator& random, Parts parts, QObject* parent = nullptr);
    ~ShowLauncher() override;

    static inline const QString kNoAffirmation = QStringLiteral("You Are Not Selected Any Affirmation");

    void cmdDisplayAffirmations_Click();
    void Timer1_Timer();
    void cmdBack_Click();
    void cmdFont_Click();

    // The slideshow window, made hidden when it does not exist yet.
    frmDisplay& display();
    frmDisplay* existingDisplay() const;
    const QTimer& pictureTimer() const { return Timer1; }
    const QStringList& affirmations() const { return strAffirmations; }

signals:
    // The music panel must come to the front (the chosen music file is missing).
    void musicPanelWanted();

private:
    void discardDisplay();
    bool startMusic();
    void gatherAffirmations();
    void showPicture(int number);
    void pictureLoaded(quint64 ticket, const QImage& picture);
    void prefetch(int number);
    void placeWindow();
    int nextPictureNumber() const;

    Platform& m_platform;
    QRandomGenerator& m_random;
    Parts m_parts;
    QPointer<frmDisplay> m_display;
    QTimer Timer1;
    FontChoice m_lastFont;

    QStringList strAffirmations;
    int intAffirmationIndex = 0;
    int intImageIndex = 0;
    // Pictures at show size: the one shown and the one decoded ahead for the next tick.
    QHash<int, QImage> m_pictures;
    int m_shownNumber = 0;
    int m_aheadNumber = 0;
    // Answers from an earlier show are told apart by this number in their ticket.
    quint32 m_showNumber = 0;
};

} // namespace vellumora
