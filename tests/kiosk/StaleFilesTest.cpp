// A crash may leave temporary files and mail folders in the program's folder; the login
// window removes them when the program starts (and after every logout).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "KioskSupport.h"

TEST(StaleFiles, StartRemovesTempFilesAndMailFoldersOnly) {
  DemoTerminal terminal;
  // Letter case does not matter in the name, as on the terminals' original platform.
  const QStringList ours = {"TEMPrecibo.pdf", "TEMPsinpunto", "TEMP", "TEMP.listado.final.pdf", "temp.pdf"};
  for (const QString& name : ours) Kiosk::Touch(terminal.file(name));
  QDir().mkpath(terminal.file("TEMPcorreo-Xy12Ab"));
  Kiosk::Touch(terminal.file("TEMPcorreo-Xy12Ab/Recibo_S_12.xml"));
  QDir().mkpath(terminal.file("TEMPcorreo-vacia"));
  // A link inside a mail folder is removed, not followed.
  QDir().mkpath(terminal.file("guardado"));
  Kiosk::Touch(terminal.file("guardado/importante.pdf"));
  QFile::link(terminal.file("guardado"), terminal.file("TEMPcorreo-Xy12Ab/enlace"));

  const QStringList theirs = {"Conducta.pdf", "xTEMP.pdf", ".TEMPoculto", "config.ini"};
  for (const QString& name : theirs)
    if (!QFile::exists(terminal.file(name))) Kiosk::Touch(terminal.file(name));
  QDir().mkpath(terminal.file("TEMPotros"));

  auto* login = TForm::New<TRegistro>();
  login->Show();
  DemoTerminal::Settle();
  EXPECT_EQ(Kiosk::TempLeftovers(terminal.path()), QStringList{"TEMPotros"});
  for (const QString& name : theirs) EXPECT_TRUE(QFile::exists(terminal.file(name))) << name.toStdString();
  EXPECT_TRUE(QFile::exists(terminal.file("guardado/importante.pdf")));
}
