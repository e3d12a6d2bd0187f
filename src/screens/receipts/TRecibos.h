#pragma once
// Payroll receipts: years, payroll types and closed periods, the receipt listing, printing,
// the invoice XML and PDF, and mailing both to the employee.
#include <QString>
#include <memory>

#include "data/Rows.h"
#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TComboBox;
class TEnviaMail;
class TGroupBox;
class TImage;
class TLabel;
class TRadio;

class TRecibos : public TSessionForm {
  Q_OBJECT
 public:
  explicit TRecibos(QWidget* parent = nullptr);
  ~TRecibos() override;

  std::unique_ptr<TEnviaMail> objEnviaMail;
  bool aHWnd = false;  // whether the last document could be handed to a viewer

  TImage* oImage1 = nullptr;
  TGroupBox* oGroupBox3 = nullptr;
  TRadio* oNomina = nullptr;
  TRadio* oAguinaldo = nullptr;
  TRadio* oOtro = nullptr;
  TRadio* oAhorro = nullptr;
  TGroupBox* oGroupBox4 = nullptr;
  TComboBox* cmbYearRecibo = nullptr;
  TComboBox* cmbTipoNominaRecibo = nullptr;
  TComboBox* cmbPeriodoRecibo = nullptr;
  TComboBox* cmbPeriodoRecibo2 = nullptr;
  TBtnBmp* btnCargaRecibos = nullptr;
  TGroupBox* oGroupBox2 = nullptr;
  TArrayBrowse* arregloRecibos = nullptr;
  TBtnBmp* btnImprimeCarta = nullptr;
  TBtnBmp* btnImprimirRecibo = nullptr;
  TBtnBmp* btnListaRecibos = nullptr;
  TBtnBmp* btnGenraCFDI = nullptr;
  TBtnBmp* btnDescargaArchivoPDF = nullptr;
  TBtnBmp* btnEnviaMail = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  bool FormClose();
  void cargarAyos();
  void cmbYearReciboChange();
  void llenaTiposnom();
  void cmbTipoNominaReciboChange();
  void llenaPeriodos();
  void cargarListado();
  void btnCargaRecibosClick();
  void btnImprimeCartaClick() { ImprimeReciboNormal(QStringLiteral("Carta")); }
  void btnImprimirReciboClick() { ImprimeReciboNormal(QStringLiteral("MediaCarta")); }
  void ImprimeReciboNormal(const QString& tipo);
  void btnListaRecibosClick();
  bool ValidaExisteCFDI(const QVariant& empresaRecibo);
  void btnGenraCFDIClick();
  void btnDescargaArchivoPDFClick();
  void btnEnviaMailClick();
  void btnSalirClick();

  static int ObtenTipoNomina(const QString& nombre);

  // The company tax identifier whose receipts have no half-letter print, set per deployment
  // in the environment variable PORTAL_RFC_SIN_MEDIA_CARTA.
  static QString RfcSinMediaCarta();

 protected:
  void CreateForm() override;

 private:
  Row seleccionado() const;  // the grid's current row
  Row archivosCFDI(const QVariant& empresaRecibo);
  bool archivosSeleccionados(Row* files);
  struct Flags {
    QString agi, fdo, otr;
  };
  Flags banderas() const;
  static int numeroDe(const QString& entry);  // numeric value of the first two characters
};
