#include "screens/shared/HistoryScreens.h"

#include "app/AppData.h"
#include "data/StatementValues.h"
#include "data/TQuery.h"
#include "reports/GeneraFastReports.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

namespace HistoryScreens {

Filtro Lee(const TCheckBox* todas, const TDatePicker* desde, const TDatePicker* hasta) {
  return {todas->lChecked() ? QStringLiteral("T") : QStringLiteral("F"), Text::DToS(desde->dValue()),
          Text::DToS(hasta->dValue())};
}

void Columnas(TArrayBrowse* grid, std::initializer_list<Columna> columns) {
  grid->lRecordSelector = true;
  grid->nRecSelWidth = 10;
  grid->nRowDividerStyle = 4;
  grid->nColDividerStyle = 4;
  grid->nMarqueeStyle = 6;
  grid->nRowHeight = 35;
  for (const Columna& c : columns) {
    TArrayBrwColumn* col = grid->AddColumn(QString::fromUtf8(c.header), c.width);
    col->nAlignment = c.alignment;
    if (c.picture) col->cPicture = QString::fromLatin1(c.picture);
    if (c.hidden) col->lHide = true;
  }
}

void ImprimeListado(const std::shared_ptr<TQuery>& query, const QString& plantilla) {
  if (!query) {
    MsgStop(QStringLiteral("El Reporte no puede ser generado, no se encontro información."), QStringLiteral("Atención!!!"));
    return;
  }
  const QString zelk = QStringLiteral("ZELK");
  const ReportVariables variables = {
      {zelk, QStringLiteral("NombreE"), Text::Quoted(AppData.NombreEmpresa)},
      {zelk, QStringLiteral("RegPatE"), Text::Quoted(AppData.RegistroPatronalEmpresa)},
      {zelk, QStringLiteral("RFCE"), Text::Quoted(AppData.RFCEmpresa)},
      {zelk, QStringLiteral("Logo"), Text::Quoted(Text::AllTrim(AppData.imagenLogo))},
  };
  GeneraFastReports(plantilla, ReportSource(), ReportSource(query), false, variables);
  query->Close();
}

void ImprimeAnual(const QDate& desde, const QString& registro, const QString& rfc) {
  auto query = std::make_shared<TQuery>(AppData.oAdo, QStringLiteral("GENERAL"),
                                        QStringLiteral("EXECUTE GetAbsentimsForYear ") + StatementValues::Trimmed(AppData.Empresa) +
                                            u',' + StatementValues::Trimmed(AppData.Codigo) + u',' +
                                            QString::number(desde.year()));
  const QString zelk = QStringLiteral("ZELK");
  const ReportVariables variables = {
      {zelk, QStringLiteral("Nombre.Empresa"), Text::Quoted(AppData.NombreEmpresa)},
      {zelk, registro, Text::Quoted(AppData.RegistroPatronalEmpresa)},
      {zelk, rfc, Text::Quoted(AppData.RFCEmpresa)},
      {zelk, QStringLiteral("Periodo"), Text::ToText(AppData.Periodo)},
      {zelk, QStringLiteral("Nomina"), Text::ToText(AppData.Nomina)},
      {zelk, QStringLiteral("Inicio"), Text::ToText(AppData.FInicio)},
      {zelk, QStringLiteral("Cierre"), Text::ToText(AppData.FCierre)},
      {zelk, QStringLiteral("Logo"), Text::Quoted(Text::AllTrim(AppData.imagenLogo))},
  };
  GeneraFastReports(QStringLiteral("VacAusAnual2.fr3"), ReportSource(), ReportSource(query), false, variables);
  query->Close();
}

}  // namespace HistoryScreens
