# Sourced by the scripts: a private Wine prefix in code page 936 with a 1280 x 800 virtual
# desktop, a virtual X display when there is none, and one persistent wineserver.
# Set VELMORA_WINE_LOCALE to run under another locale (en_US.UTF-8 gives a 12-hour clock).

velmora_root=${velmora_root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$velmora_root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d"}
export LANG=${VELMORA_WINE_LOCALE:-zh_CN.UTF-8}
export LC_ALL=$LANG

velmora_start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local n
  for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
      export VELMORA_XVFB_PID=$!
      export DISPLAY=":$n"
      for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
      echo "wine-env: the virtual display did not come up" >&2
      return 1
    fi
  done
  echo "wine-env: no free display number" >&2
  return 1
}

velmora_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/.velmora-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v '微软雅黑' /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.velmora-ready"
  fi
  # One server for the whole run: each program then starts in well under a second.
  wineserver -p >/dev/null 2>&1 || true
}

velmora_stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${VELMORA_XVFB_PID:-}" ]; then kill "$VELMORA_XVFB_PID" 2>/dev/null || true; fi
}
