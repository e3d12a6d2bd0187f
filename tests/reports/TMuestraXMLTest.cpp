// The XML viewer: the text shown as received, read-only but selectable, and closing.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "screens/reports/TMuestraXML.h"
#include "support/QtPrinters.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"

namespace {

const QString kXml = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cfdi:Comprobante Version=\"4.0\" Total=\"6899.50\">"
    "<cfdi:Emisor Rfc=\"IPA010101AB1\" Nombre=\"INDUSTRIAS PEÑA D'ALBA\"/><b>no es marcado</b>\n</cfdi:Comprobante>");

TMuestraXML* Open(const QString& text) {
  return TForm::New<TMuestraXML>(nullptr, [&](TMuestraXML& v) { v.datos = text; });
}

TEST(TMuestraXML, ShowsTheTextUnchangedInItsWindow) {
  std::unique_ptr<TMuestraXML> w(Open(kXml));
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Muestra XML"));
  auto* box = w->Find<TRichEdit>(QStringLiteral("txtTexto"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->toPlainText(), kXml);  // markup is shown, not interpreted
  EXPECT_EQ(box->geometry(), QRect(12, 24, 814, 442));
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
  auto* salir = w->Find<TBtnBmp>(QStringLiteral("btnSalir"));
  ASSERT_NE(salir, nullptr);
  EXPECT_EQ(salir->text(), QStringLiteral("Salir"));
  EXPECT_EQ(salir->geometry(), QRect(712, 480, 110, 29));
}

TEST(TMuestraXML, RendersToAPicture) {
  std::unique_ptr<TMuestraXML> w(Open(kXml));
  const QImage image = Render::Grab(w.get());
  EXPECT_EQ(image.size(), QSize(841, 523));
  const QString keep = qEnvironmentVariable("REPORTS_KEEP_PDF");
  if (!keep.isEmpty()) Render::ToPng(w.get(), keep + QStringLiteral("/TMuestraXML.png"));
}

TEST(TMuestraXML, EmptyTextShowsAnEmptyBox) {
  std::unique_ptr<TMuestraXML> w(Open(QString()));
  EXPECT_TRUE(w->Find<TRichEdit>(QStringLiteral("txtTexto"))->toPlainText().isEmpty());
}

TEST(TMuestraXML, LargeDocumentScrollsInsideTheBox) {
  QString big;
  for (int i = 0; i < 3000; ++i) big += QStringLiteral("<nomina12:Percepcion Clave=\"%1\" ImporteGravado=\"100.00\"/>\n").arg(i);
  std::unique_ptr<TMuestraXML> w(Open(big));
  w->show();
  auto* box = w->Find<TRichEdit>(QStringLiteral("txtTexto"));
  EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(box->toPlainText(), big);
}

TEST(TMuestraXML, SalirClosesTheModalWindow) {
  bool closedByButton = false;
  TForm::SetModalHook([&](TForm& f) {
    f.Find<TBtnBmp>(QStringLiteral("btnSalir"))->Press();
    closedByButton = !f.isVisible();
  });
  Open(kXml)->ShowModal();
  TForm::SetModalHook({});
  EXPECT_TRUE(closedByButton);
}

}  // namespace
