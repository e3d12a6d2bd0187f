// "Guardar PDF" at the kiosk: only to a removable medium mounted under the Medios folder,
// picked from a finger-sized list; read-only or full media get a message and keep nothing.
#include <gtest/gtest.h>

#include "DocumentsSupport.h"
#include "documents/TGuardaEnMemoria.h"
#include "reports/ReportModal.h"
#include "reports/ReportPreview.h"

namespace {

// A small file system mounted for one test, the way a USB memory appears under /media.
class Medium {
 public:
  Medium(const QString& path, const QString& options) : m_path(path) {
    QDir().mkpath(path);
    m_mounted =
        QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                    options, QStringLiteral("tmpfs"), path}) == 0;
  }
  ~Medium() {
    if (m_mounted) QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_path});
  }
  bool mounted() const { return m_mounted; }
  QStringList Files() const { return QDir(m_path).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot); }

 private:
  QString m_path;
  bool m_mounted = false;
};

// What the media list showed.
struct Offered {
  bool shown = false;
  QStringList media;  // the buttons' texts
};

// Presses "Guardar PDF" on the letter receipt's preview; the list answered with the medium
// `pick` (1-based, 0: "Cancelar").
Offered SaveReceipt(TRecibos* r, int pick, const QString& picture = QString()) {
  Offered o;
  TForm::SetModalHook([&](TForm& form) {
    auto* list = qobject_cast<TGuardaEnMemoria*>(&form);
    if (!list) return;
    o.shown = true;
    for (TButton* b : list->btnMedios) o.media << b->cText();
    if (!picture.isEmpty()) Render::ToPng(list, Kiosk::PicturePath(picture));
    (pick > 0 ? list->btnMedios.value(pick - 1) : list->btnCancelar)->Press();
  });
  ReportModal::SetHookForTests([](QDialog& dialog) {
    if (auto* preview = dynamic_cast<ReportPreview*>(&dialog)) preview->AskAndSave();
    return 0;
  });
  r->btnImprimeCartaClick();
  ReportModal::SetHookForTests({});
  TForm::SetModalHook(nullptr);
  return o;
}

const QString kGuardado = QStringLiteral("ReciboPortalCarta.pdf");

}  // namespace

TEST(SaveToMedium, OnlyRemovableMediaAreOfferedAndGetTheWholeDocument) {
  Docs::Session s(QStringLiteral("Medios=medios\n"));
  const QString root = s.terminal.file(QStringLiteral("medios"));
  QDir().mkpath(root + QStringLiteral("/no-montada"));  // a plain folder is no medium
  TRecibos* r = s.Receipts();

  // Nothing mounted: the message, and no list.
  EXPECT_FALSE(SaveReceipt(r, 1).shown);
  EXPECT_EQ(MsgSeam::Texts(), QStringList{GuardaEnMemoria::SinMemoria()});
  MsgSeam::Clear();

  Medium beto(root + QStringLiteral("/USB-BETO"), QStringLiteral("size=8m"));
  Medium ana(root + QStringLiteral("/usuario/USB-ANA"), QStringLiteral("size=8m"));
  if (!beto.mounted() || !ana.mounted()) GTEST_SKIP() << "mounting a test medium is not allowed here";
  const Offered o = SaveReceipt(r, 1, QStringLiteral("memorias.png"));
  ASSERT_TRUE(o.shown);
  ASSERT_EQ(o.media.size(), 2) << o.media.join('|').toStdString();
  EXPECT_TRUE(o.media[0].startsWith(QStringLiteral("USB-ANA   ("))) << o.media[0].toStdString();
  EXPECT_TRUE(o.media[1].startsWith(QStringLiteral("USB-BETO   ("))) << o.media[1].toStdString();
  EXPECT_EQ(ana.Files(), QStringList{kGuardado});
  EXPECT_EQ(
      MsgSeam::Texts(),
      QStringList{QStringLiteral("El documento se guardó en la memoria \"USB-ANA\" como \"%1\".").arg(kGuardado)});
  const QString saved = root + QStringLiteral("/usuario/USB-ANA/") + kGuardado;
  EXPECT_TRUE(Docs::Run(QStringLiteral("pdfinfo"), {saved}).contains(QStringLiteral("612 x 792 pts (letter)")));
  EXPECT_TRUE(
      Docs::Run(QStringLiteral("pdftotext"), {saved, QStringLiteral("-")}).contains(QStringLiteral("RECIBO DE N")));

  // The name is taken: a second copy beside it, nothing replaced; "Cancelar" writes nothing.
  MsgSeam::Clear();
  SaveReceipt(r, 1);
  EXPECT_EQ(ana.Files(), (QStringList{QStringLiteral("ReciboPortalCarta (2).pdf"), kGuardado}));
  MsgSeam::Clear();
  EXPECT_TRUE(SaveReceipt(r, 0).shown);
  EXPECT_TRUE(MsgSeam::Texts().isEmpty());
  EXPECT_TRUE(beto.Files().isEmpty());
  // Nothing on the kiosk's own disk.
  EXPECT_TRUE(QDir(s.terminal.path())
                  .entryList({QStringLiteral("*.pdf"), QStringLiteral("TEMP*")}, QDir::AllEntries)
                  .isEmpty());
  delete r;
}

TEST(SaveToMedium, ReadOnlyOrFullMediumKeepsNothing) {
  Docs::Session s(QStringLiteral("Medios=medios\n"));
  const QString root = s.terminal.file(QStringLiteral("medios"));
  TRecibos* r = s.Receipts();
  struct Case {
    const char* name;
    const char* options;
    const char* message;
  };
  const Case cases[] = {
      {"PROTEGIDA", "size=8m,ro",
       "La memoria \"PROTEGIDA\" está protegida contra escritura. El documento no se guardó."},
      {"LLENA", "size=16k", "La memoria \"LLENA\" no tiene espacio suficiente. El documento no se guardó."},
  };
  for (const Case& c : cases) {
    Medium m(root + u'/' + QString::fromLatin1(c.name), QString::fromLatin1(c.options));
    if (!m.mounted()) GTEST_SKIP() << "mounting a test medium is not allowed here";
    MsgSeam::Clear();
    EXPECT_TRUE(SaveReceipt(r, 1).shown) << c.name;
    EXPECT_EQ(MsgSeam::Texts(), QStringList{QString::fromUtf8(c.message)}) << c.name;
    EXPECT_TRUE(m.Files().isEmpty()) << c.name << m.Files().join('|').toStdString();
  }
  delete r;
}
