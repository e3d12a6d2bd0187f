#pragma once
// Reading PDF files back with poppler's tools, and writing small templates for tests.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace PdfTools {

inline QString Run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString Text(const QString& pdf) { return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}); }
inline QString Info(const QString& pdf) { return Run(QStringLiteral("pdfinfo"), {pdf}); }
inline QString Fonts(const QString& pdf) { return Run(QStringLiteral("pdffonts"), {pdf}); }

// Text of one page (1-based).
inline QString PageText(const QString& pdf, int page) {
  return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                                           QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
}

inline int Pages(const QString& pdf) {
  for (const QString& line : Info(pdf).split(u'\n'))
    if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
  return 0;
}

// "612 x 792 pts (letter)" -> "612 x 792"
inline QString PageSize(const QString& pdf) {
  for (const QString& line : Info(pdf).split(u'\n'))
    if (line.startsWith(QStringLiteral("Page size:"))) return line.mid(10).trimmed().section(QStringLiteral(" pts"), 0, 0);
  return QString();
}

// Writes FReports/<name> in the current directory.
inline void WriteTemplate(const QString& name, const QString& xml) {
  QDir().mkpath(QStringLiteral("FReports"));
  QFile f(QStringLiteral("FReports/") + name);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(xml.toUtf8());
}

// With REPORTS_KEEP_PDF set to a folder, a copy of `pdf` is kept there as <name>.pdf to look at.
inline void Keep(const QString& pdf, const QString& name) {
  const QString dir = qEnvironmentVariable("REPORTS_KEEP_PDF");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  QFile::remove(dir + u'/' + name + QStringLiteral(".pdf"));
  QFile::copy(pdf, dir + u'/' + name + QStringLiteral(".pdf"));
}

// Text with its runs of blanks folded into one, so that layout spacing does not matter.
inline QString Folded(QString text) { return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")); }

}  // namespace PdfTools
