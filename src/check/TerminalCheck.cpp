#include "check/TerminalCheck.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "check/Bounded.h"
#include "check/Checks.h"
#include "mail/CurlLibrary.h"
#include "toolkit/TFont.h"
#include "toolkit/TIni.h"

namespace TerminalCheck {

namespace {

using Clock = std::chrono::steady_clock;

CheckLine unanswered(const QString& id, const QString& title, int seconds, const QString& todo) {
  ++Bounded::Abandoned();
  return CheckLine::Fail(id, title, QStringLiteral("sin respuesta en %1 segundos").arg(seconds), todo);
}

// Secrets never reach the output, whatever a component put into its messages.
void hide(CheckLines& lines, const QStringList& secrets) {
  for (CheckLine& l : lines)
    for (const QString& s : secrets)
      if (s.size() >= 3) {
        l.found.replace(s, QStringLiteral("***"));
        l.todo.replace(s, QStringLiteral("***"));
      }
}

}  // namespace

bool Requested(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--comprobar") == 0) return true;
  return false;
}

CheckLines Run(const Options& options) {
  const auto limit = std::chrono::seconds(options.seconds);
  CheckLines lines = Checks::Config();
  const bool configured = QFileInfo::exists(QStringLiteral("config.ini"));

  // The slow pieces start at once, each on its own thread.
  Bounded::Task<Checks::Database> database([] { return Checks::DatabaseAndContract(); });
  Bounded::Task<CheckLine> printer([] { return Checks::Printer(); });
  const CheckLines files = Checks::Files();

  QStringList pictures;
  if (configured) {
    if (const auto db = database.WaitUntil(Clock::now() + limit)) {
      lines << db->lines;
      pictures = db->pictures;
      // libcurl is loaded and set up once, before the accounts are tried side by side.
      QString noCurl;
      CurlLibrary::Get(&noCurl);
      QList<std::pair<QString, Bounded::Task<CheckLine>>> mail;
      for (const auto& [company, row] : db->mail) {
        const int seconds = options.seconds;
        mail.append({company, Bounded::Task<CheckLine>([company = company, row = row, seconds] { return Checks::Mail(company, row, seconds); })});
      }
      // curl gives up by itself after the limit; a little more for its QUIT.
      const auto mailDeadline = Clock::now() + limit + std::chrono::seconds(2);
      for (auto& [company, task] : mail) {
        if (auto line = task.WaitUntil(mailDeadline)) lines << *line;
        else lines << unanswered(u"correo."_qs + company, QStringLiteral("Correo de la empresa %1").arg(company), options.seconds,
                                 QStringLiteral("revise que la terminal llegue al servidor de correo y su puerto"));
      }
      if (db->reached && db->mail.isEmpty())
        lines << CheckLine::Fail(u"correo"_qs, QStringLiteral("Correo"), QStringLiteral("la base no lista empresas (exec peCargaListadoEmpresas)"),
                                 QStringLiteral("revise el procedimiento peCargaListadoEmpresas"));
    } else {
      lines << unanswered(u"bd.conexion"_qs, QStringLiteral("Conexión a la base de datos"), options.seconds,
                          QStringLiteral("revise la red hasta el servidor, su carga y SERVER de [CONFIG]; el portal esperaría sin límite"));
    }
  }
  if (auto line = printer.WaitUntil(Clock::now() + limit)) lines << *line;
  else lines << unanswered(u"impresora"_qs, QStringLiteral("Impresora"), options.seconds, QStringLiteral("revise que cupsd esté en marcha (systemctl status cups)"));
  if (!pictures.isEmpty()) lines << Checks::Images(pictures);
  lines << files;
  hide(lines, {TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("CONFIG"), QStringLiteral("PWD"))});
  return lines;
}

QString Text(const CheckLines& lines) {
  QString out;
  // One line each: what a component said over several lines is joined.
  const auto oneLine = [](QString text) { return text.replace(u"\r\n"_qs, u" / "_qs).replace(u'\n', u" / "_qs).trimmed(); };
  for (const CheckLine& l : lines) {
    out += (l.ok ? u"✓ "_qs : u"✗ "_qs) + l.title + u": "_qs + oneLine(l.found);
    if (!l.ok && !l.todo.isEmpty()) out += u" — qué hacer: "_qs + oneLine(l.todo);
    out += u'\n';
  }
  return out;
}

QByteArray Json(const CheckLines& lines) {
  QJsonArray checks;
  bool all = true;
  for (const CheckLine& l : lines) {
    all = all && l.ok;
    QJsonObject o{{u"id"_qs, l.id}, {u"titulo"_qs, l.title}, {u"ok"_qs, l.ok}, {u"encontrado"_qs, l.found}};
    if (!l.ok) o.insert(u"que_hacer"_qs, l.todo);
    checks.append(o);
  }
  const QJsonObject root{{u"terminal"_qs, QDir::currentPath()}, {u"ok"_qs, all}, {u"comprobaciones"_qs, checks}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

int Main(int argc, char** argv) {
  // No window: the fonts are read without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  TFont::InstallSubstitutes();
  Options options;
  bool json = false;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == u"--json") json = true;
    if (args[i] == u"--segundos" && i + 1 < args.size()) options.seconds = std::max(1, args[++i].toInt());
  }
  const CheckLines lines = Run(options);
  const QByteArray out = json ? Json(lines) : Text(lines).toUtf8();
  std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
  std::fflush(stdout);
  bool all = true;
  for (const CheckLine& l : lines) all = all && l.ok;
  const int status = all ? 0 : 1;
  // A piece still waiting on a server is not waited for.
  if (Bounded::Abandoned() > 0) std::_Exit(status);
  return status;
}

}  // namespace TerminalCheck
