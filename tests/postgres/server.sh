#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests and the benchmark, from
# Debian's postgresql package: made with initdb in a new temporary folder,
# listening on a Unix socket in that folder only (no TCP port, so servers of
# several builds never meet), trusting local connections (no password
# anywhere). The server runs as an unprivileged user: the caller, or the
# postgres user (else nobody) when the caller is root.
#
#   server.sh start STATE            starts a server; STATE (a file) records its folder
#   server.sh stop STATE             stops it and removes its folder; nothing when none runs
#   server.sh run STATE NAME CMD...  runs CMD on a new empty database NAME, dropped afterwards:
#                                    CARTAVEL_TEST_DATABASE holds its connection, and so does
#                                    every argument's @DATABASE@
set -euo pipefail

bindir() {
    local dir
    dir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
    [ -x "$dir/initdb" ] || { echo "server.sh: no PostgreSQL server programs (scripts/setup.sh installs them)" >&2; exit 1; }
    echo "$dir"
}

# Runs a command as the server's user.
as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        local user=postgres
        id -u "$user" >/dev/null 2>&1 || user=nobody
        runuser -u "$user" -- "$@"
    else
        "$@"
    fi
}

url_of() { echo "postgresql:///$2?host=$1&user=cartavel"; }

start() {
    local state=$1 bin folder
    stop "$state"
    bin=$(bindir)
    folder=$(mktemp -d /tmp/cartavel-pg.XXXXXX)
    chmod 755 "$folder"
    if [ "$(id -u)" -eq 0 ]; then
        local user=postgres
        id -u "$user" >/dev/null 2>&1 || user=nobody
        chown "$user" "$folder"
    fi
    echo "$folder" > "$state"
    as_owner "$bin/initdb" -D "$folder/data" -U cartavel --auth=trust -E UTF8 --no-locale >"$folder/initdb.log" 2>&1 ||
        { cat "$folder/initdb.log" >&2; exit 1; }
    # Durability is the benchmark's business (CARTAVEL_PG_DURABLE=1); the
    # tests need none of it.
    local durable="-c fsync=off -c synchronous_commit=off -c full_page_writes=off"
    [ "${CARTAVEL_PG_DURABLE:-0}" = 1 ] && durable=""
    as_owner "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
        -o "-k $folder -c listen_addresses= -c max_connections=200 $durable" start >/dev/null ||
        { cat "$folder/server.log" >&2; exit 1; }
    echo "PostgreSQL test server running in $folder"
}

stop() {
    local state=$1 folder
    [ -f "$state" ] || return 0
    folder=$(cat "$state")
    if [ -d "$folder/data" ]; then
        as_owner "$(bindir)/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$folder" "$state"
}

run() {
    local state=$1 name=$2 folder url
    shift 2
    folder=$(cat "$state")
    name=$(echo "$name" | tr -c 'a-zA-Z0-9_\n' '_')
    PGOPTIONS="-c client_min_messages=warning" psql -X -q -v ON_ERROR_STOP=1 -d "$(url_of "$folder" postgres)" \
        -c "DROP DATABASE IF EXISTS \"$name\"" -c "CREATE DATABASE \"$name\" TEMPLATE template0" >/dev/null
    url=$(url_of "$folder" "$name")
    local args=()
    for a in "$@"; do args+=("${a//@DATABASE@/"$url"}"); done
    local status=0
    CARTAVEL_TEST_DATABASE=$url "${args[@]}" || status=$?
    psql -X -q -d "$(url_of "$folder" postgres)" -c "DROP DATABASE IF EXISTS \"$name\" WITH (FORCE)" >/dev/null || true
    return $status
}

case "${1:-}" in
start) start "$2" ;;
stop) stop "$2" ;;
run) shift; run "$@" ;;
*) echo "usage: server.sh start|stop STATE | run STATE NAME CMD..." >&2; exit 2 ;;
esac
