#pragma once
// The employee's home screen: company data, permission-driven picture buttons, logout.
#include <QString>
#include <memory>

#include "toolkit/TForm.h"

class TBtnBmp;
class TImage;
class TLabel;
class clsConexion;

class TPrincipal : public TForm {
  Q_OBJECT
 public:
  explicit TPrincipal(QWidget* parent = nullptr);

  std::shared_ptr<clsConexion> CNX;
  QString empresa;
  QString codigo;

  TImage* oImage1 = nullptr;
  TLabel* oLabel1 = nullptr;
  TLabel* lblEmpresa = nullptr;
  TLabel* lblCodigo = nullptr;
  TLabel* lblNombre = nullptr;
  TBtnBmp* btnAutorizaciones = nullptr;
  TBtnBmp* btnPoliticas = nullptr;
  TBtnBmp* btnConducta = nullptr;
  TBtnBmp* btnCambiaPassword = nullptr;
  TBtnBmp* btnVacaciones = nullptr;
  TBtnBmp* btnAusentismo = nullptr;
  TBtnBmp* btnRecibos = nullptr;
  TBtnBmp* btnReportes = nullptr;
  TBtnBmp* btnTiempoExtra = nullptr;
  TBtnBmp* btnInformacionGeneral = nullptr;
  TBtnBmp* btnDatosNomina = nullptr;
  TBtnBmp* btnSolicitudes = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormBeforeCreate();
  void FormCreate();
  void FormInitialize();
  bool FormClose();
  void DatosEmpresa();
  void RevisaPermisos();
  void obtenLogoEmpresa();
  void LlenaVariablesSupervisor();

  void btnAutorizacionesClick();
  void btnPoliticasClick();
  void btnConductaClick();
  void btnCambiaPasswordClick();
  void btnVacacionesClick();
  void btnAusentismoClick();
  void btnRecibosaClick();
  void btnReportesClick();
  void btnTiempoExtraClick();
  void btnInformacionGeneralClick();
  void btnDatosNominaClick();
  void btnSolicitudesClick();
  void btnSalirClick();
  void CambiaPassword();

 protected:
  void CreateForm() override;

 private:
  // Opens a function screen modally with the menu's connection, company and employee code.
  template <class Screen>
  void AbreObjeto(bool withName = false);
  void applyBoxes();
};
