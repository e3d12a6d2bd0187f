// Printing at the kiosk against a real CUPS scheduler: a receipt from the preview and a
// document from the viewer reach the queue with their page size, text and copies; what the
// employee is told when the printer cannot take it; jobs stuck at logout are cancelled.
#include <gtest/gtest.h>

#include "DocumentsSupport.h"
#include "printing/KioskPrint.h"
#include "printing/PrintDestination.h"
#include "printing/PrintJobs.h"
#include "printing/TConfirmaImpresion.h"
#include "reports/ReportModal.h"
#include "reports/ReportPreview.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/TVisorDocumento.h"

namespace {

const auto* const kPrintServer = ::testing::AddGlobalTestEnvironment(new Docs::PrintServerEnvironment);

// What the confirmation showed, and how it was answered.
struct Confirmed {
  bool shown = false;
  QString printer;
  int copies = 0;
};

// Runs `press` (which prints) with the confirmation answered: `more` taps on "+", then
// "Imprimir" (or "Cancelar"); the window's picture kept when `picture` is named.
Confirmed WithConfirmation(const std::function<void()>& press, int more = 0, bool accept = true,
                           const QString& picture = QString()) {
  Confirmed c;
  TForm::SetModalHook([&](TForm& form) {
    auto* dlg = qobject_cast<TConfirmaImpresion*>(&form);
    if (!dlg) return;
    c.shown = true;
    c.printer = dlg->lblImpresora->text();
    for (int i = 0; i < more; ++i) dlg->btnMas->Press();
    c.copies = dlg->lblCopias->text().toInt();
    if (!picture.isEmpty()) Render::ToPng(dlg, Kiosk::PicturePath(picture));
    (accept ? dlg->btnImprimir : dlg->btnCancelar)->Press();
  });
  press();
  TForm::SetModalHook(nullptr);
  return c;
}

// Prints the selected receipt from its preview (letter or half letter).
void PrintReceipt(TRecibos* r, bool halfLetter) {
  ReportModal::SetHookForTests([](QDialog& dialog) {
    auto* preview = dynamic_cast<ReportPreview*>(&dialog);
    if (preview) preview->AskAndPrint();
    return preview ? preview->result() : 0;
  });
  if (halfLetter)
    r->btnImprimirReciboClick();
  else
    r->btnImprimeCartaClick();
  ReportModal::SetHookForTests({});
}

QString QueueVariable(const QString& queue) { return QStringLiteral("Impresora=") + queue + u'\n'; }

}  // namespace

// One journey on three paths: the receipt's letter and half-letter previews, and a PDF in the
// document viewer.
TEST(KioskPrinting, DocumentArrivesInTheQueueWithItsSizeTextAndCopies) {
  auto& cups = Docs::PrintServer();
  const QString queue = QStringLiteral("Recibos");
  ASSERT_TRUE(cups.AddQueue(queue));
  struct Case {
    const char* name;
    int more;  // taps on "+"
    const char* pageSize;
    const char* media;
    const char* text;
  };
  const Case cases[] = {
      {"letter", 0, "612 x 792 pts (letter)", "na_letter_8.5x11in", "RECIBO DE N"},
      {"half letter", 1, "612 x 396 pts", "na_invoice_5.5x8.5in", "RECIBO DE N"},
      {"viewer", 6, "612 x 792 pts (letter)", "na_letter_8.5x11in", "Conducta"},
  };
  for (const Case& c : cases) {
    Docs::Session s(QueueVariable(queue));
    ASSERT_NE(s.menu, nullptr);
    const int before = Docs::LastJob(queue);
    const bool viewer = QString::fromLatin1(c.name) == u"viewer";
    TRecibos* r = s.Receipts();
    Confirmed confirmed;
    if (viewer) {
      ASSERT_TRUE(DocumentOpener::Open(QStringLiteral("demo/Conducta.pdf")))
          << MsgSeam::Texts().join('|').toStdString();
      TVisorDocumento* v = DocumentOpener::Viewers().value(0);
      ASSERT_NE(v, nullptr);
      confirmed = WithConfirmation([v] { v->btnImprimir->Press(); }, c.more);
    } else {
      ASSERT_GT(r->arregloRecibos->Len(), 0);
      confirmed = WithConfirmation([&] { PrintReceipt(r, c.more == 1); }, c.more, true,
                                   c.more == 1 ? QStringLiteral("confirma-impresion.png") : QString());
    }
    EXPECT_TRUE(confirmed.shown) << c.name;
    EXPECT_EQ(confirmed.printer, queue) << c.name;
    EXPECT_EQ(confirmed.copies, std::min(1 + c.more, TConfirmaImpresion::kMaxCopias)) << c.name;
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << c.name << MsgSeam::Texts().join('|').toStdString();
    const int job = Docs::LastJob(queue);
    ASSERT_GT(job, before) << c.name;
    const QString file = cups.JobFile(queue, job);
    ASSERT_FALSE(file.isEmpty()) << c.name;
    const QString info = Docs::Run(QStringLiteral("pdfinfo"), {file});
    EXPECT_TRUE(info.contains(QString::fromLatin1(c.pageSize))) << c.name << info.toStdString();
    if (!viewer) {
      EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << c.name;
    }
    const QString text = Docs::Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.text))) << c.name << text.left(400).toStdString();
    if (!viewer) {
      EXPECT_TRUE(text.contains(AppData.NombreTrabajador.toUpper()) || text.contains(AppData.NombreTrabajador));
    }
    const Docs::Job j = Docs::JobOf(job);
    EXPECT_EQ(j.copies, confirmed.copies) << c.name;
    EXPECT_EQ(j.media, QString::fromLatin1(c.media)) << c.name;
    EXPECT_EQ(j.state, 9) << c.name;  // completed
    DocumentOpener::CloseAll();
    delete r;
  }
}

TEST(KioskPrinting, CancelledConfirmationSendsNothing) {
  auto& cups = Docs::PrintServer();
  const QString queue = QStringLiteral("Cancelada");
  ASSERT_TRUE(cups.AddQueue(queue));
  Docs::Session s(QueueVariable(queue));
  TRecibos* r = s.Receipts();
  const Confirmed c = WithConfirmation([&] { PrintReceipt(r, false); }, 2, false);
  EXPECT_TRUE(c.shown);
  EXPECT_EQ(Docs::LastJob(queue), 0);
  EXPECT_TRUE(MsgSeam::Texts().isEmpty());
  delete r;
}

// Printers that cannot take the job: the message, and the screen goes on (the preview's
// next print still works once the printer is right).
TEST(KioskPrinting, PrinterProblemsAreToldAndThePortalGoesOn) {
  auto& cups = Docs::PrintServer();
  ASSERT_TRUE(cups.AddQueue(QStringLiteral("Detenida")));
  ASSERT_TRUE(cups.Tool(QStringLiteral("cupsdisable"), {QStringLiteral("Detenida")}));
  ASSERT_TRUE(cups.AddQueue(QStringLiteral("Retiene"),
                            {QStringLiteral("-o"), QStringLiteral("job-hold-until-default=indefinite")}));
  ASSERT_TRUE(cups.AddQueue(QStringLiteral("Rechaza")));
  ASSERT_TRUE(cups.Tool(QStringLiteral("cupsreject"), {QStringLiteral("Rechaza")}));
  ASSERT_TRUE(cups.AddQueue(QStringLiteral("Impresión_Ñandú")));
  ASSERT_TRUE(cups.AddQueue(QStringLiteral("Prohibida"),
                            {QStringLiteral("-u"), QStringLiteral("deny:") + QString::fromUtf8(cupsUser())}));
  ASSERT_TRUE(cups.AddQueue(QStringLiteral("PorOmision")));
  ASSERT_TRUE(cups.Tool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("PorOmision")}));
  struct Case {
    const char* name;
    const char* printer;     // Impresora=
    bool confirmation;       // the confirmation comes up
    QString message;         // empty: printed without a word
    const char* queueOfJob;  // where a job lands, when one does
    int state;               // and its state
  };
  const Case cases[] = {
      {"name with blanks", "Cola de recibos", false, Printing::NoExiste(QStringLiteral("Cola de recibos")), "", 0},
      {"name with quotes", "Cola\"O'Brien\"", false, Printing::NoExiste(QStringLiteral("Cola\"O'Brien\"")), "", 0},
      {"non-ASCII name", "Impresión_Ñandú", true, QString(), "Impresión_Ñandú", 9},
      {"stopped", "Detenida", true, PrintJobs::Detenida(QStringLiteral("Detenida")), "Detenida", 3},
      {"holds every job", "Retiene", true, PrintJobs::Retenido(QStringLiteral("Retiene")), "Retiene", 4},
      {"refuses jobs", "Rechaza", false, Printing::NoAcepta(QStringLiteral("Rechaza")), "", 0},
      {"refuses this job", "Prohibida", true, Printing::Rechazado(QStringLiteral("Prohibida"), QString()), "", 0},
      {"default destination", "", true, QString(), "PorOmision", 9},
  };
  for (const Case& c : cases) {
    Docs::Session s(QueueVariable(QString::fromUtf8(c.printer)));
    TRecibos* r = s.Receipts();
    const QString queue = QString::fromUtf8(c.queueOfJob);
    const int before = queue.isEmpty() ? 0 : Docs::LastJob(queue);
    const Confirmed confirmed = WithConfirmation([&] { PrintReceipt(r, false); });
    EXPECT_EQ(confirmed.shown, c.confirmation) << c.name;
    if (c.message.endsWith(QStringLiteral("()."))) {  // CUPS's own reason inside the parentheses
      ASSERT_EQ(MsgSeam::Texts().size(), 1) << c.name;
      EXPECT_TRUE(MsgSeam::Texts()[0].startsWith(c.message.chopped(3) + u'(')) << MsgSeam::Texts()[0].toStdString();
    } else {
      EXPECT_EQ(MsgSeam::Texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.name;
    }
    if (!queue.isEmpty()) {
      const int job = Docs::LastJob(queue);
      EXPECT_GT(job, before) << c.name;
      if (c.state == 9) {
        EXPECT_FALSE(cups.JobFile(queue, job).isEmpty()) << c.name;
      } else {
        EXPECT_EQ(Docs::JobOf(job).state, c.state) << c.name;
      }
    }
    // The screen goes on: its receipts still load.
    r->btnCargaRecibosClick();
    EXPECT_GT(r->arregloRecibos->Len(), 0) << c.name;
    delete r;
  }
  // No printer named and no default: the default queue gone.
  ASSERT_TRUE(cups.Tool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("PorOmision")}));
  {
    Docs::Session s(QString{});
    TRecibos* r = s.Receipts();
    EXPECT_FALSE(WithConfirmation([&] { PrintReceipt(r, false); }).shown);
    EXPECT_EQ(MsgSeam::Texts(), QStringList{Printing::SinImpresora()});
    delete r;
  }
  // The print service not running at all.
  {
    Docs::Session s(QueueVariable(QStringLiteral("Recibos")));
    Cups::UseServer(cups.socket() + QStringLiteral(".apagado"));
    TRecibos* r = s.Receipts();
    EXPECT_FALSE(WithConfirmation([&] { PrintReceipt(r, false); }).shown);
    Cups::UseServer(cups.socket());
    EXPECT_EQ(MsgSeam::Texts(), QStringList{Printing::SinServicio()});
    r->btnCargaRecibosClick();
    EXPECT_GT(r->arregloRecibos->Len(), 0);
    delete r;
  }
}

// A receipt waiting on a stopped printer when the employee logs out is cancelled, and does not
// come out when the printer starts again; one already printed is left alone.
TEST(KioskPrinting, JobsStuckAtLogoutAreCancelled) {
  auto& cups = Docs::PrintServer();
  const QString queue = QStringLiteral("Salida");
  ASSERT_TRUE(cups.AddQueue(queue));
  Docs::Session s(QueueVariable(queue));
  TRecibos* r = s.Receipts();
  WithConfirmation([&] { PrintReceipt(r, false); });
  const int printed = Docs::LastJob(queue);
  ASSERT_FALSE(cups.JobFile(queue, printed).isEmpty());
  ASSERT_TRUE(cups.Tool(QStringLiteral("cupsdisable"), {queue}));
  WithConfirmation([&] { PrintReceipt(r, false); });
  EXPECT_EQ(MsgSeam::Texts(), QStringList{PrintJobs::Detenida(queue)});
  const int waiting = Docs::LastJob(queue);
  ASSERT_GT(waiting, printed);
  EXPECT_EQ(Docs::JobOf(waiting).state, 3);  // pending
  delete r;
  s.menu->btnSalirClick();
  DemoTerminal::Settle();
  EXPECT_EQ(Docs::JobOf(waiting).state, 7);  // canceled
  EXPECT_EQ(Docs::JobOf(printed).state, 9);  // completed, untouched
  EXPECT_EQ(PrintJobs::Tracked(), 0);
  ASSERT_TRUE(cups.Tool(QStringLiteral("cupsenable"), {queue}));
  EXPECT_EQ(Docs::JobOf(waiting).state, 7);
  EXPECT_FALSE(QFileInfo::exists(QDir(cups.Output(queue)).filePath(QStringLiteral("job-%1.pdf").arg(waiting))));
}
