# build_instrumented_libpng FOLDER: fetches libpng's Debian source package
# (Debian's patches applied) through a private apt configuration, as
# scripts/build-windows does, builds it as a static library with clang, the
# fuzzer's coverage instrumentation and AddressSanitizer and UBSan, installs
# it under FOLDER/prefix and prints that prefix. Built once; a later call
# reuses it while the source version is the same.

build_instrumented_libpng() {
  local out=$1
  out=$(mkdir -p "$out" && cd "$out" && pwd)
  local apt_dir=$out/apt prefix=$out/prefix
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  cat >"$apt_dir/sources.list" <<'SOURCES'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
SOURCES
  local apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache")
  [ "$(id -u)" -ne 0 ] || apt_opts+=(-o APT::Sandbox::User=root)

  if [ -f "$prefix/lib/libpng16.a" ] && [ -f "$prefix/version" ]; then
    echo "fuzz: reusing the instrumented libpng $(cat "$prefix/version")" >&2
    echo "$prefix"
    return 0
  fi
  echo "fuzz: building libpng from Debian's source with the fuzzer's instrumentation (log: $out/build.log)" >&2
  (
    set -e
    apt-get "${apt_opts[@]}" -qq update
    rm -rf "$out/src" "$out/obj" "$prefix"
    mkdir -p "$out/src"
    cd "$out/src"
    apt-get "${apt_opts[@]}" -q source libpng1.6
    local dir
    dir=$(find . -mindepth 1 -maxdepth 1 -type d | head -n1)
    local flags="-g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
    CC=clang cmake -S "$out/src/${dir#./}" -B "$out/obj" -G Ninja -DCMAKE_BUILD_TYPE=None \
      -DCMAKE_C_FLAGS="$flags" -DCMAKE_POSITION_INDEPENDENT_CODE=ON -DCMAKE_INSTALL_PREFIX="$prefix" \
      -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DPNG_FRAMEWORK=OFF
    cmake --build "$out/obj"
    cmake --install "$out/obj"
    echo "${dir#./libpng1.6-}" >"$prefix/version"
  ) >"$out/build.log" 2>&1 || { echo "fuzz: building libpng failed; the end of $out/build.log:" >&2; tail -n 30 "$out/build.log" >&2; return 1; }
  echo "$prefix"
}
