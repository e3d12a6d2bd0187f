#pragma once
// Personal documents of the employee: general information, courses, employment and
// seniority letters, the vacation form and the loan and movement listings, previewed or
// mailed as PDF. The profile decides which are offered; the five money listings also need
// the permission to see salaries.
#include <QString>
#include <memory>

#include "screens/shared/TSessionForm.h"

class TBtnBmp;
class TEnviaMail;
class TGroupBox;
class TImage;
class TRadio;

class TReportes : public TSessionForm {
  Q_OBJECT
 public:
  explicit TReportes(QWidget* parent = nullptr);
  ~TReportes() override;

  std::unique_ptr<TEnviaMail> objEnviaMail;
  QString sueldo;  // "S" lets the employee see salary figures

  TImage* oImage1 = nullptr;
  TBtnBmp* btnGenerar = nullptr;
  TBtnBmp* btnSalir = nullptr;
  TGroupBox* oGroupBox1 = nullptr;
  TRadio* optInfoGral = nullptr;
  TRadio* optCursosTrabajador = nullptr;
  TRadio* optConstanciaTrabajo = nullptr;
  TRadio* optConstanciaVacaciones = nullptr;
  TRadio* optCartaAntiguedad = nullptr;
  TRadio* optInfonavit = nullptr;
  TRadio* optPrestamosFA = nullptr;
  TRadio* optPrestamosOtros = nullptr;
  TRadio* optMovimientosIMSS = nullptr;
  TRadio* optMovimientosSueldo = nullptr;
  TBtnBmp* btnEnviaMail = nullptr;

  void FormInitialize();
  void Permisos();
  // `tipo` "Vista" previews, "Mail" writes archivo + ".PDF". False when nothing was produced
  // (refused, no rows, or the engine failed).
  bool GeneraReporte(const QString& tipo, const QString& archivo);
  bool GeneraReporteFR(const QString& nombreReporte, const QString& consulta, const QString& tipo,
                       const QString& archivo);
  bool InformacionGeneral(const QString& tipo, const QString& archivo);
  bool CursosPorTrabajador(const QString& tipo, const QString& archivo);
  bool ConstanciaTrabajo(const QString& tipo, const QString& archivo);
  bool ConstanciaVacaciones(const QString& tipo, const QString& archivo);
  bool CartaAntiguedad(const QString& tipo, const QString& archivo);
  bool Infonavit(const QString& tipo, const QString& archivo);
  bool FondoAhorro(const QString& tipo, const QString& archivo);
  bool OtrasDeducciones(const QString& tipo, const QString& archivo);
  bool MovimientosIMSS(const QString& tipo, const QString& archivo);
  bool MovimientosSueldo(const QString& tipo, const QString& archivo);
  void btnGenerarClick();
  void btnEnviaMailClick();
  void btnSalirClick();

  // The documents in screen order: the radio button, the profile option that offers it
  // (empty: always), whether it shows money, and the method that produces it.
  struct Documento {
    TRadio* TReportes::*boton;
    const char* opcion;
    bool sueldo;
    bool (TReportes::*metodo)(const QString&, const QString&);
  };
  static const Documento kDocumentos[10];

 protected:
  void CreateForm() override;

 private:
  QString consulta(const char* procedimiento) const;
  bool documento(const char* procedimiento, const char* plantilla, const QString& tipo, const QString& archivo);
  // Produces the report from an open query: preview, or the PDF for mailing.
  bool produce(const QString& nombreReporte, const QString& consulta, const QString& tipo, const QString& archivo,
               const QString& ultimaVariable, const QString& valor);
};
