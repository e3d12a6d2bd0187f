#pragma once
// The report engine as the portal drives it: data sets pulled through callbacks, variables
// given as expressions, a template file, then a modal preview, a silent PDF export or the
// template editor.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

#include "reports/ReportDocument.h"
#include "reports/ReportLayout.h"
#include "reports/ReportTemplate.h"

class frReportManager {
 public:
  frReportManager();
  ~frReportManager();
  frReportManager(const frReportManager&) = delete;
  frReportManager& operator=(const frReportManager&) = delete;

  // "spanish.xml": the engine's windows in Spanish (Qt's own translation of its print dialogs,
  // when installed). Any other language file is refused.
  bool LoadLangRes(const QString& file);

  // Registers a data set: its alias, the field list "NAME.001;NAME.002;" and the five callbacks.
  // The value callback receives a field's full name (NAME.002).
  bool SetUserDataSet(const QString& alias, const QString& fieldList, std::function<void()> first,
                      std::function<void()> next, std::function<void()> prior, std::function<bool()> eof,
                      std::function<QVariant(const QString&)> value);

  // Reads a template; a file that is not a template is reported in the engine's error box.
  bool LoadFromFile(const QString& path);

  // One variable; the value is an expression ('text' with doubled quotes, numbers, names).
  bool AddVariable(const QString& category, const QString& name, const QString& value);

  bool ShowReport(int mode = 0);     // builds and shows the modal preview
  bool PrepareReport(int mode = 0);  // builds without showing
  // "PDFExport": "FileName" ("ShowDialog" is accepted and ignored: no file chooser); "Report": "FileName" (where the editor saves a new template).
  bool SetProperty(const QString& object, const QString& property, const QVariant& value);
  bool DoExport(const QString& exportObject);  // "PDFExport": writes the prepared pages
  bool DesignReport();                          // the template editor, modal
  void ClearDataSets();
  void DestroyFR();

  // What was built, for the bridge and for tests.
  const ReportDocument& Prepared() const { return m_doc; }
  QStringList Problems() const { return m_problems; }
  QString TemplatePath() const { return m_path; }
  bool TemplateLoaded() const { return m_loaded; }

 private:
  bool Build(const ReportTemplate& tpl, ReportDocument& doc, QStringList& problems);
  bool Guarded(const std::function<void()>& callback);
  ExprPtr ParseVariable(const QString& value) const;

  QList<UserDataSet> m_sets;
  QList<ReportVariableDef> m_vars;
  ReportTemplate m_template;
  bool m_loaded = false;
  QString m_path;
  ReportDocument m_doc;
  bool m_prepared = false;
  QStringList m_problems;
  QStringList m_shownErrors;  // each distinct error is shown once per build
  QHash<QString, QHash<QString, QVariant>> m_properties;
  bool m_destroyed = false;
};
