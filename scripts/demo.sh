#!/usr/bin/env bash
# Installs what is missing, builds, prepares the demo working folder demo/
# (an embedded database with demo data, Ch.txt, the receipt layout) and starts
# TALVO there. As root.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/install-deps.sh
scripts/build.sh

mkdir -p demo
if [ ! -f demo/talvo.fdb ]; then
    build/bin/talvo-db create "$root/demo/talvo.fdb"
    build/bin/talvo-db seed "$root/demo/talvo.fdb"
fi
[ -f demo/Etat/Ticket_FR.fr3 ] || build/bin/talvo-db receipt-layout demo/Etat/Ticket_FR.fr3
# Line 2: the working folder shown in the status bar; line 4: the database.
printf 'TALVO\r\nDémo — caisse 1\r\n\r\n%s\r\n' "$root/demo/talvo.fdb" > demo/Ch.txt

cd demo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: TALVO runs on a virtual screen (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$root/build/bin/TALVO"
fi
exec "$root/build/bin/TALVO"
