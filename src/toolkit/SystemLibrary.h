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

// Fills the function pointers listed by an X-macro from a loaded library; false (with the
// library's problem set to the first missing function) when one is absent.
#define PORTAL_LOAD_FUNCTION(table, lib, name) \
  ((table).name = reinterpret_cast<decltype((table).name)>((lib).Symbol(#name))) != nullptr
