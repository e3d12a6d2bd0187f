#include "data/SecretMask.h"

#include <QRegularExpression>
#include <vector>

namespace {

// A text literal with its doubled quotes.
#define LITERAL "N?'(?:[^']|'')*'"

// Each pattern captures, as group "pwd", the literal that holds a password.
const std::vector<QRegularExpression>& patterns() {
  static const std::vector<QRegularExpression> list = [] {
    const char* texts[] = {
        // exec peValidaEntrada <code>,'<password>',0,0
        R"(\bexec(?:ute)?\s+(?:dbo\.)?peValidaEntrada\s+[^,]*,\s*(?<pwd>)" LITERAL ")",
        // Select usuario from usuarios where usuario='...' and password='<password>'
        R"(\busuarios\b.*\bpassword\s*=\s*(?<pwd>)" LITERAL ")",
        // exec portalEmpleadoActualizaPassword '<password>',<code>,<company>
        R"(\bexec(?:ute)?\s+(?:dbo\.)?portalEmpleadoActualizaPassword\s+(?<pwd>)" LITERAL ")",
        // exec dbo.PortalEmpleado_EmpresasEscritorio <code>,'<password>'
        R"(\bexec(?:ute)?\s+(?:dbo\.)?PortalEmpleado_EmpresasEscritorio\s+[^,]*,\s*(?<pwd>)" LITERAL ")",
        // exec PortalEmpleadoConfiguraMail <company>,'server','account','port','No','user','<password>',...
        R"(\bexec(?:ute)?\s+(?:dbo\.)?PortalEmpleadoConfiguraMail\s+[^,]*,(?:\s*)" LITERAL R"(\s*,){5}\s*(?<pwd>)" LITERAL ")",
    };
    std::vector<QRegularExpression> out;
    for (const char* t : texts)
      out.emplace_back(QString::fromLatin1(t),
                       QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return out;
  }();
  return list;
}

#undef LITERAL

}  // namespace

namespace SecretMask {

QString Masked(const QString& statement) {
  QString out = statement;
  for (const QRegularExpression& re : patterns()) {
    qsizetype from = 0;
    for (;;) {
      const QRegularExpressionMatch m = re.match(out, from);
      if (!m.hasMatch()) break;
      const qsizetype at = m.capturedStart(u"pwd");
      const qsizetype len = m.capturedLength(u"pwd");
      const QString mask = out.at(at) == u'N' || out.at(at) == u'n' ? QStringLiteral("N'***'") : QStringLiteral("'***'");
      out.replace(at, len, mask);
      from = at + mask.size();
    }
  }
  return out;
}

}  // namespace SecretMask
