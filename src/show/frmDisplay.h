#pragma once

#include "platform/FontChoice.h"
#include "show/ShowArithmetic.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace vellumora {

class FrameShape;
class MediaControl;
class Platform;

// The slideshow window: a borderless 433 x 377 px window (410 px while music plays) with the
// picture stretched into 433 x 337, the frame shape over it, the affirmation gliding in the
// strip below, the Back button and the music strip. Made hidden; the launcher prepares and
// shows it, and Back (or closing it from the desktop) asks for it to be discarded.
class frmDisplay : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 6495;
    static constexpr int kHeightTwips = 5655;
    static constexpr int kMusicHeightTwips = 6150;

    explicit frmDisplay(Platform& platform, QWidget* parent = nullptr);
    ~frmDisplay() override;

    MediaControl& mmcAudio() { return *m_mmcAudio; }

    void setPicture(const QImage& picture);
    QImage picture() const { return m_picture; }
    void setCaption(const QString& caption);
    QString caption() const;
    void setFrame(int borderShape, int fillStyle);
    const FrameShape& frame() const { return *shpFrame; }
    void setAffirmationFont(const FontChoice& choice);
    QFont affirmationFont() const;
    QColor affirmationColour() const;

    // The affirmation's glide: the launcher starts it at the chosen pace; each turn asks for
    // the pace again.
    void startGlide(int stepMs, std::function<int()> paceAtTurn);
    void stopGlide();
    const show::Glide& glide() const { return m_glide; }
    void TimeDisplay_Timer();
    void TimeDisplayOne_Timer();

    // Music on: the strip shows and the status comes from the player for this path.
    void showMusicStrip(std::function<QString()> musicPath);
    // Music off: the strip is emptied and hidden.
    void hideMusicStrip();
    void mmcAudio_StatusUpdate();
    QString musicStatus() const;

signals:
    void backRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void placeLabel();
    void glideStep(QTimer& running, QTimer& other);

    std::unique_ptr<MediaControl> m_mmcAudio;
    QImage m_picture;
    show::Glide m_glide;
    std::function<int()> m_paceAtTurn;
    std::function<QString()> m_musicPath;

    FrameShape* shpFrame = nullptr;
    QPushButton* cmdBack = nullptr;
    QWidget* picContainer = nullptr;
    QLabel* lblAffirmationDisplay = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* lblAudio = nullptr;
    QTimer TimeDisplay;
    QTimer TimeDisplayOne;
};

} // namespace vellumora
