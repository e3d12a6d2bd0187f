#include "app/ScreenScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <vector>

#include "app/ConfigKeys.h"
#include "toolkit/TApplication.h"
#include "toolkit/TIni.h"

namespace ScreenScale {

namespace {

// Below this a factor is taken as 1: the screen is the design size.
constexpr double kNoticeable = 0.01;

// The primary screen's size in Qt's units, from a short-lived application object.
QSize measurePrimaryScreen(int argc, char** argv) {
  // The application object takes its options out of the list it is given: a copy, so that the
  // real one still sees them.
  std::vector<char*> args(argv, argv + argc);
  args.push_back(nullptr);
  int count = argc;
  QGuiApplication probe(count, args.data());
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize();
}

}  // namespace

double FitFactor(const QSize& screen) {
  if (screen.isEmpty()) return 1.0;
  return std::min(double(screen.width()) / kDesign.width(), double(screen.height()) / kDesign.height());
}

double Choose(const QString& setting, const QSize& screen) {
  if (const std::optional<double> fixed = ConfigKeys::FixedScale(setting)) return *fixed;
  // Only enlarged: below 1 this Qt draws texts cut short, and on Wayland not scaled at all.
  const double fit = FitFactor(screen);
  return fit < 1.0 + kNoticeable ? 0.0 : fit;
}

double Apply(int argc, char** argv) {
  if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return 0.0;
  const QString setting = TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Escala"));
  std::optional<double> fixed = ConfigKeys::FixedScale(setting);
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  // Tests and tools draw off screen at the design size unless a factor is fixed or the off-screen
  // platform is given screens of its own ("offscreen:configfile=...").
  if (!fixed && platform == "offscreen") return 0.0;
  const double factor = fixed ? *fixed : Choose(setting, measurePrimaryScreen(argc, argv));
  if (factor <= 0.0) return 0.0;
  qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'f', 4));
  Application::SetDesignArea(kDesign);
  return factor;
}

}  // namespace ScreenScale
