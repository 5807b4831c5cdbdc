#!/usr/bin/env bash
# Runs Hatchling.exe in a fresh program folder under Wine and has an independent reader,
# Debian's lnkinfo, read back every template shortcut it created.
#   lnkinfo-check.sh <repository root> <folder of the built binaries>
# Exit code 77 (skipped) when lnkinfo is not installed.
set -uo pipefail
root=$1
bin=$2
command -v lnkinfo >/dev/null || { echo "lnkinfo is not installed (package liblnk-utils)"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/Hatchling.exe" "$work/" || exit 1
# The stand-in of the end-to-end tests only records that it was started.
cp "$bin/e2e/Hatchling.exe" "$work/Kestrel.exe" || exit 1
(cd "$work" && KESTREL_WINE_TIMEOUT=60 "$root/tools/wine-exec" i686 "$work/Hatchling.exe") \
  >/dev/null 2>&1 || { echo "Hatchling.exe failed"; exit 1; }

target="Z:${work//\//\\}\\Hatchling.exe"
failures=0
check() { # file, label, expected value
  local got
  got=$(LC_ALL=C.UTF-8 lnkinfo "$1" 2>/dev/null | sed -n "s/^[[:space:]]*$2[[:space:]]*: //p" | head -n1)
  if [[ "$got" != "$3" ]]; then
    echo "$(basename "$1"): $2 is '$got', expected '$3'"
    failures=$((failures + 1))
  fi
}
while IFS='|' read -r name arguments description icon; do
  file="$work/service/$name.lnk"
  if [[ ! -f "$file" ]] || ! LC_ALL=C.UTF-8 lnkinfo "$file" >/dev/null 2>&1; then
    echo "$name.lnk: missing or not readable by lnkinfo"
    failures=$((failures + 1))
    continue
  fi
  check "$file" "Local path" "$target"
  check "$file" "Command line arguments" "$arguments"
  check "$file" "Description" "$description"
  check "$file" "Icon index" "$icon"
  check "$file" "Icon location" 'C:\windows\system32\SHELL32.DLL'
done <<'TABLE'
ﾌｧｲﾙやﾌｫﾙﾀﾞの検索|/shell /FindFiles|ファイルやフォルダを検索します|49
ほかのｺﾝﾋﾟｭｰﾀの検索|/shell /FindComputer|ほかのコンピュータを検索します|49
ﾌｧｲﾙ名を指定して実行|/shell /RunPrograms|ファイル名を指定して実行します|24
全ｳｨﾝﾄﾞｳを最小化|/shell /MinimizeAll|全ウィンドウを最小化します|2
元に戻す-全て最小化|/shell /UndoMinimize|全ウィンドウの最小化を元に戻します|2
ｼｬｯﾄﾀﾞｳﾝ|/shell /ShutdownWindows|システムをシャットダウンします|25
ｻｽﾍﾟﾝﾄﾞ|/shell /Suspend|システムをサスペンド状態にします|27
全ｳｨﾝﾄﾞｳを重ねて表示|/shell /CascadeWindows|全てのウィンドウを重ねて表示します|0
全ｳｨﾝﾄﾞｳを左右に並べて表示|/shell /TileHorizontally|全てのウィンドウを左右に並べて表示します|0
全ｳｨﾝﾄﾞｳを上下に並べて表示|/shell /TileVertically|全てのウィンドウを上下に並べて表示します|0
TABLE
if ((failures)); then
  echo "$failures shortcut checks failed"
  exit 1
fi
echo "lnkinfo read all ten template shortcuts"
