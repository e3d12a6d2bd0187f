#include "data/clsUsuario.h"

#include "data/Scramble.h"
#include "data/StatementValues.h"
#include "data/TRecordSet.h"
#include "data/clsConexion.h"

bool clsUsuario::Login() {
  CNX = clsConexion::New();
  TRecordSet rs;
  rs.Open(QStringLiteral(" Select usuario from usuarios  where usuario='") + StatementValues::InQuotes(vUsuario) +
              QStringLiteral("'") + QStringLiteral(" and password=") + QStringLiteral("'") +
              StatementValues::InQuotes(EncriptaPWD(vPwd)) + QStringLiteral("'"),
          CNX->Conexion());
  const bool found = !rs.Eof();
  rs.Close();
  return found;
}
