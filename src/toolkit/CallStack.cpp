// Routine names and lines of the running call stack, for "Error.log".
#include <cxxabi.h>
#include <execinfo.h>

#include <QRegularExpression>
#include <QStringList>
#include <cstdlib>
#include <source_location>

#ifdef PORTAL_HAVE_BACKTRACE
#include <backtrace.h>
#endif

#include "toolkit/ErrorSys.h"

namespace {

QString demangle(const char* name) {
  if (!name) return QString();
  int status = 0;
  char* out = abi::__cxa_demangle(name, nullptr, nullptr, &status);
  QString s = QString::fromUtf8(status == 0 && out ? out : name);
  std::free(out);
  return s;
}

// "void TRegistro::btnAceptarClick(TBtnBmp*)" -> "TRegistro::btnAceptarClick"
QString routineName(QString signature) {
  signature.remove(QStringLiteral("{anonymous}::")).remove(QStringLiteral("(anonymous namespace)::"));
  int depth = 0;
  for (int i = 0; i < signature.size(); ++i) {
    const QChar c = signature[i];
    if (c == u'<') ++depth;
    else if (c == u'>') --depth;
    else if (c == u'(' && depth == 0) {
      signature.truncate(i);
      break;
    }
  }
  depth = 0;
  for (int i = static_cast<int>(signature.size()) - 1; i >= 0; --i) {
    const QChar c = signature[i];
    if (c == u'>') ++depth;
    else if (c == u'<') --depth;
    else if (c == u' ' && depth == 0) return signature.mid(i + 1);
  }
  return signature;
}

bool internalFrame(const QString& name) {
  return name.startsWith(QStringLiteral("ErrorSys::")) || name.isEmpty() || name.startsWith(QStringLiteral("backtrace_"));
}

#ifdef PORTAL_HAVE_BACKTRACE
struct Collect {
  QStringList* out;
};

backtrace_state* state() {
  static backtrace_state* s = backtrace_create_state(nullptr, 0, nullptr, nullptr);
  return s;
}

int frame(void* data, uintptr_t, const char*, int line, const char* function) {
  auto* c = static_cast<Collect*>(data);
  if (!function) return 0;
  const QString name = routineName(demangle(function));
  if (internalFrame(name)) return 0;
  c->out->append(QStringLiteral("%1(%2)").arg(name).arg(line));
  return name == u"main" ? 1 : 0;
}
#endif

}  // namespace

namespace ErrorSys {

QStringList CallStack(std::source_location where) {
  QStringList levels;
  const QString failing = routineName(QString::fromUtf8(where.function_name()));
  if (!failing.isEmpty()) levels.append(QStringLiteral("%1(%2)").arg(failing).arg(where.line()));

  QStringList callers;
#ifdef PORTAL_HAVE_BACKTRACE
  Collect c{&callers};
  if (state()) backtrace_full(state(), 0, frame, nullptr, &c);
#endif
  if (callers.isEmpty()) {
    void* frames[64];
    const int n = backtrace(frames, 64);
    char** symbols = backtrace_symbols(frames, n);
    for (int i = 0; symbols && i < n; ++i) {
      // "binary(mangled+0x12) [0x...]"
      const QString s = QString::fromUtf8(symbols[i]);
      const int open = static_cast<int>(s.indexOf(u'(')), plus = static_cast<int>(s.indexOf(u'+', open));
      if (open < 0 || plus <= open + 1) continue;
      const QString name = routineName(demangle(s.mid(open + 1, plus - open - 1).toUtf8().constData()));
      if (!internalFrame(name)) callers.append(QStringLiteral("%1(0)").arg(name));
    }
    std::free(symbols);
  }
  // The failing routine is already the first level; skip the frames up to and including it.
  // Debug information may name a routine without its class or namespace.
  const QString tail = failing.mid(failing.lastIndexOf(QStringLiteral("::")) + (failing.contains(QStringLiteral("::")) ? 2 : 0));
  int at = -1;
  for (int i = 0; i < callers.size() && at < 0; ++i) {
    const QString name = callers[i].left(callers[i].lastIndexOf(u'('));
    if (name == failing || name == tail || failing.endsWith(QStringLiteral("::") + name)) at = i;
  }
  if (at >= 0) callers = callers.mid(at + 1);
  levels.append(callers);
  return levels;
}

}  // namespace ErrorSys
