#!/usr/bin/env bash
# Starts or stops the Firebird server of this machine, without systemd. As root.
#   firebird-server.sh start PASSWORD   SYSDBA gets PASSWORD; returns once the server answers
#   firebird-server.sh stop
set -euo pipefail

pidfile=/run/firebird3.0/talvo-fbguard.pid
security=/var/lib/firebird/3.0/system/security3.fdb

answers() {
    fbsvcmgr localhost:service_mgr -user SYSDBA -password "$1" info_server_version >/dev/null 2>&1
}

stop() {
    if command -v systemctl >/dev/null && systemctl is-active --quiet firebird3.0 2>/dev/null; then
        systemctl stop firebird3.0
    fi
    if [ -f "$pidfile" ]; then
        # The pidfile holds the server; its parent is the guardian, which would restart it.
        server=$(cat "$pidfile")
        guardian=$(ps -o ppid= -p "$server" 2>/dev/null | tr -d ' ' || true)
        [ -n "$guardian" ] && [ "$guardian" != 1 ] && kill "$guardian" 2>/dev/null || true
        kill "$server" 2>/dev/null || true
        rm -f "$pidfile"
    fi
    pkill -x fbguard 2>/dev/null || true
    pkill -x firebird 2>/dev/null || true
    for _ in $(seq 50); do pgrep -x firebird >/dev/null || return 0; sleep 0.1; done
}

start() {
    local password=$1
    if answers "$password"; then return 0; fi
    stop
    # The password is set in the security database while no server holds it.
    echo "create or alter user SYSDBA password '$password' using plugin Srp; commit;" |
        isql-fb -q -user SYSDBA "$security" >/dev/null
    chown firebird:firebird "$security"
    mkdir -p "$(dirname "$pidfile")"
    chown firebird:firebird "$(dirname "$pidfile")"
    setpriv --reuid=firebird --regid=firebird --init-groups /usr/sbin/fbguard -daemon -forever -pidfile "$pidfile"
    for _ in $(seq 100); do
        if answers "$password"; then return 0; fi
        sleep 0.2
    done
    echo "The Firebird server did not start." >&2
    return 1
}

case "${1:-}" in
    start) start "${2:?password}" ;;
    stop) stop ;;
    *) echo "usage: $0 start PASSWORD | stop" >&2; exit 2 ;;
esac
