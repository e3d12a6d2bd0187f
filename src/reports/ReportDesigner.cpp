#include "reports/ReportDesigner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include "reports/ReportMessages.h"
#include "reports/ReportPainter.h"

ReportDesigner::ReportDesigner(const QString& path, Builder builder, QWidget* parent)
    : QDialog(parent), m_path(path), m_builder(std::move(builder)) {
  setObjectName(QStringLiteral("ReportDesigner"));
  setWindowTitle(QStringLiteral("Diseño de reporte - %1").arg(QFileInfo(path).fileName()));
  resize(1100, 720);

  m_text = new QPlainTextEdit(this);
  m_text->setObjectName(QStringLiteral("txtPlantilla"));
  m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  m_text->setLineWrapMode(QPlainTextEdit::NoWrap);

  m_page = new QLabel;
  m_page->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  m_page->setMargin(12);
  m_page->setStyleSheet(QStringLiteral("background: #7a7a7a;"));  // the page stands out as paper
  auto* scroll = new QScrollArea;
  scroll->setWidget(m_page);
  scroll->setWidgetResizable(true);
  scroll->setBackgroundRole(QPalette::Dark);

  m_pageNo = new QSpinBox;
  m_pageNo->setObjectName(QStringLiteral("spnPagina"));
  m_pageNo->setPrefix(QStringLiteral("Página "));
  m_pageNo->setMinimum(1);
  m_status = new QLabel;
  m_status->setObjectName(QStringLiteral("lblEstado"));
  m_status->setWordWrap(true);

  auto* save = new QPushButton(QStringLiteral("Guardar"));
  save->setObjectName(QStringLiteral("btnGuardar"));
  auto* close = new QPushButton(QStringLiteral("Cerrar"));
  close->setObjectName(QStringLiteral("btnCerrar"));

  auto* right = new QWidget;
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->addWidget(m_pageNo);
  rightLayout->addWidget(scroll, 1);
  auto* split = new QSplitter;
  split->addWidget(m_text);
  split->addWidget(right);
  split->setSizes({520, 580});

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_status, 1);
  buttons->addWidget(save);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(split, 1);
  layout->addLayout(buttons);

  m_delay = new QTimer(this);
  m_delay->setSingleShot(true);
  m_delay->setInterval(500);
  connect(m_delay, &QTimer::timeout, this, &ReportDesigner::RefreshPreview);
  connect(m_text, &QPlainTextEdit::textChanged, m_delay, qOverload<>(&QTimer::start));
  connect(m_pageNo, &QSpinBox::valueChanged, this, &ReportDesigner::ShowPage);
  connect(save, &QPushButton::clicked, this, &ReportDesigner::Save);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  QFile file(path);
  SetText(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : NewTemplateText());
}

QString ReportDesigner::Text() const { return m_text->toPlainText(); }

void ReportDesigner::SetText(const QString& xml) {
  m_text->setPlainText(xml);
  m_delay->stop();
  RefreshPreview();
}

QString ReportDesigner::Status() const { return m_status->text(); }

bool ReportDesigner::Save() {
  QDir().mkpath(QFileInfo(m_path).absolutePath());
  QSaveFile file(m_path);
  if (file.open(QIODevice::WriteOnly) && file.write(Text().toUtf8()) >= 0 && file.commit()) {
    m_status->setText(QStringLiteral("Plantilla guardada"));
    return true;
  }
  TError e;
  e.subSystem = QStringLiteral("FRH");
  e.subCode = 3;
  e.description = QStringLiteral("No se pudo guardar la plantilla (%1)").arg(file.errorString());
  e.filename = m_path;
  ReportMessages::ShowError(e);
  return false;
}

void ReportDesigner::RefreshPreview() {
  QString error;
  ReportDocument doc;
  if (!m_builder || !m_builder(Text(), doc, error)) {
    m_status->setText(QStringLiteral("Plantilla no válida: %1").arg(error));
    return;  // the last good preview stays
  }
  m_doc = doc;
  m_status->setText(error.isEmpty() ? QStringLiteral("%1 página(s)").arg(m_doc.pages.size()) : error);
  m_pageNo->setMaximum(std::max<int>(1, static_cast<int>(m_doc.pages.size())));
  ShowPage();
}

void ReportDesigner::ShowPage() {
  const QImage image = ReportPainter::RenderPage(m_doc, m_pageNo->value() - 1, 80);
  m_page->setPixmap(QPixmap::fromImage(image));
}

QString ReportDesigner::NewTemplateText() {
  return QStringLiteral(
      "<report page=\"letter\" margin-left=\"15\" margin-top=\"12\" margin-right=\"15\" margin-bottom=\"12\"\n"
      "        font=\"Liberation Sans\" size=\"9\">\n"
      "  <title height=\"20\">\n"
      "    <picture x=\"0\" y=\"0\" w=\"30\" h=\"16\" src=\"[Logo]\"/>\n"
      "    <text x=\"35\" y=\"0\" w=\"150\" h=\"7\" size=\"13\" bold=\"1\">[NombreE]</text>\n"
      "    <line x1=\"0\" y1=\"18\" x2=\"185.9\" y2=\"18\" width=\"0.4\"/>\n"
      "  </title>\n"
      "  <data dataset=\"Datos\" height=\"6\">\n"
      "  </data>\n"
      "  <pagefooter height=\"8\">\n"
      "    <text x=\"0\" y=\"2\" w=\"185.9\" h=\"5\" align=\"right\" size=\"8\">Página [PAGE] de [TOTALPAGES]</text>\n"
      "  </pagefooter>\n"
      "</report>\n");
}
