// The demo figures hold together: receipts against their concept rows, CFDI XML and PDF;
// vacation balances against the 2023 vacation table; the request life cycle; the demo logins.
#include <gtest/gtest.h>

#include <QProcess>
#include <QXmlStreamReader>
#include <cmath>

#include "data/Scramble.h"
#include "db/DemoDatabase.h"
#include "support/QtPrinters.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TextUtil.h"

namespace {

class DemoFigures : public ::testing::Test {
 protected:
  void SetUp() override {
    MsgSeam::Clear();
    ASSERT_TRUE(DemoDatabase::CopyTo(dir.filePath("portal-demo.db")));
    ds = DemoDatabase::Open(dir.filePath("portal-demo.db"));
  }
  void TearDown() override {
    for (const auto& box : MsgSeam::Taken()) ADD_FAILURE() << box.text.left(600).toStdString();
  }
  Rows rows(const QString& sql) { return ds->Query(sql).rows; }
  QVariant value(const QString& sql) {
    const Rows r = rows(sql);
    return r.isEmpty() ? QVariant() : r.row(1).col(1);
  }
  QTemporaryDir dir;
  std::shared_ptr<TDataSource> ds;
};

double money(const QVariant& v) { return std::round(v.toDouble() * 100.0) / 100.0; }

struct XmlTotals {
  double subTotal = 0, descuento = 0, total = 0, nominaPercepciones = 0, nominaDeducciones = 0;
  double percepciones = 0, deducciones = 0;  // sums of the concept elements
  QString uuid, receptor;
  QString sello, noCertificado, selloCfd, selloSat, noCertificadoSat, fechaTimbrado;  // the stamp
};

XmlTotals ReadXml(const QString& xml) {
  XmlTotals t;
  QXmlStreamReader r(xml);
  while (!r.atEnd()) {
    if (r.readNext() != QXmlStreamReader::StartElement) continue;
    const auto a = r.attributes();
    const QString n = r.qualifiedName().toString();
    if (n == u"cfdi:Comprobante") {
      t.subTotal = a.value("SubTotal").toDouble();
      t.descuento = a.value("Descuento").toDouble();
      t.total = a.value("Total").toDouble();
      t.sello = a.value("Sello").toString();
      t.noCertificado = a.value("NoCertificado").toString();
    } else if (n == u"cfdi:Receptor") {
      t.receptor = a.value("Rfc").toString();
    } else if (n == u"nomina12:Nomina") {
      t.nominaPercepciones = a.value("TotalPercepciones").toDouble();
      t.nominaDeducciones = a.value("TotalDeducciones").toDouble();
    } else if (n == u"nomina12:Percepcion") {
      t.percepciones += a.value("ImporteGravado").toDouble() + a.value("ImporteExento").toDouble();
    } else if (n == u"nomina12:Deduccion") {
      t.deducciones += a.value("Importe").toDouble();
    } else if (n == u"tfd:TimbreFiscalDigital") {
      t.uuid = a.value("UUID").toString();
      t.selloCfd = a.value("SelloCFD").toString();
      t.selloSat = a.value("SelloSAT").toString();
      t.noCertificadoSat = a.value("NoCertificadoSAT").toString();
      t.fechaTimbrado = a.value("FechaTimbrado").toString();
    }
  }
  EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
  return t;
}

QString PdfText(const QByteArray& pdf, const QString& file) {
  QFile f(file);
  f.open(QIODevice::WriteOnly);
  f.write(pdf);
  f.close();
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
  p.waitForFinished(30000);
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

// One receipt of each kind: ordinary with overtime, ordinary with vacation premium, year-end
// bonus, savings fund, profit sharing, weekly and fortnightly.
TEST_F(DemoFigures, ReceiptListingTotalsEqualItsConceptRowsItsXmlAndItsPdf) {
  const Rows picks = rows(QStringLiteral(
      "select empresa, codigo, tiponom, ayo, periodo, clase, nomina from recibos r where exists (select 1 from recibos_detalle d where "
      "d.empresa = r.empresa and d.codigo = r.codigo and d.ayo = r.ayo and d.tiponom = r.tiponom and d.periodo = r.periodo and "
      "d.clase = r.clase and d.concepto = 2) and tiponom = 1 and clase = 'NOR' and codigo = (select min(codigo) from recibos where tiponom = 1) "
      "union all select * from (select r.empresa, r.codigo, r.tiponom, r.ayo, r.periodo, r.clase, r.nomina from recibos r join recibos_detalle d on "
      "d.empresa = r.empresa and d.codigo = r.codigo and d.ayo = r.ayo and d.tiponom = r.tiponom and d.periodo = r.periodo and d.clase = r.clase "
      "where d.concepto = 3 limit 1) "
      "union all select * from (select empresa, codigo, tiponom, ayo, periodo, clase, nomina from recibos where clase = 'AGI' and empresa = 1 limit 1) "
      "union all select * from (select empresa, codigo, tiponom, ayo, periodo, clase, nomina from recibos where clase = 'FDO' and codigo = 5 limit 1) "
      "union all select * from (select empresa, codigo, tiponom, ayo, periodo, clase, nomina from recibos where clase = 'OTR' limit 1) "
      "union all select empresa, codigo, tiponom, ayo, periodo, clase, nomina from recibos where codigo = 5 and ayo = 2025 and periodo = 3 and clase = 'NOR'"));
  ASSERT_GE(picks.size(), 5);
  for (const Row& p : picks) {
    const QString e = Text::PadL(p.col(1).toString(), 8), c = Text::PadL(p.col(2).toString(), 10);
    const QString clase = p.col(6).toString();
    SCOPED_TRACE(QStringLiteral("%1/%2 %3-%4-%5 %6").arg(p.col(1).toString(), p.col(2).toString(), p.col(4).toString(),
                                                        p.col(3).toString(), p.col(5).toString(), clase).toStdString());
    ds->Execute(" exec PortalPatronInsertaEmpresasSeleccionadas  4242," + e);
    const QString flag = clase == u"NOR" ? QString() : clase;
    const Rows listing = rows(QStringLiteral("exec  PortalEmpleadoCargaListadoDeRecibos %1,%2,%3,%3,'%4','','',4242,%5,'','%6'")
                                  .arg(p.col(3).toString(), p.col(4).toString(), p.col(5).toString(), flag, p.col(2).toString(), e));
    ASSERT_EQ(listing.size(), 1);
    const Row& l = listing.row(1);
    EXPECT_EQ(l.col(1).toInt(), p.col(7).toInt());
    // The receipt's concept rows as the printed receipt gets them.
    const Rows detail = rows(QStringLiteral("exec pePortalPatronObtenDetalleRecibosFunU @nomina=%1, @año=%2, @periodo=%3, @codigo=%4, "
                                            "@tiponom=%5, @empresa=%6, @cUsuario='%4'")
                                 .arg(l.col(1).toString(), p.col(4).toString(), l.col(2).toString(), c, Text::PadL(p.col(3).toString(), 8), e));
    ASSERT_FALSE(detail.isEmpty());
    double perc = 0, ded = 0;
    for (const Row& d : detail) {
      (d.col(21).toString() == u"P" ? perc : ded) += d.col(24).toDouble();
      EXPECT_DOUBLE_EQ(d.col(25).toDouble() + d.col(26).toDouble(), d.col(24).toDouble());
    }
    EXPECT_DOUBLE_EQ(money(detail.row(1).col(29)), money(l.col(15)));
    EXPECT_DOUBLE_EQ(money(l.col(11)), money(perc));
    EXPECT_DOUBLE_EQ(money(l.col(12)), money(ded));
    EXPECT_DOUBLE_EQ(money(l.col(15)), money(perc - ded));

    const Rows cfdi = rows(QStringLiteral("exec existeReciboCFDI %1,%2,'%3',%4,%5").arg(e, c, l.col(1).toString(), l.col(2).toString(), p.col(4).toString()));
    ASSERT_EQ(cfdi.size(), 1);
    const XmlTotals x = ReadXml(cfdi.row(1).col(8).toString());
    EXPECT_DOUBLE_EQ(x.subTotal, money(perc));
    EXPECT_DOUBLE_EQ(x.descuento, money(ded));
    EXPECT_DOUBLE_EQ(x.total, money(l.col(15)));
    EXPECT_DOUBLE_EQ(x.nominaPercepciones, money(perc));
    EXPECT_DOUBLE_EQ(x.nominaDeducciones, money(ded));
    EXPECT_NEAR(x.percepciones, perc, 0.005);
    EXPECT_NEAR(x.deducciones, ded, 0.005);
    EXPECT_EQ(x.uuid.size(), 36);
    // The stamp the printed receipt reads from the detail rows is the XML's.
    const Row& d1 = detail.row(1);
    EXPECT_EQ(d1.col(30).toString(), x.uuid);
    EXPECT_EQ(d1.col(31).toString(), x.noCertificado);
    EXPECT_EQ(d1.col(32).toString(), x.noCertificadoSat);
    EXPECT_EQ(d1.col(33).toString(), x.fechaTimbrado);
    EXPECT_EQ(d1.col(34).toString(), x.sello);
    EXPECT_EQ(x.selloCfd, x.sello);
    EXPECT_EQ(d1.col(35).toString(), x.selloSat);
    EXPECT_TRUE(d1.col(36).toString().startsWith(QStringLiteral("||1.1|") + x.uuid + u'|' + x.fechaTimbrado + u'|'));
    EXPECT_TRUE(d1.col(36).toString().endsWith(u'|' + x.sello + u'|' + x.noCertificadoSat + QStringLiteral("||")));
    EXPECT_TRUE(cfdi.row(1).col(9).toString().endsWith(u".xml"));
    EXPECT_TRUE(cfdi.row(1).col(11).toString().endsWith(u".pdf"));

    const QByteArray pdf = cfdi.row(1).col(10).toByteArray();
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    const QString text = PdfText(pdf, dir.filePath("recibo.pdf"));
    EXPECT_TRUE(text.contains(l.col(6).toString().toUpper())) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("NETO A PAGAR"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::number(money(l.col(15)), 'f', 2))) << text.toStdString();
    EXPECT_TRUE(text.contains(x.uuid));
  }
}

TEST_F(DemoFigures, ListingFlagsChooseTheKindOfPayroll) {
  ds->Execute(QStringLiteral(" exec PortalPatronInsertaEmpresasSeleccionadas  4242,       1"));
  const auto kinds = [&](const QString& flags) {
    QSet<QString> names;
    for (const Row& r : rows("exec  PortalEmpleadoCargaListadoDeRecibos 4,2025,1,99," + flags + ",4242,1,'','       1'"))
      names << r.col(5).toString();
    return names;
  };
  EXPECT_EQ(kinds("'','',''"), QSet<QString>{QStringLiteral("NÓMINA QUINCENAL ADMINISTRATIVA")});
  EXPECT_EQ(kinds("'AGI','',''"), QSet<QString>{QStringLiteral("AGUINALDO")});
  EXPECT_EQ(kinds("'','FDO',''"), QSet<QString>{QStringLiteral("FONDO DE AHORRO")});
  EXPECT_EQ(kinds("'','','OTR'"), QSet<QString>{QStringLiteral("OTROS PAGOS")});
  // Another session key sees nothing: receipts follow the company recorded at login.
  EXPECT_TRUE(rows("exec  PortalEmpleadoCargaListadoDeRecibos 4,2025,1,99,'','','',777,1,'','       1'").isEmpty());
}

TEST_F(DemoFigures, VacationBalanceIsEntitlementByThe2023TableLessDaysTaken) {
  const auto entitlement = [](int year) {
    static const int table[][3] = {{1, 1, 12}, {2, 2, 14}, {3, 3, 16}, {4, 4, 18}, {5, 5, 20}, {6, 10, 22},
                                   {11, 15, 24}, {16, 20, 26}, {21, 25, 28}, {26, 30, 30}, {31, 35, 32}};
    for (const auto& r : table)
      if (year >= r[0] && year <= r[1]) return r[2];
    return 32;
  };
  const Rows people = rows(QStringLiteral("select empresa, codigo, fchantigua from empleados where fch_baja is null"));
  ASSERT_GE(people.size(), 40);
  int withHistory = 0;
  for (const Row& p : people) {
    SCOPED_TRACE(p.col(2).toString().toStdString());
    const QDate since = QDate::fromString(p.col(3).toString(), Qt::ISODate);
    int years = QDate::currentDate().year() - since.year();
    if (QDate::currentDate() < since.addYears(years)) --years;
    int owed = 0;
    for (int y = 1; y <= years; ++y) owed += entitlement(y);
    const QString e = Text::PadL(p.col(1).toString(), 8), c = Text::PadL(p.col(2).toString(), 10);
    double taken = 0;
    for (const Row& v : rows(" exec peListadoVacacionesPantalla " + e + "," + c + ",'T','','',''"))
      if (v.col(12).toString() == u"DISFRUTADA") taken += v.col(5).toDouble();
    const Rows bal = rows("exec dbo.Fun_P_Catalogos  @nEmpresa=" + e + ", @cCatalogo= '[Catalogo GENERAL DE VACACIONES]' , @nCodigo=" + c +
                          ", @nOrden=0, @nSerial=0, @cusuario='" + c.trimmed() + "'");
    ASSERT_EQ(bal.size(), 1);
    // A) balance of completed anniversaries less C) days enjoyed in the current exercise.
    EXPECT_DOUBLE_EQ(bal.row(1).col(33).toDouble() - bal.row(1).col(10).toDouble(), owed - taken);
    EXPECT_GE(bal.row(1).col(55).toDouble(), 0.0);
    if (taken > 0) ++withHistory;
  }
  EXPECT_GE(withHistory, 30);
}

TEST_F(DemoFigures, AFiledRequestWalksItsFlowStepByStep) {
  // Employee 15 (odd) is in the two-approver flow: 3, then 1.
  const auto pending = [&](const QString& approver) {
    QList<int> ids;
    for (const Row& r : rows(" EXEC dbo.PortaEmpleado_PendientesAutorizar        1," + Text::PadL(approver, 10) + ",       1"))
      ids << r.col(1).toInt();
    return ids;
  };
  const auto open = [&] {
    QList<int> ids;
    for (const Row& r : rows(" EXEC dbo.PortaEmpleado_ListadoSolicitudes        1,        15,1")) ids << r.col(2).toInt();
    return ids;
  };
  const Rows filed = rows(QStringLiteral(" exec dbo.PortalEmpleado_AgregaSolicitudVPA  @empresa=       1,  @codigo=        15, "
                                         "@fecha='20270301', @dias=2, @fechaReal='20261208', @causa='DÍAS PERSONALES', @importe=0, @tipoSol=1"));
  ASSERT_EQ(filed.size(), 1);
  EXPECT_TRUE(filed.row(1).col(3).toString().startsWith(u'S'));
  const int id = filed.row(1).col(6).toInt();
  ASSERT_GT(id, 0);
  EXPECT_TRUE(open().contains(id));
  EXPECT_TRUE(pending("3").contains(id));
  EXPECT_FALSE(pending("1").contains(id));
  const Rows notice = rows(QStringLiteral("EXEC dbo.PortaEmpleado_SolicitudDatosEnviar %1,0").arg(id));
  EXPECT_EQ(notice.row(1).col(1).toInt(), 1);
  EXPECT_EQ(notice.row(1).col(6).toString(), value("select email from datosemps where empresa=1 and codigo=3").toString());

  ds->Execute(QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus %1,1,'S',''").arg(id));
  EXPECT_FALSE(pending("3").contains(id));
  EXPECT_TRUE(pending("1").contains(id));
  EXPECT_EQ(rows(QStringLiteral("EXEC dbo.PortaEmpleado_SolicitudDatosEnviar %1,1").arg(id)).row(1).col(6).toString(),
            value("select email from datosemps where empresa=1 and codigo=1").toString());

  ds->Execute(QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus %1,2,'S',''").arg(id));
  EXPECT_FALSE(pending("1").contains(id));
  EXPECT_FALSE(open().contains(id));
  EXPECT_EQ(rows(QStringLiteral("EXEC dbo.PortaEmpleado_SolicitudDatosEnviar %1,2").arg(id)).row(1).col(1).toInt(), 0);  // "TM"
  const Rows steps = rows(QStringLiteral("EXEC dbo.PortaEmpleado_ProgresoSolicitud %1").arg(id));
  ASSERT_EQ(steps.size(), 2);
  EXPECT_TRUE(steps.row(1).col(1).toString().startsWith(u'A'));
  EXPECT_TRUE(steps.row(2).col(1).toString().startsWith(u'A'));
  EXPECT_EQ(value("select programada from vacaciones where empresa=1 and codigo=15 and fecha_disfrute='2027-03-01'").toString(), QStringLiteral("S"));
}

TEST_F(DemoFigures, RejectionAndCancellationEndARequestAtAnyStep) {
  // Employee 16 (even) is in the three-approver flow: 3, 6, 1.
  const auto file = [&](const QString& fecha) {
    return rows(" exec dbo.PortalEmpleado_AgregaSolicitudVPA  @empresa=       1,  @codigo=        16, @fecha='" + fecha +
                "', @dias=1, @fechaReal='20261208', @causa='TRÁMITE', @importe=0, @tipoSol=1").row(1).col(6).toInt();
  };
  const int rejected = file(QStringLiteral("20270401"));
  const int cancelled = file(QStringLiteral("20270402"));
  EXPECT_EQ(rows(QStringLiteral("EXEC dbo.PortaEmpleado_ProgresoSolicitud %1").arg(rejected)).size(), 3);
  ds->Execute(QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus %1,1,'S',''").arg(rejected));
  ds->Execute(QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus %1,2,'N','NO HAY COBERTURA'").arg(rejected));
  ds->Execute(QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus %1,1,'S',''").arg(cancelled));
  ds->Execute(QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus %1,1,'N','CANCELADA POR EL USUARIO'").arg(cancelled));
  for (const QString& approver : {QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("1")})
    for (const Row& r : rows(" EXEC dbo.PortaEmpleado_PendientesAutorizar        1," + Text::PadL(approver, 10) + ",       1")) {
      EXPECT_NE(r.col(1).toInt(), rejected);
      EXPECT_NE(r.col(1).toInt(), cancelled);
    }
  EXPECT_TRUE(rows(" EXEC dbo.PortaEmpleado_ListadoSolicitudes        1,        16,1").isEmpty());
  const Rows progress = rows(QStringLiteral("EXEC dbo.PortaEmpleado_ProgresoSolicitud %1").arg(cancelled));
  EXPECT_TRUE(progress.row(2).col(1).toString().startsWith(u'R'));
  EXPECT_TRUE(progress.row(2).col(2).toString().contains(QStringLiteral("CANCELADA POR EL USUARIO")));
  // An authorization sent for an ended request changes nothing.
  ds->Execute(QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus %1,3,'S',''").arg(rejected));
  EXPECT_EQ(value(QStringLiteral("select estatus from PortalEmpleadoSolicitud where id=%1").arg(rejected)).toString(), QStringLiteral("R"));
}

TEST_F(DemoFigures, AnEmployeeWithoutAFlowIsRefusedWithAMessage) {
  const Rows r = rows(QStringLiteral(" exec dbo.PortalEmpleado_AgregaSolicitudVPA  @empresa=       3,  @codigo=    200003, "
                                     "@fecha='20270301', @dias=1, @fechaReal='20261208', @causa='CITA', @importe=0, @tipoSol=2"));
  ASSERT_EQ(r.size(), 1);
  EXPECT_TRUE(r.row(1).col(3).toString().startsWith(u'N'));
  EXPECT_FALSE(r.row(1).col(4).toString().isEmpty());
  EXPECT_EQ(r.row(1).col(6).toInt(), 0);
}

struct Login {
  const char* codigo;
  QString password;
  bool valid;
};

// The login screen's test: a row whose column 4 does not begin "No Existe", and the typed
// password equal to column 5 (unscrambled once a password is set, the RFC before).
TEST_F(DemoFigures, DemoLoginsAreAcceptedAndWrongOnesRefused) {
  const QList<Login> logins = {
      {"1", QStringLiteral("Clave2024"), true},        {"1", QStringLiteral("clave2024"), false},
      {"2", QStringLiteral("1234"), true},             {"3", QStringLiteral("1234"), true},
      {"4", QStringLiteral("MOTL900512HJ3"), true},    {"4", QStringLiteral("1234"), false},
      {"5", QStringLiteral("OIÑA900215AB3"), true},    {"5", QStringLiteral("OINA900215AB3"), false},
      {"6", QStringLiteral("1234"), true},             {"7", QStringLiteral("1234"), false},
      {"0012", QStringLiteral("1234"), true},          {"100001", QStringLiteral("1234"), true},
      {"200002", QStringLiteral("1234"), true},        {"999999", QStringLiteral("1234"), false},
  };
  for (const Login& l : logins) {
    SCOPED_TRACE(std::string(l.codigo) + " " + l.password.toStdString());
    const Rows r = rows(QStringLiteral("exec peValidaEntrada %1,'%2',0,0").arg(QString::fromLatin1(l.codigo), EncriptaPWD(l.password)));
    bool ok = !r.isEmpty() && !r.row(1).col(4).toString().startsWith(QStringLiteral("No Existe"));
    if (ok) {
      const QString empresa = Text::PadL(r.row(1).col(1).toString(), 8), codigo = Text::PadL(r.row(1).col(3).toString(), 10);
      const Rows nulo = rows("exec peValidaPasswordNulo @codigo=" + codigo + ", @empresa=" + empresa);
      const bool none = nulo.isEmpty() || nulo.row(1).col(1).toString().trimmed().isEmpty();
      const QString expected = none ? r.row(1).col(5).toString() : Desencripta(r.row(1).col(5));
      ok = expected == l.password;
    }
    EXPECT_EQ(ok, l.valid);
  }
  const QString admin = " Select usuario from usuarios  where usuario='%1' and password='" + EncriptaPWD(QStringLiteral("Admin2024")) + "'";
  EXPECT_EQ(rows(admin.arg(QStringLiteral("Administrador"))).size(), 1);
  EXPECT_EQ(rows(admin.arg(QStringLiteral("administrador"))).size(), 1);
  EXPECT_TRUE(rows(" Select usuario from usuarios  where usuario='Administrador' and password='" + EncriptaPWD(QStringLiteral("admin2024")) + "'").isEmpty());
}

struct Permission {
  const char* codigo;
  const char* funcion;
  const char* opcion;
  int granted;
};

TEST_F(DemoFigures, ProfilesGrantTheDocumentedPermissions) {
  const QList<Permission> table = {
      {"1", "A", "A1", 1}, {"1", "C", "C1", 1}, {"1", "H", "H3", 1}, {"1", "R", "R10", 1},
      {"2", "C", "C1", 1}, {"2", "G", "G1", 1},
      {"3", "C", "C1", 0}, {"3", "A", "A1", 0}, {"3", "H", "H1", 1}, {"3", "H", "H3", 1},
      {"4", "A", "A1", 1}, {"4", "H", "H3", 1}, {"4", "R", "R7", 0}, {"4", "X", "X1", 0},
  };
  for (const Permission& p : table) {
    SCOPED_TRACE(std::string(p.codigo) + p.opcion);
    EXPECT_EQ(value(QStringLiteral(" exec permisoEmpleadoPerfil        1,%1,'%2','%3'")
                        .arg(Text::PadL(QString::fromLatin1(p.codigo), 10), QString::fromLatin1(p.funcion), QString::fromLatin1(p.opcion)))
                  .toInt(),
              p.granted);
  }
  EXPECT_EQ(value(QStringLiteral(" exec permisoEmpleadoVerSueldo        1,         1")).toString(), QStringLiteral("S"));
  EXPECT_EQ(value(QStringLiteral(" exec permisoEmpleadoVerSueldo        1,         2")).toString(), QStringLiteral("N"));
}

TEST(DemoSize, TheSizeKnobScalesEmployeesAndYears) {
  QTemporaryDir terminal;
  ASSERT_TRUE(DemoDatabase::PrepareTerminal(terminal.path()));
  DemoDatabase::Build(terminal.path(), 120, 1);
  auto ds = DemoDatabase::Open(terminal.filePath("portal-demo.db"));
  EXPECT_EQ(ds->Query(QStringLiteral("select count(*) from empleados")).rows.row(1).col(1).toInt(), 120);
  EXPECT_EQ(ds->Query(QStringLiteral("select count(distinct ayo) from recibos")).rows.row(1).col(1).toInt(), 1);
}

TEST_F(DemoFigures, ReceiptsOfAllCompaniesFollowTheSwitchAndItsExceptions) {
  ds->Execute(QStringLiteral(" exec PortalPatronInsertaEmpresasSeleccionadas  4242,       1"));
  const QString year = value(QStringLiteral("select max(ayo) from recibos where codigo = 200002 and clase = 'NOR'")).toString();
  const auto companies = [&] {
    QSet<int> seen;
    for (const Row& r : rows("exec  PortalEmpleadoCargaListadoDeRecibos 4," + year + ",1,24,'','','',4242,6,'','       1'")) seen << r.col(17).toInt();
    return seen;
  };
  EXPECT_EQ(companies(), QSet<int>{1});
  ds->Execute(QStringLiteral("update PortalEmpleadoConfig set emps_todas='S'"));
  EXPECT_EQ(companies(), (QSet<int>{1, 3}));
  ds->Execute(QStringLiteral("exec PortaEmpleado_MantenimientoConsolidar 1,6"));  // becomes an exception
  EXPECT_EQ(companies(), QSet<int>{1});
  EXPECT_EQ(rows(QStringLiteral(" exec PortalEmpleadoListadoConsolidar 1 ")).size(), 1);
  ds->Execute(QStringLiteral("exec PortaEmpleado_MantenimientoConsolidar 1,6"));  // and no longer
  EXPECT_EQ(companies(), (QSet<int>{1, 3}));
  EXPECT_TRUE(rows(QStringLiteral(" exec PortalEmpleadoListadoConsolidar 1 ")).isEmpty());
}

TEST_F(DemoFigures, AFirstTimeUserSetsAPasswordAndTheRfcNoLongerOpens) {
  const auto accepted = [&](const QString& typed) {
    const Rows r = rows(QStringLiteral("exec peValidaEntrada 4,'%1',0,0").arg(EncriptaPWD(typed)));
    if (r.isEmpty() || r.row(1).col(4).toString().startsWith(QStringLiteral("No Existe"))) return false;
    const Rows nulo = rows(QStringLiteral("exec peValidaPasswordNulo @codigo=         4, @empresa=       1"));
    const bool none = nulo.isEmpty() || nulo.row(1).col(1).toString().trimmed().isEmpty();
    return (none ? r.row(1).col(5).toString() : Desencripta(r.row(1).col(5))) == typed;
  };
  EXPECT_TRUE(accepted(QStringLiteral("MOTL900512HJ3")));
  const QString nueva = QStringLiteral("Año€2024ñ");  // bytes above 0x7F, scrambled in Windows-1252
  EXPECT_TRUE(ds->Execute(" exec portalEmpleadoActualizaPassword '" + EncriptaPWD(nueva) + "',         4,       1"));
  EXPECT_TRUE(accepted(nueva));
  EXPECT_FALSE(accepted(QStringLiteral("MOTL900512HJ3")));
}
