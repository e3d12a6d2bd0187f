#include "reports/GeneraFastReports.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "reports/frReportManager.h"
#include "toolkit/MsgBox.h"

namespace {

enum class Output { Preview, Pdf };

// Steps shared by both entry points: template, engine, data, variables.
bool Run(const QString& cFileReport, const ReportSource& aData, const ReportSource& oDataRecordset,
         bool lActivaDesign, const ReportVariables& aVariables, Output output, const QString& pdfBase) {
  const QString path = ReportTemplatePath(cFileReport);
  bool design = false;
  const bool exists = QFileInfo(path).isFile();
  if (!exists) {
    if (!MsgYesNo(QStringLiteral("¿ No Existe el reporte, desea crear uno nuevo ?"), QStringLiteral("Seleccione"))) {
      MsgStop(QStringLiteral("Proceso Cancelado"), QStringLiteral("Atencion"));
      return false;
    }
    design = true;
  }
  if (lActivaDesign) design = true;

  frReportManager engine;
  engine.LoadLangRes(QStringLiteral("spanish.xml"));
  if (aData.IsGiven()) {
    AssignArrayDataSource(engine, aData);
  } else if (oDataRecordset.IsGiven()) {
    AssignDataSource(engine, oDataRecordset);
  } else {
    MsgStop(QStringLiteral("No paso datos a imprimir"), QStringLiteral("Proceso cancelado"));
    engine.DestroyFR();
    return false;
  }
  if (exists) engine.LoadFromFile(path);
  else engine.SetProperty(QStringLiteral("Report"), QStringLiteral("FileName"), path);
  for (const ReportVariable& v : aVariables) engine.AddVariable(v.category, v.name, v.value);

  bool ok = true;
  if (design) {
    engine.DesignReport();
  } else if (output == Output::Preview) {
    engine.ShowReport(0);
  } else {
    const QString file = ArchivoPDF(pdfBase);
    // One spelling on disk: an older file spelled in another case is replaced.
    const QString older = RealFilePath(file);
    if (older != file) QFile::remove(older);
    engine.PrepareReport(0);
    engine.SetProperty(QStringLiteral("PDFExport"), QStringLiteral("ShowDialog"), false);
    engine.SetProperty(QStringLiteral("PDFExport"), QStringLiteral("FileName"), file);
    ok = engine.DoExport(QStringLiteral("PDFExport"));
  }
  engine.ClearDataSets();
  engine.DestroyFR();
  return ok;
}

}  // namespace

QString FieldListOf(const ReportDataSet& data) {
  QString list;
  for (int n = 1; n <= data.FieldCount(); ++n)
    list += data.FieldName(n) + u'.' + QStringLiteral("%1").arg(n, 3, 10, QChar(u'0')) + u';';
  return list;
}

static void Register(frReportManager& engine, const ReportSource::Pair& pair) {
  std::shared_ptr<ReportDataSet> data = pair.data;
  engine.SetUserDataSet(
      pair.alias, FieldListOf(*data), [data] { data->GoTop(); }, [data] { data->Skip(1); },
      [data] { data->Skip(-1); }, [data] { return data->Eof(); },
      [data](const QString& fullName) { return data->FieldGet(fullName.left(fullName.size() - 4)); });
}

bool AssignDataSource(frReportManager& engine, const ReportSource& oDataSet) {
  if (oDataSet.IsArray()) return AssignArrayDataSource(engine, oDataSet);
  if (!oDataSet.Pairs().isEmpty()) {
    ReportSource::Pair single = oDataSet.Pairs().first();
    single.alias = QStringLiteral("Datos");
    Register(engine, single);
  }
  return true;
}

bool AssignArrayDataSource(frReportManager& engine, const ReportSource& oDataSet) {
  for (const ReportSource::Pair& pair : oDataSet.Pairs()) Register(engine, pair);
  return true;
}

bool GeneraFastReports(const QString& cFileReport, const ReportSource& aData, const ReportSource& oDataRecordset,
                       bool lActivaDesign, const ReportVariables& aVariables) {
  return Run(cFileReport, aData, oDataRecordset, lActivaDesign, aVariables, Output::Preview, QString());
}

bool GeneraFastReportsPDF(const QString& cFileReport, const ReportSource& aData,
                          const ReportSource& oDataRecordset, bool lActivaDesign,
                          const ReportVariables& aVariables, const QString& NombreArchivo) {
  return Run(cFileReport, aData, oDataRecordset, lActivaDesign, aVariables, Output::Pdf, NombreArchivo);
}

QString ArchivoPDF(const QString& NombreArchivo) { return NombreArchivo + QStringLiteral(".PDF"); }

QString RealFilePath(const QString& path) {
  const QFileInfo info(path);
  if (info.exists()) return path;
  const QDir dir = info.dir();
  const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
  for (const QString& name : names)
    if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0) return dir.filePath(name);
  return path;
}

QString ReportTemplatePath(const QString& cFileReport) {
  return RealFilePath(QStringLiteral("FReports/") + cFileReport);
}
