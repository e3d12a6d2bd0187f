#pragma once
// The terminal check ("portal-empleado --comprobar"): run in the terminal's folder, opens no
// window, and reports config.ini, the database and its contract, each company's mail account,
// the printer, templates, pictures, fonts, update scripts, the clock, free space and leftover
// temporary files, one line each. Every piece is bounded in time.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "check/CheckLine.h"

namespace TerminalCheck {

struct Options {
  int seconds = 10;  // the longest any one piece may take
};

// True when the arguments ask for the check.
bool Requested(int argc, char** argv);

// Every check, in the working directory.
CheckLines Run(const Options& options);

// One line per check: "✓ title: found" or "✗ title: found — qué hacer: todo".
QString Text(const CheckLines& lines);
QByteArray Json(const CheckLines& lines);

// The check as a program: prints the lines (or JSON with --json) and returns 0 when every
// check passed, 1 otherwise.
int Main(int argc, char** argv);

}  // namespace TerminalCheck
