#include "show/Show.h"

#include "widgets/ShownText.h"
#include "widgets/Twips.h"

#include <QFontMetrics>
#include <QRandomGenerator>
#include <chrono>
#include <cmath>

namespace vellumora {

PictureDecoder::Fit Show::decoderFit(PictureFit fit)
{
    switch (fit) {
    case PictureFit::Fit:
        return PictureDecoder::Fit::Contain;
    case PictureFit::Fill:
        return PictureDecoder::Fit::Cover;
    case PictureFit::Stretch:
        break;
    }
    return PictureDecoder::Fit::Stretch;
}

QSize Show::decodedSize(const QSize& pictureArea, qreal pixelRatio)
{
    return (QSizeF(pictureArea) * pixelRatio).toSize();
}

Show::Show(QRandomGenerator& random, QObject* parent)
    : QObject(parent)
    , m_random(random)
{
    m_pictureTimer.setObjectName(QStringLiteral("Timer1"));
    m_glideTimer.setObjectName(QStringLiteral("TimeDisplay"));
    // The place is the clock's, so a late frame shows the caption where it belongs; a precise
    // timer keeps the frames evenly apart.
    m_glideTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_pictureTimer, &QTimer::timeout, this, &Show::advance);
    connect(&m_glideTimer, &QTimer::timeout, this, &Show::glideFrame);
    m_nowNs = [] {
        return qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
                          .count());
    };
}

void Show::start(Plan plan)
{
    m_plan = std::move(plan);
    m_running = true;
    ++m_generation;
    m_pictures.clear();
    m_unreadable.clear();
    m_aheadNumber = 0;
    m_pictureIndex = 0;
    m_affirmationIndex = 0;
    m_glide = {};
    m_glideStartNs = m_nowNs();
    m_captionLeft = m_glide.left;
    showPicture(1);
    m_pictureTimer.start(m_plan.pictureMs);
    // A glide slower than the display moves a step a frame, as it always has; a faster one is
    // drawn once a frame, where the clock says it is, the steps between never drawn.
    const int stepMs = std::max(1, m_plan.glideStepMs);
    m_glideTimer.start(stepMs >= m_plan.frameMs ? stepMs : int(std::ceil(m_plan.frameMs)));
    setCaption(m_plan.affirmations.isEmpty() ? noAffirmation() : m_plan.affirmations.constFirst());
    emit captionMoved(m_captionLeft);
    if (!m_plan.affirmations.isEmpty()) {
        emit affirmationShown(0);
    }
}

void Show::stop()
{
    m_running = false;
    m_pictureTimer.stop();
    m_glideTimer.stop();
    m_pictures.clear();
    ++m_generation;
}

void Show::advance()
{
    const QStringList& affirmations = m_plan.affirmations;
    if (m_plan.randomOrder) {
        // Drawn when the picture was decoded ahead; drawn now if it was not.
        const int number = m_aheadNumber > 0 ? m_aheadNumber : randomReadable();
        m_aheadNumber = 0;
        showPicture(number);
        if (!affirmations.isEmpty()) {
            const int last = int(affirmations.size()) - 1;
            const int drawn = show::randomAffirmation(last, m_random.generateDouble());
            setCaption(affirmations.at(drawn));
            emit affirmationShown(drawn);
        }
    } else {
        m_pictureIndex = readableAfter(m_pictureIndex);
        showPicture(m_pictureIndex);
        if (!affirmations.isEmpty()) {
            m_affirmationIndex = show::nextAffirmation(m_affirmationIndex, int(affirmations.size()) - 1);
            setCaption(affirmations.at(m_affirmationIndex));
            emit affirmationShown(m_affirmationIndex);
        }
    }
    emit advanced();
}

QPoint Show::placeIn(const QRect& screenArea, const QSize& windowSize)
{
    const QSize screenTwips = screenArea.size() * kTwipsPerPixel;
    const QSize windowTwips = windowSize * kTwipsPerPixel;
    QPoint place;
    if (m_plan.randomPlace) {
        const double rTop = m_random.generateDouble();
        const QPoint twips = show::randomPlace(screenTwips, windowTwips, rTop, m_random.generateDouble());
        place = QPoint(twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel);
    } else {
        const QPointF twips = show::centrePlace(screenTwips, windowTwips);
        place = QPoint(
            int(std::floor(twips.x() / kTwipsPerPixel)), int(std::floor(twips.y() / kTwipsPerPixel)));
    }
    return screenArea.topLeft() + place;
}

void Show::setContent(const QList<NativePath>& pictures, const QStringList& affirmations)
{
    if (!m_running) {
        return;
    }
    // The order goes on from the picture and the affirmation shown, where they are still there.
    const NativePath shown = m_shownNumber >= 1 && m_shownNumber <= pictureCount()
        ? m_plan.pictures.at(m_shownNumber - 1)
        : NativePath();
    const QString caption = m_plan.affirmations.value(m_affirmationIndex);
    m_plan.pictures = pictures;
    m_plan.affirmations = affirmations;
    // Decodes asked for by number are of the old list.
    ++m_generation;
    m_pictures.clear();
    m_unreadable.clear();
    m_aheadNumber = 0;
    const int shownNumber = int(pictures.indexOf(shown)) + 1;
    m_shownNumber = shownNumber;
    // One that is gone leaves the order where it stood: the one after it comes next.
    m_pictureIndex = shownNumber > 0 ? shownNumber : std::clamp(m_pictureIndex - 1, 0, pictureCount());
    const int affirmation = int(affirmations.indexOf(caption));
    m_affirmationIndex = affirmation >= 0
        ? affirmation
        : std::clamp(m_affirmationIndex - 1, -1, int(affirmations.size()) - 1);
    if (pictures.isEmpty()) {
        emit nothingToShow();
        return;
    }
    requestAhead();
}

void Show::setCaptionFont(const QFont& font)
{
    m_plan.captionFont = font;
    if (!m_caption.isNull()) {
        setCaption(m_caption);
    }
}

void Show::setCaption(const QString& caption)
{
    m_caption = shownText(caption);
    const int pixels = std::max(1, QFontMetrics(m_plan.captionFont).horizontalAdvance(m_caption));
    m_captionWidthTwips = pixels * kTwipsPerPixel;
    emit captionChanged(m_caption);
}

void Show::glideFrame()
{
    const double steps = double(m_nowNs() - m_glideStartNs) / 1e6 / std::max(1, m_plan.glideStepMs);
    const int left = int(std::lround(m_glide.at(steps, m_captionWidthTwips, m_plan.captionTurnTwips)));
    if (left != m_captionLeft) {
        m_captionLeft = left;
        emit captionMoved(left);
    }
}

int Show::nextPictureNumber() const
{
    return m_plan.randomOrder ? m_aheadNumber : readableAfter(m_pictureIndex);
}

int Show::readableAfter(int number) const
{
    for (int step = 0; step < pictureCount(); ++step) {
        number = show::nextPicture(number, pictureCount());
        if (!m_unreadable.contains(number)) {
            return number;
        }
    }
    return 0;
}

int Show::randomReadable()
{
    const int drawn = show::randomPicture(pictureCount(), m_random.generateDouble());
    return m_unreadable.contains(drawn) ? readableAfter(drawn) : drawn;
}

void Show::showPicture(int number)
{
    m_shownNumber = number;
    if (m_pictures.contains(number)) {
        emit pictureChanged(m_pictures.value(number));
    } else {
        // Until its decode is back the thumbnail stands in; without one the last picture stays.
        if (const QImage standIn = m_plan.standIn ? m_plan.standIn(number) : QImage(); !standIn.isNull()) {
            emit pictureChanged(standIn);
        }
        requestPicture(number, 1);
    }
    // Only the picture shown and the next stay decoded.
    const int keep = m_pictures.value(number).isNull() ? 0 : number;
    for (auto it = m_pictures.begin(); it != m_pictures.end();) {
        it = it.key() == keep ? std::next(it) : m_pictures.erase(it);
    }
    requestAhead();
}

void Show::requestAhead()
{
    if (m_plan.randomOrder && m_aheadNumber == 0) {
        m_aheadNumber = randomReadable();
    }
    const int ahead = nextPictureNumber();
    if (ahead > 0 && ahead != m_shownNumber && !m_pictures.contains(ahead)) {
        requestPicture(ahead, 0);
    }
}

void Show::passOver(int number)
{
    m_unreadable.insert(number);
    if (m_unreadable.size() >= pictureCount()) {
        emit nothingToShow();
        return;
    }
    if (number == m_aheadNumber) {
        m_aheadNumber = 0;
    }
    if (number != m_shownNumber) {
        requestAhead();
        return;
    }
    // The picture due now goes on to the next one at once, in the same place and caption.
    if (m_plan.randomOrder) {
        showPicture(randomReadable());
    } else {
        m_pictureIndex = readableAfter(number);
        showPicture(m_pictureIndex);
    }
}

void Show::requestPicture(int number, int priority)
{
    if (number >= 1 && number <= pictureCount()) {
        emit pictureWanted(quint64(m_generation) << 32 | quint32(number), m_plan.pictures.at(number - 1),
            decodedSize(m_plan.pictureSize, m_plan.pixelRatio), priority, decoderFit(m_plan.fit));
    }
}

void Show::pictureDecoded(quint64 ticket, const QImage& picture)
{
    if (!m_running || quint32(ticket >> 32) != m_generation) {
        return;
    }
    const int number = int(ticket & 0xFFFFFFFF);
    if (picture.isNull()) {
        passOver(number);
    } else if (number == m_shownNumber) {
        m_pictures.insert(number, picture);
        emit pictureChanged(picture);
    } else if (number == nextPictureNumber()) {
        m_pictures.insert(number, picture);
    }
}

} // namespace vellumora
