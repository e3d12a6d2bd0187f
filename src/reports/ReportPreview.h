#pragma once
// The engine's modal preview: the prepared pages on the printer's preview, from which the
// user prints on the terminal's printer, saves the document as a PDF on a removable medium
// ("Guardar PDF") or closes it ("Cerrar"); its controls are finger-sized.
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "reports/ReportDocument.h"

class ReportPreview : public QPrintPreviewDialog {
  Q_OBJECT
 public:
  ReportPreview(const ReportDocument& doc, const QString& title, QWidget* parent = nullptr);
  ~ReportPreview() override;

  // Writes the prepared pages to `path`; a failure is shown in the engine's error box.
  bool SaveAs(const QString& path);
  int PageCount() const { return static_cast<int>(m_doc.pages.size()); }

  // The print and save buttons.
  void AskAndPrint();
  void AskAndSave();

  static constexpr int kLadoMinimo = 48;  // smallest side of a control a finger must hit

 private:
  void Paint(QPrinter* printer);

  ReportDocument m_doc;
  QString m_title;
};
