#pragma once
// The three request types as every request screen names them: list text, form title, mail
// subject and the base name of the form file. The id travels as a number in every statement.
#include <QString>
#include <QStringList>
#include <QVariant>

namespace TiposSolicitud {

enum : int { Vacaciones = 1, Permisos = 2, Prestamos = 3 };

// "VACACIONES" 1, "PERMISOS" 2, "PRESTAMOS" 3, anything else 0.
int ObtenId(const QString& texto);
QString Nombre(int tipo);           // the list text, empty for another id
QStringList Todos();                // the three list texts in id order
bool EsDeDias(int tipo);            // vacations and leave ask for days, loans for an amount
QString Titulo(int tipo);           // form title as a report value, quotes included
QString Asunto(int tipo);           // notice subject, also the first words of its body
QString PrefijoArchivo(int tipo);   // base name of the form file before the employee number

// A request or employee id as the lists show it: picture "99999999", or the whole number when
// it has more digits than the picture holds (an id is never cut).
QString IdTexto(const QVariant& id);

}  // namespace TiposSolicitud
