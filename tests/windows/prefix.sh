#!/usr/bin/env bash
# Makes the Wine prefix that the Windows tests share, before they start.
set -u
. "$(dirname "$0")/wine.sh"
wine_prefix
echo "wine prefix: $WINEPREFIX"
