#!/bin/bash
# A pupil with a screen reader: the program on a private D-Bus, with its own
# AT-SPI bus, played with real keys and read through AT-SPI (screen_reader.py).
[ -n "${E2E_OWN_BUS:-}" ] || E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
. "$(dirname "$0")/lib.sh"

export XDG_RUNTIME_DIR=$E2E_TMP GSETTINGS_BACKEND=memory
e2e_start_xvfb
e2e_start_wm
e2e_start_atspi_bus
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 e2e_start_app
e2e_wait_window Numerandia >/dev/null || e2e_fail "no start window"
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || e2e_fail "what a screen reader meets"
