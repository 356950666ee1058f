# Starts a private Xvfb server for this shell and exports its DISPLAY.
# Any DISPLAY already set is left alone and replaced only in this shell.
# Usage: source scripts/lib/xvfb.sh; start_private_xvfb [WIDTHxHEIGHT]
start_private_xvfb() {
  local size=${1:-1920x1080}
  XVFB_TMP=$(mktemp -d)
  Xvfb -displayfd 1 -screen 0 "${size}x24" -nolisten tcp -noreset \
    >"$XVFB_TMP/display" 2>"$XVFB_TMP/xvfb.log" &
  XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    if [ -s "$XVFB_TMP/display" ]; then break; fi
    if ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "Xvfb failed to start:" >&2; cat "$XVFB_TMP/xvfb.log" >&2; return 1
    fi
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$XVFB_TMP/display")"
  # Software GL: llvmpipe gives a real, conformant OpenGL without a GPU.
  export LIBGL_ALWAYS_SOFTWARE=1
  trap stop_private_xvfb EXIT
}

stop_private_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
  [ -n "${XVFB_TMP:-}" ] && rm -rf "$XVFB_TMP"
}
