// The hostile-input corpus typed into every field that reaches a statement: no statement may
// break, and where the field is stored, the stored value is the typed one after the screen's trim.
// PORTAL_CORPUS_SIZE sets the texts per field (the suite runs a share of the 10,000).
#include <gtest/gtest.h>

#include <QTextStream>
#include <functional>
#include <optional>

#include "data/Scramble.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "screens/admin/TAdministrador.h"
#include "screens/employee/THijos.h"
#include "screens/employee/TInformacionGeneral.h"
#include "screens/login/TPassword.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "support/DemoTerminal.h"
#include "support/HostileCorpus.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

namespace {

// The way the on-screen keys write: one character at a time at the caret.
void typeInto(TEdit* edit, const QString& text) {
  edit->setText(QString());
  for (QChar c : text) edit->InsertText(QString(c));
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

QString trimmed(const QString& typed) { return Text::AllTrim(typed); }
QString asTyped(const QString& typed) { return typed; }

// Runs every probe over the corpus and prints the per-field table; no broken statement and no
// stored value that differs from the typed one.
void report(const QList<Probe>& probes, const QStringList& corpus) {
  QString table;
  QTextStream out(&table);
  out << "\nPantalla / campo                         textos  rotas  distintas\n";
  int broken = 0, mismatched = 0;
  for (const Probe& probe : probes) {
    const FieldResult r = run(probe, corpus);
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg(QStringLiteral("%1.%2").arg(QLatin1String(probe.screen), QLatin1String(probe.field)), -40)
               .arg(r.tried, 6)
               .arg(r.broken, 6)
               .arg(r.mismatched, 10);
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
      [] {
        return std::optional<QString>(
            scalar(QStringLiteral("select nombre from rhfamiliar where id_familia = (select max(id_familia) from rhfamiliar)")));
      },
      trimmed});

  report(probes, corpus);
}

TEST(HostileInput, AdministratorMailFieldsStoreWhatWasTyped) {
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
  report(probes, corpus);
}
