#pragma once
// The employee's vacation day balance in the layout chosen for the company: three framed
// panels, of which the one of the layout is shown.
//
//   1  balance of completed anniversaries                          (the limit)
//   2  A balance + B proportional days - C days enjoyed = Total     (Total is the limit)
//   3  A + B - (C + days scheduled) = Total                         (Total is the limit)
//
// All three panels are filled whichever is shown. The vacation request screen lays them out
// across its window; the requests screen stacks each one in a narrow column.
#include <QString>

#include "data/Rows.h"

class QWidget;
class TEdit;
class TGroupBox;

class BalancePanels {
 public:
  enum class Arrangement { Across, Stacked };

  // Makes the three panels, hidden, as children of `parent`.
  BalancePanels(QWidget* parent, Arrangement arrangement);

  TGroupBox* Opcion1 = nullptr;
  TGroupBox* Opcion2 = nullptr;
  TGroupBox* Opcion3 = nullptr;
  TEdit* txtSaldos1 = nullptr;
  TEdit* txtSaldos2 = nullptr;
  TEdit* txtDias2 = nullptr;
  TEdit* txtVacaciones2 = nullptr;
  TEdit* txtTotal2 = nullptr;
  TEdit* txtSaldos3 = nullptr;
  TEdit* txtDias3 = nullptr;
  TEdit* txtVacaciones3 = nullptr;
  TEdit* txtProgramadas3 = nullptr;
  TEdit* txtTotal3 = nullptr;

  int opcion = 0;  // the company's layout, 1 to 3; anything else shows no panel

  // Reads the company's layout ("exec peCargaOpcionVacaciones <empresa>") and shows its panel.
  void buscaOpcion(const QString& empresa);
  // Shows the panel of `layout` and hides the others; any other value hides all three.
  void MuestraOpcion(int layout);

  // Reads the session employee's balance row and fills the three panels; with no row the
  // fields stay as they are (empty when the screen opened).
  void CargaDiasSaldo();
  // Fills the panels from a balance row (columns 10, 20, 21, 33 and 55; NULL counts as 0).
  void Llena(const Row& saldo);

  // Whether a layout is shown, so that a request has a limit.
  bool Activa() const { return opcion >= 1 && opcion <= 3; }
  // The field holding the available days of the shown layout, or null.
  TEdit* CampoDisponible() const;
  // Its text; "0" when no layout is shown.
  QString Disponibles() const;
  // True when a layout is shown and `dias` is above its available days (an empty field is 0).
  bool Excede(double dias) const;

  // A balance value as the panels show it: picture "99999999.99", trimmed ("12.50").
  static QString Formato(double dias);
};
