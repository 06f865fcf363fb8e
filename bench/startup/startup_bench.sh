#!/usr/bin/env bash
# Start-up with 1,000 listed folders: time from the process's start to resident (tray icon added)
# against the lock all of the same run. Prints figures; not a test.
#   QFV_BUILD=build bench/startup/startup_bench.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${QFV_BUILD:-build}
rounds=${1:-3}
. scripts/wine-env
trap wine_env_stop EXIT
QFV_XVFB=1 wine_env_start

exe="$PWD/$out/win/bench/startup/startup_timed.exe"
c="$WINEPREFIX/drive_c"
sys="$c/windows/system32"
root="$c/qfv-bench"
saved=$(mktemp)
had_list=0
if [ -f "$sys/accum.lsb" ]; then had_list=1; cp "$sys/accum.lsb" "$saved"; fi
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ $had_list = 1 ]; then cp "$saved" "$sys/accum.lsb"; else rm -f "$sys/accum.lsb"; fi
  rm -f "$saved" "$sys/accum.lsb-wal" "$sys/accum.lsb-shm"
  rm -rf "$root" "$c/ProgramData/Quillmar Folder Vardel"
  wine_env_stop
}
trap cleanup EXIT

rm -rf "$root"
mkdir -p "$root"
sql="BEGIN;"
for i in $(seq -w 0 999); do
  mkdir -p "$root/f$i"
  sql+="insert into tab1 (Foldername,Path) values ('f$i','C:\\qfv-bench\\f$i');"
done
sql+="COMMIT;"
rm -f "$sys/accum.lsb" "$sys/accum.lsb-wal" "$sys/accum.lsb-shm"
sqlite3 "$sys/accum.lsb" "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER); $sql"

timing=$(mktemp)
echo "round  start-to-resident  lock-all  ratio"
for r in $(seq 1 "$rounds"); do
  rm -f "$timing"
  QFV_TIMING_FILE=$(winepath -w "$timing") setsid wine "$exe" >/dev/null 2>&1 </dev/null &
  for i in $(seq 1 600); do [ -s "$timing" ] && break; sleep 0.1; done
  read -r resident lock < <(tr -d "\r" <"$timing") || { echo "round $r: no figures"; continue; }
  printf '%5d  %16.3fs  %7.3fs  %5.2f\n' "$r" "$resident" "$lock" "$(echo "$resident / $lock" | bc -l)"
  # End the run as the session's end would, so the next round starts from unlocked folders.
  wine "$PWD/$out/win/tests/e2e/e2e_driver.exe" send frmTest 22 1 >/dev/null 2>&1 || true
  sleep 1
done
