#pragma once
// What the start-up benchmark's programs tell about themselves once shown.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>

// Resident memory now and at its peak, as "VmRSS: … kB" and "VmHWM: … kB" lines.
inline void PrintResidentMemory() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:") || line.startsWith("VmHWM:")) std::printf("%s\n", line.simplified().constData());
}

// For a closer look: the mappings and what each holds resident, copied to PORTAL_BENCH_SMAPS.
inline void DumpMappingsIfAsked() {
  if (const QByteArray to = qgetenv("PORTAL_BENCH_SMAPS"); !to.isEmpty()) {
    QFile maps(QStringLiteral("/proc/self/smaps")), copy(QString::fromLocal8Bit(to));
    if (maps.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly)) copy.write(maps.readAll());
  }
}
