#include "mail/MailText.h"

#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QTimeZone>

namespace MailText {

namespace {

bool isPlainAscii(const QString& text) {
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u > 0x7E) return false;
  }
  return true;
}

// Splits UTF-8 bytes into chunks of at most `limit` bytes without cutting a character.
QList<QByteArray> utf8Chunks(const QByteArray& utf8, int limit) {
  QList<QByteArray> chunks;
  int start = 0;
  while (start < utf8.size()) {
    int end = std::min<int>(start + limit, utf8.size());
    // step back while the byte after the cut continues a character
    while (end < utf8.size() && end > start && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
    chunks << utf8.mid(start, end - start);
    start = end;
  }
  return chunks;
}

}  // namespace

QByteArray EncodeHeaderText(const QString& text) {
  if (isPlainAscii(text) && text.size() <= 60) return text.toLatin1();
  // 36 bytes of text per word keep each line, "Subject: " included, under 76 columns.
  QList<QByteArray> words;
  for (const QByteArray& chunk : utf8Chunks(text.toUtf8(), 36))
    words << "=?UTF-8?B?" + chunk.toBase64() + "?=";
  return words.join("\r\n ");
}

QByteArray AddressHeader(const QString& name, const QString& address) {
  if (name.isEmpty() || name == address) return address.toUtf8();
  return EncodeHeaderText(name) + " <" + address.toUtf8() + ">";
}

QString CrlfLines(const QString& text) {
  QString out;
  out.reserve(text.size() + text.size() / 16);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r') {
      out += QStringLiteral("\r\n");
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else if (c == u'\n') {
      out += QStringLiteral("\r\n");
    } else {
      out += c;
    }
  }
  return out;
}

QByteArray RfcDate(const QDateTime& moment) {
  const QLocale c = QLocale::c();
  const int offset = moment.offsetFromUtc() / 60;
  const QString zone = QStringLiteral("%1%2%3")
                           .arg(offset < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                           .arg(std::abs(offset) / 60, 2, 10, QChar(u'0'))
                           .arg(std::abs(offset) % 60, 2, 10, QChar(u'0'));
  return (c.toString(moment, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss")) + u' ' + zone).toLatin1();
}

QByteArray NewMessageId(const QString& senderAddress) {
  QString domain = senderAddress.section(u'@', 1).trimmed();
  if (domain.isEmpty() || !IsSafeAddress(domain) || domain.contains(u'>')) domain = QStringLiteral("portal.local");
  const quint64 random = QRandomGenerator::global()->generate64();
  return "<" + QByteArray::number(QDateTime::currentMSecsSinceEpoch(), 36) + "." +
         QByteArray::number(random, 36) + "@" + domain.toUtf8() + ">";
}

QByteArray ContentTypeFor(const QString& fileName) {
  static const QList<std::pair<QString, QByteArray>> types = {
      {QStringLiteral("pdf"), "application/pdf"},   {QStringLiteral("xml"), "application/xml"},
      {QStringLiteral("txt"), "text/plain"},        {QStringLiteral("htm"), "text/html"},
      {QStringLiteral("html"), "text/html"},        {QStringLiteral("csv"), "text/csv"},
      {QStringLiteral("png"), "image/png"},         {QStringLiteral("jpg"), "image/jpeg"},
      {QStringLiteral("jpeg"), "image/jpeg"},       {QStringLiteral("gif"), "image/gif"},
      {QStringLiteral("zip"), "application/zip"},   {QStringLiteral("doc"), "application/msword"},
      {QStringLiteral("xls"), "application/vnd.ms-excel"},
      {QStringLiteral("docx"), "application/vnd.openxmlformats-officedocument.wordprocessingml.document"},
      {QStringLiteral("xlsx"), "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"},
  };
  const QString ext = QFileInfo(fileName).suffix().toLower();
  for (const auto& [suffix, type] : types)
    if (suffix == ext) return type;
  return "application/octet-stream";
}

bool IsSafeAddress(const QString& address) {
  for (QChar c : address) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F || u == u'<' || u == u'>') return false;
  }
  return true;
}

}  // namespace MailText
