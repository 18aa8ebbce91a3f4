#!/bin/bash
# The main job of the README: exports the current user's selected data set of
# the ledger store (PELK_LEDGER_STORE, else the per-user store) with edition
# Alder to out/assets.csv, syurui.SSC and the error log beside it, and prints
# the report. A store that does not exist yet is first created with the demo
# companies. Expects gk13-export and pelk-ledger built in BUILD_DIR.
#
#   tools/gk13-export/make-run.sh [BUILD_DIR]      (default build/linux)
#
# Exit status: 0 when the files were written (with or without log entries),
# else that of the failing step.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build/linux}
cd "$root"
ledger=$build/tools/pelk-ledger/pelk-ledger
exporter=$build/tools/gk13-export/gk13-export

if ! "$ledger" list >/dev/null 2>&1; then
  "$ledger" demo || exit $?
fi
mkdir -p out
"$exporter" --edition Alder --out out/assets.csv
code=$?
[ "$code" -le 1 ] && exit 0
exit "$code"
