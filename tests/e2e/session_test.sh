#!/usr/bin/env bash
# One user's session with the installed program, driven as a user would: start-up locks the
# listed folders before any password, a second start is refused, the tray leads through the
# first-run and login windows to the main window, folders are added, locked, unlocked and removed
# there, and logging off releases every folder.
set -uo pipefail
driver_unix=$1
setup=$2
: "${WINEPREFIX:?run through scripts/test}"
c="$WINEPREFIX/drive_c"
sys="$c/windows/system32"
root="$c/qfv-e2e"
exe='C:\Program Files\Quillmar Folder Vardel\QuillmarFolderVardel.exe'
failures=0
pid=

drv() { wine "$driver_unix" "$@" 2>&1 | tr -d '\r'; return "${PIPESTATUS[0]}"; }
# The started program inherits the driver's output; a pipe would stay open as long as it runs.
launch() {
  local out
  out=$(mktemp)
  wine "$driver_unix" launch "$1" >"$out" 2>/dev/null </dev/null
  tr -d '\r\n' <"$out"
  rm -f "$out"
}
check() {  # check "what" command...
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}
expect_eq() {  # expect_eq "what" expected actual
  if [ "$2" = "$3" ]; then echo "ok   - $1"; else echo "FAIL - $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}
shot() { drv shot "$1" "$2" >/dev/null || echo "note - no screenshot of $1"; }
wait_locked() {  # the folder becomes held within a few seconds
  local i
  for i in $(seq 1 100); do drv locked "$1" >/dev/null && return 0; sleep 0.1; done
  return 1
}
wait_file_held() {  # a folder's contents are held right after the folders
  local i
  for i in $(seq 1 50); do drv file-held "$1" >/dev/null && return 0; sleep 0.1; done
  return 1
}
finish() {
  wineserver -k >/dev/null 2>&1 || true  # whatever is left of the program
  wineserver -p >/dev/null 2>&1 || true
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  rm -f "$sys/accum.lsb-wal" "$sys/accum.lsb-shm"  # the killed program's log belongs to this run's list
  if [ -n "${saved:-}" ]; then cp "$saved" "$sys/accum.lsb"; rm -f "$saved"; else rm -f "$sys/accum.lsb"; fi
  wine reg delete 'HKCU\Software\QM' /f >/dev/null 2>&1 || true
  rm -rf "$root"
}
trap finish EXIT

# A fresh install with an empty list and no password; keep the prefix's own list for later.
saved=
if [ -f "$sys/accum.lsb" ]; then saved=$(mktemp); cp "$sys/accum.lsb" "$saved"; fi
rm -f "$sys/accum.lsb" "$sys/accum.lsb-wal" "$sys/accum.lsb-shm"
wine reg delete 'HKCU\Software\QM' /f >/dev/null 2>&1
wine "$setup" /S >/dev/null 2>&1
rm -rf "$root" "$c/ProgramData/Quillmar Folder Vardel"
mkdir -p "$root/Photos" "$root/Music" "$root/Add me/inner"
printf '[Own]\r\nkeep=1\r\n' > "$root/Music/Desktop.ini"
printf 'not for others\r\n' > "$root/Photos/secret.txt"
sqlite3 "$sys/accum.lsb" "insert into tab1 (Foldername,Path) values ('Photos','C:\\qfv-e2e\\Photos'),('Music','C:\\qfv-e2e\\Music');"

echo "# start-up locks every listed folder before any password"
pid=$(launch "$exe")
check "program started" test -n "$pid"
check "Photos held right after start-up" wait_locked 'C:\qfv-e2e\Photos'
check "Music held right after start-up" wait_locked 'C:\qfv-e2e\Music'
check "a file inside Photos cannot be read by another program" wait_file_held 'C:\qfv-e2e\Photos\secret.txt'
check "Photos marked with the lock icon" grep -q 'IconFile=C:\\windows\\system32\\lock.ico' "$root/Photos/Desktop.ini"
check "no window shown at start-up" drv wait-gone Form1 100
expect_eq "one host window" 1 "$(drv count frmTest)"

echo "# a second start is refused"
pid2=$(launch "$exe")
text=$(drv msgbox "Quillmar Folder Vardel" ok)
expect_eq "already-running message" \
  "Folder Vardel is already running in system tray.Click on the system tray icon to start the application" "$text"
sleep 1
check "second process ended" bash -c "! wine '$driver_unix' alive $pid2"
expect_eq "still one host window" 1 "$(drv count frmTest)"
check "first process still runs" drv alive "$pid"
check "Photos still held after the refused start" drv locked 'C:\qfv-e2e\Photos'
check "Music still held after the refused start" drv locked 'C:\qfv-e2e\Music'
check "Music still carries the mark" grep -q 'IconFile=' "$root/Music/Desktop.ini"

echo "# the tray menu and the about window"
drv tray 517
check "tray menu pops up" drv wait-window '#32768'
shot '#32768' tray-menu
drv menu a
check "about window shown from the menu" drv wait-window frmSplash
shot frmSplash about
drv click frmSplash Close
check "about window hidden by Close" drv wait-gone frmSplash

. "$(dirname "$0")/session_windows.sh"

echo "# logging off releases every folder"
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
value=$(wine reg query "$run_key" /v QuillmarFolderVardel 2>/dev/null | tr -d '\r' | grep QuillmarFolderVardel)
check "registered to start with Windows (got: $value)" bash -c "echo '$value' | grep -qF 'C:\Program Files\Quillmar Folder Vardel\QuillmarFolderVardel.exe'"
# wineboot starts the Run entries again after the session's end; the check needs this run alone.
wine reg delete "$run_key" /v QuillmarFolderVardel /f >/dev/null 2>&1
wineboot --end-session >/dev/null 2>&1
for i in $(seq 1 100); do drv alive "$pid" || break; sleep 0.1; done
check "program ended with the session" bash -c "! wine '$driver_unix' alive $pid"
check "Photos free after log-off" bash -c "! wine '$driver_unix' locked 'C:\\qfv-e2e\\Photos'"
check "Music free after log-off" bash -c "! wine '$driver_unix' locked 'C:\\qfv-e2e\\Music'"
check "the file inside Photos can be read again after log-off" bash -c "! wine '$driver_unix' file-held 'C:\\qfv-e2e\\Photos\\secret.txt'"
check "the file inside Photos is unchanged" cmp -s "$root/Photos/secret.txt" <(printf 'not for others\r\n')
check "Photos has no Desktop.ini after log-off" test ! -e "$root/Photos/Desktop.ini"
check "Music has its own Desktop.ini back, byte for byte" cmp -s "$root/Music/Desktop.ini" <(printf '[Own]\r\nkeep=1\r\n')
check "the folder list has no log beside it after log-off" bash -c "test ! -e '$sys/accum.lsb-wal' && test ! -e '$sys/accum.lsb-shm'"

echo "# a row without a path marks nothing"
cp "$sys/accum.lsb" "$sys/accum.lsb.e2e-good"
sqlite3 "$sys/accum.lsb" "insert into tab1 (Foldername,Path) values ('no path',NULL),('empty','');"
rm -f "$c/Desktop.ini"
# Music is open in another program for the first seconds of this start.
wine "$driver_unix" hold 'C:\qfv-e2e\Music' 4000 >/dev/null 2>&1 &
holder=$!
sleep 1
pid=$(launch "$exe")
check "Photos held with a row without a path in the list" wait_locked 'C:\qfv-e2e\Photos'
wait $holder
check "Music, busy at start-up, is locked once the other program lets go" wait_locked 'C:\qfv-e2e\Music'
# Its "\Desktop.ini" would be the root of the working directory's drive: C: or, here, the Unix root.
check "no Desktop.ini at the root of drive C" test ! -e "$c/Desktop.ini"
check "no Desktop.ini at the root of the working directory's drive" test ! -e /Desktop.ini
wineboot --end-session >/dev/null 2>&1
for i in $(seq 1 100); do drv alive "$pid" || break; sleep 0.1; done
check "program ended with the session" bash -c "! wine '$driver_unix' alive $pid"

echo "# a start with a broken folder list changes nothing and ends"
for kind in zero-byte no-tab1; do
  rm -f "$sys/accum.lsb"
  if [ $kind = zero-byte ]; then : >"$sys/accum.lsb"; else sqlite3 "$sys/accum.lsb" "create table other (x);"; fi
  before=$(mktemp)
  cp "$sys/accum.lsb" "$before"
  pid=$(launch "$exe")
  text=$(drv msgbox "Quillmar Folder Vardel" ok)
  expect_eq "$kind: the store's error" "Error 1: no such table: tab1" "$text"
  for i in $(seq 1 100); do drv alive "$pid" || break; sleep 0.1; done
  check "$kind: the program ended" bash -c "! wine '$driver_unix' alive $pid"
  check "$kind: the file is byte for byte as it was" cmp -s "$sys/accum.lsb" "$before"
  check "$kind: nothing left beside it" bash -c "test ! -e '$sys/accum.lsb-wal' && test ! -e '$sys/accum.lsb-journal'"
  rm -f "$before"
done
mv -f "$sys/accum.lsb.e2e-good" "$sys/accum.lsb"

[ $failures = 0 ]
