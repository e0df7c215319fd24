#!/usr/bin/env bash
# Runs a command without root's override of permission bits, so that a folder the user may not write to
# is one for the command and for the Wine server it starts. A user other than root has no override.
set -u
if [ "$(id -u)" = 0 ]; then
    exec capsh --drop=cap_dac_override,cap_dac_read_search,cap_fowner -- -c 'exec "$0" "$@"' "$@"
fi
exec "$@"
