# shellcheck shell=bash
# Sourced by the scripts that run talqo.exe under Wine. Every run shares one 64-bit
# prefix, created once and reused, and can have a virtual display of its own.
# tests/e2e/harness.py follows the same rules; change both together.

export WINEPREFIX="${TALQO_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/talqo/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
# Without these Wine offers to download Mono and Gecko on the prefix's first start.
export WINEDLLOVERRIDES="mscoree,mshtml="

# A prefix without this marker was never finished, so it is built again.
TALQO_PREFIX_MARKER="$WINEPREFIX/.talqo-prefix-ready"

talqo_ensure_wine_prefix() {
  [[ -f $TALQO_PREFIX_MARKER ]] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Two runs that start together build the prefix once: the second waits for the first.
  (
    flock 9
    if [[ ! -f $TALQO_PREFIX_MARKER ]]; then
      echo "wine-env: creating the Wine prefix $WINEPREFIX" >&2
      rm -rf "$WINEPREFIX"
      DISPLAY='' wine wineboot -i >/dev/null 2>&1
      wineserver -w
      touch "$TALQO_PREFIX_MARKER"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# Starts Xvfb on a display that no other server uses and waits until it answers.
# Sets TALQO_XVFB_PID and TALQO_XVFB_DISPLAY (":N"); the caller ends it by that pid.
talqo_start_xvfb() {
  local timeout_tenths=200
  local number_file
  number_file=$(mktemp)
  # Xvfb picks the display number itself and writes it once it accepts connections.
  # -noreset: by default the server starts afresh whenever its last client leaves, which
  # puts the pointer back at the screen's centre after every xdotool call made before
  # Wine connects.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
  TALQO_XVFB_PID=$!
  TALQO_XVFB_DISPLAY=
  local waited=0
  while :; do
    [[ -z $TALQO_XVFB_DISPLAY && -s $number_file ]] && TALQO_XVFB_DISPLAY=":$(head -n1 "$number_file")"
    [[ -n $TALQO_XVFB_DISPLAY ]] && xdpyinfo -display "$TALQO_XVFB_DISPLAY" >/dev/null 2>&1 && break
    if ! kill -0 "$TALQO_XVFB_PID" 2>/dev/null || ((waited >= timeout_tenths)); then
      kill "$TALQO_XVFB_PID" 2>/dev/null || true
      rm -f "$number_file"
      echo "wine-env: Xvfb did not start" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  rm -f "$number_file"
}
