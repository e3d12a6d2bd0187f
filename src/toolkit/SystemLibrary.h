#pragma once
// A system library opened the first time a feature needs it (the mail client, ODBC), so that
// starting the program and logging in never load it nor the libraries it depends on.
#include <QString>

class SystemLibrary {
 public:
  // `file` is the library's versioned file name; `package` the Debian package that ships it,
  // named in the message when it cannot be loaded.
  SystemLibrary(const char* file, const char* package);
  ~SystemLibrary() = default;
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  // Opens the library once; false with the reason in Problem() when it cannot be had. A failed
  // load is not tried again until UseFile.
  bool Load();
  const QString& Problem() const { return m_problem; }

  // The address of a function of the loaded library, or null.
  void* Symbol(const char* name) const;

  // Loads from another file from now on (tests: a missing library).
  void UseFile(const QByteArray& file);
  const QByteArray& File() const { return m_file; }

 private:
  QByteArray m_file;
  QString m_package;
  void* m_handle = nullptr;
  bool m_tried = false;
  QString m_problem;
};

// Fills one function pointer of a table from a loaded library; false when the library lacks it.
#define PORTAL_LOAD_FUNCTION(table, lib, name) \
  ((table).name = reinterpret_cast<decltype((table).name)>((lib).Symbol(#name))) != nullptr

// The function table of a library, filled the first time it is asked for. `fill` loads every
// entry (with PORTAL_LOAD_FUNCTION) and gives the name of the first one missing, or null. A
// failure is kept and told to every later caller until UseFile.
template <class Api>
class FunctionTable {
 public:
  using Filler = const char* (*)(Api&, const SystemLibrary&);
  FunctionTable(const char* file, const char* package, Filler fill) : m_lib(file, package), m_fill(fill) {}

  // The functions; null with the reason in `why` when the library cannot be had.
  const Api* Get(QString* why) {
    if (!m_ready && m_problem.isEmpty()) {
      if (!m_lib.Load())
        m_problem = m_lib.Problem();
      else if (const char* missing = m_fill(m_api, m_lib))
        m_problem = QStringLiteral("La biblioteca %1 no tiene la función %2.")
                        .arg(QString::fromLatin1(m_lib.File()), QString::fromLatin1(missing));
      else
        m_ready = true;
    }
    if (!m_ready && why) *why = m_problem;
    return m_ready ? &m_api : nullptr;
  }

  void UseFile(const QByteArray& file) {
    m_lib.UseFile(file);
    m_api = Api();
    m_ready = false;
    m_problem.clear();
  }

 private:
  SystemLibrary m_lib;
  Filler m_fill;
  Api m_api;
  bool m_ready = false;
  QString m_problem;
};
