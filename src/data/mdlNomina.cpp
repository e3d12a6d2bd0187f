#include "data/mdlNomina.h"

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/StatementValues.h"
#include "data/TQuery.h"

using namespace StatementValues;

namespace {

// tipo, year, first period, last period (trimmed), then the three flags between quotes.
QString periodsAndFlags(const QVariant& tipo, const QVariant& year, const QVariant& first, const QVariant& last,
                        const QVariant& agi, const QVariant& fdo, const QVariant& otr) {
  return Trimmed(tipo) + u',' + Trimmed(year) + u',' + Trimmed(first) + u',' + Trimmed(last) + QStringLiteral(",'") +
         InQuotes(agi) + QStringLiteral("','") + InQuotes(fdo) + QStringLiteral("','") + InQuotes(otr) +
         QStringLiteral("',");
}

}  // namespace

Rows mdlNomina::obtenPeriodosRecibos(const QVariant& year, const QVariant& tipoNomina, const QVariant& codigo) {
  return ResultShapes::RowsOf(QStringLiteral("exec PortalEmpleadoCargaPeriodosDeRecibos ") + Trimmed(year) + u',' +
                              Trimmed(tipoNomina) + u',' + Trimmed(codigo) + u',' + Trimmed(AppData.oLlaveTemporal));
}

Rows mdlNomina::obtenListadoRecibos(const QVariant& aguinaldo, const QVariant& fondoAhorro, const QVariant& otras,
                                    const QVariant& tipoNomina, const QVariant& year, const QVariant& periodoInicial,
                                    const QVariant& periodoFinal, const QVariant& codigo) {
  return ResultShapes::RowsOf(
      QStringLiteral("exec  PortalEmpleadoCargaListadoDeRecibos ") +
      periodsAndFlags(tipoNomina, year, periodoInicial, periodoFinal, aguinaldo, fondoAhorro, otras) +
      Trimmed(AppData.oLlaveTemporal) + u',' + Held(codigo) + QStringLiteral(",'") + InQuotes(AppData.Afiliacion) +
      QStringLiteral("',") + Text::Transform(Text::Val(AppData.Empresa), QStringLiteral("99999999")));
}

std::shared_ptr<TQuery> mdlNomina::obtenReportesListadoRecibos(const QVariant& aguinaldo, const QVariant& fondoAhorro,
                                                               const QVariant& otras, const QVariant& tipoNomina,
                                                               const QVariant& year, const QVariant& periodoInicial,
                                                               const QVariant& periodoFinal, const QVariant& codigo) {
  return ResultShapes::OpenQuery(
      QStringLiteral("exec pePortalPatronObtenListadoRecibos ") +
      periodsAndFlags(tipoNomina, year, periodoInicial, periodoFinal, aguinaldo, fondoAhorro, otras) +
      Trimmed(AppData.oLlaveTemporal) + u',' +
      Held(Text::Transform(Text::AllTrim(Text::ToText(codigo)), QStringLiteral("9999999"))) + QStringLiteral(",'") +
      InQuotes(AppData.Afiliacion) + QStringLiteral("',") + Held(AppData.Empresa));
}

std::shared_ptr<TQuery> mdlNomina::obtenReportesRecibo(const QVariant& nomina, const QVariant& year,
                                                       const QVariant& periodo, const QVariant& codigo,
                                                       const QVariant& tipoNomina, const QVariant& empresa) {
  return ResultShapes::OpenQuery(QStringLiteral("exec pePortalPatronObtenDetalleRecibosFunU @nomina=") +
                                 Trimmed(nomina) + QStringLiteral(", @año=") + Held(year) +
                                 QStringLiteral(", @periodo=") + Held(periodo) + QStringLiteral(", @codigo=") +
                                 Held(codigo) + QStringLiteral(", @tiponom=") + Held(tipoNomina) +
                                 QStringLiteral(", @empresa=") + Held(empresa) + QStringLiteral(", @cUsuario='") +
                                 InQuotes(codigo) + u'\'');
}
