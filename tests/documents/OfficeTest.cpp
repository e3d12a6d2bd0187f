// Policies in office formats open in the portal's own viewer through LibreOffice without a
// display; the conversion is reused while its source is unchanged and gone after logout.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "../admin/AdminSession.h"
#include "DocumentsSupport.h"
#include "documents/OfficeConversion.h"
#include "documents/TConvirtiendo.h"
#include "screens/reports/TPoliticas.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/TVisorDocumento.h"

namespace {

// Writes a minimal .docx or .odt (zipped XML, made by Python's zipfile) holding `text`.
bool WriteOfficeFile(const QString& path, const QString& text) {
  const char* script = R"(
import sys, zipfile
path, text = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as z:
    if path.endswith('.odt'):
        z.writestr(zipfile.ZipInfo('mimetype'), 'application/vnd.oasis.opendocument.text')
        z.writestr('META-INF/manifest.xml', '<?xml version="1.0" encoding="UTF-8"?><manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2"><manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.text"/><manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/></manifest:manifest>')
        z.writestr('content.xml', '<?xml version="1.0" encoding="UTF-8"?><office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2"><office:body><office:text><text:p>' + text + '</text:p></office:text></office:body></office:document-content>')
    else:
        z.writestr('[Content_Types].xml', '<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/></Types>')
        z.writestr('_rels/.rels', '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/></Relationships>')
        z.writestr('word/document.xml', '<?xml version="1.0" encoding="UTF-8"?><w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body><w:p><w:r><w:t>' + text + '</w:t></w:r></w:p></w:body></w:document>')
)";
  return QProcess::execute(QStringLiteral("/usr/bin/python3"),
                           {QStringLiteral("-c"), QString::fromLatin1(script), path, text}) == 0;
}

QString TextOf(const QString& pdf) { return Docs::Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}); }

// Every PDF under the folder, at any depth.
QStringList PdfsUnder(const QString& folder) {
  QStringList out;
  QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) out << it.next();
  return out;
}

}  // namespace

TEST(OfficePolicies, DocxAndOdtOpenInTheViewerAndGoAtLogout) {
  if (!OfficeConversion::Available()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  Docs::Session s(QString{});
  ASSERT_NE(s.menu, nullptr);
  const QString docx = s.terminal.file(QStringLiteral("politicas/Uniformes.docx"));
  const QString odt = s.terminal.file(QStringLiteral("politicas/Estacionamiento.odt"));
  QDir().mkpath(s.terminal.file(QStringLiteral("politicas")));
  ASSERT_TRUE(WriteOfficeFile(docx, QStringLiteral("Politica de uniformes para el personal")));
  ASSERT_TRUE(WriteOfficeFile(odt, QStringLiteral("Reglamento de estacionamiento de la planta")));
  AppData.oAdo->Execute("UPDATE PortalEmpleadoPoliticas SET archivo = " + Text::Quoted(docx) +
                        " WHERE empresa = 1 AND id = (SELECT MIN(id) FROM PortalEmpleadoPoliticas WHERE empresa = 1)");
  AppData.oAdo->Execute("UPDATE PortalEmpleadoPoliticas SET archivo = " + Text::Quoted(odt) +
                        " WHERE empresa = 1 AND id = (SELECT MAX(id) FROM PortalEmpleadoPoliticas WHERE empresa = 1)");
  auto* p = TForm::New<TPoliticas>(s.menu, [&](TPoliticas& f) {
    f.CNX = s.menu->CNX;
    f.empresa = s.menu->empresa;
    f.codigo = AppData.Codigo;
  });
  const Rows listing = p->arrayPoliticas->aArrayData();
  const auto rowOf = [&](const QString& path) {
    for (int i = 1; i <= listing.size(); ++i)
      if (Text::ToText(listing.row(i).col(4)) == path) return i;
    return 0;
  };
  // Opens the policy of that file in the viewer and returns the PDF it shows.
  const auto open = [&](const QString& path) {
    p->arrayPoliticas->nArrayAt = rowOf(path);
    p->btnImprimir->Press();
    TVisorDocumento* v = DocumentOpener::Viewers().value(0);
    const QString shown = v ? v->Archivo() : QString();
    EXPECT_EQ(v ? v->Paginas() : 0, 1) << path.toStdString();
    DocumentOpener::CloseAll();
    return shown;
  };
  ASSERT_GT(rowOf(docx), 0);
  ASSERT_GT(rowOf(odt), 0);
  // While LibreOffice works, the screen shows that it does (the event loop keeps running).
  bool working = false;
  QTimer look;
  QObject::connect(&look, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* busy = qobject_cast<TConvirtiendo*>(w);
      if (!busy || !busy->isVisible() || working) continue;
      working =
          busy->barProgreso->maximum() == 0 && busy->lblMensaje->text().contains(QStringLiteral("Uniformes.docx"));
      Render::ToPng(busy, Kiosk::PicturePath(QStringLiteral("convirtiendo.png")));
    }
  });
  look.start(50);
  const QString fromDocx = open(docx);
  look.stop();
  EXPECT_TRUE(working);
  const QString fromOdt = open(odt);
  EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join('|').toStdString();
  EXPECT_TRUE(TextOf(fromDocx).contains(QStringLiteral("Politica de uniformes para el personal")));
  EXPECT_TRUE(TextOf(fromOdt).contains(QStringLiteral("Reglamento de estacionamiento de la planta")));
  const QString folder = OfficeConversion::Folder();
  ASSERT_FALSE(folder.isEmpty());
  EXPECT_TRUE(fromDocx.startsWith(folder) && fromOdt.startsWith(folder));
  EXPECT_TRUE(QFileInfo(folder).fileName().startsWith(QStringLiteral("TEMPdocumentos-")));
  // Unchanged: the same conversion again. Changed: converted anew.
  EXPECT_EQ(open(docx), fromDocx);
  ASSERT_TRUE(WriteOfficeFile(docx, QStringLiteral("Politica de uniformes revisada")));
  const QString again = open(docx);
  EXPECT_NE(again, fromDocx);
  EXPECT_TRUE(TextOf(again).contains(QStringLiteral("Politica de uniformes revisada")));
  delete p;
  // Logout: nothing of it stays.
  s.menu->btnSalirClick();
  DemoTerminal::Settle();
  EXPECT_FALSE(QFileInfo::exists(folder));
  EXPECT_FALSE(QFileInfo::exists(again));
  EXPECT_TRUE(Kiosk::TempLeftovers(s.terminal.path()).isEmpty())
      << Kiosk::TempLeftovers(s.terminal.path()).join('|').toStdString();
}

TEST(OfficePolicies, FilesThatCannotBeShownGetAMessageAndLeaveNothing) {
  Docs::Session s(QString{});
  QDir().mkpath(s.terminal.file(QStringLiteral("politicas")));
  const QString good = s.terminal.file(QStringLiteral("politicas/Bueno.odt"));
  ASSERT_TRUE(WriteOfficeFile(good, QStringLiteral("Texto")));
  Kiosk::Touch(s.terminal.file(QStringLiteral("politicas/Falso.docx")), "esto no es un documento de Word");
  Kiosk::Touch(s.terminal.file(QStringLiteral("politicas/Datos.xyz")), "1,2,3");
  const QString sinVisor = QStringLiteral("No hay un visor configurado para este tipo de archivo.");
  struct Case {
    const char* name;
    const char* file;
    int limitMs;    // conversion time limit (0: the usual)
    bool noOffice;  // LibreOffice not installed
    QString message;
  };
  const Case cases[] = {
      {"not what its extension says", "politicas/Falso.docx", 0, false, OfficeConversion::NoEsValido()},
      {"past the time limit", "politicas/Bueno.odt", 1, false, OfficeConversion::Tardo()},
      {"without LibreOffice", "politicas/Bueno.odt", 0, true, sinVisor},
      {"a type nothing shows", "politicas/Datos.xyz", 0, false, sinVisor},
  };
  const QByteArray path = qgetenv("PATH");
  for (const Case& c : cases) {
    if (!c.noOffice && c.limitMs && !OfficeConversion::Available()) continue;
    MsgSeam::Clear();
    OfficeConversion::SetTimeLimitForTests(c.limitMs);
    if (c.noOffice) qputenv("PATH", s.terminal.path().toUtf8());
    EXPECT_FALSE(DocumentOpener::Open(s.terminal.file(QString::fromLatin1(c.file)))) << c.name;
    qputenv("PATH", path);
    OfficeConversion::SetTimeLimitForTests(0);
    EXPECT_EQ(MsgSeam::Texts(), QStringList{c.message}) << c.name;
    EXPECT_EQ(DocumentOpener::RunningCount(), 0) << c.name;
    const QString converted = OfficeConversion::Folder();
    EXPECT_TRUE(converted.isEmpty() || PdfsUnder(converted).isEmpty())
        << c.name << PdfsUnder(converted).join('|').toStdString();
  }
  OfficeConversion::Discard();
}

// The administrator hears of a policy file no terminal can show; the file is kept all the same.
TEST(OfficePolicies, AdministratorsPickerSaysWhenTerminalsCannotShowTheFile) {
  AdminSession s;
  TAdministrador* a = s.admin;
  ASSERT_NE(a, nullptr);
  a->Otros->nOption = 4;
  Kiosk::Touch(s.terminal.file(QStringLiteral("Politica.xyz")), "1,2,3");
  Kiosk::Touch(s.terminal.file(QStringLiteral("Politica.docx")), "PK\x03\x04");
  for (const char* file : {"Politica.xyz", "Politica.docx", "demo/reglamento_interior.pdf"}) {
    MsgSeam::Clear();
    FilePicker::Seam::Answer(s.terminal.file(QString::fromLatin1(file)));
    a->btnBuscaPoliticas->Press();
    EXPECT_EQ(a->txtRutaPolitica->Value(), s.terminal.file(QString::fromLatin1(file)));
    EXPECT_EQ(MsgSeam::Texts(), QString::fromLatin1(file).endsWith(u".xyz")
                                    ? QStringList{DocumentOpener::SinVisorEnTerminales()}
                                    : QStringList())
        << file;
  }
}
