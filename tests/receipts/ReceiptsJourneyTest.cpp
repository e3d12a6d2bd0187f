// The payroll receipts screen on the demo database: lists, listing, printing, invoice files
// and mail, with every message it gives.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "support/BuildPaths.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "data/mdlNomina.h"
#include "data/mdlOperacion.h"
#include "mail/TEnviaMail.h"
#include "reports/ReportModal.h"
#include "reports/ReportPreview.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/receipts/TRecibos.h"
#include "screens/reports/TMuestraXML.h"
#include "support/DemoTerminal.h"
#include "support/QrReader.h"
#include "support/QtPrinters.h"
#include "support/SmtpServer.h"
#include "toolkit/Controls.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/Render.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

namespace {

Rows rowsOf(const QString& statement) {
  TQuery q(AppData.oAdo, QStringLiteral("GENERAL"), statement);
  return q.RecCount() ? q.GetRows() : Rows();
}

QStringList column(const Rows& rows, int n) {
  QStringList out;
  for (const Row& r : rows) out << Text::AllTrim(Text::ToText(r.col(n)));
  return out;
}

QString pdfText(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// A terminal with employee 1 logged in; the screen opened on it directly or from the menu.
struct Session {
  DemoTerminal terminal;
  TPrincipal* menu = nullptr;
  explicit Session(const QString& variables = QStringLiteral("SalirActivado=Si\nPDF=Si\nFDA=Si\n"),
                   const QString& employee = QStringLiteral("1"), const QString& password = QStringLiteral("Clave2024"))
      : terminal(variables) {
    menu = DemoTerminal::LogIn<TRegistro, TPrincipal>(employee, password);
    MsgSeam::Clear();
  }
  TRecibos* open() {
    return TForm::New<TRecibos>(menu, [this](TRecibos& r) {
      r.CNX = menu->CNX;
      r.empresa = menu->empresa;
      r.codigo = AppData.Codigo;
    });
  }
};

}  // namespace

class Receipts : public OnBothDbPaths {};

TEST_P(Receipts, OpenedFromTheMenuListsYearsTypesPeriodsAndReceipts) {
  Session s;
  ASSERT_NE(s.menu, nullptr);
  bool opened = false;
  TForm::SetModalHook([&](TForm& form) {
    auto* r = qobject_cast<TRecibos*>(&form);
    ASSERT_NE(r, nullptr);
    opened = true;
    const QString key = AppData.oLlaveTemporal;
    const Rows years = rowsOf("exec PortalEmpleadoCargaAyosDeRecibos " + key + "," + AppData.Codigo);
    ASSERT_GE(years.size(), 3);
    EXPECT_EQ(r->cmbYearRecibo->aItems(), column(years, 1));
    EXPECT_EQ(r->cmbYearRecibo->nIndex(), 1);
    const Rows types =
        rowsOf("EXEC PortalEmpleadoCargaTipoNominaDeRecibos " + column(years, 1).first() + "," + key.trimmed() + "," + r->codigo);
    EXPECT_EQ(r->cmbTipoNominaRecibo->aItems(), column(types, 1));
    const QStringList periods = r->cmbPeriodoRecibo->aItems();
    ASSERT_FALSE(periods.isEmpty());
    EXPECT_EQ(r->cmbPeriodoRecibo2->aItems(), periods);
    EXPECT_EQ(r->cmbPeriodoRecibo->nIndex(), 1);
    EXPECT_EQ(r->cmbPeriodoRecibo2->nIndex(), periods.size());
    // The grid holds exactly what the listing procedure returns for that selection.
    const QString listing = QStringLiteral("exec  PortalEmpleadoCargaListadoDeRecibos %1,%2,%3,%4,'','','',%5,%6,'%7',       1")
                                .arg(QString::number(Text::Val(r->cmbTipoNominaRecibo->cText().left(2))),
                                     r->cmbYearRecibo->cText(), QString::number(Text::Val(periods.first())),
                                     QString::number(Text::Val(periods.last())), key.trimmed(), QStringLiteral("1"),
                                     AppData.Afiliacion);
    const Rows expected = rowsOf(listing);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(r->arregloRecibos->Len(), expected.size());
    EXPECT_EQ(column(r->arregloRecibos->aArrayData(), 15), column(expected, 15));
    EXPECT_EQ(r->arregloRecibos->ColCount(), 17);
    EXPECT_TRUE(r->arregloRecibos->Column(4)->lHide());
    EXPECT_EQ(r->arregloRecibos->Column(1)->cHeader(), QStringLiteral("Nomina"));
    EXPECT_EQ(r->arregloRecibos->Column(17)->nAlignment(), 6);
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join("|").toStdString();
    const QString out = BuildPaths::Binary(QStringLiteral("/screens"));
    QDir().mkpath(out);
    Render::ToPng(r, out + "/recibos.png");
    r->Close();
  });
  s.menu->btnRecibos->Press();
  TForm::SetModalHook(nullptr);
  EXPECT_TRUE(opened);
}

struct SwitchCase {
  const char* variables;
  bool fileButtons;
  bool savingsFund;
  bool lastSix;
};

TEST_P(Receipts, ConfigurationSwitches) {
  const SwitchCase cases[] = {
      {"PDF=Si\nFDA=Si\nUltimosRecibos=Si\n", true, true, true},
      {"PDF=SI\nFDA=No\nUltimosRecibos=si\n", true, false, false},
      {"PDF= sI \nFDA=\nUltimosRecibos=No\n", true, false, false},
      {"PDF=Sin duda\nFDA=no\n", true, true, false},
      {"PDF=No\nFDA=x\nUltimosRecibos= Si\n", false, true, true},
      {"", false, false, false},
      {"PDF=S\nUltimosRecibos=SI\n", false, false, false},
  };
  for (const auto& c : cases) {
    Session s(QStringLiteral("SalirActivado=Si\n") + QString::fromUtf8(c.variables));
    ASSERT_NE(s.menu, nullptr);
    TRecibos* r = s.open();
    EXPECT_EQ(r->btnGenraCFDI->lVisible(), c.fileButtons) << c.variables;
    EXPECT_EQ(r->btnDescargaArchivoPDF->lVisible(), c.fileButtons) << c.variables;
    EXPECT_EQ(r->btnEnviaMail->lVisible(), c.fileButtons) << c.variables;
    EXPECT_EQ(r->oAhorro->lVisible(), c.savingsFund) << c.variables;
    const Rows periods = AppData.oNomina->obtenPeriodosRecibos(r->cmbYearRecibo->cText(),
                                                             Text::Val(r->cmbTipoNominaRecibo->cText().left(2)),
                                                             AppData.Codigo);
    ASSERT_GE(periods.size(), 10) << "the demo's latest year has at least ten closed weeks";
    QStringList all = column(periods, 1);
    EXPECT_EQ(r->cmbPeriodoRecibo->aItems(), c.lastSix ? all.mid(all.size() - 6) : all) << c.variables;
    delete r;
  }
}

QString pdfInfo(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {path});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The stamp of a CFDI as its XML states it, and the verification address a printed receipt's
// QR code must hold: UUID, issuer and receiver RFC, the total without non-significant zeros (one
// decimal at least) and the last 8 characters of the issuer's seal.
struct CfdiStamp {
  QString uuid, issuer, receiver, total, seal, sealInTheStamp, sealSat, certificate, certificateSat, stamped, provider, legend;
  // The stamp's original string, as its standard lays it out (the legend only when present).
  QString OriginalString() const {
    return QStringLiteral("||1.1|") + uuid + u'|' + stamped + u'|' + provider + u'|' + (legend.isEmpty() ? QString() : legend + u'|') +
           sealInTheStamp + u'|' + certificateSat + QStringLiteral("||");
  }
  QString VerificationUrl() const {
    QString integer = total.section(u'.', 0, 0), decimals = total.section(u'.', 1);
    while (integer.size() > 1 && integer.startsWith(u'0')) integer.remove(0, 1);
    while (decimals.size() > 1 && decimals.endsWith(u'0')) decimals.chop(1);
    return QStringLiteral("https://verificacfdi.facturaelectronica.sat.gob.mx/default.aspx?id=%1&re=%2&rr=%3&tt=%4&fe=%5")
        .arg(uuid, issuer, receiver, integer + u'.' + (decimals.isEmpty() ? QStringLiteral("0") : decimals), seal.right(8));
  }
};

CfdiStamp stampOf(const QString& xml) {
  CfdiStamp s;
  QXmlStreamReader r(xml);
  while (!r.atEnd()) {
    if (r.readNext() != QXmlStreamReader::StartElement) continue;
    const auto a = r.attributes();
    const QString n = r.qualifiedName().toString();
    if (n == u"cfdi:Comprobante") {
      s.total = a.value("Total").toString();
      s.seal = a.value("Sello").toString();
      s.certificate = a.value("NoCertificado").toString();
    } else if (n == u"cfdi:Emisor") {
      s.issuer = a.value("Rfc").toString();
    } else if (n == u"cfdi:Receptor") {
      s.receiver = a.value("Rfc").toString();
    } else if (n == u"tfd:TimbreFiscalDigital") {
      s.uuid = a.value("UUID").toString();
      s.sealInTheStamp = a.value("SelloCFD").toString();
      s.sealSat = a.value("SelloSAT").toString();
      s.certificateSat = a.value("NoCertificadoSAT").toString();
      s.stamped = a.value("FechaTimbrado").toString();
      s.provider = a.value("RfcProvCertif").toString();
      s.legend = a.value("Leyenda").toString();
    }
  }
  EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
  return s;
}

struct PrintCase {
  const char* name;
  bool savingsFund;
  bool halfLetter;
  const char* pageSize;  // as pdfinfo prints it
  const char* title;     // a text the template prints
};

TEST_P(Receipts, PrintingAReceiptGivesADocumentWithItsAmounts) {
  const PrintCase cases[] = {
      {"letter", false, false, "612 x 792 pts (letter)", "RECIBO DE N"},
      {"half letter", false, true, "612 x 396 pts", "RECIBO DE N"},
      {"savings fund, letter button", true, false, "612 x 792 pts (letter)", "FONDO DE AHORRO"},
      {"savings fund, half-letter button", true, true, "612 x 792 pts (letter)", "FONDO DE AHORRO"},
  };
  for (const auto& c : cases) {
    Session s;
    TRecibos* r = s.open();
    if (c.savingsFund) {
      // The savings fund pays out at the end of a finished year.
      r->cmbYearRecibo->UserSelect(2);
      r->oAhorro->lChecked = true;
      r->btnCargaRecibosClick();
    }
    ASSERT_GT(r->arregloRecibos->Len(), 0) << c.name;
    const Row receipt = r->arregloRecibos->CurrentRow();
    QDir().mkpath(BuildPaths::Binary(QStringLiteral("/screens")));
    const QString pdf = BuildPaths::Binary(QStringLiteral("/screens/recibo-%1.pdf")).arg(QString::fromLatin1(c.name).replace(' ', '-').remove(','));
    QFile::remove(pdf);
    int pages = 0;
    ReportModal::SetHookForTests([&](QDialog& dialog) {
      auto* preview = dynamic_cast<ReportPreview*>(&dialog);
      if (!preview) return 0;
      pages = preview->PageCount();
      preview->SaveAs(pdf);
      return 0;
    });
    if (c.halfLetter) r->btnImprimirReciboClick();
    else r->btnImprimeCartaClick();
    ReportModal::SetHookForTests({});
    EXPECT_GE(pages, 1) << c.name;
    EXPECT_TRUE(pdfInfo(pdf).contains(QString::fromLatin1(c.pageSize))) << c.name << pdfInfo(pdf).toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.title))) << c.name;
    EXPECT_TRUE(text.contains(AppData.NombreTrabajador.toUpper()) || text.contains(AppData.NombreTrabajador)) << c.name;
    const QString neto = Text::AllTrim(Text::Transform(receipt.col(15), QStringLiteral("9,999,999,999.99")));
    EXPECT_TRUE(text.contains(neto)) << c.name << " " << neto.toStdString() << "\n" << text.left(1500).toStdString();
    EXPECT_EQ(pages, 1) << c.name;
    // The printed representation of the CFDI: the QR code holds the verification address built
    // from the receipt's own XML, and the stamp printed is the XML's.
    const Rows files = AppData.oOperacion->obtenArchivosCFDI(receipt.col(17), r->codigo, receipt.col(1), receipt.col(2),
                                                             r->cmbYearRecibo->cText());
    ASSERT_FALSE(files.isEmpty()) << c.name;
    const CfdiStamp x = stampOf(Text::ToText(files.row(1).col(8)));
    ASSERT_EQ(x.seal.size(), 344) << c.name;
    EXPECT_EQ(x.sealInTheStamp, x.seal) << c.name;
    EXPECT_EQ(x.sealSat.size(), 344) << c.name;
    EXPECT_EQ(QrReader::Codes(pdf), QStringList{x.VerificationUrl()}) << c.name;
    const QString joined = QString(text).remove(QRegularExpression(QStringLiteral("\\s+")));
    for (const QString& value : {x.uuid, x.certificate, x.certificateSat, x.stamped, x.seal, x.sealSat})
      EXPECT_TRUE(joined.contains(value)) << c.name << " " << value.toStdString() << "\n" << text.toStdString();
    EXPECT_TRUE(joined.contains(x.OriginalString().remove(QRegularExpression(QStringLiteral("\\s+"))))) << c.name;
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << c.name << MsgSeam::Texts().join("|").toStdString();
    delete r;
  }
}

TEST_P(Receipts, HalfLetterHiddenForTheExcludedCompany) {
  for (bool excluded : {true, false}) {
    Session s;
    qputenv("PORTAL_RFC_SIN_MEDIA_CARTA", excluded ? AppData.RFCEmpresa.toUtf8() : QByteArray("XAXX010101000"));
    TRecibos* r = s.open();
    qunsetenv("PORTAL_RFC_SIN_MEDIA_CARTA");
    EXPECT_EQ(r->btnImprimirRecibo->lVisible(), !excluded);
    EXPECT_TRUE(r->btnImprimeCarta->lVisible());
    delete r;
  }
}

TEST_P(Receipts, XmlViewerShowsTheStoredXmlUnchanged) {
  Session s;
  TRecibos* r = s.open();
  const Row receipt = r->arregloRecibos->CurrentRow();
  const Rows files = AppData.oOperacion->obtenArchivosCFDI(receipt.col(17), r->codigo, receipt.col(1), receipt.col(2),
                                                           r->cmbYearRecibo->cText());
  ASSERT_FALSE(files.isEmpty());
  QString shown;
  TForm::SetModalHook([&](TForm& form) {
    if (auto* v = qobject_cast<TMuestraXML*>(&form)) shown = v->datos;
    form.Close();
  });
  r->btnGenraCFDIClick();
  TForm::SetModalHook(nullptr);
  EXPECT_EQ(shown, Text::ToText(files.row(1).col(8)));
  EXPECT_TRUE(shown.startsWith(QStringLiteral("<?xml")));
  delete r;
}

TEST_P(Receipts, PdfIsWrittenByteForByteOpenedAndRemovedOnClose) {
  Session s;
  qputenv("PORTAL_DOCUMENT_VIEWER", "sleep 60");
  TRecibos* r = s.open();
  const Row receipt = r->arregloRecibos->CurrentRow();
  const Row files = AppData.oOperacion->obtenArchivosCFDI(receipt.col(17), r->codigo, receipt.col(1), receipt.col(2),
                                                          r->cmbYearRecibo->cText()).row(1);
  QFile stale(s.terminal.file("TEMPviejo.pdf"));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.close();
  r->btnDescargaArchivoPDFClick();
  const QString written = s.terminal.file("TEMP" + Text::ToText(files.col(11)));
  QFile f(written);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << written.toStdString();
  EXPECT_EQ(f.readAll(), files.col(10).toByteArray());
  f.close();
  EXPECT_TRUE(r->aHWnd);
  EXPECT_EQ(DocumentOpener::RunningCount(), 1);
  r->Close();
  DemoTerminal::Settle();
  qunsetenv("PORTAL_DOCUMENT_VIEWER");
  EXPECT_EQ(DocumentOpener::RunningCount(), 0);
  EXPECT_FALSE(QFile::exists(written));
  EXPECT_FALSE(QFile::exists(s.terminal.file("TEMPviejo.pdf")));
}

TEST_P(Receipts, MailDeliversBothFilesAndLeavesNothingBehind) {
  TestSmtp::SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  Session s;
  AppData.oAdo->Execute("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '" + server.portText() + "'");
  TRecibos* r = s.open();
  const Row receipt = r->arregloRecibos->CurrentRow();
  const Row files = AppData.oOperacion->obtenArchivosCFDI(receipt.col(17), r->codigo, receipt.col(1), receipt.col(2),
                                                          r->cmbYearRecibo->cText()).row(1);
  const QStringList before = QDir(s.terminal.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  r->btnEnviaMailClick();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{"Correo Enviado"});
  const auto messages = server.messages();
  ASSERT_EQ(messages.size(), 1);
  const auto& m = messages.first();
  EXPECT_EQ(m.rcptTos.first(), AppData.email);
  EXPECT_EQ(m.subject, QStringLiteral("Portal del Empleado - Recibo de nómina"));
  EXPECT_EQ(m.body.trimmed(), QStringLiteral("Documentos enviados desde el Portal del Empleado ZELK"));
  ASSERT_EQ(m.attachments.size(), 2);
  EXPECT_EQ(m.attachments[0].fileName, Text::ToText(files.col(9)));
  EXPECT_EQ(m.attachments[0].bytes, Text::ToText(files.col(8)).toUtf8());
  EXPECT_EQ(m.attachments[1].fileName, Text::ToText(files.col(11)));
  EXPECT_EQ(m.attachments[1].bytes, files.col(10).toByteArray());
  QStringList after = QDir(s.terminal.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  after.removeAll(QStringLiteral("EnvioMail.log"));
  QStringList was = before;
  was.removeAll(QStringLiteral("EnvioMail.log"));
  EXPECT_EQ(after, was);
  EXPECT_TRUE(r->objEnviaMail->attachFiles.isEmpty());
  delete r;
}

struct MessageCase {
  const char* name;
  std::function<void(Session&)> before;     // run before the screen opens
  std::function<void(TRecibos&)> action;
  QStringList messages;
};

TEST_P(Receipts, DocumentedMessages) {
  const QString cargar = QStringLiteral(
      "Debe cargar los datos a consultar, aplicar el filto y presionar el boton Cargar Recibos");
  const QString selecciona = QStringLiteral("Seleccione un recibo para enviar por mail.");
  auto sinGrid = [](TRecibos& r) { r.arregloRecibos->SetArray(Rows()); };
  auto sinCfdi = [](Session&) {
    AppData.oAdo->Execute("CREATE OR ALTER PROCEDURE dbo.existeReciboCFDI @empresa varchar(20), @codigo varchar(20), "
                          "@nomina varchar(10), @periodo varchar(10), @ayo varchar(10) AS SELECT 1 WHERE 0");
  };
  const MessageCase cases[] = {
      {"letter print with an empty grid", {}, [&](TRecibos& r) { sinGrid(r); r.btnImprimeCartaClick(); }, {cargar}},
      {"listing print with an empty grid", {}, [&](TRecibos& r) { sinGrid(r); r.btnListaRecibosClick(); }, {cargar}},
      {"xml with an empty grid", {}, [&](TRecibos& r) { sinGrid(r); r.btnGenraCFDIClick(); }, {selecciona}},
      {"pdf with an empty grid", {}, [&](TRecibos& r) { sinGrid(r); r.btnDescargaArchivoPDFClick(); }, {selecciona}},
      {"mail with an empty grid", {}, [&](TRecibos& r) { sinGrid(r); r.btnEnviaMailClick(); }, {selecciona}},
      {"xml without invoice", sinCfdi, [](TRecibos& r) { r.btnGenraCFDIClick(); },
       {"No existe archivo CFDI para este registro."}},
      {"pdf without invoice", sinCfdi, [](TRecibos& r) { r.btnDescargaArchivoPDFClick(); },
       {"No existe archivo CFDI para este registro."}},
      {"mail without invoice", sinCfdi, [](TRecibos& r) { r.btnEnviaMailClick(); },
       {"No existe archivo CFDI para este registro. "}},
      {"mail without an address", {}, [](TRecibos& r) {
         AppData.email.clear();
         r.btnEnviaMailClick();
       },
       {"El trabajador no tiene un correo electronico registrado"}},
      {"mail without configuration", [](Session&) { AppData.oAdo->Execute("DELETE FROM PortalEmpleadoConfigMail"); },
       [](TRecibos& r) { r.btnEnviaMailClick(); }, {"Faltan datos de configuración del mail de envío"}},
      {"mail server down", [](Session&) {
         AppData.oAdo->Execute("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '" +
                               QString::number(TestSmtp::SmtpServer::FreePort()) + "'");
       },
       [](TRecibos& r) { r.btnEnviaMailClick(); }, {"*", "El correo no puede ser enviado por el momento."}},
      {"load without a payroll type", {}, [](TRecibos& r) {
         r.cmbTipoNominaRecibo->Reset();
         r.btnCargaRecibosClick();
       },
       {"Debe indicar tipo de nómina a consultar"}},
      {"load without periods", {}, [](TRecibos& r) {
         r.cmbPeriodoRecibo->Reset();
         r.btnCargaRecibosClick();
       },
       {"Debe indicar un rango de periodos a consultar"}},
  };
  for (const auto& c : cases) {
    Session s;
    if (c.before) c.before(s);
    TRecibos* r = s.open();
    MsgSeam::Clear();
    c.action(*r);
    QStringList got = MsgSeam::Texts();
    QStringList want = c.messages;
    if (!want.isEmpty() && want.first() == u"*" && !got.isEmpty()) {
      want.removeFirst();
      got.removeFirst();  // the mail component's own text comes first
    }
    EXPECT_EQ(got, want) << c.name;
    // Nothing the screen wrote stays behind but the log of failed mail.
    QStringList left = QDir(s.terminal.path()).entryList({"*.xml", "*.pdf", "TEMP*"}, QDir::AllEntries);
    EXPECT_TRUE(left.isEmpty()) << c.name << " " << left.join(",").toStdString();
    delete r;
  }
}

TEST_P(Receipts, StoredFileNamesNeverLeaveTheProgramsFolder) {
  const char* names[] = {"../fuera.pdf", "/tmp/portal-fuera.pdf", "..\\\\fuera.pdf", "sub/dir/recibo.pdf", ".."};
  for (const char* name : names) {
    Session s;
    qputenv("PORTAL_DOCUMENT_VIEWER", "true");
    AppData.oAdo->Execute(QStringLiteral(
                              "CREATE OR ALTER PROCEDURE dbo.existeReciboCFDI @empresa varchar(20), @codigo varchar(20), "
                              "@nomina varchar(10), @periodo varchar(10), @ayo varchar(10) AS SELECT 1,2,3,4,5,6,7,"
                              "'<x/>','%1.xml',X'255044462D312E340A','%1'")
                              .arg(QString::fromLatin1(name)));
    TRecibos* r = s.open();
    r->btnDescargaArchivoPDFClick();
    qunsetenv("PORTAL_DOCUMENT_VIEWER");
    EXPECT_FALSE(QFile::exists(QDir(s.terminal.path()).filePath("../fuera.pdf"))) << name;
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/portal-fuera.pdf"))) << name;
    const QStringList inside = QDir(s.terminal.path()).entryList({"TEMP*"}, QDir::Files);
    if (QString::fromLatin1(name) == u"..") {
      EXPECT_EQ(MsgSeam::Texts(), QStringList{"No existe el archivo"});
    } else {
      EXPECT_EQ(inside.size(), 1) << name;
    }
    delete r;
  }
}

TEST_P(Receipts, MailWithAnUnusableStoredNameSendsNothing) {
  struct Case {
    const char* xml;  // stored names
    const char* pdf;
    QStringList attachments;  // what arrives; none: "No existe el archivo" and nothing sent
  };
  const Case cases[] = {
      {"recibo.xml", "..", {}},
      {"/", "recibo.pdf", {}},
      {"recibo.xml", "", {}},
      {"?*:|", "recibo.pdf", {}},
      {" . ", "recibo.pdf", {}},
      {"C:\\timbres\\recibo.xml", "sub/dir/recibo.pdf", {"recibo.xml", "recibo.pdf"}},
  };
  TestSmtp::SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.xml) + " | " + c.pdf);
    Session s;
    AppData.oAdo->Execute("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '" + server.portText() + "'");
    AppData.oAdo->Execute(QStringLiteral(
                              "CREATE OR ALTER PROCEDURE dbo.existeReciboCFDI @empresa varchar(20), @codigo varchar(20), "
                              "@nomina varchar(10), @periodo varchar(10), @ayo varchar(10) AS SELECT 1,2,3,4,5,6,7,"
                              "'<x/>','%1',X'255044462D312E340A','%2'")
                              .arg(QString::fromLatin1(c.xml), QString::fromLatin1(c.pdf)));
    TRecibos* r = s.open();
    const int before = server.messages().size();
    r->btnEnviaMailClick();
    const auto messages = server.messages();
    if (c.attachments.isEmpty()) {
      EXPECT_EQ(MsgSeam::Texts(), QStringList{"No existe el archivo"});
      EXPECT_EQ(messages.size(), before);
    } else {
      EXPECT_EQ(MsgSeam::Texts(), QStringList{"Correo Enviado"});
      ASSERT_EQ(messages.size(), before + 1);
      QStringList names;
      for (const auto& a : messages.last().attachments) names << a.fileName;
      EXPECT_EQ(names, c.attachments);
    }
    EXPECT_TRUE(QDir(s.terminal.path()).entryList({"*.xml", "*.pdf", "TEMP*"}, QDir::AllEntries).isEmpty());
    delete r;
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, Receipts, BothDbPaths(), DbPathName);
