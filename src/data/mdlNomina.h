#pragma once
// Payroll queries of the receipts screen (session key oNomina). Each builds one procedure call
// with the session key oLlaveTemporal as its scope and runs it on the session data source.
#include <QVariant>
#include <memory>

#include "data/Rows.h"

class TQuery;

class mdlNomina {
 public:
  // Closed periods of a payroll type in a year; column 1 is the period.
  Rows obtenPeriodosRecibos(const QVariant& year, const QVariant& tipoNomina, const QVariant& codigo);

  // Receipt listing; each flag is "AGI", "FDO", "OTR" or empty. Further arguments are ignored.
  Rows obtenListadoRecibos(const QVariant& aguinaldo, const QVariant& fondoAhorro, const QVariant& otras,
                           const QVariant& tipoNomina, const QVariant& year, const QVariant& periodoInicial,
                           const QVariant& periodoFinal, const QVariant& codigo);

  // The listing report's data set, or null when it has no row.
  std::shared_ptr<TQuery> obtenReportesListadoRecibos(const QVariant& aguinaldo, const QVariant& fondoAhorro,
                                                      const QVariant& otras, const QVariant& tipoNomina,
                                                      const QVariant& year, const QVariant& periodoInicial,
                                                      const QVariant& periodoFinal, const QVariant& codigo);

  // One receipt's detail (named arguments), or null when it has no row.
  std::shared_ptr<TQuery> obtenReportesRecibo(const QVariant& nomina, const QVariant& year, const QVariant& periodo,
                                              const QVariant& codigo, const QVariant& tipoNomina,
                                              const QVariant& empresa);
};
