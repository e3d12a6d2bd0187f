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
if [ -d "$ROOT/db/files" ]; then
  mkdir -p "$TERM_DIR/demo"
  cp -r "$ROOT/db/files/." "$TERM_DIR/demo/"
fi
