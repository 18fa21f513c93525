#pragma once

#include "images/PictureDecoder.h"
#include "settings/ShowOptions.h"
#include "show/ShowArithmetic.h"
#include "storage/NativePath.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <functional>

class QRandomGenerator;

namespace vellumora {

// A slideshow from Start to Back: which picture and affirmation come next, in order or at
// random, where the window goes, and the affirmation's glide. It decides and emits; the
// window draws what it is told. Pictures are decoded elsewhere: the show asks for a decode
// and is answered with its ticket; answers to an earlier show are dropped. A picture that
// cannot be decoded is passed over for the rest of the show.
class Show : public QObject {
    Q_OBJECT
public:
    // Pictures are shown 433 x 337 px.
    static inline const QSize kPictureSize { 433, 337 };
    // The window's width, which the gliding affirmation turns at.
    static constexpr int kWindowWidthTwips = 6495;
    // The caption while no affirmation is ticked.
    static QString noAffirmation() { return tr("You Are Not Selected Any Affirmation"); }

    struct Plan {
        QList<NativePath> pictures; // picture k is pictures[k - 1]
        QStringList affirmations;
        int pictureMs = 5000;
        int glideStepMs = 50;
        bool randomOrder = false;
        bool randomPlace = false;
        // Device pixels per pixel of the window: pictures are decoded at its full sharpness.
        qreal pixelRatio = 1.0;
        // What stands in for picture k until its decode is back (its thumbnail).
        std::function<QImage(int)> standIn;
        PictureFit fit = PictureFit::Stretch;
        // The picture area, in pixels, and the strip's width the caption turns beyond.
        QSize pictureSize = kPictureSize;
        int captionTurnTwips = kWindowWidthTwips;
        // The caption's font, which its width and so the glide's turns depend on.
        QFont captionFont;
        // The display's refresh: the caption is never moved more often.
        double frameMs = 1000.0 / 60;
    };

    explicit Show(QRandomGenerator& random, QObject* parent = nullptr);
    // What pictureWanted asks for a picture area at the screen's device pixel ratio: the same
    // for the copies made before a show as for the show's own.
    static QSize decodedSize(const QSize& pictureArea, qreal pixelRatio);
    static PictureDecoder::Fit decoderFit(PictureFit fit);
    // The monotonic clock the glide's place is computed from, in nanoseconds.
    void setClock(std::function<qint64()> nowNs) { m_nowNs = std::move(nowNs); }

    // Shows picture 1 and the first affirmation, and starts the picture timer and the glide.
    void start(Plan plan);
    void stop();
    // The picture timer's tick: the next picture and affirmation.
    void advance();
    // Where the window goes in this screen area at this tick: centred, or at random wholly on it.
    QPoint placeIn(const QRect& screenArea, const QSize& windowSize);
    // The library changed while the show runs: the next tick takes these pictures and
    // affirmations. The picture and the caption shown now stay until then.
    void setContent(const QList<NativePath>& pictures, const QStringList& affirmations);
    // Another font for the caption, which the glide turns by from now on.
    void setCaptionFont(const QFont& font);
    // The picture area changed: the pictures asked for from now on are decoded at this size.
    void setPictureSize(const QSize& size) { m_plan.pictureSize = size; }

    // A decode asked for with pictureWanted is back; null when the picture cannot be decoded.
    void pictureDecoded(quint64 ticket, const QImage& picture);

signals:
    void pictureWanted(quint64 ticket, const NativePath& path, const QSize& size, int priority,
        vellumora::PictureDecoder::Fit fit);
    void pictureChanged(const QImage& picture);
    // The caption as it is drawn, shortened where it is very long.
    void captionChanged(const QString& caption);
    // The caption's left edge in its strip, in twips; at most once a display frame.
    void captionMoved(int leftTwips);
    // The affirmation of this index in the plan is the one shown now.
    void affirmationShown(int index);
    // A tick has set the picture and caption: the window goes to its place and shows.
    void advanced();
    // Not one picture of the show can be decoded.
    void nothingToShow();

private:
    void glideFrame();
    void setCaption(const QString& caption);
    void showPicture(int number);
    void requestPicture(int number, int priority);
    void requestAhead();
    int nextPictureNumber() const;
    // The first picture after this one in order, or drawn at random, that is not known to be
    // unreadable; 0 when all are.
    int readableAfter(int number) const;
    int randomReadable();
    void passOver(int number);
    int pictureCount() const { return int(m_plan.pictures.size()); }

    QRandomGenerator& m_random;
    Plan m_plan;
    bool m_running = false;
    // Children, so they can be found by name.
    QTimer m_pictureTimer { this };
    QTimer m_glideTimer { this };
    show::Glide m_glide;
    std::function<qint64()> m_nowNs;
    qint64 m_glideStartNs = 0;
    int m_captionLeft = 0;
    QString m_caption;
    int m_captionWidthTwips = 0;

    int m_affirmationIndex = 0;
    int m_pictureIndex = 0;
    // Pictures at show size: the one shown and the one decoded ahead for the next tick.
    QHash<int, QImage> m_pictures;
    int m_shownNumber = 0;
    int m_aheadNumber = 0;
    QSet<int> m_unreadable;
    // Answers from an earlier show are told apart by this number in their ticket.
    quint32 m_generation = 0;
};

} // namespace vellumora
