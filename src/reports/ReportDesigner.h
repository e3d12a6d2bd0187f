#pragma once
// The template editor: the template's text beside a live preview on the current data,
// saved back to the template file.
#include <QDialog>
#include <QString>
#include <functional>

#include "reports/ReportDocument.h"

class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTimer;

class ReportDesigner : public QDialog {
  Q_OBJECT
 public:
  // Builds a document from template text; false and a reason when the text is not a template.
  using Builder = std::function<bool(const QString& xml, ReportDocument& doc, QString& error)>;

  ReportDesigner(const QString& path, Builder builder, QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& xml);
  bool Save();               // writes the text to the template file
  void RefreshPreview();     // rebuilds the preview now
  QString Status() const;    // what the preview line says
  int PreviewPages() const { return static_cast<int>(m_doc.pages.size()); }

  // The text a new template starts from.
  static QString NewTemplateText();

 private:
  void ShowPage();

  QString m_path;
  Builder m_builder;
  ReportDocument m_doc;
  QPlainTextEdit* m_text = nullptr;
  QLabel* m_page = nullptr;
  QLabel* m_status = nullptr;
  QSpinBox* m_pageNo = nullptr;
  QTimer* m_delay = nullptr;
};
