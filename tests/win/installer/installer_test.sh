#!/usr/bin/env bash
# The installer in silent mode, in the run's Wine prefix: files in place, schema right, a second
# install keeps the user's rows, the uninstaller removes its files but leaves the folder list.
set -euo pipefail
setup=$1
lock_ico=$2
: "${WINEPREFIX:?run through scripts/test}"
c="$WINEPREFIX/drive_c"
sys="$c/windows/system32"
inst="$c/Program Files/Quillmar Folder Vardel"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuillmarFolderVardel'
failures=0
check() {  # check "what" command...
  local what=$1
  shift
  if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}

# Leave the prefix's own folder list as it was found.
saved=$(mktemp)
had_list=0
if [ -f "$sys/accum.lsb" ]; then had_list=1; cp "$sys/accum.lsb" "$saved"; fi
restore() {
  rm -f "$sys/accum.lsb-wal" "$sys/accum.lsb-shm"
  if [ $had_list = 1 ]; then cp "$saved" "$sys/accum.lsb"; else rm -f "$sys/accum.lsb"; fi
  rm -f "$saved" "$c/qfv-uninstall.bat"
}
trap restore EXIT
rm -f "$sys/accum.lsb"
# A log left beside the list by a program that was killed: a new list must not take it in.
printf 'stale log' > "$sys/accum.lsb-wal"

wine "$setup" /S >/dev/null 2>&1
check "program installed under Program Files" test -f "$inst/QuillmarFolderVardel.exe"
check "uninstaller registered" test -f "$inst/uninstall.exe"
check "lock.ico in the system directory is ours" cmp -s "$lock_ico" "$sys/lock.ico"
check "accum.lsb in the system directory" test -f "$sys/accum.lsb"
check "a stale log beside a new list is removed" test ! -e "$sys/accum.lsb-wal"
schema=$(sqlite3 "$sys/accum.lsb" ".schema tab1")
check "schema of tab1 (got: $schema)" test "$schema" = \
  "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER);"
check "uninstall entry in the registry" bash -c "wine reg query '$key' /v DisplayName >/dev/null 2>&1"

sqlite3 "$sys/accum.lsb" "insert into tab1 (Foldername,Path) values ('Photos','C:\\Data\\Photos');"
wine "$setup" /S >/dev/null 2>&1
rows=$(sqlite3 "$sys/accum.lsb" "select Foldername||'|'||Path from tab1")
check "second install keeps the rows (got: $rows)" test "$rows" = 'Photos|C:\Data\Photos'

# The uninstaller returns at once unless it runs in place (_?=); a .bat makes wine wait for it.
printf '"C:\\Program Files\\Quillmar Folder Vardel\\uninstall.exe" /S _?=C:\\Program Files\\Quillmar Folder Vardel\r\n' \
  > "$c/qfv-uninstall.bat"
wine cmd /c "C:\\qfv-uninstall.bat" >/dev/null 2>&1
check "uninstall removes the program" test ! -e "$inst/QuillmarFolderVardel.exe"
check "uninstall removes lock.ico" test ! -e "$sys/lock.ico"
check "uninstall keeps the folder list" test -f "$sys/accum.lsb"
rows=$(sqlite3 "$sys/accum.lsb" "select count(*) from tab1")
check "folder list still holds its row (got: $rows)" test "$rows" = 1
check "uninstall entry removed" bash -c "! wine reg query '$key' >/dev/null 2>&1"
# Run in place, the uninstaller cannot delete itself.
rm -rf "$inst"

[ $failures = 0 ]
