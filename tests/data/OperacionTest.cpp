// Exact statement texts and result shapes of the data operations.
#include <gtest/gtest.h>

#include <functional>

#include "support/QtPrinters.h"

#include "DataFixture.h"
#include "data/StatementValues.h"
#include "data/TQuery.h"
#include "data/mdlNomina.h"
#include "data/mdlOperacion.h"

namespace {

struct StatementCase {
  const char* operation;
  std::function<void(mdlOperacion&, mdlNomina&)> call;
  QString expected;
};

using OperacionStatements = DataTest;

// Every operation with ordinary values: session values with their leading blanks, texts quoted.
TEST_F(OperacionStatements, OrdinaryValues) {
  const QString E = QStringLiteral("       5");
  const QString C = QStringLiteral("        12");
  const QList<StatementCase> cases = {
      {"peValidaEntrada", [&](mdlOperacion& o, mdlNomina&) { o.peValidaEntrada(C, QStringLiteral("jjm")); },
       "exec peValidaEntrada         12,'***',0,0"},  // the journal masks the password
      {"peValidaPasswordNulo", [&](mdlOperacion& o, mdlNomina&) { o.peValidaPasswordNulo(C, E); },
       "exec peValidaPasswordNulo @codigo=        12, @empresa=       5"},
      {"permisoEmpleadoPerfil", [](mdlOperacion& o, mdlNomina&) { o.permisoEmpleadoPerfil("A", "A1"); },
       " exec permisoEmpleadoPerfil        5,        12,'A','A1'"},
      {"permisoVerSueldos", [](mdlOperacion& o, mdlNomina&) { o.permisoVerSueldos(); },
       " exec permisoEmpleadoVerSueldo        5,        12"},
      {"consultaVacaciones",
       [](mdlOperacion& o, mdlNomina&) { o.consultaVacaciones("T", "20240101", "20241231", false, AppData.Afiliacion); },
       " exec peListadoVacacionesPantalla        5,        12,'T','20240101','20241231','12345678901'"},
      {"consultaAusentismos", [](mdlOperacion& o, mdlNomina&) { o.consultaAusentismos("T", "20240101", "20241231", true); },
       " exec peListadoAusentismo        5,        12,'T','20240101','20241231','12345678901'"},
      {"consultaTiempoExtra",
       [](mdlOperacion& o, mdlNomina&) { o.consultaTiempoExtra("T", "20240101", "20241231", false, "otra"); },
       " exec peListadoTiempoExtra        5,        12,'T','20240101','20241231','12345678901'"},
      {"peCargaPoblacion", [](mdlOperacion& o, mdlNomina&) { o.peCargaPoblacion(); },
       "select idestados, edtado from rhestados "},
      {"existeRecibo", [&](mdlOperacion& o, mdlNomina&) { o.existeRecibo(E, C, "SEM", "  3", 2024); },
       "exec existeReciboCFDI        5,        12,'SEM',  3,2024"},
      {"obtenArchivosCFDI", [&](mdlOperacion& o, mdlNomina&) { o.obtenArchivosCFDI(E, C, "SEM", "  3", 2024); },
       "exec existeReciboCFDI        5,        12,'SEM',  3,2024"},
      {"ModificaPortalMarcasRecibos",
       [&](mdlOperacion& o, mdlNomina&) { o.ModificaPortalMarcasRecibos(E, C, " SEM ", 3, 2024, " XML "); },
       "exec ModificaPortalMarcasRecibos 5,12,'SEM','3','2024','XML'"},
      {"obtenConfiguraEmail", [&](mdlOperacion& o, mdlNomina&) { o.obtenConfiguraEmail(E); },
       "exec getConfiguraMailPortalEmpleado        5"},
      {"ObtenMaildeSupervisor", [&](mdlOperacion& o, mdlNomina&) { o.ObtenMaildeSupervisor(C); },
       " exec peObtenMaildeSupervisor        5,        12"},
      {"obtenDepartamentoPuestoParaAutorizacion",
       [&](mdlOperacion& o, mdlNomina&) { o.obtenDepartamentoPuestoParaAutorizacion(E, "1"); },
       " exec dbo.PortaEmpleado_Catalogos        5,1"},
      {"obtenSolicitudesDeEmpleado", [&](mdlOperacion& o, mdlNomina&) { o.obtenSolicitudesDeEmpleado(2, C); },
       " EXEC dbo.PortaEmpleado_PendientesAutorizar        5,        12,       2"},
      {"insertaFlujo", [&](mdlOperacion& o, mdlNomina&) { o.insertaFlujo(" 1 ", "GERENCIA", E); },
       "exec dbo.PortaEmpleado_AgregaFlujo        5,1,'GERENCIA'"},
      {"modificaFlujo", [](mdlOperacion& o, mdlNomina&) { o.modificaFlujo("1", "1", "DIRECCION", "x"); },
       " exec dbo.PortalEmpleado_ModificaNombreFlujo  1,1,'DIRECCION'"},
      {"cargaFlujos", [&](mdlOperacion& o, mdlNomina&) { o.cargaFlujos("1", E); },
       "exec dbo.PortaEmpleado_Flujos        5,1"},
      {"cargaPersonasAutorizan", [&](mdlOperacion& o, mdlNomina&) { o.cargaPersonasAutorizan("1", "2", E); },
       "EXEC dbo.PortaEmpleado_ExtraePersonasAutorizar         5,1,2"},
      {"cargaPersonasEnFlujo", [&](mdlOperacion& o, mdlNomina&) { o.cargaPersonasEnFlujo("1", "2", E); },
       "EXEC dbo.PortaEmpleado_EmpleadosEnFlujo          5,1,2"},
      {"cargaEmpleadosDisponiblesAutorizar",
       [&](mdlOperacion& o, mdlNomina&) { o.cargaEmpleadosDisponiblesAutorizar("1", "2", E); },
       "EXEC dbo.PortaEmpleado_AutorizarEmpleadosDisponibles          5,1,2"},
      {"AgregarSolicitar", [&](mdlOperacion& o, mdlNomina&) { o.AgregarSolicitar(E, "1", C, "2"); },
       " exec dbo.PortaEmpleado_AgregaAsolicitar         5,1,        12,'2'"},
      {"cargaEmpleadosFlujoDisponibles",
       [&](mdlOperacion& o, mdlNomina&) { o.cargaEmpleadosFlujoDisponibles(E, "1", "2", "3", "PEREZ"); },
       "EXEC dbo.PortaEmpleado_EmpleadosFlujoDisponibles          5,1,2,3,'PEREZ'"},
      {"obtenPeriodosRecibos", [&](mdlOperacion&, mdlNomina& n) { n.obtenPeriodosRecibos(2024, " 1", C); },
       "exec PortalEmpleadoCargaPeriodosDeRecibos 2024,1,12,4711"},
      {"obtenListadoRecibos",
       [&](mdlOperacion&, mdlNomina& n) { n.obtenListadoRecibos("AGI", "", "", " 1", 2024, " 1", "52 ", C); },
       "exec  PortalEmpleadoCargaListadoDeRecibos 1,2024,1,52,'AGI','','',4711,        12,'12345678901',       5"},
      {"obtenReportesListadoRecibos",
       [&](mdlOperacion&, mdlNomina& n) { n.obtenReportesListadoRecibos("", "FDO", "OTR", "1", "2024", "1", "52", C); },
       "exec pePortalPatronObtenListadoRecibos 1,2024,1,52,'','FDO','OTR',4711,12,'12345678901',       5"},
      {"obtenReportesRecibo",
       [&](mdlOperacion&, mdlNomina& n) { n.obtenReportesRecibo(" SEM ", 2024, 3, C, "       1", E); },
       "exec pePortalPatronObtenDetalleRecibosFunU @nomina=SEM, @año=2024, @periodo=3, @codigo=        12, "
       "@tiponom=       1, @empresa=       5, @cUsuario='        12'"},
  };
  mdlOperacion operacion;
  mdlNomina nomina;
  for (const StatementCase& c : cases) {
    StatementJournal::Clear();
    MsgSeam::Clear();
    c.call(operacion, nomina);
    EXPECT_EQ(StatementJournal::Statements(), QStringList{c.expected}) << c.operation;
    // The embedded database accepts every one of them.
    EXPECT_TRUE(boxes().isEmpty()) << c.operation << ": " << (boxes().isEmpty() ? "" : boxes().first().text.toStdString());
  }
}

// Texts typed by a person reach the statement with their quotes doubled and still run.
TEST_F(OperacionStatements, QuotesAreDoubled) {
  const QString E = QStringLiteral("       5");
  const QString C = QStringLiteral("        12");
  const QString obrien = QStringLiteral("O'Brien");
  AppData.Afiliacion = QStringLiteral("12'34");
  const QList<StatementCase> cases = {
      {"peValidaEntrada", [&](mdlOperacion& o, mdlNomina&) { o.peValidaEntrada(C, QStringLiteral("a'b")); },
       // Masked whole only when its quote was doubled: a broken literal would leave "b'" behind.
       "exec peValidaEntrada         12,'***',0,0"},
      {"permisoEmpleadoPerfil", [&](mdlOperacion& o, mdlNomina&) { o.permisoEmpleadoPerfil(obrien, "'"); },
       " exec permisoEmpleadoPerfil        5,        12,'O''Brien',''''"},
      {"consultaVacaciones",
       [&](mdlOperacion& o, mdlNomina&) { o.consultaVacaciones(obrien, "2024'", "x", false, AppData.Afiliacion); },
       " exec peListadoVacacionesPantalla        5,        12,'O''Brien','2024''','x','12''34'"},
      {"consultaAusentismos", [&](mdlOperacion& o, mdlNomina&) { o.consultaAusentismos(obrien, "a", "b", false); },
       " exec peListadoAusentismo        5,        12,'O''Brien','a','b','12''34'"},
      {"consultaTiempoExtra", [&](mdlOperacion& o, mdlNomina&) { o.consultaTiempoExtra(obrien, "a", "b", true); },
       " exec peListadoTiempoExtra        5,        12,'O''Brien','a','b','12''34'"},
      {"existeRecibo", [&](mdlOperacion& o, mdlNomina&) { o.existeRecibo(E, C, "S'M", 3, 2024); },
       "exec existeReciboCFDI        5,        12,'S''M',3,2024"},
      {"ModificaPortalMarcasRecibos",
       [&](mdlOperacion& o, mdlNomina&) { o.ModificaPortalMarcasRecibos(E, C, "S'M", 3, 2024, " O'Brien "); },
       "exec ModificaPortalMarcasRecibos 5,12,'S''M','3','2024','O''Brien'"},
      {"insertaFlujo", [&](mdlOperacion& o, mdlNomina&) { o.insertaFlujo("1", obrien, E); },
       "exec dbo.PortaEmpleado_AgregaFlujo        5,1,'O''Brien'"},
      {"modificaFlujo", [&](mdlOperacion& o, mdlNomina&) { o.modificaFlujo("1", "1", obrien); },
       " exec dbo.PortalEmpleado_ModificaNombreFlujo  1,1,'O''Brien'"},
      {"AgregarSolicitar", [&](mdlOperacion& o, mdlNomina&) { o.AgregarSolicitar(E, "1", C, "2'"); },
       " exec dbo.PortaEmpleado_AgregaAsolicitar         5,1,        12,'2'''"},
      {"cargaEmpleadosFlujoDisponibles",
       [&](mdlOperacion& o, mdlNomina&) { o.cargaEmpleadosFlujoDisponibles(E, "1", "2", "3", obrien); },
       "EXEC dbo.PortaEmpleado_EmpleadosFlujoDisponibles          5,1,2,3,'O''Brien'"},
      {"obtenListadoRecibos",
       [&](mdlOperacion&, mdlNomina& n) { n.obtenListadoRecibos("A'", "", "", "1", 2024, "1", "52", C); },
       "exec  PortalEmpleadoCargaListadoDeRecibos 1,2024,1,52,'A''','','',4711,        12,'12''34',       5"},
      {"obtenReportesListadoRecibos",
       [&](mdlOperacion&, mdlNomina& n) { n.obtenReportesListadoRecibos("", "", "'", "1", "2024", "1", "52", C); },
       "exec pePortalPatronObtenListadoRecibos 1,2024,1,52,'','','''',4711,12,'12''34',       5"},
  };
  mdlOperacion operacion;
  mdlNomina nomina;
  for (const StatementCase& c : cases) {
    StatementJournal::Clear();
    MsgSeam::Clear();
    c.call(operacion, nomina);
    EXPECT_EQ(StatementJournal::Statements(), QStringList{c.expected}) << c.operation;
    EXPECT_TRUE(boxes().isEmpty()) << c.operation << ": " << (boxes().isEmpty() ? "" : boxes().first().text.toStdString());
  }
  // The quoted name arrived whole.
  const Rows flujos = operacion.cargaFlujos("1", E);
  ASSERT_EQ(flujos.size(), 1);
  EXPECT_EQ(flujos.row(1).col(2).toString(), obrien);
}

using OperacionShapes = DataTest;

TEST_F(OperacionShapes, RowsAndFirstValues) {
  mdlOperacion o;
  const Rows entrada = o.peValidaEntrada(AppData.Codigo, QStringLiteral("jjm"));
  ASSERT_EQ(entrada.size(), 1);
  EXPECT_EQ(entrada.row(1).count(), 9);
  EXPECT_EQ(entrada.row(1).col(4).toString(), QStringLiteral("EMPRESA DEMO"));
  EXPECT_EQ(entrada.row(1).col(5).toString(), QStringLiteral("jjm"));
  EXPECT_TRUE(o.peValidaEntrada(QStringLiteral("        99"), QStringLiteral("x")).isEmpty());

  EXPECT_EQ(o.permisoEmpleadoPerfil("A", "A1"), QVariant(qlonglong(1)));
  EXPECT_EQ(o.permisoEmpleadoPerfil("B", "B1"), QVariant(0));  // no row: the number 0
  EXPECT_EQ(o.permisoVerSueldos(), QVariant(QStringLiteral("S")));
  EXPECT_EQ(o.ObtenMaildeSupervisor(AppData.Codigo), QVariant(QStringLiteral("jefe@demo.mx")));
  EXPECT_EQ(o.ObtenMaildeSupervisor(QStringLiteral("        99")), QVariant(QStringLiteral("")));
  EXPECT_EQ(o.peCargaPoblacion().size(), 2);
  EXPECT_TRUE(o.existeRecibo(AppData.Empresa, AppData.Codigo, "SEM", 3, 2024));
  EXPECT_FALSE(o.existeRecibo(AppData.Empresa, QStringLiteral("        99"), "SEM", 3, 2024));
  const Rows archivos = o.obtenArchivosCFDI(AppData.Empresa, AppData.Codigo, "SEM", 3, 2024);
  ASSERT_EQ(archivos.size(), 1);
  EXPECT_EQ(archivos.row(1).col(2).toByteArray(), QByteArray("<?xml?>"));
  EXPECT_TRUE(boxes().isEmpty());

  AppData.Empresa = QStringLiteral("       6");
  AppData.Codigo = QStringLiteral("        99");
  EXPECT_EQ(o.permisoVerSueldos(), QVariant(QStringLiteral("N")));
  EXPECT_EQ(o.permisoEmpleadoPerfil("A", "A1"), QVariant(0));
}

TEST_F(OperacionShapes, NoRowsIsAnEmptyArrayNeverOneEmptyRow) {
  mdlOperacion o;
  mdlNomina n;
  EXPECT_EQ(o.peValidaPasswordNulo(QStringLiteral("        99"), AppData.Empresa).size(), 0);
  EXPECT_EQ(n.obtenPeriodosRecibos(2020, 1, AppData.Codigo).size(), 0);
  EXPECT_EQ(n.obtenPeriodosRecibos(2024, 1, AppData.Codigo).size(), 2);
  EXPECT_EQ(n.obtenListadoRecibos("", "", "", 1, 2020, 1, 52, AppData.Codigo).size(), 0);
  const Rows listado = n.obtenListadoRecibos("", "", "", 1, 2024, 1, 52, AppData.Codigo);
  ASSERT_EQ(listado.size(), 1);
  EXPECT_GE(listado.row(1).count(), 17);
  EXPECT_EQ(listado.row(1).col(17).toLongLong(), 5);
}

TEST_F(OperacionShapes, ListingsGiveQueryOrRows) {
  mdlOperacion o;
  const Listado print = o.consultaAusentismos("T", "20240101", "20241231", true);
  ASSERT_NE(print.query, nullptr);
  EXPECT_TRUE(print.rows.isEmpty());
  EXPECT_EQ(print.query->RecCount(), 1);
  EXPECT_EQ(print.query->FieldNames().size(), 4);
  const Listado grid = o.consultaTiempoExtra("T", "20240101", "20241231", false);
  EXPECT_EQ(grid.query, nullptr);
  ASSERT_EQ(grid.rows.size(), 1);
  EXPECT_EQ(grid.rows.row(1).col(4).toString(), QStringLiteral("12345678901"));

  AppData.Codigo = QStringLiteral("        99");
  const Listado nothing = o.consultaVacaciones("T", "20240101", "20241231", true, AppData.Afiliacion);
  EXPECT_EQ(nothing.query, nullptr);  // nothing, not an empty query
  EXPECT_TRUE(nothing.empty());
  EXPECT_TRUE(o.consultaVacaciones("T", "20240101", "20241231", false, AppData.Afiliacion).rows.isEmpty());
}

TEST_F(OperacionShapes, ReportQueriesOrNothing) {
  mdlNomina n;
  const auto recibo = n.obtenReportesRecibo("SEM", 2024, 3, AppData.Codigo, "       1", AppData.Empresa);
  ASSERT_NE(recibo, nullptr);
  EXPECT_EQ(recibo->FieldNames(), (QStringList{QStringLiteral("nomina"), QStringLiteral("anio"), QStringLiteral("usuario")}));
  EXPECT_EQ(recibo->GetRows().row(1).col(3).toString(), QStringLiteral("        12"));
  EXPECT_EQ(n.obtenReportesRecibo("SEM", 2020, 3, AppData.Codigo, "1", AppData.Empresa), nullptr);
  EXPECT_NE(n.obtenReportesListadoRecibos("", "", "", 1, 2024, 1, 52, AppData.Codigo), nullptr);
  EXPECT_EQ(n.obtenReportesListadoRecibos("", "", "", 1, 2020, 1, 52, AppData.Codigo), nullptr);
}

TEST_F(OperacionShapes, StatementsAndTheirFailures) {
  mdlOperacion o;
  EXPECT_TRUE(o.insertaFlujo("1", "GERENCIA", AppData.Empresa));
  EXPECT_TRUE(o.modificaFlujo("1", "1", "DIRECCION"));
  EXPECT_EQ(o.cargaFlujos("1", AppData.Empresa).row(1).col(2).toString(), QStringLiteral("DIRECCION"));
  EXPECT_TRUE(o.ModificaPortalMarcasRecibos(AppData.Empresa, AppData.Codigo, "SEM", 3, 2024, "XML"));
  EXPECT_TRUE(boxes().isEmpty());

  // A statement the server rejects: the alert, and still true.
  StatementJournal::Clear();
  AppData.oAdo->Execute(QStringLiteral("drop table marcas"));
  MsgSeam::Clear();
  EXPECT_TRUE(o.ModificaPortalMarcasRecibos(AppData.Empresa, AppData.Codigo, "SEM", 3, 2024, "XML"));
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_EQ(boxes().first().kind, MsgKind::Alert);
  EXPECT_TRUE(boxes().first().text.contains(QStringLiteral("marcas")));

  // No data source at all: the error escapes the statement, false.
  AppData.oAdo.reset();
  MsgSeam::Clear();
  EXPECT_FALSE(o.ModificaPortalMarcasRecibos(AppData.Empresa, AppData.Codigo, "SEM", 3, 2024, "XML"));
  EXPECT_FALSE(o.AgregarSolicitar(AppData.Empresa, 1, AppData.Codigo, 2));
  EXPECT_FALSE(o.insertaFlujo("1", "X", AppData.Empresa));  // the real outcome, not always true
  EXPECT_EQ(o.permisoEmpleadoPerfil("A", "A1"), QVariant(0));
  EXPECT_TRUE(o.peCargaPoblacion().isEmpty());
}

TEST_F(OperacionShapes, FailingQueryShowsTheAlertAndGivesTheDefault) {
  mdlOperacion o;
  AppData.oAdo->Execute(QStringLiteral("drop procedure permisoEmpleadoVerSueldo"));
  MsgSeam::Clear();
  EXPECT_EQ(o.permisoVerSueldos(), QVariant(QStringLiteral("N")));
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_EQ(boxes().first().kind, MsgKind::Alert);
  EXPECT_EQ(boxes().first().title, TDataSource::AlertTitle());
  EXPECT_EQ(boxes().first().text,
            QStringLiteral("Error 2812: Could not find stored procedure 'permisoEmpleadoVerSueldo'.\r\n\r\n"
                           "Sentencia:  exec permisoEmpleadoVerSueldo        5,        12"));
}

}  // namespace

namespace {

TEST(StatementValues, PlainCodesGoBareAnythingElseQuoted) {
  struct Case {
    const char* value;
    const char* sent;
  };
  const Case cases[] = {
      {"      5", "      5"},  {"SEM", "SEM"},       {"-3.5", "-3.5"},       {"", ""},
      {"12 ", "12 "},           {"1;drop table x", "'1;drop table x'"},   {"1 or 1=1", "'1 or 1=1'"},
      {"5--", "'5--'"},         {"O'Brien", "'O''Brien'"},               {"1/*x*/", "'1/*x*/'"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StatementValues::Held(QString::fromUtf8(c.value)), QString::fromUtf8(c.sent)) << c.value;
  EXPECT_EQ(StatementValues::Held(QVariant(2024)), QStringLiteral("2024"));
  EXPECT_EQ(StatementValues::Trimmed(QStringLiteral("  7 ")), QStringLiteral("7"));
}

}  // namespace

TEST_F(OperacionShapes, HostileCodeCannotChangeTheStatement) {
  mdlOperacion o;
  EXPECT_TRUE(o.peValidaEntrada(QStringLiteral("12;delete from usuarios"), QStringLiteral("x")).isEmpty());
  EXPECT_EQ(StatementJournal::Last(), QStringLiteral("exec peValidaEntrada '12;delete from usuarios','***',0,0"));
  ASSERT_EQ(boxes().size(), 1);  // the server refuses the value
  EXPECT_TRUE(boxes().first().text.startsWith(QStringLiteral("Error 8114")));
  TQuery count(AppData.oAdo, QStringLiteral("GENERAL"), QStringLiteral("select count(*) from usuarios"));
  EXPECT_EQ(count.GetRows().row(1).col(1).toLongLong(), 3);
}
