// The company policies screen on the demo database: the listing, opening a policy in the
// document viewer, mailing it, and what it does with bad stored paths or no rows.
#include <gtest/gtest.h>

#include <functional>

#include "support/BuildPaths.h"
#include "ScreenSession.h"
#include "mail/TEnviaMail.h"
#include "screens/reports/TPoliticas.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/Render.h"

namespace {

const QString kNoExiste = QStringLiteral("No existe el archivo");

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Points every policy of company 1 at one stored path.
void storePath(const QString& path) {
  AppData.oAdo->Execute("UPDATE PortalEmpleadoPoliticas SET archivo = " + Text::Quoted(path) + " WHERE empresa = 1");
}

}  // namespace

class PoliciesScreen : public OnBothDbPaths {};

TEST_P(PoliciesScreen, OpenedFromTheMenuListsOpensAndMailsTheCompanysPolicies) {
  TestSmtp::SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  ScreenSession s;
  ASSERT_NE(s.menu, nullptr);
  ScreenSession::MailTo(server.port());
  qputenv("PORTAL_DOCUMENT_VIEWER", "sleep 60");
  bool opened = false;
  TForm::SetModalHook([&](TForm& form) {
    auto* p = qobject_cast<TPoliticas*>(&form);
    ASSERT_NE(p, nullptr);
    opened = true;
    const Rows listing = RowsOf(" exec PortalEmpleadoListadoPoliticas " + AppData.Empresa);
    ASSERT_EQ(listing.size(), 3);
    EXPECT_EQ(p->arrayPoliticas->aArrayData(), listing);
    for (int c : {1, 2, 4}) EXPECT_TRUE(p->arrayPoliticas->Column(c)->lHide()) << c;
    EXPECT_FALSE(p->arrayPoliticas->Column(3)->lHide());
    EXPECT_EQ(p->arrayPoliticas->Column(3)->cHeader(), QStringLiteral("Nombre"));
    QDir().mkpath(BuildPaths::Binary(QStringLiteral("/screens")));
    Render::ToPng(p, BuildPaths::Binary(QStringLiteral("/screens/politicas.png")));

    // The first policy opens in the viewer, as stored.
    const QString path = Text::ToText(listing.row(1).col(4));
    p->btnImprimir->Press();
    EXPECT_TRUE(p->aHWnd);
    EXPECT_EQ(DocumentOpener::RunningCount(), 1);

    // The second one is mailed to the employee and to human resources, and stays in place.
    p->arrayPoliticas->nArrayAt = 2;
    const QString second = Text::ToText(listing.row(2).col(4));
    p->btnEnviaMail->Press();
    EXPECT_EQ(MsgSeam::Texts(), QStringList{"Correo Enviado"});
    const auto messages = server.messages();
    ASSERT_EQ(messages.size(), 1);
    const auto& m = messages.first();
    EXPECT_EQ(m.rcptTos, (QStringList{AppData.email, "rh@norte.demo.local"}));
    EXPECT_EQ(m.subject, QStringLiteral("Portal del Empleado - Políticas de la Empresa"));
    EXPECT_EQ(m.body.trimmed(), QStringLiteral("Políticas enviadas desde el Portal del Empleado ZELK"));
    ASSERT_EQ(m.attachments.size(), 1);
    EXPECT_EQ(m.attachments[0].fileName, QFileInfo(second).fileName());
    EXPECT_EQ(m.attachments[0].bytes, bytesOf(second));
    EXPECT_TRUE(QFile::exists(second));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(p->objEnviaMail->attachFiles.isEmpty());
    p->btnSalir->Press();
  });
  s.menu->btnPoliticas->Press();
  TForm::SetModalHook(nullptr);
  DocumentOpener::CloseAll();
  qunsetenv("PORTAL_DOCUMENT_VIEWER");
  EXPECT_TRUE(opened);
}

struct PolicyCase {
  const char* name;
  std::function<void(ScreenSession&)> before;  // run before the screen opens
  bool mail;                                    // else open
  QStringList messages;
  std::function<void(TPoliticas&)> onScreen = nullptr;  // run once the screen is open
};

TEST_P(PoliciesScreen, NoRowsMissingFilesAndFolderPartsAreHandled) {
  const PolicyCase cases[] = {
      {"open with no policies", [](ScreenSession&) { AppData.oAdo->Execute("DELETE FROM PortalEmpleadoPoliticas WHERE empresa = 1"); },
       false, {}},
      {"mail with no policies", [](ScreenSession&) { AppData.oAdo->Execute("DELETE FROM PortalEmpleadoPoliticas WHERE empresa = 1"); },
       true, {}},
      {"open a missing file", [](ScreenSession&) { storePath("demo/no_existe.pdf"); }, false, {kNoExiste}},
      {"open a path out of the folder", [](ScreenSession&) { storePath("../fuera/politica.pdf"); }, false, {kNoExiste}},
      {"open a folder", [](ScreenSession&) { storePath("demo"); }, false, {kNoExiste}},
      {"open an empty path", [](ScreenSession&) { storePath(""); }, false, {kNoExiste}},
      {"mail a missing file", [](ScreenSession&) { storePath("demo/no_existe.pdf"); }, true,
       {"No se encontró el archivo adjunto \"demo/no_existe.pdf\".", "El correo no puede ser enviado por el momento."}},
      {"mail without an address", [](ScreenSession&) { AppData.email.clear(); }, true,
       {"Usted no tiene un correo electrónico registrado para el envío. \r Revisar con el departamento de Recursos "
        "Humanos."}},
      {"mail without configuration", [](ScreenSession&) { AppData.oAdo->Execute("DELETE FROM PortalEmpleadoConfigMail"); },
       true, {"Faltan datos de configuración del mail de envío"}},
      {"open with every row filtered out", nullptr, false, {}, [](TPoliticas& p) { p.arrayPoliticas->SetFilter(3, "zzz"); }},
      {"mail with every row filtered out", nullptr, true, {}, [](TPoliticas& p) { p.arrayPoliticas->SetFilter(3, "zzz"); }},
  };
  for (const auto& c : cases) {
    TestSmtp::SmtpServer server;
    ASSERT_TRUE(server.start()) << server.errorString().toStdString();
    ScreenSession s;
    ScreenSession::MailTo(server.port());
    if (c.before) c.before(s);
    qputenv("PORTAL_DOCUMENT_VIEWER", "sleep 60");
    TPoliticas* p = s.Open<TPoliticas>();
    if (c.onScreen) c.onScreen(*p);
    MsgSeam::Clear();
    if (c.mail) p->btnEnviaMailClick();
    else p->btnImprimirClick();
    qunsetenv("PORTAL_DOCUMENT_VIEWER");
    EXPECT_EQ(MsgSeam::Texts(), c.messages) << c.name;
    EXPECT_EQ(DocumentOpener::RunningCount(), 0) << c.name;
    EXPECT_FALSE(p->aHWnd) << c.name;
    EXPECT_TRUE(server.messages().isEmpty()) << c.name;
    EXPECT_FALSE(QFileInfo::exists(s.terminal.file("../fuera"))) << c.name;
    EXPECT_TRUE(s.Leftovers().isEmpty()) << c.name;
    DocumentOpener::CloseAll();
    delete p;
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, PoliciesScreen, BothDbPaths(), DbPathName);
