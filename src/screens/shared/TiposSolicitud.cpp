#include "screens/shared/TiposSolicitud.h"

#include "toolkit/TextUtil.h"

namespace TiposSolicitud {

namespace {

struct Tipo {
  int id;
  const char* nombre;
  const char* titulo;
  const char* asunto;
  const char* archivo;
};

constexpr Tipo kTipos[] = {
    {Vacaciones, "VACACIONES", "'Solicitud de Vacaciones '", "Solicitud Vacaciones", "SolicitudVac"},
    {Permisos, "PERMISOS", "'Solicitud de Permisos'", "Solicitud Permiso", "SolicitudPermiso"},
    {Prestamos, "PRESTAMOS", "'Solicitud de Préstamos'", "Solicitud Prestamo", "SolicitudPrestamo"},
};

const Tipo* buscar(int id) {
  for (const Tipo& t : kTipos)
    if (t.id == id) return &t;
  return nullptr;
}

QString campo(int id, const char* Tipo::*member) {
  const Tipo* t = buscar(id);
  return t ? QString::fromUtf8(t->*member) : QString();
}

}  // namespace

int ObtenId(const QString& texto) {
  for (const Tipo& t : kTipos)
    if (texto == QLatin1String(t.nombre)) return t.id;
  return 0;
}

QString Nombre(int tipo) { return campo(tipo, &Tipo::nombre); }

QStringList Todos() {
  QStringList out;
  for (const Tipo& t : kTipos) out << QString::fromUtf8(t.nombre);
  return out;
}

bool EsDeDias(int tipo) { return tipo == Vacaciones || tipo == Permisos; }
QString Titulo(int tipo) { return campo(tipo, &Tipo::titulo); }
QString Asunto(int tipo) { return campo(tipo, &Tipo::asunto); }
QString PrefijoArchivo(int tipo) { return campo(tipo, &Tipo::archivo); }

QString IdTexto(const QVariant& id) {
  const QVariant number = static_cast<qlonglong>(Text::Val(id));
  const QString shown = Text::Transform(number, QStringLiteral("99999999"));
  return shown.contains(u'*') ? number.toString() : shown;
}

}  // namespace TiposSolicitud
