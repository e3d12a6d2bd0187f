#include "screens/admin/TEmpleadosDisponibles.h"

#include "app/AppData.h"
#include "data/mdlOperacion.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

void TEmpleadosDisponibles::CreateForm() {
  CreaVentana(QStringLiteral("Empleados Disponibles para Autorizar"), 4);
  TArrayBrwColumn* c = arrayEmpleados->AddColumn(QStringLiteral("empresa"), 57);
  c->cPicture = QStringLiteral("99999999");
  c->lHide = true;
  c = arrayEmpleados->AddColumn(QStringLiteral("Código"), 116);
  c->cPicture = QStringLiteral("9999999999");
  c->nAlignment = 66;
  arrayEmpleados->AddColumn(QStringLiteral("Nombre"), 357)->nAlignment = 64;
  arrayEmpleados->OnDblClick = [this](TArrayBrowse*) { SeleccionaYCierra(); };
  OnInitialize = [this] {
    arrayEmpleados->SetArray(AppData.oOperacion->cargaEmpleadosDisponiblesAutorizar(idTipoSolicitud, idFlujo, empresa));
  };
}

void TEmpleadosDisponibles::TomaRenglon(const Row& row) {
  const bool ok = AppData.oOperacion->AgregarSolicitar(empresa, idTipoSolicitud, Text::AllTrim(Text::ToText(row.col(2))),
                                                       idFlujo);
  MsgInfo(ok ? QStringLiteral("Empleado Guardado") : QStringLiteral("Error al guardar"));
}
