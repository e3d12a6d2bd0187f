// Faults that strike while an employee uses the terminal: each is reported where it happens,
// nothing is left half-done, and the terminal works again once the fault is gone.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <functional>
#include <memory>

#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "screens/admin/TAdministrador.h"
#include "screens/employee/TInformacionGeneral.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/receipts/TRecibos.h"
#include "screens/reports/TReportes.h"
#include "screens/requests/TMotivoRechazo.h"
#include "screens/requests/TSolicitarDetalle.h"
#include "screens/shared/TiposSolicitud.h"
#include "screens/time/TSolicitarVacaciones.h"
#include "support/DemoTerminal.h"
#include "support/SmtpServer.h"
#include "toolkit/Controls.h"
#include "toolkit/ErrorSys.h"
#include "toolkit/TextUtil.h"

namespace {

// A terminal with employee 1 logged in and the receipts screen open on a mail server.
struct Session {
  std::unique_ptr<TestSmtp::SmtpServer> smtp = std::make_unique<TestSmtp::SmtpServer>();
  DemoTerminal terminal{QStringLiteral("SalirActivado=Si\nPDF=Si\nFDA=Si\nModifica=Si\n")};
  TPrincipal* menu = nullptr;
  TRecibos* receipts = nullptr;
  Session() {
    EXPECT_TRUE(smtp->start()) << smtp->errorString().toStdString();
    menu = DemoTerminal::LogIn<TRegistro, TPrincipal>(QStringLiteral("1"), QStringLiteral("Clave2024"));
    EXPECT_NE(menu, nullptr);
    AppData.oAdo->Execute("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '" + smtp->portText() + "'");
    receipts = TForm::New<TRecibos>(menu, [this](TRecibos& r) {
      r.CNX = menu->CNX;
      r.empresa = menu->empresa;
      r.codigo = AppData.Codigo;
    });
    MsgSeam::Clear();
  }
  ~Session() { delete receipts; }
  QString database() const { return terminal.file(QString::fromLatin1(DemoDatabase::kFile)); }
  // The mail server replaced, on the same port, by one started with `options`.
  bool restartMail(TestSmtp::Options options) {
    options.port = smtp->port();
    smtp->stop();
    smtp = std::make_unique<TestSmtp::SmtpServer>(options);
    return smtp->start();
  }
  QStringList leftovers() const {
    return QDir(terminal.path()).entryList({"*.xml", "*.pdf", "TEMP*"}, QDir::AllEntries);
  }
  // A screen opened as the menu opens it, for the employee logged in.
  template <class Screen>
  Screen* open(const std::function<void(Screen&)>& more = {}) {
    return TForm::New<Screen>(menu, [&](Screen& screen) {
      screen.CNX = menu->CNX;
      screen.empresa = menu->empresa;
      screen.codigo = AppData.Codigo;
      if (more) more(screen);
    });
  }
  // One value read on a connection of its own (the session's may be the one that failed).
  QString read(const QString& query) const {
    auto other = DemoDatabase::Open(database());
    TQuery q(other, QStringLiteral("GENERAL"), query);
    return q.RecCount() ? q.GetRows().row(1).col(1).toString() : QStringLiteral("<sin fila>");
  }
};

// The program folder made unwritable even for root (the tests may run as root).
bool setImmutable(const QString& path, bool on) {
  return QProcess::execute(QStringLiteral("chattr"), {on ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
}

struct Fault {
  const char* name;
  std::function<bool(Session&)> strike;  // false: the fault cannot be made here
  std::function<void(Session&)> heal;
};

// The database file overwritten with garbage; healed by writing back what it held (`saved`).
Fault databaseOverwritten(QByteArray& saved) {
  return {"database file overwritten",
          [&saved](Session& s) {
            QFile f(s.database());
            if (!f.open(QIODevice::ReadWrite)) return false;
            saved = f.readAll();
            f.seek(0);
            f.write(QByteArray(saved.size(), 'x'));
            return true;
          },
          [&saved](Session& s) {
            QFile f(s.database());
            if (f.open(QIODevice::WriteOnly)) f.write(saved);
          }};
}

struct Use {
  const char* name;
  std::function<void(TRecibos&)> act;
  std::function<bool(Session&)> worked;  // the use's visible result
};

}  // namespace

TEST(FaultsWhileInUse, ReportedThenTheTerminalWorksAgain) {
  QByteArray saved;
  const QList<Fault> faults = {
      databaseOverwritten(saved),
      {"mail server cuts the message",
       [](Session& s) {
         TestSmtp::Options cutting;
         cutting.closeAfter = 4000;  // past the commands, inside the attachments
         return s.restartMail(cutting);
       },
       [](Session& s) { s.restartMail({}); }},
      {"program folder read-only", [](Session& s) { return setImmutable(s.terminal.path(), true); },
       [](Session& s) { setImmutable(s.terminal.path(), false); }},
  };
  const QList<Use> uses = {
      {"load receipts", [](TRecibos& r) { r.btnCargaRecibosClick(); },
       [](Session& s) { return s.receipts->arregloRecibos->Len() > 0; }},
      {"mail a receipt", [](TRecibos& r) { r.btnEnviaMailClick(); },
       [](Session& s) { return MsgSeam::Texts() == QStringList{"Correo Enviado"}; }},
  };
  for (const Fault& fault : faults)
    for (const Use& use : uses) {
      SCOPED_TRACE(std::string(fault.name) + " / " + use.name);
      Session s;
      ASSERT_NE(s.receipts, nullptr);
      if (!fault.strike(s)) GTEST_SKIP() << fault.name << " cannot be made on this machine";
      MsgSeam::Clear();
      use.act(*s.receipts);
      const QStringList during = MsgSeam::Texts();
      const bool workedDuring = use.worked(s);
      std::printf("%-28s %-16s -> %s\n", fault.name, use.name,
                  workedDuring ? "unaffected" : qPrintable(during.join(QStringLiteral(" | "))));
      // Either the use did not need what failed, or the failure was told; never a silent loss.
      EXPECT_TRUE(workedDuring || !during.isEmpty()) << "the fault went unreported";
      // What is told is the failure itself, not a consequence of it (such as an empty file name).
      for (const QString& m : during) EXPECT_FALSE(m.contains(QStringLiteral("\"\""))) << m.toStdString();
      fault.heal(s);
      EXPECT_TRUE(s.leftovers().isEmpty()) << s.leftovers().join(',').toStdString();
      MsgSeam::Clear();
      use.act(*s.receipts);
      EXPECT_TRUE(use.worked(s)) << MsgSeam::Texts().join(" | ").toStdString();
    }
}

namespace {

// A screen in use: `open` shows it before the fault strikes, `act` is what the person does
// while it holds, `written` reads back what the act stores (nothing when it stores nothing).
struct ScreenUse {
  const char* name;
  std::function<TForm*(Session&)> open;
  std::function<void(TForm&)> act;
  std::function<QString(Session&)> written;
};

// One screen under one fault: the exact messages while it holds and once it is gone. "%1" in a
// message stands for the statement the journal shows as failed, "%port" for the mail server's.
struct FaultRow {
  ScreenUse use;
  QStringList during;
  QStringList after;
  bool storedDuring = false;  // the fault only hit what follows the save (a notice)
  // Lookups on the screen's direct connection go to the general error handler by their rule
  // (the save statements after them still each report their own failure in a box).
  bool errorWindow = false;
};

QStringList expected(const QStringList& messages, const Session& s) {
  QString failed;
  for (const JournalEntry& e : StatementJournal::Entries())
    if (!e.ok && failed.isEmpty()) failed = e.statement;
  QStringList out;
  for (QString m : messages) {
    if (m.contains(QStringLiteral("%1"))) m = m.arg(failed);
    m.replace(QStringLiteral("%port"), s.smtp->portText());
    out << m;
  }
  return out;
}

// Runs every row: the screen is opened, the fault strikes, the person acts; then the fault is
// healed, nothing was half-written, nothing is left on disk and the same act on a new screen works.
void runFault(const Fault& fault, const QList<FaultRow>& rows) {
  for (const FaultRow& row : rows) {
    SCOPED_TRACE(std::string(fault.name) + " / " + row.use.name);
    Session s;
    ASSERT_NE(s.menu, nullptr);
    TForm* screen = row.use.open(s);
    const QString before = row.use.written ? row.use.written(s) : QString();
    if (!fault.strike(s)) GTEST_SKIP() << fault.name << " cannot be made on this machine";
    MsgSeam::Clear();
    StatementJournal::Clear();
    QStringList windows;  // the general error handler's window, answered "Default"
    ErrorSys::SetAnswerForTests([&](const TError& e) {
      windows << e.description;
      return ErrorChoice::Default;
    });
    row.use.act(*screen);
    const QStringList during = MsgSeam::Texts();
    EXPECT_EQ(during, expected(row.during, s));
    // Told in a box, not the error window (but for a screen's own direct lookups).
    EXPECT_EQ(!windows.isEmpty(), row.errorWindow) << windows.join(u'|').toStdString();
    ErrorSys::SetAnswerForTests(nullptr);
    std::printf("%-28s %-24s -> %s\n", fault.name, row.use.name, qPrintable(during.join(QStringLiteral(" | ")).left(160)));
    fault.heal(s);
    if (row.use.written) {
      if (row.storedDuring) {
        EXPECT_NE(row.use.written(s), before) << "the save waited for the notice";
      } else {
        EXPECT_EQ(row.use.written(s), before) << "half-written";
      }
    }
    EXPECT_TRUE(s.leftovers().isEmpty()) << s.leftovers().join(',').toStdString();
    MsgSeam::Clear();
    const QString between = row.use.written ? row.use.written(s) : QString();
    row.use.act(*row.use.open(s));
    EXPECT_EQ(MsgSeam::Texts(), expected(row.after, s));
    if (row.use.written) {
      EXPECT_NE(row.use.written(s), between) << "not stored once the fault is gone";
    }
  }
}

// The uses of the other screens, each with what it stores.
const ScreenUse kGeneral{
    "general information save",
    [](Session& s) -> TForm* {
      auto* g = s.open<TInformacionGeneral>();
      g->Show();
      return g;
    },
    [](TForm& f) {
      auto& g = static_cast<TInformacionGeneral&>(f);
      g.txtDomicilio->Value = QStringLiteral("CALLE DEL FALLO 1");
      g.txtPadre->Value = QStringLiteral("PADRE DEL FALLO");
      MsgSeam::QueueAnswer(true);
      g.btnGuardarCambio->Press();
    },
    [](Session& s) {
      return s.read(QStringLiteral("select domicilio from datosemps where codigo = 1 and empresa = 1")) + u'|' +
             s.read(QStringLiteral("select count(*) from rhfamiliar where nombre = 'PADRE DEL FALLO'"));
    }};

const ScreenUse kVacationMail{
    "vacation request mail",
    [](Session& s) -> TForm* {
      auto* r = s.open<TSolicitarVacaciones>([&](TSolicitarVacaciones& v) { v.NombreEmpleado = s.menu->lblNombre->cText(); });
      r->Show();
      return r;
    },
    [](TForm& f) {
      auto& r = static_cast<TSolicitarVacaciones&>(f);
      r.txtNumero->Value = QStringLiteral("1");
      r.btnEnviar->Press();
    },
    nullptr};

const ScreenUse kRequestSave{
    "request save",
    [](Session& s) -> TForm* {
      auto* d = s.open<TSolicitarDetalle>([](TSolicitarDetalle& r) { r.tipoSolicitud = TiposSolicitud::Permisos; });
      d->Show();
      return d;
    },
    [](TForm& f) {
      auto& d = static_cast<TSolicitarDetalle&>(f);
      d.txtDiasSolicitados->Value = QStringLiteral("1");
      d.txtMotivo->Value = QStringLiteral("TRAMITE");
      d.btnGuardar->Press();
    },
    [](Session& s) { return s.read(QStringLiteral("select count(*) from PortalEmpleadoSolicitud")); }};

// A leave request of employee 1 waiting at its first step, rejected there.
const ScreenUse kRejection{
    "request rejection",
    [](Session& s) -> TForm* {
      auto other = DemoDatabase::Open(s.database());
      other->Execute(QStringLiteral("exec dbo.PortalEmpleado_AgregaSolicitudVPA 1,1,'%1',1,'%1','PERMISO',0,2")
                         .arg(Text::DToS(QDate::currentDate())));
      const QString id = s.read(QStringLiteral("select max(id) from PortalEmpleadoSolicitud"));
      auto* m = s.open<TMotivoRechazo>([&](TMotivoRechazo& r) {
        r.idSolicitud = id;
        r.orden = QStringLiteral("1");
        r.CodigoEmpleado = QStringLiteral("1");
      });
      m->Show();
      return m;
    },
    [](TForm& f) {
      auto& m = static_cast<TMotivoRechazo&>(f);
      m.txtMotivoRechazo->Value = QStringLiteral("SIN COBERTURA");
      m.btnGuardar->Press();
    },
    [](Session& s) {
      return s.read(QStringLiteral("select count(*) from PortalEmpleadoSolicitudPaso where estatus = 'RECHAZADA'"));
    }};

const ScreenUse kLetterMail{
    "work letter mail",
    [](Session& s) -> TForm* {
      auto* r = s.open<TReportes>();
      r->Show();
      r->optConstanciaTrabajo->lChecked = true;
      return r;
    },
    [](TForm& f) { static_cast<TReportes&>(f).btnEnviaMail->Press(); },
    nullptr};

// The administrator's mail account of the first company.
const ScreenUse kAdministrator{
    "administrator save",
    [](Session& s) -> TForm* {
      auto* a = TForm::New<TAdministrador>(nullptr, [&](TAdministrador& r) { r.CNX = s.menu->CNX; });
      a->Show();
      return a;
    },
    [](TForm& f) {
      auto& a = static_cast<TAdministrador&>(f);
      static int n = 0;  // each save stores another account
      a.txtDireccion1->Value = QStringLiteral("fallo%1@norte.demo.local").arg(++n);
      a.btnGuardarMail->Press();
    },
    [](Session& s) { return s.read(QStringLiteral("select cuenta from PortalEmpleadoConfigMail where empresa = 1")); }};

// The administrator's terminal switches and pictures: config.ini and the logo row.
const ScreenUse kAdministratorSwitches{
    "administrator switches",
    kAdministrator.open,
    [](TForm& f) {
      auto& a = static_cast<TAdministrador&>(f);
      a.chkModifica->lChecked = !a.chkModifica->lChecked();
      a.txtLogo->Value = a.txtLogo->Value() + u' ';
      a.btnGuardarOtros->Press();
    },
    [](Session& s) {
      QFile ini(s.terminal.file(QStringLiteral("config.ini")));
      ini.open(QIODevice::ReadOnly);
      return QString::fromUtf8(ini.readAll()) + u'|' +
             s.read(QStringLiteral("select rutaImagen from portalempleadologo where idempresa = 1"));
    }};

}  // namespace

TEST(FaultsWhileInUse, DatabaseFileUnreadableBetweenOpeningAndSaving) {
  QByteArray saved;
  const Fault fault = databaseOverwritten(saved);
  // SQLite's words: a page read from the overwritten file, or a file opened afresh.
  const QString malformed = QStringLiteral("Error 11: database disk image is malformed\r\n\r\nSentencia: %1");
  const QString notADatabase = QStringLiteral("Error 26: file is not a database\r\n\r\nSentencia: %1");
  const QString save = QStringLiteral("¿Desea guardar los cambios?");
  const QString reopened = QStringLiteral("clsConexion:Ejecuta\r\nError 26: Cannot open database \"portal-demo.db\": file is not a database");
  runFault(fault, {
                      // Each save statement runs by itself and reports its own failure.
                      {kGeneral,
                       {save, "clsConexion:Ejecuta\r\nError 11: database disk image is malformed", reopened, reopened, reopened},
                       {save},
                       false,
                       true},
                      // The request mail needs nothing of the database: it goes.
                      {kVacationMail, {"Proceso terminado"}, {"Proceso terminado"}},
                      {kRequestSave, {malformed}, {"Soliciud guardada y correo(s) electrónico(s) enviado."}},
                      {kRejection, {notADatabase}, {"Rechazo guardado. Ya se ha enviado la notificacion al trabajador"}},
                      {kLetterMail, {malformed}, {"Correo Enviado"}},
                      // Its statement went to the write-ahead log past the damaged file: stored.
                      {kAdministrator, {"Datos guardados"}, {"Datos guardados"}, true},
                  });
}

TEST(FaultsWhileInUse, MailServerCutsTheMessage) {
  const Fault fault{"mail server cuts the message",
                    [](Session& s) {
                      TestSmtp::Options cutting;
                      cutting.closeAfter = 300;  // past the commands, inside the headers
                      return s.restartMail(cutting);
                    },
                    [](Session& s) { s.restartMail({}); }};
  const QString notSent = QStringLiteral("El correo no puede ser enviado por el momento.");
  const QString lost = QStringLiteral("Se perdió la conexión con el servidor de correo 127.0.0.1:%port.");
  runFault(fault, {
                      {kVacationMail, {lost, notSent}, {"Proceso terminado"}},
                      {kRequestSave,
                       {lost, "Solicitud guardada, pero el correo electrónico no pudo ser enviado."},
                       {"Soliciud guardada y correo(s) electrónico(s) enviado."},
                       true},
                      {kRejection,
                       {lost, "Rechazo guardado. No se ha podido enviar la notificacion al trabajador"},
                       {"Rechazo guardado. Ya se ha enviado la notificacion al trabajador"},
                       true},
                      {kLetterMail, {lost, notSent}, {"Correo Enviado"}},
                  });
}

TEST(FaultsWhileInUse, ProgramFolderReadOnly) {
  const Fault fault{"program folder read-only", [](Session& s) { return setImmutable(s.terminal.path(), true); },
                    [](Session& s) { setImmutable(s.terminal.path(), false); }};
  const QString notSent = QStringLiteral("El correo no puede ser enviado por el momento.");
  runFault(fault, {
                      {kVacationMail, {"Proceso terminado"}, {"Proceso terminado"}},  // nothing to write: it goes
                      {kRequestSave,
                       {"Solicitud guardada, pero el correo electrónico no pudo ser enviado."},
                       {"Soliciud guardada y correo(s) electrónico(s) enviado."},
                       true},
                      {kLetterMail, {notSent}, {"Correo Enviado"}},
                      {kAdministratorSwitches, {"Error al guardar"}, {"Proceso Terminado"}},
                  });
}

// The production path: the SQL Server the terminal talks to (through FreeTDS) stops after the
// screen has loaded and before the person saves, and comes back on the same port.
TEST(FaultsWhileInUse, SqlServerStoppedBetweenLoadingAndSaving) {
  QString why;
  if (!SqlServerStandIn::Available(&why)) GTEST_SKIP() << why.toStdString();
  DbPaths::Current() = DbPath::FreeTds;
  const Fault fault{"SQL Server stopped",
                    [](Session& s) {
                      if (!s.terminal.server()) return false;
                      s.terminal.server()->stop();
                      return true;
                    },
                    [](Session& s) { EXPECT_TRUE(s.terminal.server()->start()); }};
  // FreeTDS's words for the vanished server, then ours, then the statement.
  const QString lost = QStringLiteral(
      "Error 0 [HY000]: [FreeTDS][SQL Server]Unknown error\r\n"
      "Error 0 [08S01]: Se perdió la conexión con el servidor de base de datos.\r\n\r\nSentencia: %1");
  runFault(fault, {
                      {kRequestSave, {lost}, {"Soliciud guardada y correo(s) electrónico(s) enviado."}},
                      {kRejection, {lost}, {"Rechazo guardado. Ya se ha enviado la notificacion al trabajador"}},
                  });
  DbPaths::Current() = DbPath::Embedded;
}
