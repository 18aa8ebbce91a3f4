#!/bin/bash
# End to end: the real program under Wine on a demo ledger store, driven by
# key strokes on the X display: type an output path, F12, confirm the
# completion message; then the asset data file and the asset-type file must
# be in the folder and the (empty) error log gone.
# A second run then proposes the remembered path: F12 alone meets the file
# of the first run, Enter answers the overwrite question, and the export
# writes there again.
# With "log" as the last argument the data set with value problems is
# selected: WordPad must show the log, the message must wait until WordPad
# is closed, and the log must stay.
#   end_to_end.sh WINE_RUN... -- PROGRAM.exe PELK_LEDGER.exe WORK_DIR [log]
set -u
cmd=()
while [ "$1" != -- ]; do cmd+=("$1"); shift; done
shift
program=$1 ledger=$2 work=$3 mode=${4:-clean}
DISPLAY=$("${cmd[@]}" --display) || { echo "no X display"; exit 1; }
export DISPLAY

rm -rf "$work" && mkdir -p "$work/out"
export PELK_LEDGER_STORE="Z:${work//\//\\}\\ledger.db"
"${cmd[@]}" "$ledger" demo >/dev/null 2>&1 || { echo "no demo store"; exit 1; }
if [ "$mode" = log ]; then
  "${cmd[@]}" "$ledger" select 2 >/dev/null 2>&1 || { echo "cannot select data set 2"; exit 1; }
fi

"${cmd[@]}" "$program" </dev/null >/dev/null 2>&1 &
runner=$!
fail() { echo "FAIL: $*"; kill "$runner" 2>/dev/null; exit 1; }

dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^減価償却 - 集計条件$' | head -1)
[ -n "$dialog" ] || fail "the dialog did not appear"
sleep 0.3
/usr/bin/import -window root -crop 600x300+0+0 +repage "$work/dialog.png" 2>/dev/null
xdotool windowfocus --sync "$dialog"
xdotool key ctrl+a
xdotool type --delay 10 "Z:${work//\//\\}\\out\\assets.csv"
xdotool key F12

if [ "$mode" = log ]; then
  viewer=$(timeout 30 xdotool search --sync --onlyvisible --name 'PelkAlderGk13SysErr' | head -1)
  [ -n "$viewer" ] || fail "WordPad did not show the log"
  sleep 1
  xdotool search --onlyvisible --name '^減価償却$' >/dev/null && fail "the message came before WordPad closed"
  xdotool windowfocus --sync "$viewer"
  xdotool key alt+F4
  [ -s "$work/out/PelkAlderGk13SysErr.txt" ] || fail "no error log"
fi
box=$(timeout 30 xdotool search --sync --onlyvisible --name '^減価償却$' | head -1)
[ -n "$box" ] || fail "no completion message"
xdotool windowfocus --sync "$box"
xdotool key Return
for _ in $(seq 100); do kill -0 "$runner" 2>/dev/null || break; sleep 0.1; done
kill -0 "$runner" 2>/dev/null && fail "the program did not end"

[ -s "$work/out/assets.csv" ] || fail "no asset data file"
[ -s "$work/out/syurui.SSC" ] || fail "no asset-type file"
if [ "$mode" = log ]; then
  [ -s "$work/out/PelkAlderGk13SysErr.txt" ] || fail "the error log is gone"
  grep -c . "$work/out/PelkAlderGk13SysErr.txt" | sed 's/^/log lines: /'
else
  [ ! -e "$work/out/PelkAlderGk13SysErr.txt" ] || fail "the empty error log was not deleted"
fi
head -c 200 "$work/out/assets.csv" | iconv -f CP932 -t UTF-8 | head -3

if [ "$mode" = clean ]; then
  settings="$work/Settings/$(basename "${program%.*}").env"
  grep -qF ":Z:${work//\//\\}\\out\\assets.csv" "$settings" || fail "the path was not remembered"
  rm -f "$work/out/syurui.SSC"
  "${cmd[@]}" "$program" </dev/null >/dev/null 2>&1 &
  runner=$!
  dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^減価償却 - 集計条件$' | head -1)
  [ -n "$dialog" ] || fail "the dialog did not appear again"
  sleep 0.3
  xdotool windowfocus --sync "$dialog"
  xdotool key F12
  question=$(timeout 30 xdotool search --sync --onlyvisible --name '^減価償却$' | head -1)
  [ -n "$question" ] || fail "no overwrite question"
  xdotool windowfocus --sync "$question"
  xdotool key Return
  for _ in $(seq 50); do xdotool getwindowname "$question" >/dev/null 2>&1 || break; sleep 0.1; done
  box=$(timeout 30 xdotool search --sync --onlyvisible --name '^減価償却$' | head -1)
  [ -n "$box" ] || fail "no completion message after the second run"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  for _ in $(seq 100); do kill -0 "$runner" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$runner" 2>/dev/null && fail "the program did not end after the second run"
  [ -s "$work/out/syurui.SSC" ] || fail "the second run did not write to the remembered path"
fi
echo "PASS"
