#pragma once
// Solicitudes: the employee's open requests of one type, the detail and approval progress of
// the selected one, the vacation day balance, and new, cancel and print.
#include <QString>
#include <memory>

#include "data/Rows.h"
#include "screens/shared/MailSettings.h"
#include "screens/shared/TSessionForm.h"

class BalancePanels;
class TArrayBrowse;
class TBtnBmp;
class TComboBox;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TMaskEdit;

class TSolicitudes : public TSessionForm {
  Q_OBJECT
 public:
  explicit TSolicitudes(QWidget* parent = nullptr);
  ~TSolicitudes() override;

  int opcion = 0;           // the balance layout, 1 to 3
  MailSettings correo;      // ServidorMail ... MailRH, loaded on opening and not used further

  TImage* oImage1 = nullptr;
  TLabel* oLabel6 = nullptr;
  TComboBox* cmbTipoSolicitud = nullptr;
  TGroupBox* oGroupBox3 = nullptr;
  TGroupBox* oGroupBox1 = nullptr;
  TLabel* oLabel4 = nullptr;
  TComboBox* cmbSolicitudes = nullptr;
  TLabel* oLabel3 = nullptr;
  TMaskEdit* txtEstatus = nullptr;
  TLabel* lblDiasSolicitados = nullptr;
  TMaskEdit* txtDiasSolicitados = nullptr;
  TLabel* lblImporte = nullptr;
  TMaskEdit* txtImporte = nullptr;
  TLabel* oLabel5 = nullptr;
  TEdit* txtMotivo = nullptr;
  TBtnBmp* btnNueva = nullptr;
  TBtnBmp* btnBorrar = nullptr;
  TBtnBmp* btnImprimir = nullptr;
  TGroupBox* oGroupBox2 = nullptr;
  TArrayBrowse* arregloProgreso = nullptr;
  std::unique_ptr<BalancePanels> saldos;  // Opcion1, Opcion2, Opcion3
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void inicializa();
  void buscaOpcion();
  void Saldos();
  void CargaTipoSolicitudes();
  static int ObtenIdTipoSolicitud(const QString& texto);
  void ListadoSolicitudes();
  void DetalleSolicitud();
  static QString ObtenIdSolicitud(const QString& texto);
  void ProgresoSolicitud();
  void CargaConfiguracionMail();
  void GeneraFormatoVacaciones();

  void cmbSolicitudesChange();
  void cmbTipoSolicitudChange();
  void btnNuevaClick();
  void btnBorrarClick();
  void btnImprimirClick() { GeneraFormatoVacaciones(); }

  // The picture a progress row shows (1 "transparente" ... 4 "lightYellow") by its status.
  static int ImagenEstatus(const QVariant& estatus);

 protected:
  void CreateForm() override;

 private:
  QString diasDisponibles() const;  // the shown balance panel's available days, "0" with none
  int tipoSeleccionado() const;
  QString idSeleccionado() const;  // the selected item's id, as it goes into a statement
};
