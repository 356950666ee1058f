#!/usr/bin/env bash
# The web pass of scripts/test: the page built by scripts/build-web, copied
# alone into a folder of its own, opened from file:// in headless chromium
# (tests/web/check_page.js) and compared with the native program's screenshots
# of the same states (tests/web/native_states.sh, under the private Xvfb).
# Usage: tests/web/check_web.sh [BUILD_DIR] [WEB_BUILD_DIR]   (needs a DISPLAY)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(cd "${1:-build}" && pwd)
web=$(cd "${2:-build-web}" && pwd)
[ -f "$web/marivane.html" ] || { echo "web: no $web/marivane.html (scripts/build-web)" >&2; exit 1; }
source scripts/lib/web_node_packages.sh
node_dir=$(web_node_packages "$web")

work=$web/check
rm -rf "$work"
mkdir -p "$work/unrelated folder" "$work/native"
cp "$web/marivane.html" "$work/unrelated folder/"
tests/web/native_states.sh "$build" "$work/native"
NODE_PATH=$node_dir/node_modules node tests/web/check_page.js "$work/unrelated folder/marivane.html" \
  "$work/native" "$work/web" "${MARIVANE_WEB_BENCH_FILE:-}"
