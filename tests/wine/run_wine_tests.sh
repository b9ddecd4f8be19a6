#!/usr/bin/env bash
# Runs driver.exe against kvelt.exe under Wine, in its own Xvfb display and a 1024 x 768 Wine
# desktop where screen-mode changes really happen. Exits 77 (skipped) without Wine or Xvfb.
# Usage: run_wine_tests.sh WINDOWS_BIN_DIR WORK_DIR ARTIFACTS_DIR
set -euo pipefail
bin=$1
work=$2
artifacts=$3

wine=$(command -v wine64 || true)
[[ -z "$wine" && -x /usr/lib/wine/wine64 ]] && wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || true)
[[ -z "$wineserver" && -x /usr/lib/wine/wineserver ]] && wineserver=/usr/lib/wine/wineserver
for tool in "$wine" "$wineserver" "$(command -v Xvfb || true)"; do
  if [[ -z "$tool" ]]; then
    echo "SKIPPED: Wine (wine64) or Xvfb is not installed; tools/install-deps.sh installs them"
    exit 77
  fi
done
for exe in kvelt.exe driver.exe; do
  [[ -f "$bin/$exe" ]] || { echo "missing $bin/$exe: the Windows build did not run"; exit 1; }
done

rm -rf "$work"
mkdir -p "$work/run" "$artifacts"
cp "$bin/kvelt.exe" "$bin/driver.exe" "$work/run/"
# The winning game's lines, for the turns that lead to a lost game.
cp "$(dirname "$0")/../data/winning_sequence.txt" "$work/"

# Wine sees the whole file system as drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

xvfb_pid=""
cleanup() {
  WINEPREFIX="$work/prefix" "$wineserver" -k >/dev/null 2>&1 || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 1 100); do
  read -r -t 0.1 display <&3 && break || true
  display=""
done
[[ -n "$display" ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
exec 3<&-

export DISPLAY=":$display"
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
# No Mono or Gecko download prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

echo "Making a Wine prefix in $WINEPREFIX (slow the first time)"
if ! timeout 300 "$wine" wineboot -i >"$work/wineboot.log" 2>&1 ||
  ! timeout 120 "$wineserver" -w; then
  echo "wineboot failed:"
  tail -n 30 "$work/wineboot.log"
  exit 1
fi

log="$work/driver.log"
echo "Running driver.exe in a 1024x768 Wine desktop on $DISPLAY"
timeout 300 "$wine" explorer /desktop=kvelt,1024x768 "$(windows_path "$work/run/driver.exe")" \
  "$(windows_path "$work/run/kvelt.exe")" "$(windows_path "$work")" \
  "$(windows_path "$work/win32-window.bmp")" >"$work/wine.log" 2>&1 || true
# The wine command may hand the driver to a desktop process and return before it is done; the
# run is over when every process of the prefix has ended.
if ! timeout 300 "$wineserver" -w; then
  echo "driver.exe did not finish within 300 seconds"
fi
if ! cat "$log" 2>/dev/null; then
  echo "driver.exe wrote no log. Wine said:"
  tail -n 30 "$work/wineboot.log" "$work/wine.log" "$work/xvfb.log"
fi

for shot in win32-window win32-map; do
  if [[ -f "$work/$shot.bmp" ]] && command -v convert >/dev/null; then
    convert "$work/$shot.bmp" "$artifacts/$shot.png"
    echo "Screenshot: $artifacts/$shot.png"
  fi
done
cp "$log" "$artifacts/win32-driver.log" 2>/dev/null || true
grep -q "RESULT PASS" "$log"
