# Sourced by the scripts that open windows (tests, benchmarks, gallery): starts an Xvfb display
# of their own, so no window ever lands on the user's screen, and stops the run's wineserver
# and that display when the script exits. Source wine-env.sh first. The screen holds the main
# window at 200 %.
own_display_pid=

own_display_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "$own_display_pid" ]; then
    kill "$own_display_pid" 2>/dev/null || true
  fi
}

# own_display_start NAME: exports DISPLAY; NAME prefixes the message when Xvfb fails.
own_display_start() {
  trap own_display_stop EXIT
  local fd display_no
  # Xvfb picks a free display number itself and writes it to this descriptor.
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 2048x1536x24 -nolisten tcp >/dev/null 2>&1 &
  own_display_pid=$!
  if ! read -r -t 20 display_no <&"$fd"; then
    echo "$1: Xvfb did not start" >&2
    exit 1
  fi
  exec {fd}>&-
  export DISPLAY=":$display_no"
}
