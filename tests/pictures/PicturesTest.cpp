// The compiled-in pictures: every name the screens use resolves to a valid SVG
// of the right size, and the keyboard backgrounds match resources/keyboards.json.
#include <gtest/gtest.h>

#include "support/BuildPaths.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRect>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "toolkit/Pictures.h"

namespace {

QString resourcePath(const QString& name) {
  return QStringLiteral(":/pictures/") + name.toLower() + QStringLiteral(".svg");
}

QByteArray readResource(const QString& name) {
  QFile f(resourcePath(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage render(const QString& name, QSize size) {
  QSvgRenderer renderer(resourcePath(name));
  QImage img(size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  renderer.render(&p);
  return img;
}

// Backgrounds, as the screens name them, with the size of the area they cover.
struct Background { const char* name; int width; int height; };
const Background kBackgrounds[] = {
    {"ADMINISTRADOR", 962, 622},
    {"AUSENTISMOS", 851, 548},
    {"Autorizacion", 862, 558},
    {"DatosNomina", 1003, 687},
    {"DATOSPERSONALES", 1005, 687},
    {"IMAGENLOGIN", 1017, 698},
    {"ImagenLoginMayusculasNumeros", 1017, 698},
    {"IMAGENLOGINMINUSCULONUMEROS", 1017, 698},
    {"IMAGENNUEVOPASSWORD", 1006, 686},
    {"IMPRIMIR", 870, 566},
    {"Imprimirv2", 870, 566},
    {"Politicas", 862, 558},
    {"portalDelEmpleado_MEnufinal", 1006, 694},
    {"Recibos", 862, 562},
    {"SOLICITARVAC", 1014, 698},
    {"SolicitarVacacionesNuevo", 1014, 698},
    {"Solicitudes", 862, 554},
    {"Teclado", 1010, 694},
    {"TecladoEdicionDatos", 1005, 687},
    {"TECLADONUMERICO", 1014, 698},
    {"TiempoExtra", 866, 570},
    {"Vacaciones", 866, 558},
};

const char* const kButtons[] = {
    "AMARILLO", "angulo2", "ANGULOANTERIOR", "BUSCAR", "buscar2", "CENTRO", "config", "correcto",
    "darkGreen", "darkRed", "editar", "EDITAR2", "ENVIA", "fechaabajo", "fechaarriba", "GRAFICAS2",
    "GRAFICAS22", "guardar", "lightYellow", "masFlujo", "menosFlujo", "PERFIL", "PERFILES2",
    "PERFILGUARDA", "perfilmas", "perfilmenos", "puertasalida", "REGRESA", "RESPALDAR", "salir",
    "tacha3", "tacha33", "transparente", "usuariomas", "printer1",
};

// Keyboard backgrounds and the screen whose key table each one draws.
struct KeyboardPicture { const char* picture; const char* screen; };
const KeyboardPicture kKeyboards[] = {
    {"ImagenLoginMayusculasNumeros", "TRegistro"},
    {"IMAGENLOGINMINUSCULONUMEROS", "TRegistro"},
    {"IMAGENLOGIN", "TRegistro"},
    {"IMAGENNUEVOPASSWORD", "TPassword"},
    {"TecladoEdicionDatos", "TInformacionGeneral"},
    {"DATOSPERSONALES", "TInformacionGeneral"},
    {"Teclado", "THijos"},
    {"SolicitarVacacionesNuevo", "TSolicitarVacaciones"},
    {"SOLICITARVAC", "TSolicitarVacaciones"},
    {"TECLADONUMERICO", "TSolicitarVacaciones"},
};

QJsonObject keyboardTables() {
  QFile f(BuildPaths::Source() + QStringLiteral("/resources/keyboards.json"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QJsonDocument::fromJson(f.readAll()).object();
}

std::string nameOf(const QJsonObject& key) { return key.value("name").toString().toStdString(); }

QRect keyRect(const QJsonObject& key) {
  return QRect(key.value("x").toInt(), key.value("y").toInt(), key.value("w").toInt(), key.value("h").toInt());
}

}  // namespace

TEST(Pictures, EveryBackgroundLoadsAtTheSizeOfItsScreen) {
  for (const auto& bg : kBackgrounds) {
    SCOPED_TRACE(bg.name);
    QSvgRenderer renderer(resourcePath(QString::fromLatin1(bg.name)));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, bg.width, bg.height));
  }
}

TEST(Pictures, EveryButtonPictureLoadsAsASquare) {
  for (const char* name : kButtons) {
    SCOPED_TRACE(name);
    QSvgRenderer renderer(resourcePath(QString::fromLatin1(name)));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_FALSE(renderer.viewBox().isEmpty());
    EXPECT_EQ(renderer.viewBox().width(), renderer.viewBox().height());
  }
}

TEST(Pictures, NoPictureOutsideTheTable) {
  QSet<QString> known;
  for (const auto& bg : kBackgrounds) known.insert(QString::fromLatin1(bg.name).toLower() + ".svg");
  for (const char* name : kButtons) known.insert(QString::fromLatin1(name).toLower() + ".svg");
  const QStringList present = QDir(QStringLiteral(":/pictures")).entryList(QDir::Files);
  EXPECT_EQ(present.size(), known.size());
  for (const QString& file : present) EXPECT_TRUE(known.contains(file)) << file.toStdString();
}

TEST(Pictures, StatusImagesShowTheirColour) {
  // Grid status squares: authorised green, rejected red, pending light yellow.
  struct Case { const char* name; bool (*looksRight)(const QColor&); };
  const Case cases[] = {
      {"darkGreen", [](const QColor& c) { return c.green() > c.red() + 60 && c.green() > c.blue() + 60 && c.value() < 170; }},
      {"darkRed", [](const QColor& c) { return c.red() > c.green() + 60 && c.red() > c.blue() + 60 && c.value() < 190; }},
      {"AMARILLO", [](const QColor& c) { return c.red() > 200 && c.green() > 170 && c.blue() < 90; }},
      {"lightYellow", [](const QColor& c) { return c.red() > 230 && c.green() > 220 && c.blue() > 120 && c.blue() < 220; }},
  };
  for (const auto& c : cases) {
    const QColor mid = render(QString::fromLatin1(c.name), QSize(20, 20)).pixelColor(10, 10);
    EXPECT_TRUE(c.looksRight(mid)) << c.name << " " << mid.name().toStdString();
  }
  const QImage clear = render("TRANSPARENTE", QSize(20, 20));
  for (int y = 0; y < clear.height(); ++y)
    for (int x = 0; x < clear.width(); ++x) ASSERT_EQ(qAlpha(clear.pixel(x, y)), 0);
}

TEST(Keyboards, KeysNeverOverlap) {
  const QJsonObject tables = keyboardTables();
  ASSERT_FALSE(tables.isEmpty());
  for (auto it = tables.begin(); it != tables.end(); ++it) {
    SCOPED_TRACE(it.key().toStdString());
    const QJsonArray keys = it.value().toArray();
    for (int i = 0; i < keys.size(); ++i)
      for (int j = i + 1; j < keys.size(); ++j)
        EXPECT_FALSE(keyRect(keys[i].toObject()).intersects(keyRect(keys[j].toObject())))
            << nameOf(keys[i].toObject()) << " " << nameOf(keys[j].toObject());
  }
}

TEST(Keyboards, KeysLieInsideTheirPicture) {
  const QJsonObject tables = keyboardTables();
  for (const auto& kb : kKeyboards) {
    SCOPED_TRACE(kb.picture);
    const QJsonArray keys = tables.value(QString::fromLatin1(kb.screen)).toArray();
    ASSERT_FALSE(keys.isEmpty());
    const QRect box = QSvgRenderer(resourcePath(QString::fromLatin1(kb.picture))).viewBox();
    for (const auto& v : keys) {
      const QRect r = keyRect(v.toObject());
      EXPECT_FALSE(r.isEmpty()) << nameOf(v.toObject());
      EXPECT_TRUE(box.contains(r)) << nameOf(v.toObject());
    }
  }
}

TEST(Keyboards, EveryKeyHasAFaceInItsPicture) {
  const QJsonObject tables = keyboardTables();
  for (const auto& kb : kKeyboards) {
    SCOPED_TRACE(kb.picture);
    const QByteArray svg = readResource(QString::fromLatin1(kb.picture));
    const QJsonArray keys = tables.value(QString::fromLatin1(kb.screen)).toArray();
    ASSERT_FALSE(keys.isEmpty());
    QSet<QString> names;
    for (const auto& v : keys) {
      const QString name = v.toObject().value("name").toString();
      EXPECT_FALSE(names.contains(name)) << "duplicate " << name.toStdString();
      names.insert(name);
      EXPECT_FALSE(v.toObject().value("face").toString().isEmpty()) << name.toStdString();
      EXPECT_TRUE(svg.contains(QStringLiteral("id=\"key-%1\"").arg(name).toUtf8())) << name.toStdString();
    }
  }
}

TEST(Keyboards, FullKeyboardsCarryEveryKeyOfTheLayout) {
  // Letters, digits and the six special keys of the full keyboard.
  QStringList expected = {"btnMayusculas", "btnMinusculas", "btnRetroceso", "btnEspacio", "btnFlechaIzq",
                          "btnFlechaDer", "btnEe", "BtnSs", "BtnD", "btnGg", "btnHh", "btnEne"};
  for (char c = '0'; c <= '9'; ++c) expected << QStringLiteral("btn") + QChar(c);
  for (const char* l : {"Q", "W", "R", "T", "Y", "U", "I", "O", "P", "A", "F", "J", "K", "L", "Z", "X", "C", "V",
                        "B", "N", "M"})
    expected << QStringLiteral("btn") + QString::fromLatin1(l);
  const QJsonObject tables = keyboardTables();
  for (const char* screen : {"TRegistro", "TPassword", "TInformacionGeneral", "THijos"}) {
    SCOPED_TRACE(screen);
    QSet<QString> names;
    for (const auto& v : tables.value(QString::fromLatin1(screen)).toArray())
      names.insert(v.toObject().value("name").toString());
    for (const QString& name : expected) EXPECT_TRUE(names.contains(name)) << name.toStdString();
  }
}

// ---- Drawn once, read back on later starts ---------------------------------------------------

TEST(PictureCache, ABackgroundDrawnOnceIsReadBackAsDrawnAndAFileThatDoesNotMatchIsDrawnAgain) {
  QTemporaryDir dir;
  const QString before = Pictures::CacheFolder();
  Pictures::SetCacheFolder(dir.filePath(QStringLiteral("dibujos")));
  const QString name = QStringLiteral("ImagenLoginMayusculasNumeros");
  const QSize size(1017, 698);
  Pictures::SetCacheFolder(QString());
  const QImage drawn = Pictures::Load(name, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  ASSERT_FALSE(drawn.isNull());
  Pictures::SetCacheFolder(dir.filePath(QStringLiteral("dibujos")));
  const QString file = dir.filePath(QStringLiteral("dibujos/imagenloginmayusculasnumeros-1017x698.argb"));

  const QImage first = Pictures::Load(name, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(first, drawn);
  ASSERT_TRUE(QFile::exists(file));
  const QByteArray kept = [&] {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  ASSERT_EQ(kept.size(), 32 + drawn.sizeInBytes());  // header, then the pixels

  struct Spoil {
    const char* name;
    QByteArray bytes;  // what the file holds before the load
  };
  QByteArray otherSource = kept;
  otherSource[8] = char(otherSource[8] ^ 0x5a);  // the hash of another SVG
  QByteArray otherSize = kept;
  otherSize[16] = char(otherSize[16] + 1);
  const Spoil spoils[] = {
      {"kept as drawn", kept},
      {"cut short", kept.left(kept.size() / 2)},
      {"empty", QByteArray()},
      {"another picture's drawing", otherSource},
      {"another size's header", otherSize},
      {"not a drawing at all", QByteArray(kept.size(), 'x')},
  };
  // A window paints it from the file; what it paints is what Load gives.
  const auto painted = [&] {
    QImage window(size, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::transparent);
    QPainter p(&window);
    Pictures::Draw(p, QRectF(QPointF(0, 0), QSizeF(size)), name, size);
    return window;
  };
  for (const Spoil& s : spoils) {
    for (const bool paint : {false, true}) {
      SCOPED_TRACE(std::string(s.name) + (paint ? ", painted" : ", loaded"));
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(s.bytes);
      f.close();
      Pictures::SetCacheFolder(dir.filePath(QStringLiteral("dibujos")));  // a new start
      EXPECT_EQ(paint ? painted() : Pictures::Load(name, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                drawn);
      QFile again(file);
      ASSERT_TRUE(again.open(QIODevice::ReadOnly));
      EXPECT_EQ(again.readAll(), kept);  // drawn again and kept again
    }
  }

  // Nowhere to keep them: still drawn, and painted.
  Pictures::SetCacheFolder(dir.filePath(QStringLiteral("dibujos/imagenloginmayusculasnumeros-1017x698.argb/no")));
  EXPECT_EQ(Pictures::Load(name, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn);
  EXPECT_EQ(painted(), drawn);
  Pictures::SetCacheFolder(QString());
  EXPECT_EQ(Pictures::Load(name, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn);
  EXPECT_EQ(painted(), drawn);
  EXPECT_EQ(QDir(dir.filePath(QStringLiteral("dibujos"))).entryList(QDir::Files).size(), 1);
  Pictures::SetCacheFolder(before);
}
