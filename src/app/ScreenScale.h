#pragma once
// The screens are drawn for 1024 × 768. On another screen every window is scaled by one factor
// so that this area fits the screen (Qt's high-DPI scaling: pictures are drawn at the scaled
// size), and windows placed by the screens keep their place inside that area, centred.
// [VARIABLES] Escala of config.ini: empty or absent = automatic, "No" = off, a number = that
// factor. A QT_SCALE_FACTOR set outside wins.
#include <QPoint>
#include <QSize>
#include <QString>

namespace ScreenScale {

inline constexpr QSize kDesign{1024, 768};

// The factor that fits kDesign into a screen of that size (1 when it is the design size).
double FitFactor(const QSize& screen);

// The factor for the setting and the screen: 0 means no scaling. Automatic scaling only enlarges:
// a screen smaller than 1024 × 768 shows the windows at their own size.
double Choose(const QString& setting, const QSize& screen);

// Before the application object exists: reads the setting, measures the primary screen when
// the setting is automatic, and sets QT_SCALE_FACTOR. Returns the factor set (0: none).
double Apply(int argc, char** argv);

}  // namespace ScreenScale
