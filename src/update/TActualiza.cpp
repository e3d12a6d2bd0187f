#include "update/TActualiza.h"

#include <QCoreApplication>
#include <QPointer>

#include "app/AppData.h"
#include "data/TDataSource.h"
#include "toolkit/TLabel.h"
#include "toolkit/TProgressBar.h"
#include "update/DataSourceLink.h"
#include "update/clsActualizaBD.h"

void TActualiza::CreateForm() {
  SetBounds(485, 354, 348, 120);
  SetClientSize(332, 81);
  cText = QStringLiteral("Actualizando Base de Datos");
  oFont = QFont(QStringLiteral("MS Sans Serif"), 8);
  nBorderStyle = 3;  // fixed dialog frame
  lParentIcon = true;
  OnShow = [this] { FormShow(); };

  oLabel1 = TLabel::New(this, QStringLiteral("oLabel1"));
  oLabel1->SetBounds(8, 12, 311, 17);
  oLabel1->cText = QStringLiteral("Espere un momento, se está actualizando la base de datos.");
  QFont bold(QStringLiteral("Arial Narrow"), 10);
  bold.setBold(true);
  oLabel1->oFont = bold;
  oLabel1->nClrText = 8388608;

  oProgressBar1 = TProgressBar::New(this, QStringLiteral("oProgressBar1"));
  oProgressBar1->SetBounds(8, 40, 314, 25);
  oProgressBar1->SetStep(1);
}

void TActualiza::FormShow() {
  // Let the window appear with its message before the update holds the thread.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (m_soloAviso) return;
  Actualiza_BasedeDatos();
  Close();
}

void TActualiza::AlIniciar() {
  if (!AppData.oAdo) return;
  QPointer<TActualiza> window;
  clsActualizaBD update(UpdateLinkFor(*AppData.oAdo));
  update.SetProgress([&window](int value, int maximum) {
    if (!window) {
      window = TForm::New<TActualiza>();
      window->m_soloAviso = true;
      window->Show();
    }
    if (window) window->progress(value, maximum);
  });
  update.Actualiza_BasedeDatos();
  if (window) window->Close();
}

bool TActualiza::Actualiza_BasedeDatos() {
  if (!AppData.oAdo) return true;
  clsActualizaBD update(UpdateLinkFor(*AppData.oAdo));
  update.SetProgress([this](int value, int maximum) { progress(value, maximum); });
  return update.Actualiza_BasedeDatos();
}

bool TActualiza::EjecutaCGI(const QString& file) {
  if (!AppData.oAdo) return true;
  clsActualizaBD update(UpdateLinkFor(*AppData.oAdo));
  update.SetProgress([this](int value, int maximum) { progress(value, maximum); });
  return update.EjecutaCGI(file);
}

void TActualiza::progress(int value, int maximum) {
  if (value == 0) {
    oProgressBar1->SetRange(0, maximum);
    m_shownPercent = -1;
  }
  oProgressBar1->SetPos(value);
  // Repaint only when the shown share changes: scripts have thousands of lines.
  const int percent = maximum > 0 ? value * 100 / maximum : 100;
  if (percent != m_shownPercent && isVisible()) {
    m_shownPercent = percent;
    oProgressBar1->repaint();
  }
}
