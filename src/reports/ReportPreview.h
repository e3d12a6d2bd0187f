#pragma once
// The engine's modal preview: the prepared pages on the printer's preview, from which the
// user prints, or saves the document as a PDF file ("Guardar PDF").
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

 private:
  void Paint(QPrinter* printer);
  void AskAndSave();

  ReportDocument m_doc;
  QString m_title;
};
