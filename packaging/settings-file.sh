#!/usr/bin/env bash
# Writes the settings file as the release ships it: settings-file.sh SOURCE OUTPUT
# SOURCE is UTF-8 text (packaging/Install.ini.utf8); OUTPUT is UTF-16LE with a byte-order mark
# and CRLF line ends, which Windows' profile functions read the same under every code page
# (an 8-bit file would be read in the system's code page, and its Japanese titles garbled on a
# Western system) and Notepad keeps as it is when the user edits it.
set -euo pipefail
source=$1 output=$2
{ printf '\xff\xfe'; sed 's/$/\r/' "$source" | iconv -f UTF-8 -t UTF-16LE; } > "$output.tmp"
mv "$output.tmp" "$output"
