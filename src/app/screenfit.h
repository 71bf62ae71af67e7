#pragma once
#include <QObject>
#include <QRect>
#include <QSize>

// The windows are laid out in fixed pixels for about 1024 x 770. On a
// smaller screen (1366 x 768 less a panel and a title bar) the whole program
// is scaled down uniformly, never so far that its smallest text (14 px)
// drops below 12 px. On a HiDPI screen the device-pixel ratio scales it up.

// The largest client area of any window, and room for a title bar and borders.
inline constexpr QSize kDesignClient{1024, 770};
inline constexpr QSize kFrameReserve{8, 36};
// 12 px for the smallest text of 14 px
inline constexpr double kMinScale = 12.0 / 14.0;

// The factor that fits design + frame into the available area: 1 when it
// fits already, never below minScale.
double FitScale(const QSize &available, const QSize &design = kDesignClient, const QSize &frame = kFrameReserve,
                double minScale = kMinScale);

// Before the application object exists: asks the screen for its available
// area (with a short-lived QGuiApplication) and sets QT_SCALE_FACTOR when
// the program must shrink (on top of a factor the user set).
void ApplyScreenFit(int argc, char *argv[]);

// Where a window of frame size `frame` at `at` must go so that it lies inside
// `area` (its top-left corner first, when it is larger).
QPoint PlaceInside(const QRect &frame, const QRect &area);

// Keeps every top-level window inside the available area of its screen as
// it is shown. Installed on the application.
class WindowPlacer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
