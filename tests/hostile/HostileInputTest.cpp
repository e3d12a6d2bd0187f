// The hostile-input corpus typed into every field that reaches a statement: no statement may
// break, and where the field is stored, the stored value is the typed one after the screen's trim.
// PORTAL_CORPUS_SIZE sets the texts per field (the suite runs a share of the 10,000),
// PORTAL_CORPUS_FIELDS limits the run to some fields.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <optional>

#include "data/Scramble.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "screens/admin/TAdministrador.h"
#include "screens/admin/TNuevoFlujo.h"
#include "screens/employee/THijos.h"
#include "screens/employee/TInformacionGeneral.h"
#include "screens/login/TPassword.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/requests/TMotivoRechazo.h"
#include "screens/requests/TSolicitarDetalle.h"
#include "screens/shared/TiposSolicitud.h"
#include "support/DemoTerminal.h"
#include "support/HostileCorpus.h"
#include "support/SmtpServer.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

namespace {

// The way the on-screen keys write: one character at a time at the caret.
void typeInto(TEdit* edit, const QString& text) {
  edit->setText(QString());
  for (QChar c : text) edit->InsertText(QString(c));
}

// A memo takes a physical keyboard: each character goes in at the caret.
void typeInto(TMemo* memo, const QString& text) {
  memo->Value = QString();
  for (QChar c : text) memo->insertPlainText(QString(c));
}

// What the screen answers when it refuses the text; the probe compares it with `refused`.
const QString kRefused = QStringLiteral("<rechazado>");
std::optional<QString> refusedOr(const QString& refusal, const std::function<QString()>& stored) {
  return std::optional<QString>(MsgSeam::Texts().contains(refusal) ? kRefused : stored());
}
// The typed text trimmed, or refused when the trimmed text is longer than `longest`.
std::function<QString(const QString&)> trimmedUpTo(int longest) {
  return [longest](const QString& typed) {
    const QString t = Text::AllTrim(typed);
    return t.size() > longest ? kRefused : t;
  };
}

QString scalar(const QString& query) {
  bool ok = false;
  const ResultSet rows = AppData.oAdo->Query(query, &ok);
  return ok && !rows.rows.isEmpty() ? rows.rows.row(1).col(1).toString() : QStringLiteral("<sin fila>");
}

struct FieldResult {
  int tried = 0, broken = 0, mismatched = 0;
  QString firstProblem;
};

// One field: enter the text and send it; answer what was stored, or nothing when the field is
// only read (then only the statements are checked).
struct Probe {
  const char* screen;
  const char* field;
  std::function<void(const QString& text)> enter;
  std::function<std::optional<QString>()> stored;
  std::function<QString(const QString& typed)> expected;
};

FieldResult run(const Probe& probe, const QStringList& corpus) {
  FieldResult r;
  for (const QString& text : corpus) {
    StatementJournal::Clear();
    MsgSeam::Clear();
    probe.enter(text);
    DemoTerminal::Settle();
    ++r.tried;
    bool broke = false;
    for (const JournalEntry& e : StatementJournal::Entries())
      if (!e.ok) {
        broke = true;
        if (r.firstProblem.isEmpty()) r.firstProblem = e.statement + QStringLiteral(" → ") + e.outcome;
      }
    if (broke) {
      ++r.broken;
      continue;
    }
    if (const auto got = probe.stored ? probe.stored() : std::nullopt; got && *got != probe.expected(text)) {
      ++r.mismatched;
      if (r.firstProblem.isEmpty()) r.firstProblem = QStringLiteral("[%1] guardado como [%2]").arg(text, *got);
    }
  }
  return r;
}

// Opens a screen from the menu as a touch would, and acts on it while it is shown modally.
// `answers` go to the questions asked on the way.
template <class Screen>
void fromMenu(TBtnBmp* button, const std::function<void(Screen&)>& act, const QList<bool>& answers = {}) {
  for (bool a : answers) MsgSeam::QueueAnswer(a);
  TForm::SetModalHook([&](TForm& form) {
    if (auto* screen = qobject_cast<Screen*>(&form)) act(*screen);
    form.Close();
  });
  button->Press();
  TForm::SetModalHook(nullptr);
}

// The same for a screen its opener shows modally (`show` builds it and calls ShowModal).
template <class Screen>
void modally(const std::function<void()>& show, const std::function<void(Screen&)>& act) {
  TForm::SetModalHook([&](TForm& form) {
    if (auto* screen = qobject_cast<Screen*>(&form)) act(*screen);
    if (form.isVisible()) form.Close();
  });
  show();
  TForm::SetModalHook(nullptr);
}

QString trimmed(const QString& typed) { return Text::AllTrim(typed); }
QString asTyped(const QString& typed) { return typed; }

// Runs every probe over the corpus and prints the per-field table; no broken statement and no
// stored value that differs from the typed one.
void report(const QList<Probe>& probes, const QStringList& corpus) {
  QString table;
  QTextStream out(&table);
  out << "\nPantalla / campo                         textos  rotas  distintas  segundos\n";
  int broken = 0, mismatched = 0;
  // PORTAL_CORPUS_FIELDS (comma-separated parts of "Screen.field") runs only those fields.
  const QStringList only = qEnvironmentVariable("PORTAL_CORPUS_FIELDS").split(u',', Qt::SkipEmptyParts);
  for (const Probe& probe : probes) {
    const QString label = QStringLiteral("%1.%2").arg(QLatin1String(probe.screen), QLatin1String(probe.field));
    if (!only.isEmpty() && std::none_of(only.begin(), only.end(), [&](const QString& o) { return label.contains(o); }))
      continue;
    QElapsedTimer clock;
    clock.start();
    const FieldResult r = run(probe, corpus);
    const QString line = QStringLiteral("%1 %2 %3 %4 %5\n")
                             .arg(label, -40)
                             .arg(r.tried, 6)
                             .arg(r.broken, 6)
                             .arg(r.mismatched, 10)
                             .arg(double(clock.elapsed()) / 1000.0, 9, 'f', 1);  // a figure for the record, not a limit
    std::fprintf(stderr, "%s", qPrintable(line));  // as each field ends: a long run shows its progress
    out << line;
    if (!r.firstProblem.isEmpty()) out << "    " << r.firstProblem.left(300) << '\n';
    broken += r.broken;
    mismatched += r.mismatched;
  }
  out.flush();
  std::printf("%s", table.toStdString().c_str());
  EXPECT_EQ(broken, 0) << table.toStdString();
  EXPECT_EQ(mismatched, 0) << table.toStdString();
}

}  // namespace

TEST(HostileInput, EveryFieldTakesTheCorpusWithoutABrokenStatement) {
  const QStringList corpus = HostileCorpus::Strings(HostileCorpus::Size(300));
  DemoTerminal terminal(QStringLiteral("SalirActivado=Si\nModifica=Si\n"));
  TPrincipal* menu = DemoTerminal::LogIn<TRegistro, TPrincipal>(QStringLiteral("1"), QStringLiteral("Clave2024"));
  ASSERT_NE(menu, nullptr) << MsgSeam::Texts().join(u'|').toStdString();
  const QString codigo = AppData.Codigo, empresa = AppData.Empresa;

  QList<Probe> probes = {
      {"TRegistro", "txtPassword",
       [](const QString& text) {
         const QList<TForm*> before = Application::Windows();
         auto* login = TForm::New<TRegistro>();
         login->Show();
         typeInto(login->txtEmpleado, QStringLiteral("1"));
         typeInto(login->txtPassword, text);
         login->btnAceptar->Press();
         for (TForm* f : Application::Windows())
           if (!before.contains(f)) f->deleteLater();
       },
       nullptr, trimmed},
      {"TPassword", "txtPassword",
       [&](const QString& text) {
         fromMenu<TPassword>(menu->btnCambiaPassword, [&](TPassword& pwd) {
           typeInto(pwd.txtPassword, text);
           typeInto(pwd.txtConfirmar, text);
           pwd.btnGuardar->Press();
         }, {true});
       },
       [&] {
         return std::optional<QString>(Desencripta(scalar(
             QStringLiteral("select password from empleados where codigo=%1 and empresa=%2").arg(codigo.trimmed(), empresa.trimmed()))));
       },
       trimmed},
  };
  // The general information screen: each field typed, saved, read back from its table.
  const QString where = QStringLiteral(" where codigo=%1 and empresa=%2").arg(codigo.trimmed(), empresa.trimmed());
  const std::pair<const char*, const char*> generalFields[] = {
      {"txtDomicilio", "domicilio"}, {"txtColonia", "colonia"},  {"txtMunicipio", "municipio"},
      {"txtLocalidad", "localidad"}, {"txtCP", "codpostal"},     {"txtTel", "telefono"},
      {"txtEmail", "email"},         {"txtPadre", "1"},          {"txtMadre", "2"},
      {"txtConyuge", "5"},
  };
  for (const auto& [field, column] : generalFields) {
    const QString name = QString::fromLatin1(field), col = QString::fromLatin1(column);
    const bool family = col.size() == 1;
    probes.append(Probe{
        "TInformacionGeneral", field,
        [&menu, name](const QString& text) {
          fromMenu<TInformacionGeneral>(menu->btnInformacionGeneral, [&](TInformacionGeneral& g) {
            typeInto(g.findChild<TEdit*>(name), text);
            MsgSeam::QueueAnswer(true);
            g.btnGuardarCambio->Press();
          });
        },
        [where, col, family, codigo, empresa] {
          return std::optional<QString>(scalar(
              family ? QStringLiteral("select p.nombre from rhcatalogo c join rhfamiliar p on p.Idcatalogo = c.idcatalogo "
                                      "where c.codigo=%1 and c.empresa=%2 and p.idparentesco=%3")
                           .arg(codigo.trimmed(), empresa.trimmed(), col)
                     : QStringLiteral("select %1 from datosemps").arg(col) + where));
        },
        trimmed});
  }
  // The children screen, opened from the general one: a new child under the typed name.
  const QString demoFamily = scalar(QStringLiteral("select max(id_familia) from rhfamiliar"));
  probes.append(Probe{
      "THijos", "txtNombre",
      [&menu](const QString& text) {
        TForm::SetModalHook([&](TForm& form) {
          if (auto* g = qobject_cast<TInformacionGeneral*>(&form)) {
            g->btnHijo->Press();
          } else if (auto* h = qobject_cast<THijos*>(&form)) {
            h->btnNuevo->Press();
            typeInto(h->txtNombre, text);
            h->btnAgregar->Press();
          }
          form.Close();
        });
        menu->btnInformacionGeneral->Press();
        TForm::SetModalHook(nullptr);
      },
      [demoFamily] {
        // Read, then taken away: each text is a child of its own, not the 10,000th one.
        const QString id = scalar(QStringLiteral("select max(id_familia) from rhfamiliar"));
        const QString stored = scalar(QStringLiteral("select nombre from rhfamiliar where id_familia = ") + id);
        AppData.oAdo->Execute(QStringLiteral("delete from rhfamiliar where id_familia > %1 and id_familia = %2").arg(demoFamily, id));
        return std::optional<QString>(stored);
      },
      trimmed});

  // The request screen files a leave of one day; the reason is stored as typed. The notice to
  // the approver is not this field's concern, and the mail server is a closed port.
  AppData.gsEnviaSolicitudCorreo = QStringLiteral("0");
  AppData.oAdo->Execute(QStringLiteral("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '%1'")
                            .arg(TestSmtp::SmtpServer::FreePort()));
  const QString newest = QStringLiteral("(select max(id) from PortalEmpleadoSolicitud)");
  probes.append(Probe{
      "TSolicitarDetalle", "txtMotivo",
      [&menu](const QString& text) {
        modally<TSolicitarDetalle>(
            [&] {
              TForm::New<TSolicitarDetalle>(menu, [&](TSolicitarDetalle& d) {
                d.CNX = menu->CNX;
                d.empresa = menu->empresa;
                d.tipoSolicitud = TiposSolicitud::Permisos;
              })->ShowModal();
            },
            [&](TSolicitarDetalle& d) {
              typeInto(d.txtDiasSolicitados, QStringLiteral("1"));
              typeInto(d.txtMotivo, text);
              d.btnGuardar->Press();
            });
      },
      [newest] { return std::optional<QString>(scalar(QStringLiteral("select causa from PortalEmpleadoSolicitud where id = ") + newest)); },
      asTyped});
  // The rejection of that kind of request at its first step: the motive lands on the step.
  probes.append(Probe{
      "TMotivoRechazo", "txtMotivoRechazo",
      [&menu, newest, codigo, empresa](const QString& text) {
        AppData.oAdo->Execute(QStringLiteral("exec dbo.PortalEmpleado_AgregaSolicitudVPA %1,%2,'%3',1,'%3','PERMISO',0,2")
                                  .arg(empresa.trimmed(), codigo.trimmed(), Text::DToS(QDate::currentDate())));
        const QString id = scalar(QStringLiteral("select ") + newest);
        modally<TMotivoRechazo>(
            [&] {
              TForm::New<TMotivoRechazo>(menu, [&](TMotivoRechazo& m) {
                m.CNX = menu->CNX;
                m.empresa = menu->empresa;
                m.idSolicitud = id;
                m.orden = QStringLiteral("1");
                m.CodigoEmpleado = codigo;
              })->ShowModal();
            },
            [&](TMotivoRechazo& m) {
              typeInto(m.txtMotivoRechazo, text);
              m.btnGuardar->Press();
            });
      },
      [newest] {
        return std::optional<QString>(scalar(
            QStringLiteral("select comentario from PortalEmpleadoSolicitudPaso where orden = 1 and idsolicitud = ") + newest));
      },
      asTyped});

  report(probes, corpus);
}

TEST(HostileInput, AdministratorFieldsStoreWhatWasTyped) {
  const QStringList corpus = HostileCorpus::Strings(HostileCorpus::Size(300));
  DemoTerminal terminal;
  auto* admin = DemoTerminal::LogIn<TRegistro, TAdministrador>(QStringLiteral("Administrador"), QStringLiteral("Admin2024"));
  ASSERT_NE(admin, nullptr) << MsgSeam::Texts().join(u'|').toStdString();
  admin->txtPuerto->Value = QStringLiteral("25");
  // Field, column of the company's mail row, and what the stored value is compared with.
  struct MailField {
    const char* field;
    int column;
    bool scrambled;
    bool trim;  // only the human-resources mailbox is stored trimmed
  };
  const MailField fields[] = {{"txtServidor", 1, false, false}, {"txtDireccion1", 2, false, false},
                              {"txtauser", 5, false, false},    {"txtPassword", 6, true, false},
                              {"txtRHMail", 13, false, true}};
  QList<Probe> probes;
  for (const MailField& f : fields) {
    const QString name = QString::fromLatin1(f.field);
    probes.append(Probe{
        "TAdministrador", f.field,
        [admin, name](const QString& text) {
          typeInto(admin->findChild<TEdit*>(name), text);
          admin->btnGuardarMail->Press();
        },
        [admin, f] {
          bool ok = false;
          const ResultSet rows = AppData.oAdo->Query(QStringLiteral("exec getConfiguraMailPortalEmpleado ") + admin->empresa, &ok);
          if (!ok || rows.rows.isEmpty()) return std::optional<QString>(QStringLiteral("<sin fila>"));
          const QString v = rows.rows.row(1).col(f.column).toString();
          return std::optional<QString>(f.scrambled ? Desencripta(v) : v);
        },
        f.trim ? trimmed : asTyped});
  }

  const QString company = admin->empresa;
  // The company's first policy, renamed or pointed at another file.
  const QString policy = scalar(QStringLiteral("select min(id) from PortalEmpleadoPoliticas where empresa = ") + company);
  const std::pair<const char*, const char*> policyFields[] = {{"txtNombrePolitica", "nombre"},
                                                              {"txtRutaPolitica", "archivo"}};
  for (const auto& [field, column] : policyFields) {
    const QString name = QString::fromLatin1(field), col = QString::fromLatin1(column);
    const bool isName = col == u"nombre";
    probes.append(Probe{
        "TAdministrador", field,
        [admin, name](const QString& text) {
          admin->arregloPoliticas->nArrayAt = 1;
          admin->arregloPoliticasaChange();
          typeInto(admin->findChild<TEdit*>(name), text);
          admin->btnGuardarPolitcas->Press();
        },
        [policy, col, isName] {
          return refusedOr(isName ? QStringLiteral("El nombre de la política no puede tener más de 200 caracteres")
                                  : QStringLiteral("El archivo de la política no puede tener más de 500 caracteres"),
                           [&] {
                             return scalar(QStringLiteral("select %1 from PortalEmpleadoPoliticas where id = %2").arg(col, policy));
                           });
        },
        trimmedUpTo(isName ? 200 : 500)});
  }
  // Logo and signature are stored as typed (a path may hold blanks).
  const std::pair<const char*, const char*> pictureFields[] = {{"txtLogo", "rutaImagen"}, {"txtFirma", "rutaFirma"}};
  for (const auto& [field, column] : pictureFields) {
    const QString name = QString::fromLatin1(field), col = QString::fromLatin1(column);
    probes.append(Probe{
        "TAdministrador", field,
        [admin, name](const QString& text) {
          typeInto(admin->findChild<TEdit*>(name), text);
          admin->btnGuardarOtros->Press();
        },
        [company, col] {
          return refusedOr(QStringLiteral("La ruta de la imagen no puede tener más de 500 caracteres"), [&] {
            return scalar(QStringLiteral("select %1 from portalempleadologo where idempresa = %2").arg(col, company));
          });
        },
        [](const QString& typed) { return typed.size() > 500 ? kRefused : typed; }});
  }
  probes.append(Probe{
      "TAdministrador", "txtURL",
      [admin](const QString& text) {
        typeInto(admin->txtURL, text);
        admin->btnGuardarParametrosFlujo->Press();
      },
      [company] {
        return refusedOr(QStringLiteral("La URL del sitio no puede tener más de 200 caracteres"), [&] {
          return scalar(QStringLiteral("select url from PortalEmpleadoAdminConfig where empresa = ") + company);
        });
      },
      trimmedUpTo(200)});
  // A flow of vacations: a new one (taken away again once read), and the first one renamed.
  const QString longFlow = QStringLiteral("El nombre del flujo no puede tener más de 100 caracteres");
  admin->cmbTipoSolicitud->nIndex = 1;
  probes.append(Probe{
      "TNuevoFlujo", "txtNombreFlujo (nuevo)",
      [admin](const QString& text) {
        modally<TNuevoFlujo>([&] { admin->btnAgregarFlujoNuevo->Press(); },
                             [&](TNuevoFlujo& f) {
                               typeInto(f.txtNombreFlujo, text);
                               f.btnGuardar->Press();
                             });
      },
      [longFlow] {
        return refusedOr(longFlow, [] {
          const QString id = scalar(QStringLiteral("select max(idflujo) from PortalEmpleadoFlujo"));
          const QString stored = scalar(QStringLiteral("select Nombre from PortalEmpleadoFlujo where idflujo = ") + id);
          AppData.oAdo->Execute(QStringLiteral("delete from PortalEmpleadoFlujo where idflujo > 8 and idflujo = ") + id);
          return stored;
        });
      },
      trimmedUpTo(100)});
  const QString firstFlow = scalar(QStringLiteral(
      "select min(idflujo) from PortalEmpleadoFlujo where TipoSol = 1 and empresa = ") + company);
  probes.append(Probe{
      "TNuevoFlujo", "txtNombreFlujo (modificar)",
      [admin](const QString& text) {
        admin->Flujos();  // the first flow chosen
        modally<TNuevoFlujo>([&] { admin->btnModificarNombreFlujo->Press(); },
                             [&](TNuevoFlujo& f) {
                               typeInto(f.txtNombreFlujo, text);
                               f.btnGuardar->Press();
                             });
      },
      [longFlow, firstFlow] {
        return refusedOr(longFlow, [&] {
          return scalar(QStringLiteral("select Nombre from PortalEmpleadoFlujo where idflujo = ") + firstFlow);
        });
      },
      trimmedUpTo(100)});
  report(probes, corpus);
}
