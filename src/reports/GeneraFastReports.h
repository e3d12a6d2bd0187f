#pragma once
// The bridge every printing screen calls: a template under "FReports/", the data and the
// report variables in, a modal preview or a PDF file out.
#include <QList>
#include <QString>

#include "reports/ReportSource.h"

class frReportManager;

// {category, name, value}; the value is a report expression, so texts come in single quotes
// (use Text::Quoted so that quotes inside are doubled).
struct ReportVariable {
  QString category, name, value;
};
using ReportVariables = QList<ReportVariable>;

// Previews the report (or opens the template editor). `aData`, when given, is registered
// pair by pair instead of `oDataRecordset`, which is then left out; the portal passes none.
bool GeneraFastReports(const QString& cFileReport, const ReportSource& aData, const ReportSource& oDataRecordset,
                       bool lActivaDesign = false, const ReportVariables& aVariables = {});

// Writes the report silently to NombreArchivo + ".PDF". False when the file could not be
// written (the engine has already said why).
bool GeneraFastReportsPDF(const QString& cFileReport, const ReportSource& aData,
                          const ReportSource& oDataRecordset, bool lActivaDesign,
                          const ReportVariables& aVariables, const QString& NombreArchivo);

// Registers one data set under "Datos", or each pair under its alias.
bool AssignDataSource(frReportManager& engine, const ReportSource& oDataSet);
bool AssignArrayDataSource(frReportManager& engine, const ReportSource& oDataSet);

// "CODIGO.001;NOMBRE.002;"
QString FieldListOf(const ReportDataSet& data);

// The path of the PDF written for NombreArchivo: use it to attach, open or delete the file.
QString ArchivoPDF(const QString& NombreArchivo);

// The template path for a template name: "FReports/" + name, matched without regard to
// case when the exact spelling is not on disk.
QString ReportTemplatePath(const QString& cFileReport);

// A path as it is spelled on disk: when `path` itself does not exist but a file in the same
// folder differs from it only in letter case ("x.pdf" for "x.PDF"), that file; else `path`.
QString RealFilePath(const QString& path);
