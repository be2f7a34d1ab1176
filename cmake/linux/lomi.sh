#!/bin/sh
# Starts Lomi from its program folder, which holds its data and settings.
tu=$(dirname "$(readlink -f "$0")")
exec "$tu/../lib/lomi/lomi" "$@"
