#pragma once
// Errors the portal reports, also sent to the system journal with fields a fleet can filter:
// PORTAL_TERMINAL (host and terminal folder), PORTAL_SUBSYSTEM, PORTAL_ERROR_CODE, PORTAL_SCREEN
// and SYSLOG_IDENTIFIER "portal-empleado". Texts are scrubbed of personal data first. Written
// in the journal's native protocol to its socket; nothing happens when there is no journal.
#include <QMap>
#include <QString>

namespace SystemJournal {

// The journal's socket; PORTAL_JOURNAL_SOCKET names another one (only the tests set it).
constexpr const char* SocketVariable = "PORTAL_JOURNAL_SOCKET";
QString SocketPath();

// Sends one entry at error priority. An empty screen is taken as the window in front.
void Report(const QString& subsystem, const QString& code, const QString& screen, const QString& text);

// The window in front (modal first) by its object or class name, or empty.
QString CurrentScreen();

// The text with quoted values, e-mail addresses, RFC/CURP-like codes and figures of four or more
// digits (amounts, employee numbers) replaced by "…".
QString Scrub(const QString& text);

// The datagram Report sends, for the tests: field name to value.
QByteArray Encode(const QMap<QByteArray, QByteArray>& fields);

}  // namespace SystemJournal
