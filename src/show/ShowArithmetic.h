#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

namespace vellumora::show {

// Nearest whole number, halves to the even neighbour.
int roundHalfEven(double value);

// Random fractions r are uniform in [0, 1).
// A picture number from 1 to count, each equally likely: the integer part of count x r + 1.
int randomPicture(int count, double r);
// An affirmation index from 0 to lastIndex: r x lastIndex rounded halves to even, so the first
// and the last are half as likely as the others.
int randomAffirmation(int lastIndex, double r);
// The next position in order, wrapping from last to first.
int nextPicture(int index, int count); // pictures count from 1
int nextAffirmation(int index, int lastIndex); // affirmations count from 0

// Where the window goes, in twips relative to the screen's top left. Random: each difference
// times its own fraction, rounded halves to even, so a window that fits lies wholly on the
// screen; a window larger than the screen gets a place between the negative difference and 0.
QPoint randomPlace(QSize screenTwips, QSize windowTwips, double rTop, double rLeft);
// Centre: half the differences, not rounded.
QPointF centrePlace(QSize screenTwips, QSize windowTwips);

// The affirmation's glide, in twips: one step of 20 twips, or a turn.
struct Glide {
    static constexpr int kStep = 20;
    int left = 120; // the label's left edge in its strip
    bool rightward = true;
    qint64 taken = 0; // steps and turns since the glide began

    // One step, or a turn once the label has left the window on the side it moves to.
    void tick(int labelWidth, int windowWidth);
    // The left edge once `steps` steps are due since the glide began, a fraction of one
    // included: every whole step not yet taken is taken, and the glide is the fraction of the
    // way into the next (a turn stands still). Never goes back.
    double at(double steps, int labelWidth, int windowWidth);
};

// The music status: "Playing <name>" CR LF "Remaining Time:-<elapsed> Seconds Of <total> Seconds",
// where name is the file name without folder and extension (the whole name when it has none);
// "Playing <name>" alone while the length is not known.
QString musicStatus(const QString& path, qint64 positionMs, qint64 lengthMs);

} // namespace vellumora::show
