#!/usr/bin/env bash
# Checks of the Windows program that scripts/build-windows made, under Wine
# (Debian's wine64) with a private Xvfb and a private WINEPREFIX:
#   1. the zip holds the program, its DLLs, the twelve assets, the font with
#      its licence and README.txt, and every DLL that anything in it imports
#      is either in it or part of Windows;
#   2. marivane.exe started from an unrelated folder: its window, the help
#      panel's text in the shipped font (Wine has no Verdana), the textured
#      scene, also after F11 to full screen and back, Down x 40 as on Linux,
#      Ctrl+Q with status 0, no warning in stderr.txt (windows_scene_check
#      scene);
#   3. with the shipped font removed as well: it still runs, and stderr.txt
#      names both places a font was looked for (windows_scene_check no-font);
#   4. a resize keeps the window's place and outer size through the Windows
#      calls (window_placement_check.exe, built beside the program);
#   5. the installer, run silently, installs for the user with a Start-menu
#      entry and an uninstall entry; its uninstaller takes everything away.
# Usage: tests/windows/check_windows.sh [LINUX_BUILD [WINDOWS_BUILD]]
# Everything is written under WINDOWS_BUILD/wine-check/ (the Wine prefix in
# WINDOWS_BUILD/wine-prefix/, made once and kept). Ends with the line
# "windows: N passed, N failed" and fails when any check failed.
set -uo pipefail
cd "$(dirname "$0")/../.."
build=$(cd "${1:-build}" && pwd)
out=$(cd "${2:-build-windows}" && pwd)
work=$out/wine-check
rm -rf "$work"
mkdir -p "$work"

passed=0
failed=0
ok() { echo "windows: ok: $*"; passed=$((passed + 1)); }
bad() { echo "windows: FAILED: $*"; failed=$((failed + 1)); }
finish() {
  echo "windows: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

version=$(sed -n 's/^project(Marivane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip=$out/marivane-$version-win64.zip
setup=$out/marivane-$version-setup.exe
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
for needed in "$zip" "$setup" "$wine" "$build/windows_scene_check"; do
  [ -e "$needed" ] || { bad "$needed is missing (scripts/build-windows, the Linux build)"; finish; }
done

source scripts/lib/xvfb.sh
start_private_xvfb
export WINEPREFIX=$out/wine-prefix WINEDEBUG=-all WINEARCH=win64
# No wine-mono or wine-gecko install prompts: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
stop_wine() { "$wineserver" -k 2>/dev/null || true; }
trap 'stop_wine; stop_private_xvfb' EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot --init >"$work/wineboot.log" 2>&1
  "$wineserver" -w
fi

# 1. The zip.
unzip -q "$zip" -d "$work/zip"
app=$work/zip/marivane-$version-win64
expected=(marivane.exe orlin.dll SDL.dll libpng16.dll zlib1.dll libfreetype.dll
  rock.png water.png mackerel_texture_red.png mackerel_texture_orange.png mackerel_texture_yellow.png
  mackerel_texture_green.png mackerel_texture.png mackerel_texture_purple.png underwater_sun.png
  depth_scale.png depth_arrow.png mackerel.obj DejaVuSans.ttf licences/dejavu-fonts.txt README.txt)
missing=""
for f in "${expected[@]}"; do
  [ -s "$app/$f" ] || missing+=" $f"
done
# A DLL resolves when it ships beside the program or Windows has it
# (Wine's system32 holds Windows' own set).
unresolved=""
for binary in "$app"/*.exe "$app"/*.dll; do
  for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p'); do
    if [ -z "$(find "$app" "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
      unresolved+=" $(basename "$binary"):$dll"
    fi
  done
done
if [ -z "$missing" ] && [ -z "$unresolved" ]; then
  ok "the zip ($(stat -c %s "$zip") bytes) holds the program, its DLLs, the assets and the font; every import resolves"
else
  bad "the zip lacks:${missing:- nothing}; imports found nowhere:${unresolved:- none}"
fi

# Wine has no Verdana: the checks below see the shipped font at work.
if [ -n "$(find "$WINEPREFIX/drive_c/windows/Fonts" -iname verdana.ttf -print -quit 2>/dev/null)" ]; then
  bad "the Wine prefix has a Verdana under windir; the shipped font is not what the checks see"
fi

# Starts PROGRAM_FOLDER\marivane.exe under Wine, from whatever folder the
# check starts it in.
launcher() {
  local folder=$1 script=$2
  printf '#!/bin/sh\nexec %s %s\n' "$wine" "$folder/marivane.exe" >"$script"
  chmod +x "$script"
}

# 2. The program from an unrelated folder.
mkdir -p "$work/shots"
launcher "$app" "$work/launch-scene"
if (cd "$work" && "$build/windows_scene_check" scene "$work/launch-scene" "$app" "$work/shots"); then
  ok "marivane.exe from an unrelated folder: window, text, textured scene (also after F11 and back), depth, Ctrl+Q, no warning"
else
  bad "marivane.exe from an unrelated folder (screenshots in $work/shots)"
fi

# 3. No font anywhere.
cp -r "$app" "$work/no-font"
rm -f "$work/no-font/DejaVuSans.ttf" "$work/no-font/stderr.txt" "$work/no-font/stdout.txt"
launcher "$work/no-font" "$work/launch-no-font"
if (cd "$work" && "$build/windows_scene_check" no-font "$work/launch-no-font" "$work/no-font" "$work/shots"); then
  ok "without any font it runs and warns, naming both places"
else
  bad "without any font (screenshots in $work/shots)"
fi

# 4. The window's place across a resize.
placement=$out/program/window_placement_check.exe
if [ -f "$placement" ]; then
  cp -r "$app" "$work/placement"
  cp "$placement" "$work/placement/"
  (cd "$work" && timeout 120 "$wine" "$work/placement/window_placement_check.exe" >"$work/placement.log" 2>&1)
  status=$?
  result=$(tail -n 1 "$work/placement/stdout.txt" 2>/dev/null)
  if [ $status -eq 0 ]; then
    ok "a resize through the event pump keeps the window's place and outer size ($result)"
  else
    bad "a resize, status $status: $(cat "$work/placement/stdout.txt" 2>/dev/null)"
  fi
else
  bad "no $placement (scripts/build-windows)"
fi

# 5. The installer and its uninstaller, silent, for the current user.
user_dir=$WINEPREFIX/drive_c/users/$(id -un)
installed=$user_dir/AppData/Local/Programs/Marivane
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Marivane.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Marivane'
rm -rf "$installed" "$shortcut"
"$wine" "$setup" /S >"$work/setup.log" 2>&1
"$wineserver" -w
problems=""
for f in "${expected[@]}" uninstall.exe; do
  [ -s "$installed/$f" ] || problems+=" no $f;"
done
cmp -s "$installed/marivane.exe" "$app/marivane.exe" || problems+=" marivane.exe differs from the zip's;"
[ -s "$shortcut" ] || problems+=" no Start-menu entry;"
"$wine" reg query "$uninstall_key" /v UninstallString >"$work/reg.log" 2>&1 || problems+=" no uninstall entry;"
"$wine" "$installed/uninstall.exe" /S >>"$work/setup.log" 2>&1
"$wineserver" -w
[ ! -e "$installed" ] || problems+=" left after uninstalling: $(cd "$installed" && find . -type f | head -5 | tr '\n' ' ');"
[ ! -e "$shortcut" ] || problems+=" the Start-menu entry stays after uninstalling;"
"$wine" reg query "$uninstall_key" >/dev/null 2>&1 && problems+=" the uninstall entry stays;"
if [ -z "$problems" ]; then
  ok "the installer ($(stat -c %s "$setup") bytes) installs with a Start-menu entry; the uninstaller removes it all"
else
  bad "the installer:$problems"
fi

finish
