#!/usr/bin/env bash
# The installer in silent mode, in the run's Wine prefix: files in place, schema right, version
# information, a second install keeps the user's rows; an update over the running program ends it
# as a log-off would, replaces it and has it hold the folders again before the setup program
# leaves; the uninstaller ends the running program the same way and leaves the folder list; a
# program that will not end stops the setup program before anything is replaced.
set -uo pipefail
setup=$1
lock_ico=$2
built_exe=$3
driver=$4
stand_in=$5
: "${WINEPREFIX:?run through scripts/test}"
c="$WINEPREFIX/drive_c"
sys="$c/windows/system32"
inst="$c/Program Files/Quillmar Folder Vardel"
exe='C:\Program Files\Quillmar Folder Vardel\QuillmarFolderVardel.exe'
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuillmarFolderVardel'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
root="$c/qfv-setup"
failures=0
check() {  # check "what" command...
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}
expect_eq() {  # expect_eq "what" expected actual
  if [ "$2" = "$3" ]; then echo "ok   - $1"; else echo "FAIL - $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}
drv() { wine "$driver" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
# A started program inherits the driver's output; a pipe would stay open as long as it runs.
launch_in() {
  local out
  out=$(mktemp)
  wine "$driver" launch-in "$1" "$2" >"$out" 2>/dev/null </dev/null
  tr -d '\r\n' <"$out"
  rm -f "$out"
}
held() { drv locked "$1" >/dev/null; }
free() { ! held "$1"; }
wait_held() {
  local i
  for i in $(seq 1 100); do held "$1" && return 0; sleep 0.1; done
  return 1
}
uninstall() {  # runs in place (_?=) from a .bat, so wine waits for it; prints its exit code
  printf '"C:\\Program Files\\Quillmar Folder Vardel\\uninstall.exe" /S _?=C:\\Program Files\\Quillmar Folder Vardel\r\n' \
    > "$c/qfv-uninstall.bat"
  wine cmd /c "C:\\qfv-uninstall.bat" >/dev/null 2>&1 </dev/null
  echo $?
}
setup_silent() {  # prints the setup program's exit code
  wine "$setup" /S >/dev/null 2>&1 </dev/null
  echo $?
}

# Leave the prefix's own folder list as it was found.
saved=$(mktemp)
had_list=0
if [ -f "$sys/accum.lsb" ]; then had_list=1; cp "$sys/accum.lsb" "$saved"; fi
restore() {
  drv send frmTest 32768 0 >/dev/null 2>&1  # WM_APP: the stand-in goes, if it is still there
  wineserver -k >/dev/null 2>&1 || true      # whatever is left of the program
  wineserver -p >/dev/null 2>&1 || true
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  wine reg delete "$run_key" /v QuillmarFolderVardel /f >/dev/null 2>&1
  rm -f "$sys/accum.lsb-wal" "$sys/accum.lsb-shm"
  if [ $had_list = 1 ]; then cp "$saved" "$sys/accum.lsb"; else rm -f "$sys/accum.lsb"; fi
  rm -f "$saved" "$c/qfv-uninstall.bat"
  rm -rf "$root" "$inst"
}
trap restore EXIT
rm -f "$sys/accum.lsb"
# A log left beside the list by a program that was killed: a new list must not take it in.
printf 'stale log' > "$sys/accum.lsb-wal"

echo "# a fresh install"
expect_eq "setup exit code" 0 "$(setup_silent)"
check "program installed under Program Files" test -f "$inst/QuillmarFolderVardel.exe"
check "uninstaller registered" test -f "$inst/uninstall.exe"
check "lock.ico in the system directory is ours" cmp -s "$lock_ico" "$sys/lock.ico"
check "accum.lsb in the system directory" test -f "$sys/accum.lsb"
check "a stale log beside a new list is removed" test ! -e "$sys/accum.lsb-wal"
schema=$(sqlite3 "$sys/accum.lsb" ".schema tab1")
expect_eq "schema of tab1" \
  "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER);" "$schema"
check "a fresh install starts nothing" bash -c "[ -z \"\$(wine '$driver' owner frmTest 2>/dev/null | tr -d '\r')\" ]"

echo "# version information and the installed-programs entry"
for file in "$built_exe" "$setup"; do
  w=$(winepath -w "$file" 2>/dev/null)
  name=$(basename "$file")
  expect_eq "$name product name" "Quillmar Folder Vardel" "$(drv version "$w" ProductName)"
  expect_eq "$name product version" "1.4" "$(drv version "$w" ProductVersion)"
  expect_eq "$name maker" "Quillmar" "$(drv version "$w" CompanyName)"
  expect_eq "$name site" "https://www.quillmar.example" "$(drv version "$w" Comments)"
done
entry() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v v="$1" '$1 == v { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
expect_eq "entry name" "Quillmar Folder Vardel" "$(entry DisplayName)"
expect_eq "entry version" "1.4" "$(entry DisplayVersion)"
expect_eq "entry publisher" "Quillmar" "$(entry Publisher)"
expect_eq "entry site" "https://www.quillmar.example" "$(entry URLInfoAbout)"
size_kb=$(( $(entry EstimatedSize) ))
files_kb=$(( ($(stat -c %s "$inst/QuillmarFolderVardel.exe") + $(stat -c %s "$inst/uninstall.exe")) / 1024 ))
check "estimated size $size_kb KB is the installed files' $files_kb KB" \
  test "$size_kb" -ge "$files_kb" -a "$size_kb" -le $((files_kb + 2))

sqlite3 "$sys/accum.lsb" "insert into tab1 (Foldername,Path) values ('Photos','C:\\Data\\Photos');"
expect_eq "second setup exit code" 0 "$(setup_silent)"
rows=$(sqlite3 "$sys/accum.lsb" "select Foldername||'|'||Path from tab1")
expect_eq "second install keeps the rows" 'Photos|C:\Data\Photos' "$rows"
sqlite3 "$sys/accum.lsb" "delete from tab1;"

echo "# an update over the running program"
rm -rf "$root"
mkdir -p "$root/Photos/2024" "$root/Music" "$root/Letters"
printf '[Own]\r\nkeep=1\r\n' > "$root/Music/Desktop.ini"
own=$(mktemp)
cp "$root/Music/Desktop.ini" "$own"
sqlite3 "$sys/accum.lsb" "insert into tab1 (Foldername,Path) values ('Photos','C:\\qfv-setup\\Photos'),('Music','C:\\qfv-setup\\Music'),('Letters','C:\\qfv-setup\\Letters');"
# An older build in place: the same program with bytes after its image, which Windows ignores.
printf 'an older build' >> "$inst/QuillmarFolderVardel.exe"
check "the installed program differs from the new build" bash -c "! cmp -s '$inst/QuillmarFolderVardel.exe' '$built_exe'"
# Started from another folder, as the shell's Run entry starts it: the list is still found.
old_pid=$(launch_in 'C:\qfv-setup' "$exe")
check "old program started" test -n "$old_pid"
for f in Photos Music Letters; do
  check "$f held by the old program, which found the list from C:\\qfv-setup" wait_held "C:\\qfv-setup\\$f"
done
marked=$(mktemp)
cp "$root/Music/Desktop.ini" "$marked"
check "Music's own Desktop.ini carries the mark while it is locked" grep -q 'IconFile=' "$marked"

expect_eq "update exit code" 0 "$(setup_silent)"
check "the installed program is the new build" cmp -s "$inst/QuillmarFolderVardel.exe" "$built_exe"
check "the old process is gone" bash -c "! wine '$driver' alive $old_pid"
owners=$(drv owner frmTest | tr '\n' ' ')
new_pid=${owners%% *}
expect_eq "one program runs again" 1 "$(echo "$owners" | wc -w)"
check "and it is a new process ($new_pid, was $old_pid)" test -n "$new_pid" -a "$new_pid" != "$old_pid"
# No waiting: the setup program left only once the new program held them again.
for f in Photos Music Letters; do check "$f held when the setup program has left" held "C:\\qfv-setup\\$f"; done
check "Music's Desktop.ini is byte for byte as before the update" cmp -s "$marked" "$root/Music/Desktop.ini"
expect_eq "the folder list is unchanged" "Photos;Music;Letters;" \
  "$(sqlite3 "$sys/accum.lsb" "select Foldername from tab1 order by ID" | tr '\n' ';')"

echo "# uninstalling with the program running"
wine reg add "$run_key" /v QuillmarFolderVardel /d "$exe" /f >/dev/null 2>&1
expect_eq "uninstall exit code" 0 "$(uninstall)"
check "the program has ended" bash -c "! wine '$driver' alive $new_pid"
check "no program window is left" bash -c "[ -z \"\$(wine '$driver' owner frmTest 2>/dev/null | tr -d '\r')\" ]"
for f in Photos Music Letters; do check "$f free" free "C:\\qfv-setup\\$f"; done
check "Photos has no mark" test ! -e "$root/Photos/Desktop.ini"
check "Letters has no mark" test ! -e "$root/Letters/Desktop.ini"
check "Music has its own Desktop.ini back, byte for byte" cmp -s "$own" "$root/Music/Desktop.ini"
check "uninstall removes the program" test ! -e "$inst/QuillmarFolderVardel.exe"
check "uninstall removes lock.ico" test ! -e "$sys/lock.ico"
check "uninstall keeps the folder list" test -f "$sys/accum.lsb"
expect_eq "the folder list still holds its rows" 3 "$(sqlite3 "$sys/accum.lsb" "select count(*) from tab1")"
check "the Run value is gone" bash -c "! wine reg query '$run_key' /v QuillmarFolderVardel"
check "uninstall entry removed" bash -c "! wine reg query '$key'"
rm -f "$own" "$marked"
rm -rf "$inst"  # run in place, the uninstaller cannot delete itself

echo "# a program that will not end stops the setup program"
sqlite3 "$sys/accum.lsb" "delete from tab1;"
expect_eq "install exit code" 0 "$(setup_silent)"
printf 'an older build' >> "$inst/QuillmarFolderVardel.exe"
before=$(mktemp)
cp "$inst/QuillmarFolderVardel.exe" "$before"
stand_pid=$(launch_in 'C:\' "$(winepath -w "$stand_in" 2>/dev/null)")
for i in $(seq 1 50); do [ -n "$(drv owner frmTest)" ] && break; sleep 0.1; done
expect_eq "setup exit code when the program does not end" 2 "$(setup_silent)"
check "the installed program was not replaced" cmp -s "$before" "$inst/QuillmarFolderVardel.exe"
check "the stubborn program still runs" drv alive "$stand_pid"
drv send frmTest 32768 0 >/dev/null
for i in $(seq 1 50); do drv alive "$stand_pid" || break; sleep 0.1; done
rm -f "$before"
expect_eq "uninstall exit code once it has gone" 0 "$(uninstall)"
check "uninstall removes the program" test ! -e "$inst/QuillmarFolderVardel.exe"

[ $failures = 0 ]
