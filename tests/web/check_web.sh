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
node_dir=$web/node
if [ ! -d "$node_dir/node_modules/puppeteer-core" ] || ! cmp -s tests/web/package-lock.json "$node_dir/package-lock.json"; then
  echo "web: installing the pinned node packages into $node_dir"
  rm -rf "$node_dir"
  mkdir -p "$node_dir"
  cp tests/web/package.json tests/web/package-lock.json "$node_dir/"
  (cd "$node_dir" && npm ci --no-audit --no-fund --silent)
fi

work=$web/check
rm -rf "$work"
mkdir -p "$work/unrelated folder" "$work/native"
cp "$web/marivane.html" "$work/unrelated folder/"
tests/web/native_states.sh "$build" "$work/native"
NODE_PATH=$node_dir/node_modules node tests/web/check_page.js "$work/unrelated folder/marivane.html" \
  "$work/native" "$work/web" "${MARIVANE_WEB_BENCH_FILE:-}"
