#!/usr/bin/env bash
# Prepares a terminal folder for the portal: config.ini for the embedded database,
# report templates, update scripts and the demo pictures. Existing config.ini is kept.
set -euo pipefail
ROOT=$1; BUILD=$2; TERM_DIR=$3
mkdir -p "$TERM_DIR"
if [ ! -f "$TERM_DIR/config.ini" ]; then
  cat > "$TERM_DIR/config.ini" <<INI
[CONFIG]
SERVER=(local)
BD=portal-demo.db
ID=
PWD=
AUTOWIN=.F.

[VARIABLES]
SalirActivado=Si
Modifica=Si
UltimosRecibos=No
FDA=Si
PDF=Si
SolicitudConFirmas=Si
INI
fi
for d in FReports ActualDB; do
  if [ -d "$ROOT/$d" ]; then
    mkdir -p "$TERM_DIR/$d"
    cp -r "$ROOT/$d/." "$TERM_DIR/$d/"
  fi
done
# The embedded demo database (a [CONFIG] BD ending in ".db") is built by the program's own
# start-up update from the db/ scripts, copied in as update scripts; SQL Server terminals never
# get them. Unchanged scripts are skipped at the next start by their checksum.
BD=$(sed -n 's/^[[:space:]]*BD[[:space:]]*=[[:space:]]*//Ip' "$TERM_DIR/config.ini" | head -n 1 | tr -d '\r')
if [[ "$BD" == *.db ]]; then
  mkdir -p "$TERM_DIR/ActualDB"
  for f in "$ROOT"/db/[0-9][0-9]_*.sql; do
    [ -f "$f" ] || continue
    cp "$f" "$TERM_DIR/ActualDB/ActualizaPortalEmpleadoEscritorio$(basename "$f")"
  done
  if [ -d "$ROOT/db/files" ]; then
    mkdir -p "$TERM_DIR/demo"
    cp -r "$ROOT/db/files/." "$TERM_DIR/demo/"
    [ -f "$TERM_DIR/Conducta.pdf" ] || cp "$ROOT/db/files/Conducta.pdf" "$TERM_DIR/Conducta.pdf"
  fi
fi
