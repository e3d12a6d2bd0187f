// The screens, drawn for 1024 × 768, fill a kiosk's screen of another size: the login window is
// scaled by the one factor that fits 1024 × 768 into the screen and stays centred, or keeps its
// size when [VARIABLES] Escala says No, or takes the factor Escala fixes. The program runs on Qt's
// off-screen platform with a screen of that size and pictures it (PORTAL_CAPTURA_PANTALLA); the
// pictures stay in the build folder (tests/shots/) for people to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>

#include "app/ScreenScale.h"
#include "session/ScreenPicture.h"
#include "support/BuildPaths.h"
#include "support/DemoTerminal.h"
#include "toolkit/TIni.h"

namespace {


struct Screen {
  const char* name;
  QSize size;
  const char* escala;
  double factor;  // expected
};

}  // namespace

TEST(ScaledScreen, TheLoginFillsTheScreenByOneFactorAndStaysCentred) {
  const QList<Screen> screens = {
      {"1920x1080", {1920, 1080}, "", 1080.0 / 768},
      {"1280x1024", {1280, 1024}, "", 1280.0 / 1024},
      {"1024x768", {1024, 768}, "", 1.0},
      {"960x720-only-enlarged", {960, 720}, "", 1.0},
      {"1920x1080-Escala-No", {1920, 1080}, "No", 1.0},
      {"1920x1080-Escala-1.2", {1920, 1080}, "1.2", 1.2},
  };
  const QString shots = BuildPaths::Binary(QStringLiteral("/tests/shots"));
  QDir().mkpath(shots);
  for (const Screen& s : screens) {
    SCOPED_TRACE(s.name);
    EXPECT_NEAR(ScreenScale::Choose(QString::fromLatin1(s.escala), s.size) == 0 ? 1.0 : ScreenScale::Choose(QString::fromLatin1(s.escala), s.size),
                s.factor, 1e-9);
    DemoTerminal t;
    TIni(t.file(u"config.ini"_qs)).SetEntry(u"VARIABLES"_qs, u"Escala"_qs, QString::fromLatin1(s.escala));
    QFile config(t.file(u"screens.json"_qs));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral(R"({"windowFrameMargins": false, "screens": [{"name": "KIOSCO", "x": 0, "y": 0, "width": %1, "height": %2,
                                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(s.size.width())
                     .arg(s.size.height())
                     .toUtf8());
    config.close();
    const QString shot = shots + u"/login-"_qs + QString::fromLatin1(s.name) + u".png"_qs;
    QFile::remove(shot);
    QProcess portal;
    portal.setWorkingDirectory(t.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen:configfile="_qs + config.fileName());
    env.remove(u"QT_SCALE_FACTOR"_qs);
    env.insert(u"PORTAL_CAPTURA_PANTALLA"_qs, shot);
    env.insert(u"PORTAL_SALIR_TRAS_LOGIN"_qs, u"1"_qs);
    portal.setProcessEnvironment(env);
    portal.start(BuildPaths::Binary(u"/portal-empleado"_qs), {});
    ASSERT_TRUE(portal.waitForFinished(120000));
    EXPECT_EQ(portal.exitCode(), 0) << portal.readAllStandardError().toStdString();

    const QImage picture(shot);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), s.size);
    const QRect drawn = ScreenPicture::Drawn(picture.convertToFormat(QImage::Format_RGB32));
    // The login centres its frame (1033 × 737 at the design size) on the screen in Qt's units; its
    // inside (kLogin) starts at the frame's corner on a platform without frames. In the screen's
    // pixels that is the factor times as large, cut to the screen.
    const QSizeF logical = QSizeF(s.size) / s.factor;
    const QRectF inside(QPointF((logical.width() - 1033) / 2, (logical.height() - 737) / 2), QSizeF(ScreenPicture::kLogin));
    const QRect expected = QRectF(inside.topLeft() * s.factor, inside.size() * s.factor).toRect() & QRect(QPoint(0, 0), s.size);
    EXPECT_NEAR(drawn.left(), expected.left(), 3);
    EXPECT_NEAR(drawn.top(), expected.top(), 3);
    EXPECT_NEAR(drawn.right(), expected.right(), 3);
    EXPECT_NEAR(drawn.bottom(), expected.bottom(), 3);
  }
}
