#pragma once
// Vacation request: the employee types the days and the start date on the numeric keypad,
// sees the day balance in the company's layout, prints the request form for signing or
// mails the request to the employee, human resources and optionally the supervisor.
#include <QString>
#include <memory>

#include "reports/GeneraFastReports.h"
#include "screens/shared/MailSettings.h"
#include "screens/shared/TSessionForm.h"

class BalancePanels;
class NumericKeypad;
class TBtnBmp;
class TCheckBox;
class TEdit;
class TEnviaMail;
class TImage;
class TQuery;

class TSolicitarVacaciones : public TSessionForm {
  Q_OBJECT
 public:
  explicit TSolicitarVacaciones(QWidget* parent = nullptr);
  ~TSolicitarVacaciones() override;

  MailSettings correo;  // ServidorMail ... MailRH; the screen itself uses only MailRH

  TImage* oImage1 = nullptr;
  TEdit* txtNumero = nullptr;
  TEdit* txtdia = nullptr;
  TEdit* txtmes = nullptr;
  TEdit* txtyear = nullptr;
  TBtnBmp* btnImprimir = nullptr;
  TBtnBmp* btnEnviar = nullptr;
  TCheckBox* chkSupervisor = nullptr;
  TBtnBmp* btnSalir = nullptr;
  std::unique_ptr<NumericKeypad> teclado;   // buffer `texto`, target `UltimoControl`
  std::unique_ptr<BalancePanels> saldos;    // Opcion1..3 and their fields; `opcion`

  void FormInitialize();
  void buscaOpcion();
  void CargaDiasSaldo();
  void CargaConfiguracionMail();
  QString ObtenMaildeSupervisor();
  void ActualizaUltimoControl();

  void txtNumeroClick();
  void txtdiaClick();
  void txtmesClick();
  void txtyearClick();
  void txtNumeroExit();
  void txtdiaExit();
  void txtmesExit();

  void btnImprimirClick();
  void btnEnviarClick();
  void GeneraSolicitudVacaciones() { GeneraFormato(QStringLiteral("peSolicitudVacacionesSF.fr3")); }
  void GeneraConFirmas() { GeneraFormato(QStringLiteral("peSolicitudVacaciones.fr3")); }
  void btnSalirClick() { Close(); }

  // The request form to print: "Si" in SolicitudConFirmas gives the form with signature lines.
  static QString PlantillaSolicitud();

 protected:
  void CreateForm() override;

 private:
  bool ValidaSolicitud();
  bool diaValido();
  bool mesValido();
  void GeneraFormato(const QString& plantilla);
  // The form's data set and variables; false (with its message) when no days were typed.
  bool DatosFormato(std::shared_ptr<TQuery>* query, ReportVariables* variables);
  QString fecha() const;
  QString textoCorreo() const;
};
