#pragma once
// Applies the update scripts of ActualDB/ to the payroll database: each script runs the first
// time a terminal sees it and again whenever its bytes change, batch by batch, and is then
// recorded in the register table dbo.ActualDB with its size, date, time and CRC-32.
#include <QString>
#include <functional>

#include "update/UpdateLink.h"
#include "update/UpdateScript.h"

class clsActualizaBD {
 public:
  // Progress of the script being run: value and maximum, one step per line.
  using Progress = std::function<void(int value, int maximum)>;

  explicit clsActualizaBD(UpdateLink link, QString folder = QStringLiteral("ActualDB"));
  void SetProgress(Progress progress) { m_progress = std::move(progress); }

  // Creates the register when missing, then runs every new or changed script. Returns true.
  bool Actualiza_BasedeDatos();
  // Runs one script file batch by batch; a missing file does nothing. Returns true.
  bool EjecutaCGI(const QString& file);

  static QString RegisterCreation();
  static QString RegisterQuery(const QString& name);
  static QString RegisterInsert(const UpdateScript::FileInfo& file, quint32 checksum);
  static QString RegisterUpdate(const UpdateScript::FileInfo& file, quint32 checksum);

 private:
  // Runs the batches of an already-decoded script.
  void runLines(const QStringList& lines);
  void step(int value, int maximum);

  UpdateLink m_link;
  QString m_folder;
  Progress m_progress;
};
