#pragma once
// Pieces of an Internet message that the SMTP component writes itself: encoded header words,
// line breaks, the Date and Message-ID headers, and the content type of an attachment.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace MailText {

// Header text as RFC 2047 encoded words (UTF-8, base64) folded to stay under 76 columns;
// plain printable ASCII without line breaks is returned as is.
QByteArray EncodeHeaderText(const QString& text);

// An address for a header: "addr" alone, or an encoded display name before "<addr>".
QByteArray AddressHeader(const QString& name, const QString& address);

// Every line break (CR LF, a lone CR or a lone LF) as CR LF.
QString CrlfLines(const QString& text);

// "Tue, 08 Dec 2026 00:53:24 -0600" for the given moment in its own offset.
QByteArray RfcDate(const QDateTime& moment);

// A unique "<...@domain>" identifier; the domain comes from the sender address.
QByteArray NewMessageId(const QString& senderAddress);

// The media type of an attachment by its file name's extension.
QByteArray ContentTypeFor(const QString& fileName);

// True when the address holds nothing that could break out of an SMTP command or header.
bool IsSafeAddress(const QString& address);

}  // namespace MailText
