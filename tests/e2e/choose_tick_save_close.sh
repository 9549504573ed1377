#!/usr/bin/env bash
# Starts the real quorlin binary under Xvfb beside a prepared store, chooses a task in the selector,
# ticks two lessons, presses "保存并更新", closes the window with Escape, then checks the store file and
# the exit code. Leaves a screenshot in the artifacts folder.
# Usage: choose_tick_save_close.sh <quorlin binary> <artifacts folder>
set -euo pipefail
binary=$1
artifacts=$2
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$binary" "$work/quorlin"
store="$work/Quorlin配置文件.ini"
printf '[%s]\r\n%s=%s\r\n%s=\r\n[%s]\r\n%s=%s\r\n%s=\r\n' \
  英语语法 目录 '第1课 时态|第2课 从句|第3课 虚拟语气' 已完成 \
  高等数学 目录 '极限|导数' 已完成 | iconv -f UTF-8 -t GBK >"$store"

if [ -z "${QUORLIN_E2E_INSIDE:-}" ]; then
  export QUORLIN_E2E_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$binary" "$artifacts"
fi

"$work/quorlin" &
app=$!

# Polls until a window of the app with this title is mapped; prints its id.
find_window() {
  for _ in $(seq 1 200); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.05
  done
  echo "window '$1' did not appear" >&2
  return 1
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

window=$(find_window "TovrinKelmora")
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

# 组合框1 at (16,16) 120x20: open it and choose the first task below the placeholder.
click 76 26
sleep 0.3
xdotool key --window "$window" Down Return
sleep 0.3
# 超级列表框1 at (16,48): the first row; space ticks it, Down moves to the second, space ticks it.
click 60 58
xdotool key --window "$window" space Down space
sleep 0.2
# 按钮5 "保存并更新" at (467,416) 104x32; the save is done when the store file is replaced.
before=$(stat -c %i "$store")
click 519 432
for _ in $(seq 1 200); do
  [ "$(stat -c %i "$store")" != "$before" ] && break
  sleep 0.05
done
import -window root "$artifacts/after-save.png" 2>/dev/null || true
# Escape closes the window on the key press, so the window is gone before the release: the X error
# that xdotool then reports is expected.
xdotool key --window "$window" Escape 2>/dev/null || true

status=0
wait "$app" || status=$?
if [ "$status" -ne 0 ]; then
  echo "quorlin exited with $status" >&2
  exit 1
fi
completed=$(iconv -f GBK -t UTF-8 "$store" | tr -d '\r' | sed -n '3p')
if [ "$completed" != "已完成=0,1" ]; then
  echo "expected 已完成=0,1 in the first task, found: $completed" >&2
  iconv -f GBK -t UTF-8 "$store" >&2
  exit 1
fi
echo "e2e: chose, ticked two lessons, saved and closed; store holds $completed"
