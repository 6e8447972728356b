#!/usr/bin/env bash
# A throw-away PostgreSQL server for the archive tests: a cluster made with
# initdb in a temporary folder, run as an unprivileged user (postgres when
# started as root), listening on 127.0.0.1 and a socket in that folder.
#   scripts/pg_test_server.sh start [FOLDER] [PORT]  prints the URL for KAV_TEST_PG_URL
#   scripts/pg_test_server.sh stop  [FOLDER]
# Exit code not 0 when the server cannot be started.
set -euo pipefail

action=${1:-start}
dir=${2:-${TMPDIR:-/tmp}/kav-pg}
port=${3:-55432}
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bin" ] || { echo "PostgreSQL is not installed (Debian package postgresql)" >&2; exit 1; }

as_owner() {
    if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$action" in
start)
    if [ ! -s "$dir/data/PG_VERSION" ]; then
        mkdir -p "$dir"
        [ "$(id -u)" = 0 ] && chown postgres: "$dir"
        as_owner "$bin/initdb" -D "$dir/data" -U postgres --auth=trust -E UTF8 --no-instructions >"$dir/initdb.log" 2>&1 ||
            { cat "$dir/initdb.log" >&2; exit 1; }
    fi
    if ! as_owner "$bin/pg_ctl" -D "$dir/data" status >/dev/null 2>&1; then
        as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
            -o "-c listen_addresses=127.0.0.1 -p $port -k $dir" start >/dev/null ||
            { tail -n 20 "$dir/server.log" >&2; exit 1; }
    fi
    psql=("$bin/psql" -h 127.0.0.1 -p "$port" -U postgres -v ON_ERROR_STOP=1 -qtA)
    "${psql[@]}" -c "SELECT 1 FROM pg_roles WHERE rolname = 'kav'" | grep -q 1 ||
        "${psql[@]}" -c "CREATE ROLE kav LOGIN" >/dev/null
    "${psql[@]}" -c "SELECT 1 FROM pg_database WHERE datname = 'kav_test'" | grep -q 1 ||
        "${psql[@]}" -c "CREATE DATABASE kav_test OWNER kav" >/dev/null
    echo "postgresql://kav@127.0.0.1:$port/kav_test"
    ;;
stop)
    [ -d "$dir/data" ] && as_owner "$bin/pg_ctl" -D "$dir/data" -m fast stop >/dev/null 2>&1 || true
    ;;
*)
    echo "usage: $0 start|stop [FOLDER] [PORT]" >&2
    exit 64
    ;;
esac
