#!/usr/bin/env bash
# The packages end to end, from the binaries of this build (no release build): the zip unpacked
# into a fresh folder and started (setup, then the bar); the installer run silently, its files,
# start-menu shortcut and uninstall entry checked; the uninstaller keeps Kestrel.ini.
#   PackageTest.sh <source root> <build folder> <e2e driver .exe>
# Exits 77 (reported as skipped) when zip, unzip or makensis is not installed.
set -uo pipefail
root=$1 build=$2 driver=$3
for tool in zip unzip makensis lnkinfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
failures=0
check() { # check <description> <command...>
  if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}

work=$build/package-test
rm -rf "$work"
mkdir -p "$work"
"$root/tools/package" --from "$build/bin" --arch i686 --out "$work/dist" || exit 1
zip_file=$(ls "$work"/dist/Kestrel-*-i686.zip)
setup=$(ls "$work"/dist/Kestrel-*-i686-setup.exe)

# shellcheck source=tools/wine-env
source "$root/tools/wine-env"
kestrel_wine_env i686 && kestrel_ensure_display && kestrel_ensure_prefix || exit 1
win_path() { timeout 30 wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }

unzip -q "$zip_file" -d "$work/unzipped"
check "the zip holds the program and its read-me files" \
  test -f "$work/unzipped/Kestrel/Kestrel.exe" -a -f "$work/unzipped/Kestrel/Hatchling.exe" \
  -a -f "$work/unzipped/Kestrel/README-ja.txt" -a -f "$work/unzipped/Kestrel/LICENSE.txt"
KESTREL_UNPACKED=$(winepath -w "$work/unzipped/Kestrel")
export KESTREL_UNPACKED
check "the unpacked zip sets itself up and shows the bar" "$root/tools/wine-exec" i686 "$driver" \
  --gtest_filter=ReleaseTest.AnUnpackedPackageSetsItselfUpThenShowsTheBar

check "the installer runs silently" timeout 120 wine "$setup" /S
installed=$(winepath -u "$(win_path LOCALAPPDATA)\\Programs\\Kestrel")
menu=$(winepath -u "$(win_path APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Kestrel")
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrel'
for f in Kestrel.exe Hatchling.exe README-ja.txt README-en.txt LICENSE.txt Uninstall.exe; do
  check "installed $f" test -f "$installed/$f"
done
for f in Plumage.dll Talon.dll; do
  [[ -f "$build/bin/$f" ]] && check "installed $f" test -f "$installed/$f"
done
check "the start-menu shortcut starts Kestrel.exe" \
  grep -q 'Kestrel\\Kestrel.exe' <(lnkinfo "$menu/Kestrel.lnk" 2>/dev/null)
entry=$(timeout 30 wine reg query "$key" /v UninstallString 2>/dev/null | tr -d '\r')
check "the uninstall entry names the uninstaller" grep -q 'Kestrel\\Uninstall.exe' <<<"$entry"

# Uninstalling with the default answers leaves the user's settings.
printf '[Common]\r\nTrans=10\r\n' >"$installed/Kestrel.ini"
timeout 60 wine "$installed/Uninstall.exe" /S
# The uninstaller runs from a copy of itself in the temporary folder: wait for its work, the
# files first, then the start-menu folder, then the entry.
for _ in $(seq 300); do
  [[ -e "$installed/Kestrel.exe" || -e "$installed/Uninstall.exe" || -e "$menu" ]] || break
  sleep 0.1
done
check "the uninstaller removed the programs" test ! -e "$installed/Kestrel.exe" -a ! -e "$installed/Uninstall.exe"
check "the uninstaller kept Kestrel.ini" test -f "$installed/Kestrel.ini"
check "the uninstaller removed the shortcut" test ! -e "$menu/Kestrel.lnk"
check "the uninstaller removed its entry" bash -c "for _ in 1 2 3 4 5; do
    timeout 30 wine reg query '$key' >/dev/null 2>&1 || exit 0; sleep 1; done; exit 1"

rm -rf "$installed" "$work"
((failures == 0))
