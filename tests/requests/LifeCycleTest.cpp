// The request life cycle as the demo database runs it: each status change applies to the
// pending step it names, and a change on a step decided meanwhile is refused with an error.
#include "RequestsFixture.h"

using namespace Requests;

namespace {

// A fresh vacation request of employee 5 (flow: approver 3, then approver 1); its id.
qlonglong files(const std::shared_ptr<TDataSource>& db) {
  TQuery q(db, QStringLiteral("GENERAL"),
           QStringLiteral(" exec dbo.PortalEmpleado_AgregaSolicitudVPA  @empresa=       1,  @codigo=         5, "
                          "@fecha='20300105', @dias=2, @fechaReal='20291201', @causa='PRUEBA', @importe=0, @tipoSol=1"));
  return q.RecCount() ? static_cast<qlonglong>(Text::Val(q.GetRows().row(1).col(6))) : 0;
}

QString cambio(qlonglong id, int orden, const char* valor, const char* comentario) {
  return QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus %1,%2,'%3','%4'")
      .arg(id)
      .arg(orden)
      .arg(QLatin1String(valor), QLatin1String(comentario));
}

struct Paso {
  int orden;
  const char* valor;
  const char* comentario;
  bool aceptado;
};

struct Caso {
  const char* nombre;
  QList<Paso> pasos;
  QString estatusPasos;  // the steps' statuses afterwards, first letters ("AP": authorized, pending)
  QString estatus;       // the request's: P in progress, A authorized, R rejected or cancelled
};

}  // namespace

TEST(RequestLifeCycle, StatusChangesApplyOnlyToThePendingStep) {
  const Caso casos[] = {
      {"filed", {}, "P ", "P"},
      {"first authorizes", {{1, "S", "", true}}, "AP", "P"},
      {"both authorize", {{1, "S", "", true}, {2, "S", "", true}}, "AA", "A"},
      {"second rejects", {{1, "S", "", true}, {2, "N", "NO", true}}, "AR", "R"},
      {"step 2 before step 1", {{2, "S", "", false}}, "P ", "P"},
      {"the same step twice", {{1, "S", "", true}, {1, "S", "", false}}, "AP", "P"},
      {"rejection of a step already authorized", {{1, "S", "", true}, {1, "N", "TARDE", false}}, "AP", "P"},
      {"cancelled while step 2 waits", {{1, "S", "", true}, {1, "N", "CANCELADA POR EL USUARIO", true}}, "AR", "R"},
      {"authorization after a cancellation", {{1, "N", "CANCELADA POR EL USUARIO", true}, {1, "S", "", false}}, "R ", "R"},
      {"cancellation after completion",
       {{1, "S", "", true}, {2, "S", "", true}, {1, "N", "CANCELADA POR EL USUARIO", false}}, "AA", "A"},
      {"second decision on a rejected request", {{1, "N", "NO", true}, {1, "N", "OTRA VEZ", false}}, "R ", "R"},
  };
  DemoTerminal terminal;
  auto db = DemoDatabase::Open(terminal.file(QString::fromLatin1(DemoDatabase::kFile)));
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    const qlonglong id = files(db);
    ASSERT_GT(id, 0);
    for (const Paso& p : c.pasos) {
      MsgSeam::Clear();
      EXPECT_EQ(db->Execute(cambio(id, p.orden, p.valor, p.comentario)), p.aceptado) << p.orden << p.valor;
      if (p.aceptado) {
        EXPECT_TRUE(MsgSeam::Taken().isEmpty());
      } else {
        // The refusal is the data source's alert, with the database's reason.
        ASSERT_EQ(MsgSeam::Taken().size(), 1);
        EXPECT_EQ(MsgSeam::Taken()[0].kind, MsgKind::Alert);
        EXPECT_TRUE(MsgSeam::Taken()[0].text.contains(
            QStringLiteral("La solicitud ya no está pendiente de esta decisión")));
      }
    }
    TQuery pasos(db, QStringLiteral("GENERAL"),
                 QStringLiteral("SELECT estatus FROM PortalEmpleadoSolicitudPaso WHERE idsolicitud = %1 ORDER BY orden").arg(id));
    QString letras;
    for (const Row& r : pasos.GetRows()) letras += Text::ToText(r.col(1)).left(1).leftJustified(1, u' ');
    EXPECT_EQ(letras, c.estatusPasos);
    TQuery solicitud(db, QStringLiteral("GENERAL"),
                     QStringLiteral("SELECT estatus FROM PortalEmpleadoSolicitud WHERE id = %1").arg(id));
    EXPECT_EQ(Text::ToText(solicitud.GetRows().row(1).col(1)), c.estatus);
  }
  MsgSeam::Clear();
}
