#include "app/AppData.h"

SessionStore AppData;

void SessionStore::Reset() {
  *this = SessionStore();
  Nomina = QStringLiteral("SEM");
  Periodo = 1;
  FInicio = QStringLiteral("20000101");
  FCierre = QStringLiteral("20101201");
}

QStringList SessionStore::Keys() {
  return {QStringLiteral("UsuarioGet"), QStringLiteral("Empresa"), QStringLiteral("Codigo"),
          QStringLiteral("NombreTrabajador"), QStringLiteral("Nomina"), QStringLiteral("Periodo"),
          QStringLiteral("FInicio"), QStringLiteral("FCierre"), QStringLiteral("oPassword"),
          QStringLiteral("oConexion"), QStringLiteral("CDATABASE"), QStringLiteral("oAdo"),
          QStringLiteral("oNomina"), QStringLiteral("oOperacion"), QStringLiteral("oLlaveTemporal"),
          QStringLiteral("Afiliacion"), QStringLiteral("email"), QStringLiteral("imagenLogo"),
          QStringLiteral("imagenFirma"), QStringLiteral("NombreEmpresa"), QStringLiteral("RFCEmpresa"),
          QStringLiteral("RegistroPatronalEmpresa"), QStringLiteral("direccionEmpresa"),
          QStringLiteral("entidadEmpresa"), QStringLiteral("Historial"),
          QStringLiteral("gsAutorizaSupervisores"), QStringLiteral("gsEnviaSolicitudCorreo"),
          QStringLiteral("gsEmpleadoAutoriza"), QStringLiteral("gsEmpleadoSupervisor")};
}

QVariant SessionStore::Value(const QString& name) const {
  const QString n = name.toLower();
  if (n == u"usuarioget") return UsuarioGet;
  if (n == u"empresa") return Empresa;
  if (n == u"codigo") return Codigo;
  if (n == u"nombretrabajador") return NombreTrabajador;
  if (n == u"nomina") return Nomina;
  if (n == u"periodo") return Periodo;
  if (n == u"finicio") return FInicio;
  if (n == u"fcierre") return FCierre;
  if (n == u"opassword") return oPassword;
  if (n == u"oconexion") return oConexion ? QVariant(true) : QVariant();
  if (n == u"cdatabase") return CDATABASE;
  if (n == u"oado") return oAdo ? QVariant(true) : QVariant();
  if (n == u"onomina") return oNomina ? QVariant(true) : QVariant();
  if (n == u"ooperacion") return oOperacion ? QVariant(true) : QVariant();
  if (n == u"ollavetemporal") return oLlaveTemporal;
  if (n == u"afiliacion") return Afiliacion;
  if (n == u"email") return email;
  if (n == u"imagenlogo") return imagenLogo;
  if (n == u"imagenfirma") return imagenFirma;
  if (n == u"nombreempresa") return NombreEmpresa;
  if (n == u"rfcempresa") return RFCEmpresa;
  if (n == u"registropatronalempresa") return RegistroPatronalEmpresa;
  if (n == u"direccionempresa") return direccionEmpresa;
  if (n == u"entidadempresa") return entidadEmpresa;
  if (n == u"historial") return Historial;
  if (n == u"gsautorizasupervisores") return gsAutorizaSupervisores;
  if (n == u"gsenviasolicitudcorreo") return gsEnviaSolicitudCorreo;
  if (n == u"gsempleadoautoriza") return gsEmpleadoAutoriza;
  if (n == u"gsempleadosupervisor") return gsEmpleadoSupervisor;
  return QVariant();
}
