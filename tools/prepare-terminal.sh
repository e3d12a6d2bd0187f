#!/usr/bin/env bash
# Prepares a demo terminal folder from this source tree (the project's tests and ./portal demo):
# the same command the package installs as portal-empleado-terminal. Existing config.ini is kept.
#   prepare-terminal.sh ROOT BUILD TERMINAL_FOLDER
set -euo pipefail
ROOT=$1; TERM_DIR=$3
exec "$(dirname "${BASH_SOURCE[0]}")/portal-empleado-terminal" --source "$ROOT" --demo "$TERM_DIR"
