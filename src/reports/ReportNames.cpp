#include "reports/ReportNames.h"

namespace ReportNames {

const QStringList& All() {
  static const QStringList names = {
      QStringLiteral("ReciboPortalCarta.fr3"),
      QStringLiteral("ReciboPortalFDO.fr3"),
      QStringLiteral("ReciboPortalMediaCarta.fr3"),
      QStringLiteral("VacAusAnual2.fr3"),
      QStringLiteral("listadoRecibos.fr3"),
      QStringLiteral("peAusentismos.fr3"),
      QStringLiteral("peCartaAntiguedad.fr3"),
      QStringLiteral("peConstanciaTrabajo.fr3"),
      QStringLiteral("peConstanciaVacaciones.fr3"),
      QStringLiteral("peCursosTrabajador.fr3"),
      QStringLiteral("peInformacionGeneral.fr3"),
      QStringLiteral("peMovimientosIMSS.fr3"),
      QStringLiteral("peMovimientosSueldo.fr3"),
      QStringLiteral("pePrestamosFondoAhorro.fr3"),
      QStringLiteral("pePrestamosInfonavit.fr3"),
      QStringLiteral("pePrestamosOtrasDeducciones.fr3"),
      QStringLiteral("peSolicitudVacaciones.fr3"),
      QStringLiteral("peSolicitudVacacionesSF.fr3"),
      QStringLiteral("peTiempoExtra.fr3"),
      QStringLiteral("peVacaciones.fr3"),
      QStringLiteral("rptReporteDeFlujos_Ausentismo.fr3"),
      QStringLiteral("rptReporteDeFlujos_Prestamos.fr3"),
      QStringLiteral("rptReporteDeFlujos_Vacaciones.fr3"),
      QStringLiteral("rptSolicitudVacacionesIDSolicitud.fr3"),
  };
  return names;
}

}  // namespace ReportNames
