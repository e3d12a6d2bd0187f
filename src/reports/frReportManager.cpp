#include "reports/frReportManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <QFileInfo>
#include <QRegularExpression>
#include <exception>

#include "reports/ReportDesigner.h"
#include "reports/ReportMessages.h"
#include "reports/ReportModal.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPreview.h"

namespace {

TError EngineError(int code, const QString& description, const QString& file) {
  TError e;
  e.severity = 2;
  e.subSystem = QStringLiteral("FRH");
  e.subCode = code;
  e.description = description;
  e.filename = file;
  return e;
}

void CollectNames(const ExprNode& node, QStringList& out) {
  if (node.kind == ExprNode::Kind::Name) out << node.text;
  for (const auto& a : node.args) CollectNames(*a, out);
}

}  // namespace

frReportManager::frReportManager() = default;

frReportManager::~frReportManager() { DestroyFR(); }

bool frReportManager::LoadLangRes(const QString& file) {
  if (QFileInfo(file).fileName().compare(QStringLiteral("spanish.xml"), Qt::CaseInsensitive) != 0) return false;
  // The preview and print dialogs come from Qt: give them Qt's own Spanish texts, once.
  static QTranslator* spanish = [] {
    auto* t = new QTranslator(QCoreApplication::instance());
    if (t->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(t);
    return t;
  }();
  return !spanish->isEmpty();
}

bool frReportManager::SetUserDataSet(const QString& alias, const QString& fieldList, std::function<void()> first,
                                     std::function<void()> next, std::function<void()> prior,
                                     std::function<bool()> eof, std::function<QVariant(const QString&)> value) {
  UserDataSet set;
  set.alias = alias;
  for (const QString& f : fieldList.split(u';', Qt::SkipEmptyParts))
    if (!f.trimmed().isEmpty()) set.fields << f.trimmed();
  set.first = std::move(first);
  set.next = std::move(next);
  set.prior = std::move(prior);
  set.eof = std::move(eof);
  set.value = std::move(value);
  for (UserDataSet& existing : m_sets)
    if (existing.alias.compare(alias, Qt::CaseInsensitive) == 0) {
      existing = set;
      return true;
    }
  m_sets << set;
  return true;
}

bool frReportManager::LoadFromFile(const QString& path) {
  m_path = path;
  m_prepared = false;
  QString error;
  ReportTemplate tpl;
  if (!TemplateLoader::FromFile(path, tpl, error)) {
    m_loaded = false;
    ReportMessages::ShowError(EngineError(1, QStringLiteral("Plantilla no válida (%1)").arg(error), path));
    return false;
  }
  m_template = tpl;
  m_loaded = true;
  return true;
}

ExprPtr frReportManager::ParseVariable(const QString& value) const {
  auto literal = [](const QString& text) {
    auto n = std::make_shared<ExprNode>();
    n->kind = ExprNode::Kind::Literal;
    n->value = text;
    return ExprPtr(n);
  };
  const QString trimmed = value.trimmed();
  static const QRegularExpression dateLike(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d{2,4}$"));
  if (dateLike.match(trimmed).hasMatch()) return literal(trimmed);  // a date, not a division
  QString error;
  ExprPtr e = Expr::Parse(value, &error);
  if (!error.isEmpty()) {
    // A quoted text whose inner quotes were not doubled: the text between the outer quotes.
    if (trimmed.size() >= 2 && trimmed.startsWith(u'\'') && trimmed.endsWith(u'\''))
      return literal(trimmed.mid(1, trimmed.size() - 2));
    return literal(value);
  }
  // An unquoted word that names nothing known is its own text.
  QStringList names;
  CollectNames(*e, names);
  for (const QString& name : names) {
    bool known = false;
    for (const UserDataSet& s : m_sets) {
      for (const QString& f : s.fields)
        if (f.compare(name, Qt::CaseInsensitive) == 0 ||
            (s.alias + u'.' + f).compare(name, Qt::CaseInsensitive) == 0)
          known = true;
    }
    for (const ReportVariableDef& v : m_vars)
      if (v.name.compare(name, Qt::CaseInsensitive) == 0) known = true;
    if (!known) return literal(value);
  }
  return e;
}

bool frReportManager::AddVariable(const QString& category, const QString& name, const QString& value) {
  ReportVariableDef v;
  v.category = category;
  v.name = name;
  v.source = value;
  v.value = ParseVariable(value);
  m_vars << v;
  m_prepared = false;
  return true;
}

bool frReportManager::Guarded(const std::function<void()>& callback) {
  TError error;
  try {
    callback();
    return true;
  } catch (const TError& e) {
    error = e;
  } catch (const ErrorException& e) {  // raised by the program: keeps its subsystem, code and operation
    error = e.error();
  } catch (const std::exception& e) {
    error.subSystem.clear();
    error.description = QString::fromLocal8Bit(e.what());
  } catch (...) {
    error.subSystem.clear();
    error.description = QStringLiteral("Error desconocido");
  }
  // Errors inside the data callbacks go to the engine's box, once each, and the build goes on.
  const QString text = ReportMessages::ErrorText(error);
  if (!m_shownErrors.contains(text)) {
    m_shownErrors << text;
    ReportMessages::ShowError(error);
  }
  return false;
}

bool frReportManager::Build(const ReportTemplate& tpl, ReportDocument& doc, QStringList& problems) {
  m_shownErrors.clear();
  ReportLayout layout(tpl, m_sets, m_vars, [this](const std::function<void()>& f) { return Guarded(f); });
  doc = layout.Run();
  problems = tpl.problems + layout.Problems();
  return !doc.IsEmpty();
}

bool frReportManager::PrepareReport(int) {
  m_prepared = false;
  m_doc = ReportDocument();
  if (!m_loaded) return false;
  m_prepared = Build(m_template, m_doc, m_problems);
  return m_prepared;
}

bool frReportManager::ShowReport(int mode) {
  if (!PrepareReport(mode)) return false;
  ReportPreview preview(m_doc, QFileInfo(m_path).completeBaseName());
  ReportModal::Exec(preview);
  return true;
}

bool frReportManager::SetProperty(const QString& object, const QString& property, const QVariant& value) {
  m_properties[object.toUpper()][property.toUpper()] = value;
  return true;
}

bool frReportManager::DoExport(const QString& exportObject) {
  if (exportObject.compare(QStringLiteral("PDFExport"), Qt::CaseInsensitive) != 0) {
    ReportMessages::ShowError(EngineError(4, QStringLiteral("Exportación desconocida"), exportObject));
    return false;
  }
  if (!m_prepared) return false;
  const auto& props = m_properties.value(exportObject.toUpper());
  // Always to the file named: a kiosk offers no file chooser ("ShowDialog" is not honoured).
  const QString path = props.value(QStringLiteral("FILENAME")).toString();
  if (path.isEmpty()) {
    ReportMessages::ShowError(EngineError(5, QStringLiteral("No se indicó el archivo PDF"), path));
    return false;
  }
  QString error;
  if (!ReportPainter::WritePdf(m_doc, path, error, QFileInfo(m_path).completeBaseName())) {
    ReportMessages::ShowError(EngineError(5, QStringLiteral("No se pudo escribir el archivo PDF (%1)").arg(error), path));
    return false;
  }
  return true;
}

bool frReportManager::DesignReport() {
  QString path = m_path;
  if (path.isEmpty()) path = m_properties.value(QStringLiteral("REPORT")).value(QStringLiteral("FILENAME")).toString();
  if (path.isEmpty()) path = QStringLiteral("FReports/NuevoReporte.fr3");
  ReportDesigner designer(path, [this](const QString& xml, ReportDocument& doc, QString& error) {
    ReportTemplate tpl;
    if (!TemplateLoader::FromText(xml, tpl, error)) return false;
    QStringList problems;
    Build(tpl, doc, problems);
    error = problems.join(QStringLiteral("; "));
    return true;
  });
  ReportModal::Exec(designer);
  return true;
}

void frReportManager::ClearDataSets() {
  m_sets.clear();
  m_prepared = false;
}

void frReportManager::DestroyFR() {
  if (m_destroyed) return;
  m_destroyed = true;
  m_sets.clear();
  m_vars.clear();
  m_properties.clear();
}
