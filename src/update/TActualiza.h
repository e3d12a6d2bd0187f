#pragma once
// The small window that applies the pending update scripts while the login screen starts:
// shown without waiting, it runs the update as soon as it is shown and closes itself. At
// start-up (AlIniciar) it shows only while a script is being applied.
#include "toolkit/TForm.h"

class TLabel;
class TProgressBar;

class TActualiza : public TForm {
 public:
  using TForm::TForm;

  TLabel* oLabel1 = nullptr;
  TProgressBar* oProgressBar1 = nullptr;

  // Start-up: checks the scripts against the register and applies what is pending; the window
  // appears with the first script to apply and closes when the update ends.
  static void AlIniciar();

  void FormShow();
  // Runs the update on the session data source (session key oAdo). Returns true.
  bool Actualiza_BasedeDatos();
  // Runs one script file batch by batch. Returns true.
  bool EjecutaCGI(const QString& file);

 protected:
  void CreateForm() override;

 private:
  void progress(int value, int maximum);
  int m_shownPercent = -1;
  bool m_soloAviso = false;  // shown by AlIniciar, which runs the update itself
};
