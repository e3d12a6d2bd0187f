#pragma once
// FreeTDS reads its settings file named by FREETDSCONF; pointing it at a file of ours keeps a
// machine-wide time-out or protocol version from applying to the portal's connection.
#include <QString>

namespace FreeTdsConfig {

// Writes the file (once per run) and sets FREETDSCONF to it; returns its path.
QString Ensure();

// The settings the file holds.
QString Contents();

}  // namespace FreeTdsConfig
