# sdl12-compat, SDL 1.2's interface over SDL 2, which most current
# distributions ship in place of SDL 1.2.15. Fetched once as Debian's
# libsdl1.2-compat package and unpacked into the build folder; nothing is
# installed over the system's SDL 1.2 (only SDL 2's runtime, which it needs,
# is installed when missing).
# Usage: source scripts/lib/sdl12_compat.sh; dir=$(sdl12_compat_libdir BUILD_DIR)
# then run with LD_LIBRARY_PATH="$dir".
sdl12_compat_libdir() {
  local build=$1
  local cache="$build/sdl12-compat"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  if [ "$(dpkg-query -W -f='${Status}' libsdl2-2.0-0 2>/dev/null || true)" != "install ok installed" ]; then
    echo "sdl12-compat: installing libsdl2-2.0-0" >&2
    # Other apt runs on a shared machine may hold the lock for a while.
    $sudo apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=600 \
      libsdl2-2.0-0 >/dev/null || return 1
  fi
  local libdir
  libdir=$(find "$cache/root" -type d -name sdl12-compat 2>/dev/null | head -n1 || true)
  if [ -z "$libdir" ] || [ ! -e "$libdir/libSDL-1.2.so.0" ]; then
    if ! apt-cache show libsdl1.2-compat >/dev/null 2>&1; then
      $sudo apt-get update -qq >&2 || return 1
    fi
    rm -rf "$cache"
    mkdir -p "$cache/root"
    # apt-get download writes into the current folder; as root it warns that
    # the download is not sandboxed, which is harmless here.
    if ! (cd "$cache" && apt-get download -qq libsdl1.2-compat) >"$cache/download.log" 2>&1; then
      cat "$cache/download.log" >&2
      return 1
    fi
    dpkg-deb -x "$cache"/libsdl1.2-compat_*.deb "$cache/root" || return 1
    libdir=$(find "$cache/root" -type d -name sdl12-compat | head -n1)
    if [ -z "$libdir" ] || [ ! -e "$libdir/libSDL-1.2.so.0" ]; then
      echo "sdl12-compat: no libSDL-1.2.so.0 in the package" >&2
      return 1
    fi
  fi
  (cd "$libdir" && pwd)
}

# The suites that reach SDL: every test with a window or a GL context, and
# every end-to-end test (they start the real program, which inherits
# LD_LIBRARY_PATH; liborlin is still found through the program's run path).
sdl12_compat_tests='(^|/)(DepthLightingTest|EnvironmentBoxTest|EventPumpTest|MouseLookTest|FrameTest|MeshDrawingTest'
sdl12_compat_tests+='|SunTest|TextureSetTest|StartupTest|InputHandlersTest|TypedKeyTest|KeyTranslation'
sdl12_compat_tests+='|OverlayTest|OverlayGlState|UnusableFont'
sdl12_compat_tests+='|BadAssetsTest|FishTest|GaugeOnScreen|HelpPanelEndToEnd|InputEndToEndTest|InputStormTest'
sdl12_compat_tests+='|StartupTraceTest|WindowTest|WorldOnScreen|ScreenshotEndToEnd)\.'
