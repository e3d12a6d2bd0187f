#include "screens/shared/TSeleccionaArchivo.h"

#include <QDir>
#include <QFileInfo>

#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

namespace {

// Row: shown name, size, full path, "D" for a folder or "F" for a file.
QString tamano(qint64 bytes) {
  if (bytes < 1024) return QStringLiteral("%1 B").arg(bytes);
  if (bytes < 1024 * 1024) return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
  return QStringLiteral("%1 MB").arg(QString::number(bytes / (1024.0 * 1024.0), 'f', 1));
}

}  // namespace

void TSeleccionaArchivo::CreateForm() {
  SetBounds(300, 100, 700, 600);
  SetClientSize(684, 561);
  cText = titulo.isEmpty() ? QStringLiteral("Seleccionar archivo") : titulo;
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 12);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] {
    QFileInfo start(inicio);
    QString folder = start.isDir() ? start.absoluteFilePath() : start.absolutePath();
    if (inicio.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::currentPath();
    MuestraCarpeta(folder);
  };

  lblCarpeta = TLabel::New(this, QStringLiteral("lblCarpeta"));
  lblCarpeta->SetBounds(12, 12, 530, 46);
  lblCarpeta->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 11, 0, 700);
  btnSubir = TBtnBmp::New(this, QStringLiteral("btnSubir"));
  btnSubir->SetBounds(556, 8, 116, 54);
  btnSubir->cText = QStringLiteral("Subir");
  btnSubir->oBitmaps = QStringLiteral("fechaarriba");
  btnSubir->OnClick = [this] { btnSubirClick(); };

  arregloArchivos = TArrayBrowse::New(this, QStringLiteral("arregloArchivos"));
  arregloArchivos->SetBounds(12, 70, 660, 400);
  arregloArchivos->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 14);
  arregloArchivos->nRowHeight = 44;
  arregloArchivos->nHeaderHeight = 32;
  arregloArchivos->nMarqueeStyle = 4;
  arregloArchivos->nRowDividerStyle = 4;
  arregloArchivos->lRecordSelector = false;
  arregloArchivos->AddColumn(QStringLiteral("Nombre"), 500);
  arregloArchivos->AddColumn(QStringLiteral("Tamaño"), 130)->nAlignment = 2;
  arregloArchivos->OnDblClick = [this](TArrayBrowse*) { btnAceptarClick(); };

  btnAceptar = TBtnBmp::New(this, QStringLiteral("btnAceptar"));
  btnAceptar->SetBounds(180, 486, 150, 62);
  btnAceptar->cText = QStringLiteral("Aceptar");
  btnAceptar->oBitmaps = QStringLiteral("correcto");
  btnAceptar->OnClick = [this] { btnAceptarClick(); };
  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(354, 486, 150, 62);
  btnSalir->cText = QStringLiteral("Salir");
  btnSalir->oBitmaps = QStringLiteral("salir");
  btnSalir->OnClick = [this] { Close(); };
}

void TSeleccionaArchivo::MuestraCarpeta(const QString& carpeta) {
  QDir dir(carpeta);
  if (!dir.exists() || !dir.isReadable()) return;  // stays where it was
  m_carpeta = dir.absolutePath();
  lblCarpeta->cText = m_carpeta;
  Rows rows;
  for (const QFileInfo& f : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
    rows.append(Row{f.fileName() + u'/', QString(), f.absoluteFilePath(), QStringLiteral("D")});
  dir.setNameFilters(patrones);
  for (const QFileInfo& f : dir.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase))
    rows.append(Row{f.fileName(), tamano(f.size()), f.absoluteFilePath(), QStringLiteral("F")});
  arregloArchivos->SetArray(rows);
  arregloArchivos->Refresh();
}

void TSeleccionaArchivo::btnAceptarClick() {
  const Row row = arregloArchivos->CurrentRow();
  if (row.count() == 0) return;
  if (row.col(4).toString() == u"D") {
    MuestraCarpeta(row.col(3).toString());
    return;
  }
  valor = row.col(3).toString();
  Close();
}

void TSeleccionaArchivo::btnSubirClick() {
  QDir dir(m_carpeta);
  if (dir.cdUp()) MuestraCarpeta(dir.absolutePath());
}
