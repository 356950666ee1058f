# Environment for running a sanitizer build's tests (and the program it
# built) under AddressSanitizer, LeakSanitizer and UBSan.
# Usage: source scripts/lib/sanitizers.sh; sanitizer_env BUILD_DIR
# Exports into the current shell; use a subshell to keep it contained.
sanitizer_env() {
  local build=$1
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  local shim="$build/libkeep_modules.so"
  # Built plainly: it is preloaded into ctest and every helper tool too.
  if [ ! -e "$shim" ] || [ "$root/tests/sanitizers/keep_modules.cpp" -nt "$shim" ]; then
    c++ -std=c++20 -Wall -Wextra -Werror -O2 -shared -fPIC \
      -o "$shim" "$root/tests/sanitizers/keep_modules.cpp"
  fi
  export LD_PRELOAD="$(cd "$build" && pwd)/libkeep_modules.so"
  # verify_asan_link_order: the preloaded shim comes before the ASan runtime.
  export ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0:check_initialization_order=1:detect_stack_use_after_return=1
  export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
}
