#pragma once
// The administrator's maintenance screen: vacation display option, mail account, terminal
// switches, logo and signature, policies, the approval flows and the all-companies receipts
// flag with its exceptions. Most settings are per company; closing leads back to the login.
#include <QString>
#include <memory>

#include "data/Rows.h"
#include "data/mdlAdministracion.h"
#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TFolder;
class TFolderPage;
class TGroupBox;
class TImage;
class TLabel;
class TMaskEdit;
class TRadio;

class TAdministrador : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  QString NombreEmpresa;

  // Frame
  TImage* oImage1 = nullptr;
  TLabel* oLabel10 = nullptr;
  TComboBox* cmbEmpresas = nullptr;
  TCheckBox* chkTodasLasEmpresas = nullptr;
  TLabel* lblTodaslasEmpresas = nullptr;
  TFolder* Otros = nullptr;
  TBtnBmp* btnSalir = nullptr;

  // Page 1: vacation display option
  TGroupBox* Opcion1 = nullptr;
  TRadio* optOpcion1 = nullptr;
  TRadio* optOpcion2 = nullptr;
  TRadio* optOpcion3 = nullptr;
  TBtnBmp* btnGuardar = nullptr;

  // Page 2: mail account
  TGroupBox* Configur = nullptr;
  TEdit* txtServidor = nullptr;
  TEdit* txtDireccion1 = nullptr;
  TEdit* txtPuerto = nullptr;
  TEdit* txtRHMail = nullptr;
  TGroupBox* oGroupBox5 = nullptr;
  TCheckBox* chkAutenticacion = nullptr;
  TComboBox* cmbTipoAut = nullptr;
  TMaskEdit* txtauser = nullptr;
  TEdit* txtPassword = nullptr;
  TCheckBox* optSSLSi = nullptr;
  TCheckBox* optSSLNo = nullptr;
  TBtnBmp* btnGuardarMail = nullptr;
  TEdit* txtIdConfiguracion = nullptr;

  // Page 3: terminal switches, logo and signature
  TCheckBox* chkSalirActivado = nullptr;
  TCheckBox* chkUltimosRecibos = nullptr;
  TCheckBox* chkModifica = nullptr;
  TCheckBox* chkSolicitudConFirmas = nullptr;
  TCheckBox* chkFondo = nullptr;
  TCheckBox* chkXMLPDF = nullptr;
  TEdit* txtLogo = nullptr;
  TBtnBmp* btnBuscarLogo = nullptr;
  TEdit* txtFirma = nullptr;
  TBtnBmp* btnFirma = nullptr;
  TBtnBmp* btnGuardarOtros = nullptr;

  // Page 4: policies
  TGroupBox* oGroupBox7 = nullptr;
  TArrayBrowse* arregloPoliticas = nullptr;
  TEdit* txtNombrePolitica = nullptr;
  TEdit* txtRutaPolitica = nullptr;
  TBtnBmp* btnBuscaPoliticas = nullptr;
  TBtnBmp* btnGuardarPolitcas = nullptr;
  TBtnBmp* btnNuevo = nullptr;
  TBtnBmp* btnEliminarPoliticas = nullptr;
  TEdit* txtIdPolitica = nullptr;

  // Page 5: approval flows
  TGroupBox* grupoConfiguracion = nullptr;
  TCheckBox* chkAutorizaPrimeroSupervisor = nullptr;
  TCheckBox* chkEnvioSolicitud = nullptr;
  TCheckBox* chkAutorizaPorCorreo = nullptr;
  TLabel* lblURL = nullptr;
  TEdit* txtURL = nullptr;
  TBtnBmp* btnGuardarParametrosFlujo = nullptr;
  TGroupBox* oGroupBox10 = nullptr;
  TComboBox* cmbTipoSolicitud = nullptr;
  TComboBox* cmbFlujo = nullptr;
  TBtnBmp* btnAgregarFlujoNuevo = nullptr;
  TBtnBmp* btnModificarNombreFlujo = nullptr;
  TButton* btnReporteFlujos = nullptr;
  TGroupBox* autorizan = nullptr;
  TArrayBrowse* arregloAutorizan = nullptr;
  TBtnBmp* btnMasAutorizan = nullptr;
  TBtnBmp* btnMenosFlujo = nullptr;
  TBtnBmp* btnFlujoSubir = nullptr;
  TBtnBmp* btnAbajoFlujo = nullptr;
  TGroupBox* asignado = nullptr;
  TArrayBrowse* arregloAsignado = nullptr;
  TBtnBmp* btnAgregarAsignadas = nullptr;
  TBtnBmp* btnMenosAsignadas = nullptr;

  // Page 6: receipts of all companies and the exceptions
  TGroupBox* oGroupBox11 = nullptr;
  TCheckBox* chkEmpTodas = nullptr;
  TArrayBrowse* arregloConsolidar = nullptr;
  TBtnBmp* btnAgregarExcepcion = nullptr;
  TBtnBmp* btnDesmarcar = nullptr;
  TBtnBmp* btnConsolidar = nullptr;

  void FormInitialize();
  void CargaEmpresas();
  void CargaGeneral();
  void cmbEmpresasChange() { CargaGeneral(); }

  // Pages 1 to 4 and 6
  void FolderPage1Show();
  void FolderPagesShow();  // pages 2 to 5 hide the all-companies box
  void obtenOpciones();
  void btnGuardarClick();
  void llenaDatosMail();
  void btnGuardarMailClick();
  void cargaOtros();
  void btnGuardarOtrosClick();
  void CargaLogo();
  bool GuardaLogo();
  void btnBuscarLogoClick();
  void btnFirmaClick();
  void CargaPoliticas();
  void arregloPoliticasaChange();
  void LimpiaPoliticas();
  void btnNuevoClick();
  void btnBuscaPoliticasClick();
  void btnGuardarPolitcasClick();
  void btnEliminarPoliticasClick();
  void VerficaEmpresasRecibos();
  void Consolidar();
  void btnMArcarTodoClick();
  void btnDesmarcarClick();
  void btnConsolidarClick();
  void btnSalirClick();

  // Page 5
  void CargaConfiguracionParametrosFlujo();
  void Flujos();
  void PersonasAutorizan();
  void PersonasEnFlujo();
  void cmbTipoSolicitudChange();
  void cmbFlujoChange();
  void btnGuardarParametrosFlujoClick();
  void btnAgregarFlujoNuevoClick();
  void btnModificarNombreFlujoaClick();
  void btnMasAutorizanClick();
  void btnMenosFlujoClick();
  void btnFlujoSubirClick() { MueveAprobador(-1); }
  void btnAbajoFlujoClick() { MueveAprobador(+1); }
  void btnAgregarAsignadasClick();
  void arregloAsignadoColumn6DataDblClick();
  void btnMenosAsignadasClick();
  void btnReporteFlujosClick();

  static int ObtenIdTipoSolicitud(const QString& nombre);
  QString NombreFlujo() const;  // empty while the list holds no flow
  QString IdFlujo();            // "0" when there is no flow
  int TipoSolicitud() const { return ObtenIdTipoSolicitud(cmbTipoSolicitud_text()); }

  // The longest texts the settings' statements take; a longer one would be cut by the server.
  static constexpr int kLargoNombrePolitica = 200;
  static constexpr int kLargoRuta = 500;  // policy file, logo and signature
  static constexpr int kLargoURL = 200;

  // Largest picture accepted for logo and signature.
  static constexpr qint64 kMaxImagen = 5 * 1024 * 1024;
  // Why a file cannot be the logo or signature; empty when it can.
  static QString ProblemaImagen(const QString& path);

 protected:
  void CreateForm() override;

 private:
  void creaPaginaVacaciones(TFolderPage* page);
  void creaPaginaCorreo(TFolderPage* page);
  void creaPaginaOtros(TFolderPage* page);
  void creaPaginaPoliticas(TFolderPage* page);
  void creaPaginaFlujos(TFolderPage* page);
  void creaPaginaConsolidar(TFolderPage* page);
  bool todasLasEmpresas() const;  // checked and enabled
  // False, with the message, when `valor` is longer than `largo`; `campo` names it in the message.
  bool cabe(const QString& valor, int largo, const QString& campo);
  QString eligeImagen(TEdit* field, const QString& titulo);
  void MueveAprobador(int paso);
  QString cmbTipoSolicitud_text() const;

  // Shown by both pages that delete a row (policies and flows) when none is selected.
  static const QString kSeleccioneRegistro;

  mdlAdministracion m_adm;
  Rows m_empresas;
};
