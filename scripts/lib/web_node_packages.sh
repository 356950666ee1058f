# Installs the node packages the web check uses (puppeteer-core, pinned by
# tests/web/package-lock.json) into a folder of the web build, unless the
# same lockfile's packages are already there. Prints that folder.
# Usage: source scripts/lib/web_node_packages.sh; web_node_packages WEB_BUILD_DIR
web_node_packages() {
  local node_dir=$1/node
  if [ ! -d "$node_dir/node_modules/puppeteer-core" ] || ! cmp -s tests/web/package-lock.json "$node_dir/package-lock.json"; then
    echo "installing the pinned node packages into $node_dir" >&2
    rm -rf "$node_dir"
    mkdir -p "$node_dir"
    cp tests/web/package.json tests/web/package-lock.json "$node_dir/"
    (cd "$node_dir" && npm ci --no-audit --no-fund --silent) >&2
  fi
  echo "$node_dir"
}
