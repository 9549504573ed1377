#!/usr/bin/env bash
# Builds Quorlin, starts a copy of it beside a small sample task store under Xvfb, chooses a task and
# saves a screenshot of its main window to docs/screenshot.png.
# Usage: scripts/screenshot.sh [build-dir]   (default build/screenshot)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build/screenshot}
scripts/install-deps.sh test

# An existing build folder keeps its own settings.
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLIN_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target quorlin

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/src/app/quorlin" "$stage/"
# The store is GBK text with CR LF line ends, as the application writes it.
python3 - "$stage" <<'PY'
import pathlib, sys
store = (
    "[英语语法]\r\n目录=第1课 时态|第2课 从句|第3课 虚拟语气|第4课 非谓语动词|第5课 倒装句\r\n已完成=0,1,3\r\n"
    "[高等数学]\r\n目录=函数与极限|导数与微分|微分中值定理|不定积分|定积分|多元函数微分学|重积分|无穷级数\r\n已完成=0,1\r\n"
    "[操作系统]\r\n目录=进程与线程|调度|同步与互斥|死锁|内存管理|文件系统\r\n已完成=\r\n"
)
pathlib.Path(sys.argv[1], "Quorlin配置文件.ini").write_bytes(store.encode("gbk"))
PY

cat >"$stage/shoot.sh" <<'SH'
#!/usr/bin/env bash
set -euo pipefail
stage=$1 out=$2
"$stage/quorlin" &
app=$!
window=$(xdotool search --sync --onlyvisible --name 'Varnost' | head -n1)
sleep 1
# Choose the first task: open the selector, step down to it and take it.
xdotool mousemove --window "$window" 70 26 click 1
sleep 0.5
xdotool key Down key Return
sleep 1
import -window "$window" "$out"
kill "$app"
SH
chmod +x "$stage/shoot.sh"
mkdir -p docs
xvfb-run -a -s "-screen 0 960x540x24" "$stage/shoot.sh" "$stage" "$root/docs/screenshot.png"
echo "Wrote docs/screenshot.png"
