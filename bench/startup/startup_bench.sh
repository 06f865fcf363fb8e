#!/usr/bin/env bash
# Start-up and log-off against their physical floor, with 1,000 and 10,000 listed folders (or the
# counts given after the rounds). Start to all held: seconds from the process's start to the end of
# lock all, in the timed build of the program and in a process that leaves the same end state with
# raw calls. Log-off to all free: from the session's end message to the last folder freed, against
# closing the handles and deleting the marks. Each round runs both, one after the other. Prints
# figures; not a test.
#   QFV_BUILD=build bench/startup/startup_bench.sh [rounds] [folder counts...]
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${QFV_BUILD:-build}
rounds=${1:-5}
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(1000 10000)
. scripts/wine-env
trap wine_env_stop EXIT
QFV_XVFB=1 wine_env_start

win=$PWD/${QFV_WIN_BUILD:-$out/win}
exe="$win/bench/startup/startup_timed.exe"
floor="$win/bench/startup/startup_floor.exe"
driver="$win/tests/e2e/e2e_driver.exe"
c="$WINEPREFIX/drive_c"
sys="$c/windows/system32"
root="$c/qfv-bench"
saved=$(mktemp)
timing=$(mktemp)
list=$(mktemp)
had_list=0
if [ -f "$sys/accum.lsb" ]; then had_list=1; cp "$sys/accum.lsb" "$saved"; fi
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ $had_list = 1 ]; then cp "$saved" "$sys/accum.lsb"; else rm -f "$sys/accum.lsb"; fi
  rm -f "$saved" "$timing" "$list" "$sys/accum.lsb-wal" "$sys/accum.lsb-shm"
  rm -rf "$root" "$c/ProgramData/Quillmar Folder Vardel"
  wine_env_stop
}
trap cleanup EXIT
mark=$(printf '[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=C:\\windows\\system32\\lock.ico\r\n' | od -An -tx1 | tr -d ' \n')

# least and median of the numbers on stdin
stats() { sort -g | awk '{v[NR]=$1} END {m = NR % 2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2; printf "%.3f %.3f", v[1], m}'; }

summary=()
for n in "${counts[@]}"; do
  rm -rf "$root"
  mkdir -p "$root"
  (cd "$root" && seq -f 'f%05g' 0 $((n - 1)) | xargs mkdir)
  seq -f 'C:\qfv-bench\f%05g' 0 $((n - 1)) >"$list"
  rm -f "$sys/accum.lsb" "$sys/accum.lsb-wal" "$sys/accum.lsb-shm"
  { echo "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER);"
    echo "BEGIN;"
    seq -f 'f%05g' 0 $((n - 1)) | awk '{printf "insert into tab1 (Foldername,Path) values (%c%s%c,%cC:\\qfv-bench\\%s%c);\n", 39, $1, 39, 39, $1, 39}'
    echo "COMMIT;"; } | sqlite3 "$sys/accum.lsb"
  wlist=$(winepath -w "$list")
  wtiming=$(winepath -w "$timing")
  prog_held=() floor_held=() prog_free=() floor_free=() lock_pass=() before_lock=()
  echo "== $n folders"
  echo "round  list read  held    window  resident | floor held | ratio  || unload  floor free  ratio"
  for r in $(seq 1 "$rounds"); do
    rm -f "$timing"
    QFV_TIMING_FILE=$wtiming setsid wine "$exe" >/dev/null 2>&1 </dev/null &
    pid=$!
    for i in $(seq 1 6000); do grep -q '^start' "$timing" 2>/dev/null && break; sleep 0.05; done
    read -r _ loaded reloaded locked resident < <(grep '^start' "$timing" | tr -d '\r') \
      || { echo "round $r: no figures"; kill "$pid" 2>/dev/null; continue; }
    got=$(od -An -tx1 "$root/f00000/Desktop.ini" | tr -d ' \n')
    [ "$got" = "$mark" ] || echo "round $r: the program's mark differs from the floor's"
    wine "$driver" send frmTest 22 1 >/dev/null 2>&1 || true
    wait "$pid" 2>/dev/null || true
    unload=$(grep '^unload' "$timing" | tr -d '\r' | awk '{print $2}')
    [ -n "$unload" ] || { echo "round $r: no unload figure"; continue; }
    [ ! -e "$root/f00000/Desktop.ini" ] || echo "round $r: a mark is left after the session's end"
    sleep 1
    rm -f "$timing"
    QFV_TIMING_FILE=$wtiming wine "$floor" "$wlist" >/dev/null 2>&1 </dev/null
    read -r _ fheld ffree < <(tr -d '\r' <"$timing")
    sleep 1
    printf '%5d  %9.3f  %6.3f  %6.3f  %8.3f  |  %6.3f    | %5.2f  ||  %6.3f  %6.3f    %5.2f\n' "$r" "$reloaded" \
      "$locked" "$loaded" "$resident" "$fheld" "$(echo "$locked / $fheld" | bc -l)" "$unload" "$ffree" \
      "$(echo "$unload / $ffree" | bc -l)"
    prog_held+=("$locked") floor_held+=("$fheld") prog_free+=("$unload") floor_free+=("$ffree")
    lock_pass+=("$(echo "$locked - $reloaded" | bc -l)") before_lock+=("$reloaded")
  done
  held_ratio=() free_ratio=()
  for i in "${!prog_held[@]}"; do
    held_ratio+=("$(echo "${prog_held[$i]} / ${floor_held[$i]}" | bc -l)")
    free_ratio+=("$(echo "${prog_free[$i]} / ${floor_free[$i]}" | bc -l)")
  done
  per_folder=$(printf '%s\n' "${lock_pass[@]}" | awk -v n="$n" '{print $1 * 1000 / n}' | stats)
  summary+=("$(printf '%6d | %s | %s | %s | %s | %s | %s | %s | %s' "$n" \
    "$(printf '%s\n' "${prog_held[@]}" | stats)" "$(printf '%s\n' "${floor_held[@]}" | stats)" \
    "$(printf '%s\n' "${held_ratio[@]}" | stats)" "$(printf '%s\n' "${before_lock[@]}" | stats)" "$per_folder" \
    "$(printf '%s\n' "${prog_free[@]}" | stats)" "$(printf '%s\n' "${floor_free[@]}" | stats)" \
    "$(printf '%s\n' "${free_ratio[@]}" | stats)")")
done
echo
echo "figures as least median, over $rounds rounds; seconds unless marked"
echo "folders | start to all held | floor | ratio | list read (before lock all) | lock all ms per folder | log-off to free | floor | ratio"
printf '%s\n' "${summary[@]}"
