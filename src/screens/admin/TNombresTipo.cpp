#include "screens/admin/TNombresTipo.h"

#include "app/AppData.h"
#include "data/mdlOperacion.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

void TNombresTipo::CreateForm() {
  CreaVentana(QStringLiteral("frmBusNombresTipo"), 0);
  TArrayBrwColumn* c = arrayEmpleados->AddColumn(QStringLiteral("Nombre"), 357);
  c->nAlignment = 64;
  c->OnDataDblClick = [this](TArrayBrwColumn*) { SeleccionaYCierra(); };
  c = arrayEmpleados->AddColumn(QStringLiteral("Id"), 116);
  c->cPicture = QStringLiteral("9999999999");
  c->lHide = true;
  OnInitialize = [this] {
    arrayEmpleados->SetArray(AppData.oOperacion->obtenDepartamentoPuestoParaAutorizacion(empresa, idfiltro));
  };
}

void TNombresTipo::TomaRenglon(const Row& row) {
  id = Text::AllTrim(Text::ToText(row.col(2)));
  nombre = Text::AllTrim(Text::ToText(row.col(1)));
}
