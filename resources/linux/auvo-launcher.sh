#!/bin/sh
# Runs AUVO from its own program folder, which holds the manual beside it.
exec "$(dirname "$(readlink -f "$0")")/../lib/auvo/auvo" "$@"
