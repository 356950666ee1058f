#!/usr/bin/env bash
# End-to-end checks of the installed program, run by scripts/test after the
# normal pass (the build folder must be built):
#   0. an install from a folder that is configured but not built fails and
#      installs nothing;
#   1. from a fresh folder that scripts/run has built, and no other build
#      step, cmake --install into a temporary prefix, which is then moved: the
#      files are where they belong, --help and --version answer, the program
#      started from an empty folder finds every asset (installed_scene_check);
#      a CMake project and a pkg-config build use the installed Orlin; then
#      an install from it again, and the uninstall target removes every file
#      it wrote;
#   2. scripts/package builds the Debian packages (lintian without errors);
#      the program's package lists the libraries it needs and, extracted
#      with dpkg-deb, passes the same start-up check.
# Everything is written under BUILD/install-check/. Prints one line per
# check and exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
build=$(cd "${1:-build}" && pwd)
work="$build/install-check"
rm -rf "$work"
mkdir -p "$work"

fail() { echo "install check: FAILED: $*"; exit 1; }
ok() { echo "install check: ok: $*"; }

source scripts/lib/xvfb.sh
start_private_xvfb

version=$(sed -n 's/^project(Marivane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
libdir=${libdir:-lib}
assets=(rock.png water.png mackerel_texture_red.png mackerel_texture_orange.png mackerel_texture_yellow.png
  mackerel_texture_green.png mackerel_texture.png mackerel_texture_purple.png underwater_sun.png
  depth_scale.png depth_arrow.png mackerel.obj)

# The program of an installed tree (prefix P) runs and finds everything.
check_program_tree() {
  local prefix=$1 label=$2
  local program="$prefix/bin/marivane"
  [ -x "$program" ] || fail "$label: no $program"
  local a
  for a in "${assets[@]}"; do
    [ -f "$prefix/share/marivane/$a" ] || fail "$label: $a is not in share/marivane"
  done
  local s
  for s in 48 128 256; do
    local icon="$prefix/share/icons/hicolor/${s}x${s}/apps/marivane.png"
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${s}x${s}" ] || fail "$label: no ${s}px icon at $icon"
  done
  desktop-file-validate "$prefix/share/applications/marivane.desktop" >/dev/null \
    || fail "$label: desktop-file-validate rejects marivane.desktop"
  zcat "$prefix/share/man/man6/marivane.6.gz" | grep -q '^\.SH EXIT STATUS' || fail "$label: no manual page"
  local language heading
  for language in de:EXIT-STATUS fr:'CODE DE RETOUR' es:'ESTADO DE SALIDA'; do
    heading=${language#*:}
    language=${language%%:*}
    zcat "$prefix/share/man/$language/man6/marivane.6.gz" | grep -q "^\.SH $heading" \
      || fail "$label: no manual page in share/man/$language/man6"
  done
  readelf -d "$prefix/$libdir/liborlin.so.$version" | grep -q 'SONAME.*\[liborlin\.so\.1\]' \
    || fail "$label: liborlin.so.$version has no SONAME liborlin.so.1"
  [ "$(readlink "$prefix/$libdir/liborlin.so.1")" = "liborlin.so.$version" ] || fail "$label: liborlin.so.1 link"

  local out
  out=$(cd "$work" && "$program" --version) || fail "$label: --version exited non-zero"
  [ "$out" = "marivane $version" ] || fail "$label: --version printed '$out'"
  out=$(cd "$work" && "$program" --help) || fail "$label: --help exited non-zero"
  [[ "$out" == Usage:* ]] || fail "$label: --help printed '$out'"

  mkdir -p "$work/shots-$label"
  "$build/installed_scene_check" "$program" "$work/shots-$label" || fail "$label: the installed program's scene"
  ok "$label: files in place, --help and --version, every asset found from an empty folder"
}

# 0. Never a half install.
cmake -S . -B "$work/unbuilt" -G Ninja -DMARIVANE_TESTS=OFF >/dev/null
if cmake --install "$work/unbuilt" --prefix "$work/half" > "$work/half.log" 2>&1; then
  fail "an install from an unbuilt folder succeeded"
fi
grep -q "Nothing was installed" "$work/half.log" || { cat "$work/half.log"; fail "no reason given for the refused install"; }
[ ! -e "$work/half" ] || fail "the refused install left files: $(find "$work/half" -type f | head -n3)"
ok "an install from an unbuilt folder is refused before it copies anything"

# 1. What scripts/run leaves is enough to install: cmake --install into a
# prefix, then moved as a whole.
run_build="$work/run-build"
env -u DISPLAY MARIVANE_BUILD_DIR="$run_build" MARIVANE_RUN_SECONDS=1 scripts/run > "$work/run.log" 2>&1 \
  || { cat "$work/run.log"; fail "scripts/run"; }
cmake --install "$run_build" --prefix "$work/prefix" > "$work/install.log" 2>&1 \
  || { cat "$work/install.log"; fail "cmake --install after scripts/run"; }
mv "$work/prefix" "$work/moved"
moved="$work/moved"
[ "$(readlink "$moved/$libdir/liborlin.so")" = "liborlin.so.1" ] || fail "no liborlin.so link-time name"
check_program_tree "$moved" installed

cmake -S tests/install/orlin_consumer -B "$work/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$moved" >/dev/null \
  || fail "find_package(Orlin) against $moved"
cmake --build "$work/consumer" >/dev/null || fail "building the Orlin consumer with CMake"
"$work/consumer/orlin_consumer" >/dev/null || fail "running the CMake-built Orlin consumer"
flags=$(PKG_CONFIG_PATH="$moved/$libdir/pkgconfig" pkg-config --cflags --libs orlin) || fail "pkg-config orlin"
g++ -std=c++20 tests/install/orlin_consumer/main.cpp $flags -Wl,-rpath,"$moved/$libdir" \
  -o "$work/orlin_consumer_pc" || fail "building the Orlin consumer with pkg-config ($flags)"
"$work/orlin_consumer_pc" >/dev/null || fail "running the pkg-config-built Orlin consumer"
ok "a CMake project (find_package(Orlin)) and a pkg-config build link the installed Orlin"

# The way back: the uninstall target removes every file the install wrote.
cmake --install "$run_build" --prefix "$work/again" >/dev/null
installed=$(grep -c "" "$run_build/install_manifest.txt")
[ "$installed" -gt 0 ] || fail "the install wrote no manifest"
cmake --build "$run_build" --target uninstall > "$work/uninstall.log" 2>&1 \
  || { cat "$work/uninstall.log"; fail "the uninstall target"; }
while IFS= read -r file; do
  [ ! -e "$file" ] && [ ! -L "$file" ] || fail "the uninstall left $file"
done < "$run_build/install_manifest.txt"
left=$(find "$work/again" ! -type d | head -n3)
[ -z "$left" ] || fail "files left after the uninstall: $left"
for folder in share/marivane share/doc/marivane include/orlin "$libdir/cmake/Orlin"; do
  [ ! -e "$work/again/$folder" ] || fail "the uninstall left the folder $folder"
done
ok "the uninstall target removes all $installed installed files and the program's own folders"

# 2. The Debian packages.
MARIVANE_BUILD_DIR="$build" scripts/package > "$work/package.log" 2>&1 \
  || { cat "$work/package.log"; fail "scripts/package"; }
deb="$build/marivane_${version}_amd64.deb"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libsdl1.2 libpng libgl1 libglu1; do
  [[ "$depends" == *"$needed"* ]] || fail "the package's Depends lacks $needed: $depends"
done
ok "the package depends on: $depends"
mkdir -p "$work/deb-root"
dpkg-deb -x "$deb" "$work/deb-root"
dpkg-deb -x "$build/liborlin-dev_${version}_amd64.deb" "$work/deb-root"
check_program_tree "$work/deb-root/usr" package
echo "install check: ok: lintian: $(grep -c '^[EW]:' "$work/package.log" || true) tags (errors none); see $work/package.log"
