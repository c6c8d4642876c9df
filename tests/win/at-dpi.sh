#!/bin/sh
# Runs a Windows program under Wine with the display at another scale: in a prefix of its own
# beside the usual one (WINEPREFIX-<dpi>), whose HKCU\Control Panel\Desktop\LogPixels is the DPI
# and whose virtual desktop is the usual 1280x1024. The prefix is made on first use.
#   at-dpi.sh DPI PROGRAM [ARGUMENTS...]
set -eu
dpi=$1
shift
WINEPREFIX="${WINEPREFIX:-$HOME/.wine}-$dpi"
export WINEPREFIX
if [ ! -f "$WINEPREFIX/.listedit-ready" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  # The server writes the registry out as it goes; the next start reads the new scale.
  wineserver -w
  touch "$WINEPREFIX/.listedit-ready"
fi
status=0
wine "$@" || status=$?
wineserver -w
exit $status
