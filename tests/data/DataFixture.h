#pragma once
// A terminal folder for the data-layer tests: config.ini pointing at an embedded database that
// holds small versions of the procedures the data operations call. The database is built once
// per test program and copied into each test's folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "support/TempDir.h"

#include "app/AppData.h"
#include "data/SqliteEngine.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "data/mdlConexion.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TIni.h"

namespace DataFixture {

// The procedures and tables of the test database. Company 5, employee 12 has data; every
// other company or employee has none.
inline const QStringList& Script() {
  static const QStringList script = {
      "create table usuarios (usuario varchar(20), password varchar(20))",
      "insert into usuarios values ('Administrador', 'jjm'), ('O''Brien', 'jjm'), ('vacio', '')",
      "create table rhestados (idestados int, edtado varchar(40))",
      "insert into rhestados values (1, 'AGUASCALIENTES'), (2, 'BAJA CALIFORNIA')",
      "create table marcas (empresa int, codigo int, nomina varchar(5), periodo varchar(5), ayo varchar(5), columna varchar(20))",
      "create table flujos (empresa int, tipo int, nombre varchar(60))",
      "CREATE PROCEDURE peValidaEntrada @codigo int, @pwd varchar(20), @a int, @b int AS "
      "select 5, 'Y1234567', @codigo, 'EMPRESA DEMO', @pwd, '12345678901', 0, 'ANA PEREZ', 'ana@demo.mx' where @codigo = 12",
      "CREATE PROCEDURE peValidaPasswordNulo @codigo int, @empresa int AS select 'jjm' where @codigo = 12 and @empresa = 5",
      "CREATE PROCEDURE permisoEmpleadoPerfil @empresa int, @codigo int, @funcion varchar(5), @opcion varchar(5) AS "
      "select 1 where @empresa = 5 and @codigo = 12 and @funcion = 'A' and @opcion = 'A1'",
      "CREATE PROCEDURE permisoEmpleadoVerSueldo @empresa int, @codigo int AS select 'S' where @empresa = 5 and @codigo = 12",
      "CREATE PROCEDURE peListadoVacacionesPantalla @empresa int, @codigo int, @filtro varchar(10), @de varchar(8), "
      "@a varchar(8), @afiliacion varchar(20) AS select @filtro, @de, @a, @afiliacion where @empresa = 5 and @codigo = 12",
      "CREATE PROCEDURE peListadoAusentismo @empresa int, @codigo int, @filtro varchar(10), @de varchar(8), "
      "@a varchar(8), @afiliacion varchar(20) AS select @filtro, @de, @a, @afiliacion where @empresa = 5 and @codigo = 12",
      "CREATE PROCEDURE peListadoTiempoExtra @empresa int, @codigo int, @filtro varchar(10), @de varchar(8), "
      "@a varchar(8), @afiliacion varchar(20) AS select @filtro, @de, @a, @afiliacion where @empresa = 5 and @codigo = 12",
      "CREATE PROCEDURE existeReciboCFDI @empresa int, @codigo int, @nomina varchar(5), @periodo int, @year int AS "
      "select 'recibo.xml', X'3C3F786D6C3F3E' where @empresa = 5 and @codigo = 12",
      "CREATE PROCEDURE ModificaPortalMarcasRecibos @empresa int, @codigo int, @nomina varchar(5), @periodo varchar(5), "
      "@ayo varchar(5), @columna varchar(20) AS insert into marcas values (@empresa, @codigo, @nomina, @periodo, @ayo, @columna)",
      "CREATE PROCEDURE getConfiguraMailPortalEmpleado @empresa int AS select 'smtp.demo.mx', 25 where @empresa = 5",
      "CREATE PROCEDURE peObtenMaildeSupervisor @empresa int, @codigo int AS select 'jefe@demo.mx' where @empresa = 5 and @codigo = 12",
      "CREATE PROCEDURE dbo.PortaEmpleado_Catalogos @empresa int, @tipo int AS select @tipo, 'VENTAS' where @empresa = 5",
      "CREATE PROCEDURE dbo.PortaEmpleado_PendientesAutorizar @empresa int, @codigo int, @tipo int AS "
      "select @tipo where @empresa = 5 and @codigo = 12",
      "CREATE PROCEDURE dbo.PortaEmpleado_AgregaFlujo @empresa int, @tipo int, @nombre varchar(60) AS "
      "insert into flujos values (@empresa, @tipo, @nombre)",
      "CREATE PROCEDURE dbo.PortalEmpleado_ModificaNombreFlujo @tipo int, @flujo int, @nombre varchar(60) AS "
      "update flujos set nombre = @nombre where rowid = @flujo and tipo = @tipo",
      "CREATE PROCEDURE dbo.PortaEmpleado_Flujos @empresa int, @tipo int AS select rowid, nombre from flujos where empresa = @empresa and tipo = @tipo",
      "CREATE PROCEDURE dbo.PortaEmpleado_ExtraePersonasAutorizar @empresa int, @tipo int, @flujo int AS select 12 where @empresa = 5",
      "CREATE PROCEDURE dbo.PortaEmpleado_EmpleadosEnFlujo @empresa int, @tipo int, @flujo int AS select 13 where @empresa = 5",
      "CREATE PROCEDURE dbo.PortaEmpleado_AutorizarEmpleadosDisponibles @empresa int, @tipo int, @flujo int AS select 14 where @empresa = 5",
      "CREATE PROCEDURE dbo.PortaEmpleado_AgregaAsolicitar @empresa int, @solicitud int, @codigo int, @flujo varchar(10) AS select 1",
      "CREATE PROCEDURE dbo.PortaEmpleado_EmpleadosFlujoDisponibles @empresa int, @solicitud int, @flujo int, @tipo int, "
      "@valor varchar(40) AS select @valor where @empresa = 5",
      "CREATE PROCEDURE PortalEmpleadoCargaPeriodosDeRecibos @year int, @tipo int, @codigo int, @llave int AS "
      "select '01 DEL 01/01 AL 07/01' where @year = 2024 and @codigo = 12 union all select '02 DEL 08/01 AL 14/01' where @year = 2024 and @codigo = 12",
      "CREATE PROCEDURE PortalEmpleadoCargaListadoDeRecibos @tipo int, @year int, @pi int, @pf int, @agi varchar(3), "
      "@fdo varchar(3), @otr varchar(3), @llave int, @codigo int, @afiliacion varchar(20), @empresa int AS "
      "select 'SEM', @pi, @codigo, 'SEMANAL', 'NORMAL', 'ANA PEREZ', '20240101', '20240107', 7, 1, 2, 3, 4, 5, 6, 'ana@demo.mx', @empresa "
      "where @year = 2024 and @codigo = 12",
      "CREATE PROCEDURE pePortalPatronObtenListadoRecibos @tipo int, @year int, @pi int, @pf int, @agi varchar(3), "
      "@fdo varchar(3), @otr varchar(3), @llave int, @codigo int, @afiliacion varchar(20), @empresa int AS "
      "select @codigo as codigo, @empresa as empresa where @year = 2024 and @codigo = 12",
      "CREATE PROCEDURE pePortalPatronObtenDetalleRecibosFunU @nomina varchar(5), @año int, @periodo int, @codigo int, "
      "@tiponom int, @empresa int, @cUsuario varchar(20) AS "
      "select @nomina as nomina, @año as anio, @cUsuario as usuario where @año = 2024 and @codigo = 12",
  };
  return script;
}

// The database file built once per test program.
inline QString TemplateDatabase() {
  static const QString path = [] {
    static QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plantilla.db"));
    SqliteEngine engine(file);
    QList<DbError> errors;
    if (!engine.Open(&errors)) ADD_FAILURE() << DescribeErrors(errors).toStdString();
    for (const QString& s : Script()) {
      const DbOutcome out = engine.Run(s);
      if (!out.ok()) ADD_FAILURE() << s.toStdString() << ": " << DescribeErrors(out.errors).toStdString();
    }
    engine.Close();
    return file;
  }();
  return path;
}

inline void WriteConfig(const QString& server, const QString& database, const QString& user, const QString& password,
                        const QString& autowin) {
  const TIni ini(QStringLiteral("config.ini"));
  ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("SERVER"), server);
  ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("BD"), database);
  ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("ID"), user);
  ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("PWD"), password);
  ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("AUTOWIN"), autowin);
}

}  // namespace DataFixture

// Each test: its own folder with config.ini and a copy of the database, the session of company
// 5 / employee 12 and an open session data source.
class DataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFile::copy(DataFixture::TemplateDatabase(), dir.file(QStringLiteral("portal.db"))));
    DataFixture::WriteConfig(QStringLiteral("terminal"), QStringLiteral("portal.db"), QStringLiteral("sa"),
                             QStringLiteral("clave"), QStringLiteral(".F."));
    AppData.Reset();
    AppData.Empresa = QStringLiteral("       5");
    AppData.Codigo = QStringLiteral("        12");
    AppData.Afiliacion = QStringLiteral("12345678901");
    AppData.oLlaveTemporal = QStringLiteral("  4711");
    AppData.oConexion = std::make_shared<mdlConexion>();
    AppData.oConexion->LeeConfiguracion(TIni(QStringLiteral("config.ini")));
    AppData.oAdo = AppData.oConexion->Conecta();
    ASSERT_TRUE(AppData.oAdo->lConnected());
    StatementJournal::Clear();
    MsgSeam::Clear();
  }
  void TearDown() override {
    AppData.oAdo.reset();
    AppData.oConexion.reset();
  }
  static QList<MsgSeam::Shown> boxes() { return MsgSeam::Taken(); }
  ScopedWorkDir dir;
};
