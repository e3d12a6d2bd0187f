#pragma once
// The pieces of the terminal check, each in its own file, all on the working directory.
#include <QList>
#include <QString>
#include <QStringList>

#include "check/CheckLine.h"
#include "data/Rows.h"

namespace Checks {

// config.ini: present, readable text, writable the way the portal writes it, known keys,
// values in range.
CheckLines Config();

// The database as the terminal connects to it, its version, the Windows-1252 check, the
// contract's procedures and tables, the clock; and each company's mail configuration row.
struct Database {
  CheckLines lines;
  QList<std::pair<QString, Row>> mail;  // company number and its mail configuration
  QStringList pictures;                 // the companies' logo and signature files
  bool reached = false;
};
Database DatabaseAndContract();

// One company's mail account: the server answers, TLS as configured, the login is taken.
CheckLine Mail(const QString& company, const Row& settings, int seconds);

// The printer of [VARIABLES] Impresora, or the default one: known to CUPS and taking jobs.
CheckLine Printer();

// Report templates, pictures, fonts the templates name, update scripts folder, free space and
// leftover temporary files.
CheckLines Files();

// The logo and signature files the database names: present and readable as pictures.
CheckLine Images(const QStringList& paths);

}  // namespace Checks
