// Documents open in the portal's own viewer: a receipt PDF from the receipts screen, the code
// of conduct and pictures from the menu; logout and closing the screen take them away with
// every TEMP file. Other file types are refused with a message.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>

#include "support/BuildPaths.h"
#include "KioskSupport.h"
#include "data/mdlOperacion.h"
#include "reports/PdfTools.h"
#include "toolkit/Controls.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/Modules.h"
#include "toolkit/Render.h"
#include "toolkit/TVisorDocumento.h"
#include "toolkit/TextUtil.h"

namespace {

TVisorDocumento* onlyViewer() {
  const auto viewers = DocumentOpener::Viewers();
  return viewers.size() == 1 ? viewers.first() : nullptr;
}

}  // namespace

TEST(DocumentViewer, ReceiptPdfShowsInThePortalAndGoesWithTheScreen) {
  DemoTerminal terminal;
  qunsetenv("PORTAL_DOCUMENT_VIEWER");
  TPrincipal* menu = Kiosk::LogIn();
  ASSERT_NE(menu, nullptr);
  QString written;
  int pagesShown = 0, pagesInFile = -1;
  bool viewerAboveReceipts = false;
  TForm::SetModalHook([&](TForm& form) {
    auto* r = qobject_cast<TRecibos*>(&form);
    ASSERT_NE(r, nullptr);
    ASSERT_GT(r->arregloRecibos->Len(), 0);
    const Row receipt = r->arregloRecibos->CurrentRow();
    const Row files = AppData.oOperacion->obtenArchivosCFDI(receipt.col(17), r->codigo, receipt.col(1),
                                                            receipt.col(2), r->cmbYearRecibo->cText()).row(1);
    written = terminal.file(QStringLiteral("TEMP") + Text::ToText(files.col(11)));
    r->btnDescargaArchivoPDFClick();
    EXPECT_TRUE(r->aHWnd);
    TVisorDocumento* viewer = onlyViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->EsPdf());
    EXPECT_EQ(viewer->Archivo(), written);
    // Usable while the receipts screen is modal: it belongs to that screen.
    viewerAboveReceipts = viewer->parentWidget() == r;
    pagesShown = viewer->Paginas();
    pagesInFile = PdfTools::Pages(written);
    EXPECT_EQ(viewer->findChild<QPdfView*>()->document()->pageCount(), pagesShown);
    EXPECT_TRUE(Kiosk::PictureWhenDrawn(viewer, viewer->findChild<QPdfView*>(), QStringLiteral("visor-recibo.png")));
    r->btnSalir->Press();  // closing the screen closes the viewer and deletes the file
  });
  menu->btnRecibos->Press();
  TForm::SetModalHook(nullptr);
  DemoTerminal::Settle();
  EXPECT_TRUE(viewerAboveReceipts);
  EXPECT_GE(pagesShown, 1);
  EXPECT_EQ(pagesShown, pagesInFile);
  EXPECT_EQ(DocumentOpener::RunningCount(), 0);
  EXPECT_FALSE(QFile::exists(written));
  EXPECT_TRUE(MsgSeam::Taken().isEmpty()) << MsgSeam::Texts().join(u'|').toStdString();
}

TEST(DocumentViewer, LogoutClosesTheViewerAndRemovesEveryTempLeftover) {
  DemoTerminal terminal;
  qunsetenv("PORTAL_DOCUMENT_VIEWER");
  QFile::copy(BuildPaths::Source(QStringLiteral("/db/files/Conducta.pdf")), terminal.file("Conducta.pdf"));
  TPrincipal* menu = Kiosk::LogIn();
  ASSERT_NE(menu, nullptr);
  menu->btnConducta->Press();
  TVisorDocumento* viewer = onlyViewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(viewer->Paginas(), PdfTools::Pages(terminal.file("Conducta.pdf")));

  // Leftovers of every kind a screen or a crash leaves: with and without a dot, hidden
  // behind a mail folder, and things that are not ours.
  Kiosk::Touch(terminal.file("TEMPlistado.pdf"));
  Kiosk::Touch(terminal.file("TEMPsinpunto"));
  QDir().mkpath(terminal.file("TEMPcorreo-a1b2c3/sub"));
  Kiosk::Touch(terminal.file("TEMPcorreo-a1b2c3/Recibo.xml"));
  Kiosk::Touch(terminal.file("TEMPcorreo-a1b2c3/sub/Recibo.pdf"));
  Kiosk::Touch(terminal.file("xTEMP.pdf"));
  QDir().mkpath(terminal.file("TEMPotros"));

  const QString key = AppData.oLlaveTemporal;
  menu->btnSalir->Press();
  DemoTerminal::Settle();
  EXPECT_EQ(DocumentOpener::RunningCount(), 0);
  EXPECT_TRUE(DocumentOpener::Viewers().isEmpty());
  EXPECT_EQ(Kiosk::TempLeftovers(terminal.path()), QStringList{"TEMPotros"});
  EXPECT_TRUE(QFile::exists(terminal.file("xTEMP.pdf")));
  EXPECT_TRUE(QFile::exists(terminal.file("Conducta.pdf")));
  EXPECT_TRUE(StatementJournal::Statements().contains(" exec PortalPatronBorraEmpresasSeleccionadas " + key));
  EXPECT_NE(DemoTerminal::Visible<TRegistro>(), nullptr);
}

TEST(DocumentViewer, PagesZoomPicturesAndRefusedFiles) {
  DemoTerminal terminal;
  qunsetenv("PORTAL_DOCUMENT_VIEWER");
  const QString multi = BuildPaths::Source(QStringLiteral("/db/files/reglamento_interior.pdf"));
  const int pages = PdfTools::Pages(multi);
  ASSERT_GE(pages, 1);
  ASSERT_TRUE(DocumentOpener::Open(multi));
  TVisorDocumento* v = onlyViewer();
  ASSERT_NE(v, nullptr);

  // Every control is big enough for a finger.
  for (TButton* b : {v->btnAnterior, v->btnSiguiente, v->btnAlejar, v->btnAcercar, v->btnImprimir, v->btnCerrar}) {
    EXPECT_GE(b->height(), TVisorDocumento::kLadoMinimo) << b->objectName().toStdString();
    EXPECT_GE(b->width(), TVisorDocumento::kLadoMinimo) << b->objectName().toStdString();
    EXPECT_TRUE(b->isVisible()) << b->objectName().toStdString();
  }

  struct Step {
    const char* name;
    std::function<void()> act;
    int page;
    double zoom;
  };
  const Step steps[] = {
      {"opens on page 1, whole page", [] {}, 1, 1.0},
      {"back on the first page stays", [&] { v->btnAnterior->Press(); }, 1, 1.0},
      {"forward", [&] { v->IrAPagina(2); }, std::min(2, pages), 1.0},
      {"past the end stays on the last", [&] { v->IrAPagina(pages + 5); }, pages, 1.0},
      {"zoom in", [&] { v->btnAcercar->Press(); }, pages, TVisorDocumento::kPaso},
      {"zoom out twice", [&] { v->btnAlejar->Press(); v->btnAlejar->Press(); }, pages, 1.0 / TVisorDocumento::kPaso},
      {"zoom has a floor", [&] { for (int i = 0; i < 20; ++i) v->FijaZoom(v->Zoom() / 2); }, pages,
       TVisorDocumento::kZoomMinimo},
      {"and a ceiling", [&] { v->FijaZoom(99); }, pages, TVisorDocumento::kZoomMaximo},
  };
  for (const Step& s : steps) {
    s.act();
    EXPECT_EQ(v->PaginaActual(), s.page) << s.name;
    EXPECT_NEAR(v->Zoom(), s.zoom, 1e-9) << s.name;
    EXPECT_EQ(v->lblPagina->text(), QStringLiteral("Página %1 de %2").arg(s.page).arg(pages)) << s.name;
  }
  EXPECT_FALSE(v->btnAcercar->isEnabled());
  EXPECT_EQ(v->btnSiguiente->isEnabled(), false);
  v->btnCerrar->Press();
  DemoTerminal::Settle();
  EXPECT_EQ(DocumentOpener::RunningCount(), 0);

  // A picture opens in the same viewer, one page.
  const QString logo = BuildPaths::Source(QStringLiteral("/db/files/logo_norte.jpg"));
  ASSERT_TRUE(DocumentOpener::Open(logo));
  v = onlyViewer();
  ASSERT_NE(v, nullptr);
  EXPECT_FALSE(v->EsPdf());
  EXPECT_EQ(v->Paginas(), 1);
  EXPECT_FALSE(v->btnSiguiente->isEnabled());
  EXPECT_TRUE(Kiosk::PictureWhenDrawn(v, v->findChild<QWidget*>(QStringLiteral("vistaImagen")),
                                      QStringLiteral("visor-imagen.png")));
  DocumentOpener::CloseAll();
  DemoTerminal::Settle();

  // Files the viewer cannot show: a message, nothing opened, nothing started.
  Kiosk::Touch(terminal.file("carta.wpd"), "PK\x03\x04 not really");
  Kiosk::Touch(terminal.file("roto.pdf"), "%PDF-1.4\nbroken");
  struct Refused {
    const char* file;
    QStringList messages;
  };
  const Refused refused[] = {
      {"carta.wpd", {"No hay un visor configurado para este tipo de archivo."}},
      {"roto.pdf", {"No se pudo abrir el documento."}},
      {"no-existe.pdf", {}},  // the caller reports a missing file
  };
  for (const Refused& r : refused) {
    MsgSeam::Clear();
    EXPECT_FALSE(DocumentOpener::Open(terminal.file(QString::fromLatin1(r.file)))) << r.file;
    EXPECT_EQ(MsgSeam::Texts(), r.messages) << r.file;
    EXPECT_EQ(DocumentOpener::RunningCount(), 0) << r.file;
  }
}

TEST(DocumentViewer, ASiteViewerCommandIsStillUsedAndTracked) {
  DemoTerminal terminal;
  // A viewer that stays open until it is closed, whatever the file.
  qputenv("PORTAL_DOCUMENT_VIEWER", "sh -c \"sleep 60\" visor %f");
  Kiosk::Touch(terminal.file("carta.docx"));
  EXPECT_TRUE(DocumentOpener::Open(terminal.file("carta.docx")));
  EXPECT_EQ(DocumentOpener::RunningCount(), 1);
  EXPECT_TRUE(DocumentOpener::Viewers().isEmpty());
  DocumentOpener::CloseAll();
  qunsetenv("PORTAL_DOCUMENT_VIEWER");
  EXPECT_EQ(DocumentOpener::RunningCount(), 0);
}

TEST(DocumentViewer, WithoutThePdfModulePicturesStillShowAndAPdfSaysWhatIsMissing) {
  DemoTerminal terminal;
  qunsetenv("PORTAL_DOCUMENT_VIEWER");
  const QString empty = terminal.file(QStringLiteral("sin-modulos"));
  QDir().mkpath(empty);
  Modules::SetFolders({empty});
  MsgSeam::Clear();
  EXPECT_FALSE(DocumentOpener::Open(BuildPaths::Source(QStringLiteral("/db/files/reglamento_interior.pdf"))));
  EXPECT_EQ(MsgSeam::Texts(),
            QStringList{QStringLiteral("No se pudo abrir el documento: falta el módulo portal-pdf.so (buscado en %1).").arg(empty)});
  EXPECT_EQ(DocumentOpener::RunningCount(), 0);
  MsgSeam::Clear();
  ASSERT_TRUE(DocumentOpener::Open(BuildPaths::Source(QStringLiteral("/db/files/logo_norte.jpg"))));
  ASSERT_NE(onlyViewer(), nullptr);
  EXPECT_EQ(onlyViewer()->Paginas(), 1);
  DocumentOpener::CloseAll();
  DemoTerminal::Settle();

  // With the module back, the next viewer shows PDFs again.
  Modules::SetFolders({BuildPaths::Binary()});
  ASSERT_TRUE(DocumentOpener::Open(BuildPaths::Source(QStringLiteral("/db/files/reglamento_interior.pdf"))));
  ASSERT_NE(onlyViewer(), nullptr);
  EXPECT_TRUE(onlyViewer()->EsPdf());
  DocumentOpener::CloseAll();
  DemoTerminal::Settle();
  EXPECT_TRUE(MsgSeam::Taken().isEmpty()) << MsgSeam::Texts().join(u'|').toStdString();
}
