// Edge cases of the administrator screen and its dialogs: failures reported where they happen,
// empty companies, the all-companies box, bad pictures, bad names and the flow buttons with
// nothing to work on.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTableView>

#include "admin/AdminSession.h"
#include "data/Scramble.h"
#include "reports/ReportModal.h"
#include "reports/ReportPreview.h"
#include "screens/admin/MarcaSeleccion.h"
#include "screens/admin/TAgregaPersonasAsignadas.h"
#include "screens/admin/TEmpleadosDisponibles.h"
#include "screens/admin/TExcepciones.h"
#include "screens/admin/TNombresTipo.h"
#include "screens/admin/TNuevoFlujo.h"
#include "screens/shared/TSeleccionaArchivo.h"

namespace {

struct FailingSave {
  const char* name;
  const char* breaks;  // statement that makes the save fail
  int page;
  std::function<void(TAdministrador&)> act;
  const char* message;  // the last box: the failure text, never the confirmation
  const char* confirmation;
};

}  // namespace

TEST(AdminEdges, SavesReportTheRealOutcome) {
  const FailingSave cases[] = {
      {"opcion", "drop procedure PortalEmpleadoGuardaConfiguracionVacaciones", 1,
       [](TAdministrador& a) { a.btnGuardar->Press(); }, "Los datos no pudieron ser guardados", "Proceso terminado"},
      {"correo", "drop procedure PortalEmpleadoConfiguraMail", 2, [](TAdministrador& a) { a.btnGuardarMail->Press(); },
       "Los datos no pudieron ser guardados", "Datos guardados"},
      {"logo", "drop procedure PortalEmpleadoGuardaLogo", 3, [](TAdministrador& a) { a.btnGuardarOtros->Press(); },
       "Error al guardar", "Proceso Terminado"},
      {"politica", "drop procedure PortalEmpleadoGuardaPoliticas", 4,
       [](TAdministrador& a) {
         a.txtNombrePolitica->Value = QStringLiteral("Nueva");
         a.txtRutaPolitica->Value = QStringLiteral("demo/reglamento_interior.pdf");
         a.btnGuardarPolitcas->Press();
       },
       "No pudieron realizarse los cambios.", "Proceso terminado"},
      {"elimina politica", "drop procedure PortalEmpleadoEliminaPolitica", 4,
       [](TAdministrador& a) {
         a.txtIdPolitica->Value = QStringLiteral("1");
         a.btnEliminarPoliticas->Press();
       },
       "No pudieron realizarse los cambios.", "Proceso terminado"},
      {"parametros flujo", "drop procedure PortaEmpleado_AdminConfigModifica", 5,
       [](TAdministrador& a) { a.btnGuardarParametrosFlujo->Press(); }, "Los datos no pudieron ser guardados",
       "Datos guardados"},
      {"aprobador", "drop procedure PortaEmpleado_EliminaAprobador", 5, [](TAdministrador& a) { a.btnMenosFlujo->Press(); },
       "Error en el proceso", "Registro eliminado"},
      {"consolidar", "drop table PortalEmpleadoConfig", 6, [](TAdministrador& a) { a.btnConsolidar->Press(); },
       "La información no pudo ser guardada.", "Información guardada."},
  };
  for (const FailingSave& c : cases) {
    SCOPED_TRACE(c.name);
    AdminSession s;
    s.admin->Otros->nOption = c.page;
    AppData.oAdo->Execute(QString::fromUtf8(c.breaks));
    MsgSeam::Clear();
    c.act(*s.admin);
    const QList<MsgSeam::Shown> shown = MsgSeam::Taken();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.first().kind, MsgKind::Alert);  // the data source's own report first
    EXPECT_EQ(shown.last().text, QString::fromUtf8(c.message));
    EXPECT_FALSE(MsgSeam::Texts().contains(QString::fromUtf8(c.confirmation)));
  }
}

TEST(AdminEdges, CompanyWithoutMailOrLogoRowShowsEmptyFields) {
  AdminSession s;
  TAdministrador* a = s.admin;
  AppData.oAdo->Execute("delete from PortalEmpleadoConfigMail where empresa=3");
  AppData.oAdo->Execute("delete from PORTALEMPLEADOLOGO where idempresa=3");
  ASSERT_EQ(a->txtServidor->Value(), QStringLiteral("127.0.0.1"));
  ASSERT_FALSE(a->txtLogo->Value().isEmpty());
  a->cmbEmpresas->UserSelect(3);
  for (TEdit* e : std::initializer_list<TEdit*>{a->txtServidor, a->txtDireccion1, a->txtPuerto, a->txtauser, a->txtPassword, a->txtRHMail, a->txtLogo,
                   a->txtFirma})
    EXPECT_TRUE(e->Value().isEmpty()) << e->objectName().toStdString();
  StatementJournal::Clear();
  MsgSeam::Clear();
  a->btnGuardarMail->Press();
  EXPECT_EQ(sentStarting(" exec PortalEmpleadoConfiguraMail "),
            QStringList{" exec PortalEmpleadoConfiguraMail 3,'','','','No','','***','No','Automatically','','','No','No',''"});
}

TEST(AdminEdges, AllCompaniesBoxCountsOnlyWhileEnabled) {
  struct Case {
    bool checked, policySelected;
    int saves;
  };
  for (const Case c : {Case{false, false, 1}, Case{true, false, 3}, Case{true, true, 1}}) {
    AdminSession s;
    TAdministrador* a = s.admin;
    a->chkTodasLasEmpresas->lChecked = c.checked;
    // The box shows on the pages whose save it governs, and on no other.
    for (int page : {2, 3, 4, 5, 6, 1}) {
      a->Otros->nOption = page;
      EXPECT_EQ(a->chkTodasLasEmpresas->lVisible(), page == 1 || page == 2 || page == 4) << page;
      EXPECT_EQ(a->lblTodaslasEmpresas->lVisible(), a->chkTodasLasEmpresas->lVisible()) << page;
    }
    a->Otros->nOption = 4;
    if (c.policySelected) {
      // A touch on the first row, highlighted from the start, loads it.
      ASSERT_GT(a->arregloPoliticas->Len(), 0);
      ASSERT_EQ(a->arregloPoliticas->nArrayAt(), 1);
      const QModelIndex first = a->arregloPoliticas->View()->model()->index(0, 2);
      a->arregloPoliticas->View()->setCurrentIndex(first);
      emit a->arregloPoliticas->View()->clicked(first);
      EXPECT_EQ(a->txtNombrePolitica->Value(), Text::ToText(a->arregloPoliticas->CurrentRow().col(3)).trimmed());
      EXPECT_NE(a->txtIdPolitica->Value(), QStringLiteral("0"));
    }
    EXPECT_EQ(a->chkTodasLasEmpresas->lEnabled(), !c.policySelected);
    a->Otros->nOption = 1;
    EXPECT_TRUE(a->chkTodasLasEmpresas->lVisible());
    a->optOpcion3->lChecked = true;
    a->btnGuardar->Press();
    EXPECT_EQ(sentStarting(" exec PortalEmpleadoGuardaConfiguracionVacaciones ").size(), c.saves);
    EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("Proceso terminado")});
    // The policy page follows the same box, shown there too.
    MsgSeam::Clear();
    a->Otros->nOption = 4;
    if (!c.policySelected) {
      a->txtNombrePolitica->Value = QStringLiteral("Política nueva");
      a->txtRutaPolitica->Value = QStringLiteral("demo/politica_vacaciones.pdf");
    }
    a->btnGuardarPolitcas->Press();
    EXPECT_EQ(sentStarting(" exec PortalEmpleadoGuardaPoliticas ").size(), c.saves);
    // Saving for every company is silent; one company is confirmed.
    EXPECT_EQ(MsgSeam::Texts(), c.saves == 1 ? QStringList{QStringLiteral("Proceso terminado")} : QStringList());
  }
}

TEST(AdminEdges, MailPasswordsRoundTripOrAreRefused) {
  struct Case {
    QString password;
    bool saved;
  };
  const Case cases[] = {{QStringLiteral("a'b''c"), true},
                        {QStringLiteral("Ñandú€‰“”"), true},
                        {QStringLiteral("  espacios al inicio"), true},
                        {QStringLiteral("日本語"), false}};
  for (const Case& c : cases) {
    AdminSession s;
    TAdministrador* a = s.admin;
    a->txtPassword->Value = c.password;
    a->btnGuardarMail->Press();
    if (!c.saved) {
      EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("La contraseña contiene caracteres que no pueden guardarse")});
      EXPECT_TRUE(sentStarting(" exec PortalEmpleadoConfiguraMail ").isEmpty());
      EXPECT_EQ(a->txtPassword->Value(), c.password);  // nothing lost
      continue;
    }
    EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("Datos guardados")});
    a->cmbEmpresas->UserSelect(2);
    a->cmbEmpresas->UserSelect(1);
    EXPECT_EQ(a->txtPassword->Value(), c.password);
  }
}

TEST(AdminEdges, PortMustBeANumber) {
  for (const char* port : {"abc", "0", "70000", "25x"}) {
    AdminSession s;
    s.admin->txtPuerto->Value = QString::fromLatin1(port);
    s.admin->btnGuardarMail->Press();
    EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("El puerto debe ser un número entre 1 y 65535")}) << port;
    EXPECT_TRUE(sentStarting(" exec PortalEmpleadoConfiguraMail ").isEmpty());
  }
}

TEST(AdminEdges, LogoAndSignaturePickers) {
  AdminSession s;
  TAdministrador* a = s.admin;
  const QString text = s.terminal.file("no-es-imagen.jpg");
  QFile f(text);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("esto no es una imagen");
  f.close();
  const QString big = s.terminal.file("enorme.jpg");
  QFile g(big);
  ASSERT_TRUE(g.open(QIODevice::WriteOnly));
  QFile logo(s.terminal.file("demo/logo_norte.jpg"));
  ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
  g.write(logo.readAll());
  g.write(QByteArray(20 * 1024 * 1024, '\0'));
  g.close();
  const QString png = s.terminal.file("firma d'Ana.png");
  QImage img(40, 20, QImage::Format_RGB32);
  img.fill(Qt::blue);
  ASSERT_TRUE(img.save(png));

  struct Case {
    TBtnBmp* button;
    TEdit* field;
    QString answer;
    QString message;  // empty: taken
  };
  const QString before = a->txtLogo->Value();
  const Case cases[] = {
      {a->btnBuscarLogo, a->txtLogo, text, QStringLiteral("El archivo seleccionado no es una imagen")},
      {a->btnBuscarLogo, a->txtLogo, big, QStringLiteral("La imagen no debe medir más de 5 MB")},
      {a->btnBuscarLogo, a->txtLogo, s.terminal.file("no-existe.jpg"), QStringLiteral("No se encontró el archivo seleccionado")},
      {a->btnBuscarLogo, a->txtLogo, QString(), QString()},  // left without a choice
      {a->btnFirma, a->txtFirma, png, QString()},
  };
  for (const Case& c : cases) {
    MsgSeam::Clear();
    const QString kept = c.field->Value();
    FilePicker::Seam::Answer(c.answer);
    c.button->Press();
    if (!c.message.isEmpty()) {
      EXPECT_EQ(MsgSeam::Texts(), QStringList{c.message});
      EXPECT_EQ(c.field->Value(), kept);
    } else {
      EXPECT_TRUE(MsgSeam::Texts().isEmpty());
      EXPECT_EQ(c.field->Value(), c.answer.isEmpty() ? kept : c.answer);
    }
  }
  EXPECT_EQ(a->txtLogo->Value(), before);
  EXPECT_EQ(FilePicker::Seam::Asked().first().titulo, QStringLiteral("Imagen Logo"));
  // The chosen path, quote and all, is what the logo row receives.
  MsgSeam::Clear();
  a->btnGuardarOtros->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("Proceso Terminado")});
  EXPECT_EQ(sentStarting(" exec PortalEmpleadoGuardaLogo "),
            QStringList{" exec PortalEmpleadoGuardaLogo 1,'" + before + "','" + Text::EscapeQuotes(png) + "'"});
  EXPECT_EQ(column(rowsOf(" select rutaimagen,rutafirma from portalempleadologo where idempresa= 1"), 2), QStringList{png});
  EXPECT_TRUE(FilePicker::Seam::Asked().first().patrones.contains(QStringLiteral("*.jpg")));
}

TEST(AdminEdges, TheFilePickerWindowWorksByTouch) {
  AdminSession s;
  TAdministrador* a = s.admin;
  a->Otros->nOption = 3;
  a->txtLogo->Value = QString();
  AdminSession::WithModal([&] { a->btnBuscarLogo->Press(); }, [&](TForm& f) {
    auto* p = qobject_cast<TSeleccionaArchivo*>(&f);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Carpeta(), QDir(s.terminal.path()).absolutePath());
    EXPECT_EQ(p->arregloArchivos->nRowHeight(), 44);
    const int demo = rowWith(p->arregloArchivos, 1, QStringLiteral("demo/"));
    ASSERT_GT(demo, 0);
    p->arregloArchivos->nArrayAt = demo;
    p->btnAceptar->Press();  // opens the folder
    EXPECT_TRUE(p->Carpeta().endsWith(QStringLiteral("/demo")));
    // Only pictures are offered.
    for (const QString& name : column(p->arregloArchivos->aArrayData(), 1))
      EXPECT_TRUE(name.endsWith(u'/') || name.endsWith(QStringLiteral(".jpg")) || name.endsWith(QStringLiteral(".png")))
          << name.toStdString();
    Render::ToPng(p, AdminSession::ScreensDir() + "/admin-selecciona-archivo.png");
    p->arregloArchivos->nArrayAt = rowWith(p->arregloArchivos, 1, QStringLiteral("logo_bajio.jpg"));
    p->btnAceptar->Press();
  });
  EXPECT_EQ(a->txtLogo->Value(), QDir(s.terminal.path()).absoluteFilePath("demo/logo_bajio.jpg"));
  // "Subir" and "Salir": nothing chosen, the field keeps its path.
  AdminSession::WithModal([&] { a->btnFirma->Press(); }, [&](TForm& f) {
    auto* p = qobject_cast<TSeleccionaArchivo*>(&f);
    ASSERT_NE(p, nullptr);
    const QString start = p->Carpeta();
    p->btnSubir->Press();
    EXPECT_NE(p->Carpeta(), start);
    p->btnSalir->Press();
  });
  EXPECT_EQ(a->txtFirma->Value(), QStringLiteral("demo/firma_rh.jpg"));
}

TEST(AdminEdges, FlowNames) {
  struct Case {
    QString name;
    QString message;
    bool closes;
    QString sent;
    bool insertFails = false;
  };
  const QString longName(300, u'X');
  const Case cases[] = {
      {QString(), QStringLiteral("Flujo guardado"), true, QStringLiteral("exec dbo.PortaEmpleado_AgregaFlujo 1,1,''")},
      {QStringLiteral("   "), QStringLiteral("Flujo guardado"), true, QStringLiteral("exec dbo.PortaEmpleado_AgregaFlujo 1,1,''")},
      {longName, QStringLiteral("El nombre del flujo no puede tener más de 100 caracteres"), false, QString()},
      {QStringLiteral("D'Alba Norte"), QStringLiteral("Flujo guardado"), true,
       QStringLiteral("exec dbo.PortaEmpleado_AgregaFlujo 1,1,'D''Alba Norte'")},
      {QStringLiteral("NORTE"), QStringLiteral("Error al guardar flujo"), true,
       QStringLiteral("exec dbo.PortaEmpleado_AgregaFlujo 1,1,'NORTE'"), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.left(20).toStdString());
    AdminSession s;
    TAdministrador* a = s.admin;
    a->Otros->nOption = 5;
    if (c.insertFails) { ASSERT_TRUE(AppData.oAdo->Execute(QStringLiteral("DROP PROCEDURE dbo.PortaEmpleado_AgregaFlujo"))); }
    StatementJournal::Clear();
    bool open = true;
    AdminSession::WithModal([&] { a->btnAgregarFlujoNuevo->Press(); }, [&](TForm& f) {
      auto* d = qobject_cast<TNuevoFlujo*>(&f);
      ASSERT_NE(d, nullptr);
      d->txtNombreFlujo->Value = c.name;
      d->btnGuardar->Press();
      open = d->isVisible();
      if (open) {
        EXPECT_EQ(d->txtNombreFlujo->Value(), Text::RTrim(c.name));  // what was typed stays
      }
    });
    // A failed insert shows the data source's alert first.
    EXPECT_EQ(c.insertFails ? MsgSeam::Texts().mid(1) : MsgSeam::Texts(), QStringList{c.message});
    EXPECT_EQ(open, !c.closes);
    EXPECT_EQ(sentStarting("exec dbo.PortaEmpleado_AgregaFlujo "), c.sent.isEmpty() ? QStringList() : QStringList{c.sent});
    if (c.closes && !c.insertFails) {
      EXPECT_EQ(a->cmbFlujo->cText(), Text::AllTrim(c.name));
    }
  }
  // Renaming keeps the flow and reports the real outcome.
  AdminSession s;
  TAdministrador* a = s.admin;
  a->Otros->nOption = 5;
  const QString id = a->IdFlujo();
  AdminSession::WithModal([&] { a->btnModificarNombreFlujo->Press(); }, [&](TForm& f) {
    auto* d = qobject_cast<TNuevoFlujo*>(&f);
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->txtNombreSolicitud->lVisible());
    EXPECT_EQ(d->lblIdFlujo->cText(), id);
    d->txtNombreFlujo->Value = QStringLiteral("OPERACIÓN 'A'");
    d->btnGuardar->Press();
  });
  EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("Flujo guardado")});
  EXPECT_EQ(sentStarting(" exec dbo.PortalEmpleado_ModificaNombreFlujo  "),
            QStringList{" exec dbo.PortalEmpleado_ModificaNombreFlujo  1," + id + ",'OPERACIÓN ''A'''"});
  EXPECT_EQ(a->cmbFlujo->items().first(), QStringLiteral("OPERACIÓN 'A'"));
}

TEST(AdminEdges, FlowButtonsWithNothingToWorkOn) {
  AdminSession s;
  TAdministrador* a = s.admin;
  a->cmbEmpresas->UserSelect(3);
  a->Otros->nOption = 5;
  a->cmbTipoSolicitud->UserSelect(2);  // company 3 has no leave flow
  ASSERT_EQ(a->cmbFlujo->items(), QStringList{QStringLiteral("Debe agregar un flujo")});
  EXPECT_EQ(a->cmbFlujo->nIndex(), 0);
  a->cmbFlujo->UserSelect(1);  // even picking the placeholder is no flow
  struct Case {
    TBtnBmp* button;
    const char* message;
  };
  bool opened = false;
  TForm::SetModalHook([&](TForm&) { opened = true; });
  StatementJournal::Clear();
  for (const Case& c : {Case{a->btnMasAutorizan, "Seleccione un flujo"}, Case{a->btnAgregarAsignadas, "Seleccione un flujo"},
                        Case{a->btnModificarNombreFlujo, "Seleccione un flujo"},
                        Case{a->btnMenosFlujo, "Debe seleccionar un registro a eliminar"},
                        Case{a->btnMenosAsignadas, "Debe seleccionar un registro a eliminar"},
                        Case{a->btnFlujoSubir, nullptr}, Case{a->btnAbajoFlujo, nullptr}}) {
    MsgSeam::Clear();
    c.button->Press();
    EXPECT_EQ(MsgSeam::Texts(), c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList())
        << c.button->objectName().toStdString();
  }
  TForm::SetModalHook(nullptr);
  EXPECT_FALSE(opened);
  EXPECT_TRUE(StatementJournal::Statements().isEmpty()) << StatementJournal::Statements().join("\n").toStdString();
  // No flow of the type: the listing has nothing to print.
  MsgSeam::Clear();
  a->btnReporteFlujos->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("El Reporte no puede ser generado, no se encontro información.")});

  // First up and last down do nothing either.
  a->cmbEmpresas->UserSelect(1);
  a->Otros->nOption = 5;
  ASSERT_GE(a->arregloAutorizan->Len(), 2);
  StatementJournal::Clear();
  a->arregloAutorizan->nArrayAt = 1;
  a->btnFlujoSubir->Press();
  a->arregloAutorizan->nArrayAt = a->arregloAutorizan->Len();
  a->btnAbajoFlujo->Press();
  EXPECT_TRUE(sentStarting("exec dbo.PortaEmpleado_SolicitudNuevoOrdenPorRegistro").isEmpty());
}

TEST(AdminEdges, RemovingAnApproverWithPendingRequests) {
  AdminSession s;
  TAdministrador* a = s.admin;
  a->Otros->nOption = 5;  // company 1, VACACIONES OPERACIÓN: approvers 3 then 1
  ASSERT_EQ(column(a->arregloAutorizan->aArrayData(), 3), (QStringList{"3", "1"}));
  const QStringList pending = column(rowsOf(" EXEC dbo.PortaEmpleado_PendientesAutorizar        1,3,       1"), 1);
  ASSERT_FALSE(pending.isEmpty());
  a->arregloAutorizan->nArrayAt = 1;
  a->btnMenosFlujo->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("Registro eliminado")});
  EXPECT_EQ(sentStarting(" EXEC dbo.PortaEmpleado_EliminaAprobador "),
            QStringList{QStringLiteral(" EXEC dbo.PortaEmpleado_EliminaAprobador 1,1,3,1")});
  // The flow is whole again (one approver, step 1); requests filed before keep their steps.
  EXPECT_EQ(column(a->arregloAutorizan->aArrayData(), 3), QStringList{"1"});
  EXPECT_EQ(column(a->arregloAutorizan->aArrayData(), 5), QStringList{"1"});
  EXPECT_EQ(column(rowsOf(" EXEC dbo.PortaEmpleado_PendientesAutorizar        1,3,       1"), 1), pending);
}

TEST(AdminEdges, AssignedEmployeesMarkedAndRemoved) {
  AdminSession s;
  TAdministrador* a = s.admin;
  a->Otros->nOption = 5;
  ASSERT_GE(a->arregloAsignado->Len(), 3);
  const Rows rows = a->arregloAsignado->aArrayData();
  for (int i : {1, 3}) {
    a->arregloAsignado->nArrayAt = i;
    a->arregloAsignadoColumn6DataDblClick();
  }
  a->arregloAsignado->nArrayAt = 2;  // marked and unmarked again
  a->arregloAsignadoColumn6DataDblClick();
  a->arregloAsignadoColumn6DataDblClick();
  Render::ToPng(a, AdminSession::ScreensDir() + "/admin-flujos-marcas.png");
  a->btnMenosAsignadas->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("Proceso terminado")});
  QStringList expected;
  for (int i : {1, 3})
    expected << " EXEC dbo.PortaEmpleado_EliminaDeFlujo @empresa=1, @codigo=" + Text::AllTrim(Text::ToText(rows.row(i).col(2))) +
                    ", @idFlujo=1, @TipoSol=1";
  EXPECT_EQ(sentStarting(" EXEC dbo.PortaEmpleado_EliminaDeFlujo "), expected);
  EXPECT_EQ(a->arregloAsignado->Len(), rows.size() - 2);
}

TEST(AdminEdges, ExceptionsAddedThroughTheDialogOrNotAtAll) {
  enum class Ends { Aceptar, Salir, EmptyAceptar };
  for (Ends how : {Ends::Aceptar, Ends::Salir, Ends::EmptyAceptar}) {
    AdminSession s;
    TAdministrador* a = s.admin;
    a->Otros->nOption = 6;
    const int before = a->arregloConsolidar->Len();
    QString chosen;
    AdminSession::WithModal([&] { a->btnAgregarExcepcion->Press(); }, [&](TForm& f) {
      auto* d = qobject_cast<TExcepciones*>(&f);
      ASSERT_NE(d, nullptr);
      if (how == Ends::EmptyAceptar) d->arreglo->SetArray(Rows());
      if (how == Ends::Salir) {
        d->btnSalir->Press();
        return;
      }
      chosen = Text::AllTrim(Text::ToText(d->arreglo->CurrentRow().col(2)));
      if (how == Ends::Aceptar) Render::ToPng(d, AdminSession::ScreensDir() + "/admin-excepciones.png");
      d->btnAceptar->Press();
    });
    const QStringList sent = sentStarting("exec PortaEmpleado_MantenimientoConsolidar ");
    if (how == Ends::Aceptar) {
      EXPECT_EQ(sent, QStringList{"exec PortaEmpleado_MantenimientoConsolidar 1," + chosen});
      EXPECT_EQ(a->arregloConsolidar->Len(), before + 1);
      Render::ToPng(a, AdminSession::ScreensDir() + "/admin-consolidar.png");
      // Removing it again.
      a->arregloConsolidar->nArrayAt = rowWith(a->arregloConsolidar, 2, chosen);
      a->btnDesmarcar->Press();
      EXPECT_EQ(a->arregloConsolidar->Len(), before);
    } else {
      EXPECT_TRUE(sent.isEmpty());
      EXPECT_EQ(a->arregloConsolidar->Len(), before);
    }
  }
}

TEST(AdminEdges, FlowListingsPrinted) {
  struct Case {
    int type;  // item of the request-type list
    const char* title;
    const char* flow;
  };
  for (const Case& c : {Case{1, "REPORTE DE FLUJOS DE VACACIONES", "VACACIONES OPERACIÓN"},
                        Case{2, "REPORTE DE FLUJOS DE PERMISOS", "PERMISOS GENERAL"},
                        Case{3, "REPORTE DE FLUJOS DE PRÉSTAMOS", "PRÉSTAMOS"}}) {
    SCOPED_TRACE(c.title);
    AdminSession s;
    TAdministrador* a = s.admin;
    a->Otros->nOption = 5;
    a->cmbTipoSolicitud->UserSelect(c.type);
    const QString pdf = AdminSession::ScreensDir() + QStringLiteral("/reporte-flujos-%1.pdf").arg(c.type);
    QFile::remove(pdf);
    int pages = 0;
    ReportModal::SetHookForTests([&](QDialog& dialog) {
      auto* preview = dynamic_cast<ReportPreview*>(&dialog);
      if (!preview) return 0;
      pages = preview->PageCount();
      preview->SaveAs(pdf);
      return 0;
    });
    a->btnReporteFlujos->Press();
    ReportModal::SetHookForTests({});
    EXPECT_EQ(sentStarting("EXECUTE dbo.PortalEmpleado_ListadoFlujosAsignados "),
              QStringList{QStringLiteral("EXECUTE dbo.PortalEmpleado_ListadoFlujosAsignados 1,%1").arg(c.type)});
    EXPECT_GE(pages, 1);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.title))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("COMERCIALIZADORA DEL NORTE DEMO"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.flow))) << text.toStdString();
    EXPECT_TRUE(MsgSeam::Texts().isEmpty());
  }
}

TEST(AdminEdges, AssignmentDialogFiltersMarksAndSavesOnlyMarkedRows) {
  AdminSession s;
  TAdministrador* a = s.admin;
  a->Otros->nOption = 5;  // company 1, VACACIONES OPERACIÓN (flow 1)
  ASSERT_EQ(a->IdFlujo(), QStringLiteral("1"));
  const QString head = QStringLiteral("EXEC dbo.PortaEmpleado_EmpleadosFlujoDisponibles   1,1,1,");
  QString idDepto;
  AdminSession::WithModal([&] { a->btnAgregarAsignadas->Press(); }, [&](TForm& f) {
    if (auto* n = qobject_cast<TNombresTipo*>(&f)) {  // opened from "Buscar"
      EXPECT_EQ(sentStarting(" exec dbo.PortaEmpleado_Catalogos "), QStringList{" exec dbo.PortaEmpleado_Catalogos 1,1"});
      const int at = rowWith(n->arrayEmpleados, 1, QStringLiteral("RECURSOS HUMANOS"));
      ASSERT_GT(at, 0);
      n->arrayEmpleados->nArrayAt = at;
      Render::ToPng(n, AdminSession::ScreensDir() + "/admin-nombres-tipo.png");
      idDepto = Text::AllTrim(Text::ToText(n->arrayEmpleados->CurrentRow().col(2)));
      n->btnGuardar->Press();
      return;
    }
    auto* d = qobject_cast<TAgregaPersonasAsignadas*>(&f);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->cmbFiltrarPor->items(), (QStringList{"Todos", "Departamento", "Puesto"}));
    EXPECT_FALSE(d->txtNombre->lVisible());
    EXPECT_FALSE(d->btnBuscar->lVisible());
    EXPECT_EQ(d->arreglo->Len(), 0);

    d->cmbFiltrarPor->UserSelect(2);
    EXPECT_TRUE(d->btnBuscar->lVisible());
    d->btnBuscar->Press();
    EXPECT_EQ(d->txtNombre->Value(), QStringLiteral("RECURSOS HUMANOS"));
    EXPECT_EQ(d->txtID->Value(), idDepto);
    StatementJournal::Clear();
    d->btnCargar->Press();
    EXPECT_EQ(sentStarting(head), QStringList{head + "1,'" + idDepto + "'"});
    ASSERT_GT(d->arreglo->Len(), 0);
    for (const QString& centro : column(d->arreglo->aArrayData(), 4)) EXPECT_EQ(centro, QStringLiteral("RECURSOS HUMANOS"));

    // Marking all, then loading again: every mark is cleared.
    d->btnMarcarTodos->Press();
    for (const Row& r : d->arreglo->aArrayData()) EXPECT_TRUE(MarcaSeleccion::Marcado(r));
    d->btnCargar->Press();
    for (const Row& r : d->arreglo->aArrayData()) EXPECT_FALSE(MarcaSeleccion::Marcado(r));

    // Back to "Todos": the name goes, the chosen id stays and is sent with filter 0.
    d->cmbFiltrarPor->UserSelect(1);
    EXPECT_FALSE(d->txtNombre->lVisible());
    EXPECT_TRUE(d->txtNombre->Value().isEmpty());
    StatementJournal::Clear();
    d->btnCargar->Press();
    EXPECT_EQ(sentStarting(head), QStringList{head + "0,'" + idDepto + "'"});
    Render::ToPng(d, AdminSession::ScreensDir() + "/admin-asignar-filtro.png");

    // Marked and unmarked again: saving sends nothing and closes.
    d->btnMarcarTodos->Press();
    d->btnDesmarcarTodos->Press();
    StatementJournal::Clear();
    d->btnGuardar->Press();
    EXPECT_TRUE(sentStarting("exec dbo.PortaEmpleado_AgregaEmpleadoFlujo").isEmpty());
    EXPECT_FALSE(d->isVisible());
  });
  EXPECT_TRUE(MsgSeam::Texts().isEmpty());
}

TEST(AdminEdges, ApproverDialogOnAnEmptyListAddsNobody) {
  AdminSession s;
  TAdministrador* a = s.admin;
  a->Otros->nOption = 5;
  const int before = a->arregloAutorizan->Len();
  AdminSession::WithModal([&] { a->btnMasAutorizan->Press(); }, [&](TForm& f) {
    auto* d = qobject_cast<TEmpleadosDisponibles*>(&f);
    ASSERT_NE(d, nullptr);
    d->arrayEmpleados->SetArray(Rows());
    d->btnGuardar->Press();
    EXPECT_FALSE(d->isVisible());
  });
  EXPECT_TRUE(sentStarting(" exec dbo.PortaEmpleado_AgregaAsolicitar").isEmpty());
  EXPECT_TRUE(MsgSeam::Texts().isEmpty());
  EXPECT_EQ(a->arregloAutorizan->Len(), before);
}

TEST(AdminEdges, WorkflowSwitchesAndSiteAddressSaved) {
  AdminSession s;
  TAdministrador* a = s.admin;
  a->Otros->nOption = 5;
  a->chkAutorizaPrimeroSupervisor->lChecked = true;
  a->chkEnvioSolicitud->lChecked = false;
  a->chkAutorizaPorCorreo->lChecked = false;
  a->txtURL->Value = QStringLiteral("http://portal.demo/?q='x'");
  a->btnGuardarParametrosFlujo->Press();
  EXPECT_EQ(MsgSeam::Texts(), QStringList{QStringLiteral("Datos guardados")});
  EXPECT_EQ(sentStarting("exec PortaEmpleado_AdminConfigModifica "),
            QStringList{"exec PortaEmpleado_AdminConfigModifica 1,'1','0','0','http://portal.demo/?q=''x'''"});
  // Another company and back: the page reads what was stored.
  a->cmbEmpresas->UserSelect(2);
  a->cmbEmpresas->UserSelect(1);
  EXPECT_TRUE(a->chkAutorizaPrimeroSupervisor->lChecked());
  EXPECT_FALSE(a->chkEnvioSolicitud->lChecked());
  EXPECT_EQ(a->txtURL->Value(), QStringLiteral("http://portal.demo/?q='x'"));
}

TEST(AdminEdges, AssignmentDialogForOvertimeOffersSupervisors) {
  AdminSession s;
  auto* d = TForm::New<TAgregaPersonasAsignadas>(s.admin, [&](TAgregaPersonasAsignadas& f) {
    f.CNX = s.admin->CNX;
    f.empresa = QStringLiteral("1");
    f.idflujo = QStringLiteral("0");
    f.idTipoSolicitud = QStringLiteral("4");
  });
  EXPECT_EQ(d->lblNombreTabla->cText(), QStringLiteral("Supervisores disponibles"));
  EXPECT_FALSE(d->cmbFiltrarPor->lVisible());
  EXPECT_FALSE(d->oLabel1->lVisible());
  d->btnCargar->Press();
  const QStringList supervisores =
      column(rowsOf("select distinct supervisor from empleados where empresa=1 and supervisor is not null order by 1"), 1);
  ASSERT_FALSE(supervisores.isEmpty());
  for (const QString& codigo : column(d->arreglo->aArrayData(), 2)) EXPECT_TRUE(supervisores.contains(codigo)) << codigo.toStdString();
  EXPECT_GT(d->arreglo->Len(), 0);
  delete d;
}
