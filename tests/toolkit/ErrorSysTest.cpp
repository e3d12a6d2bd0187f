// The general error handler: Error.log layout, the quiet lock errors and the three choices.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/ErrorSys.h"
#include "toolkit/GuardedApplication.h"

namespace {

struct HandlerFixture : ::testing::Test {
  ScopedWorkDir dir;
  int quits = 0;
  void SetUp() override {
    ErrorSys::SetQuitAction([this] { ++quits; });
    ErrorSys::ResetNetworkError();
  }
  void TearDown() override {
    ErrorSys::SetQuitAction(nullptr);
    ErrorSys::SetAnswerForTests(nullptr);
  }
  QStringList logLines() const {
    QFile f(dir.file(QStringLiteral("Error.log")));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).split(u'\n');
  }
};

TError sampleError() {
  TError e;
  e.subSystem = QStringLiteral("DBFNTX");
  e.subCode = 1003;
  e.description = QStringLiteral("Error de apertura");
  e.operation = QStringLiteral("ABRIR");
  e.args = {QStringLiteral("config.ini"), 12, true, QDate(2024, 1, 26), QVariant()};
  e.filename = QStringLiteral("Conducta.pdf");
  e.osCode = 2;
  e.canRetry = true;
  e.canDefault = true;
  return e;
}

// Named so that it shows in the call stack.
ErrorChoice FailingRoutine(const TError& e) { return ErrorSys::Handle(e); }

int indexOf(const QStringList& lines, const QString& start) {
  for (int i = 0; i < lines.size(); ++i)
    if (lines[i].startsWith(start)) return i;
  return -1;
}

}  // namespace

TEST_F(HandlerFixture, LockErrorsThatAllowADefaultAreQuiet) {
  ErrorSys::SetAnswerForTests([](const TError&) -> ErrorChoice {
    ADD_FAILURE() << "no window for a lock error";
    return ErrorChoice::Quit;
  });
  TError e;
  e.lockError = true;
  e.canDefault = true;
  EXPECT_EQ(ErrorSys::Handle(e), ErrorChoice::Default);
  EXPECT_TRUE(ErrorSys::NetworkError());
  EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("Error.log"))));
  EXPECT_EQ(quits, 0);
}

TEST_F(HandlerFixture, LogLayout) {
  QFile old(dir.file(QStringLiteral("Error.log")));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("contenido anterior que debe desaparecer\n");
  old.close();
  ErrorSys::SetAnswerForTests([](const TError&) { return ErrorChoice::Default; });
  FailingRoutine(sampleError());

  const QStringList lines = logLines();
  ASSERT_GT(lines.size(), 20);
  EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("contenido anterior")));
  const QString title = QString(29, u'*') + QStringLiteral(" Registro de errores ") + QString(29, u'*');
  EXPECT_EQ(lines[0], title);
  EXPECT_EQ(lines[0].size(), 79);

  // Header lines in order.
  const QStringList header = {"Programa", "Versión", "Usuario", "Computadora", "Fecha", "Hora", "Memoria libre",
                              "Área de trabajo actual"};
  int last = 0;
  for (const QString& label : header) {
    const int at = indexOf(lines, label);
    EXPECT_GT(at, last) << label.toStdString();
    last = at;
  }
  EXPECT_TRUE(lines[indexOf(lines, "Fecha")].endsWith(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));

  const int compiler = indexOf(lines, "-");
  ASSERT_GT(compiler, last);
  EXPECT_EQ(lines[compiler].size(), 79);
  EXPECT_EQ(lines[compiler].trimmed().remove(u'-').trimmed(), "Información del compilador");
  EXPECT_EQ(lines[compiler].indexOf(u' '), (79 - 28) / 2);

  const int detail = static_cast<int>(lines.indexOf(QRegularExpression(QStringLiteral("^-+ Información detallada del error -+$"))));
  ASSERT_GT(detail, compiler);
  EXPECT_EQ(lines[detail].size(), 79);
  auto value = [&](const QString& label) {
    const int at = indexOf(lines.mid(detail), label);
    return at < 0 ? QString() : lines[detail + at].mid(lines[detail + at].indexOf(QStringLiteral(": ")) + 2);
  };
  EXPECT_EQ(value("Subsistema"), "DBFNTX");
  EXPECT_EQ(value("Código de error"), "1003");
  EXPECT_EQ(value("Permite predeterminado"), "Sí");
  EXPECT_EQ(value("Descripción"), "Error de apertura");
  EXPECT_EQ(value("Operación"), "ABRIR");
  EXPECT_EQ(value("Archivo"), "Conducta.pdf");
  EXPECT_EQ(value("Código del sistema"), "2");
  const int args = indexOf(lines, "Argumentos");
  ASSERT_GT(args, detail);
  EXPECT_EQ(lines.mid(args + 1, 5), QStringList({"   [1] = Tipo: C Valor: config.ini", "   [2] = Tipo: N Valor: 12",
                                                  "   [3] = Tipo: L Valor: .T.", "   [4] = Tipo: D Valor: 26/01/2024",
                                                  "   [5] = Tipo: U Valor: NIL"}));

  // Call stack: two blanks, routine name, line in parentheses; the failing routine first.
  const int stack = static_cast<int>(lines.indexOf(QRegularExpression(QStringLiteral("^-+ Pila de llamadas -+$"))));
  ASSERT_GT(stack, args);
  const QRegularExpression level(QStringLiteral("^  [A-Za-z_:~<>,\\[\\]{}#0-9 ]+\\([0-9]+\\)$"));
  ASSERT_GT(lines.size(), stack + 2);
  EXPECT_TRUE(lines[stack + 1].startsWith(QStringLiteral("  ")));
  EXPECT_TRUE(lines[stack + 1].contains(QStringLiteral("FailingRoutine(")) ||
              lines[stack + 1].contains(QStringLiteral("HandlerFixture_LogLayout_Test::TestBody(")))
      << lines[stack + 1].toStdString();
  EXPECT_TRUE(level.match(lines[stack + 1]).hasMatch()) << lines[stack + 1].toStdString();
  EXPECT_TRUE(lines.join(u'\n').contains(QStringLiteral("HandlerFixture_LogLayout_Test::TestBody(")))
      << "callers are named too";
}

TEST_F(HandlerFixture, MessageOfTheWindow) {
  TError e = sampleError();
  EXPECT_EQ(ErrorSys::Message(e, {QStringLiteral("TRecibos::btnImprimeCartaClick(120)")}),
            "TRecibos::btnImprimeCartaClick(120)\n"
            "Error DBFNTX/1003  Error de apertura: Conducta.pdf\n"
            "Argumentos: (config.ini, 12, .T., 26/01/2024, NIL)\n"
            "(DOS Error 2)");
  e.severity = 1;
  e.filename.clear();
  e.osCode = 0;
  e.args.clear();
  EXPECT_EQ(ErrorSys::Message(e, {}), "Warning DBFNTX/1003  Error de apertura: ABRIR\nArgumentos: ()");
}

TEST_F(HandlerFixture, ChoicesRetryDefaultAndQuit) {
  struct Case {
    ErrorChoice answer;
    bool canRetry;
    bool canDefault;
    ErrorChoice result;
    int quits;
  };
  const Case cases[] = {
      {ErrorChoice::Retry, true, true, ErrorChoice::Retry, 0},
      {ErrorChoice::Default, true, true, ErrorChoice::Default, 0},
      {ErrorChoice::Quit, true, true, ErrorChoice::Quit, 1},
      {ErrorChoice::Retry, false, true, ErrorChoice::Quit, 1},    // not offered
      {ErrorChoice::Default, true, false, ErrorChoice::Quit, 1},  // not offered
  };
  for (const Case& c : cases) {
    quits = 0;
    ErrorSys::SetAnswerForTests([&](const TError&) { return c.answer; });
    TError e = sampleError();
    e.canRetry = c.canRetry;
    e.canDefault = c.canDefault;
    EXPECT_EQ(ErrorSys::Handle(e), c.result);
    EXPECT_EQ(quits, c.quits);
  }
}

TEST_F(HandlerFixture, GuardRetriesUntilTheOperationSucceeds) {
  ErrorSys::SetAnswerForTests([](const TError&) { return ErrorChoice::Retry; });
  int runs = 0;
  EXPECT_TRUE(ErrorSys::Guard([&](TError& e) {
    if (++runs < 3) {
      e.description = QStringLiteral("falla temporal");
      e.canRetry = true;
      return false;
    }
    return true;
  }));
  EXPECT_EQ(runs, 3);
  ErrorSys::SetAnswerForTests([](const TError&) { return ErrorChoice::Default; });
  EXPECT_FALSE(ErrorSys::Guard([](TError& e) {
    e.canDefault = true;
    return false;
  }));
}

// The real window, answered by pressing its buttons from a timer.
TEST_F(HandlerFixture, ErrorWindowButtons) {
  struct Case {
    const char* button;
    ErrorChoice result;
    int quits;
  };
  const Case cases[] = {{"btnReintentar", ErrorChoice::Retry, 0},
                        {"btnIgnorar", ErrorChoice::Default, 0},
                        {"btnSalir", ErrorChoice::Quit, 1},
                        {nullptr, ErrorChoice::Quit, 1}};  // the window closed
  for (const Case& c : cases) {
    quits = 0;
    QStringList buttons;
    QString text;
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->objectName(), "ErrorWindow");
      for (auto* b : box->findChildren<QPushButton*>()) buttons << b->text();
      text = box->findChild<QLabel*>(QStringLiteral("lblMensaje"))->text();
      if (c.button) box->findChild<QPushButton*>(QString::fromLatin1(c.button))->click();
      else box->close();
    });
    EXPECT_EQ(FailingRoutine(sampleError()), c.result);
    EXPECT_EQ(quits, c.quits);
    EXPECT_EQ(buttons, QStringList({"&Salir", "&Reintentar", "&Ignorar"}));
    EXPECT_TRUE(text.contains(QStringLiteral("Error DBFNTX/1003  Error de apertura: Conducta.pdf")));
  }
  // Only "&Salir" when the error allows neither.
  QStringList buttons;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    for (auto* b : box->findChildren<QPushButton*>()) buttons << b->text();
    box->findChild<QPushButton*>(QStringLiteral("btnSalir"))->click();
  });
  TError plain;
  plain.description = QStringLiteral("sin opciones");
  FailingRoutine(plain);
  EXPECT_EQ(buttons, QStringList({"&Salir"}));
}

TEST_F(HandlerFixture, ExceptionsEscapingAnEventReachTheHandler) {
  QStringList asked;
  ErrorSys::SetAnswerForTests([&](const TError& e) {
    asked << e.description;
    EXPECT_TRUE(e.canRetry);
    return asked.size() == 1 ? ErrorChoice::Retry : ErrorChoice::Default;
  });
  int runs = 0;
  // First delivery raises, "&Reintentar" delivers again and it succeeds.
  EXPECT_TRUE(GuardedApplication::Deliver([&] {
    if (++runs == 1) {
      TError e;
      e.description = QStringLiteral("no hay papel");
      ErrorSys::Raise(e);
    }
    return true;
  }));
  EXPECT_EQ(runs, 2);
  // "&Ignorar" drops the event.
  EXPECT_FALSE(GuardedApplication::Deliver([]() -> bool { throw std::runtime_error("fallo"); }));
  EXPECT_EQ(asked, QStringList({"no hay papel", "fallo"}));
  EXPECT_EQ(quits, 0);

  try {
    ErrorSys::Raise(TError{});
  } catch (const ErrorException& ex) {
    EXPECT_TRUE(ex.error().callStack.first().contains(QStringLiteral("TestBody(")));
  }
}
