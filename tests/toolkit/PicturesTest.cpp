// Pictures: compiled-in names without regard to case, files by path, unknown names.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>

#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/Pictures.h"

namespace {
QStringList compiledIn() {
  QStringList names;
  QDirIterator it(QStringLiteral(":/pictures"));
  while (it.hasNext()) names << QFileInfo(it.next()).completeBaseName();
  return names;
}
}  // namespace

TEST(Pictures, ResourceNamesIgnoreCase) {
  EXPECT_EQ(Pictures::ResourcePath(QStringLiteral("ImagenLoginMayusculasNumeros")),
            ":/pictures/imagenloginmayusculasnumeros.svg");
  const QStringList names = compiledIn();
  if (names.isEmpty()) GTEST_SKIP() << "no pictures compiled in yet";
  const QString name = names.first();
  for (const QString& spelling : {name, name.toUpper(), name.left(1).toUpper() + name.mid(1)}) {
    SCOPED_TRACE(spelling.toStdString());
    EXPECT_TRUE(Pictures::Exists(spelling));
    const QPixmap pm = Pictures::Load(spelling, QSize(40, 30));
    ASSERT_FALSE(pm.isNull());
    EXPECT_EQ(pm.size(), QSize(40, 30));
  }
}

TEST(Pictures, EveryCompiledInPictureRenders) {
  for (const QString& name : compiledIn()) {
    EXPECT_FALSE(Pictures::Load(name, QSize(32, 32)).isNull()) << name.toStdString();
    EXPECT_FALSE(Pictures::NaturalSize(name).isEmpty()) << name.toStdString();
  }
}

TEST(Pictures, UnknownNamesGiveAnEmptyPictureAndOneWarning) {
  static QStringList warnings;
  warnings.clear();
  const QtMessageHandler old = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { warnings << m; });
  EXPECT_TRUE(Pictures::Load(QStringLiteral("NoExisteEstaImagen")).isNull());
  EXPECT_TRUE(Pictures::Load(QStringLiteral("noexisteestaimagen"), QSize(10, 10)).isNull());
  EXPECT_FALSE(Pictures::Exists(QStringLiteral("NoExisteEstaImagen")));
  EXPECT_TRUE(Pictures::Load(QString()).isNull());
  qInstallMessageHandler(old);
  EXPECT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings.value(0).contains(QStringLiteral("NoExisteEstaImagen")));
}

TEST(Pictures, FilesLoadByPath) {
  ScopedWorkDir dir;
  QImage img(20, 10, QImage::Format_RGB32);
  img.fill(Qt::red);
  ASSERT_TRUE(img.save(dir.file(QStringLiteral("logo.jpg"))));
  QFile svg(dir.file(QStringLiteral("firma.svg")));
  ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
  svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='30' height='15'><rect width='30' height='15' fill='blue'/></svg>");
  svg.close();

  EXPECT_EQ(Pictures::Load(dir.file(QStringLiteral("logo.jpg"))).size(), QSize(20, 10));
  EXPECT_EQ(Pictures::Load(QStringLiteral("logo.jpg"), QSize(40, 40)).size(), QSize(40, 40)) << "relative path";
  EXPECT_EQ(Pictures::Load(dir.file(QStringLiteral("firma.svg"))).size(), QSize(30, 15));
  const QImage blue = Pictures::Load(QStringLiteral("firma.svg")).toImage();
  EXPECT_EQ(QColor(blue.pixel(5, 5)), QColor(Qt::blue));
  EXPECT_TRUE(Pictures::Exists(QStringLiteral("logo.jpg")));
  EXPECT_TRUE(Pictures::Load(dir.file(QStringLiteral("falta.jpg"))).isNull());
}

// Pictures are kept once drawn: a caller painting over its copy leaves the next caller's
// intact, and a file replaced on disk is read again.
TEST(Pictures, KeptPicturesStayCleanAndFollowTheirFiles) {
  const QStringList names = compiledIn();
  if (names.isEmpty()) GTEST_SKIP() << "no pictures compiled in yet";
  QPixmap first = Pictures::Load(names.first(), QSize(24, 24));
  const QImage before = first.toImage();
  {
    QPainter p(&first);
    p.fillRect(first.rect(), Qt::magenta);
  }
  EXPECT_EQ(Pictures::Load(names.first(), QSize(24, 24)).toImage(), before);

  ScopedWorkDir dir;
  const QString logo = dir.file(QStringLiteral("logo.png"));
  const auto save = [&](const QSize& size, Qt::GlobalColor color) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    ASSERT_TRUE(img.save(logo));
  };
  save(QSize(20, 10), Qt::red);
  EXPECT_EQ(QColor(Pictures::Load(logo).toImage().pixel(1, 1)), QColor(Qt::red));
  save(QSize(30, 12), Qt::green);
  const QPixmap replaced = Pictures::Load(logo);
  EXPECT_EQ(replaced.size(), QSize(30, 12));
  EXPECT_EQ(QColor(replaced.toImage().pixel(1, 1)), QColor(Qt::green));
}
