#!/bin/sh
# Kills the program with SIGKILL at random moments of 50 payments and undos,
# and checks after every kill that the database is whole, that every item
# is in exactly one of its states (planned, priced, paid: data/ItemLife.h),
# that no trip was left partly paid or partly undone, that no trip number
# went to two rounds and that no row was paid while it was paid already.
#
# Usage: scripts/crash-safety.sh [BUILD_DIR] [KILLS] [URL]
#   BUILD_DIR  the build folder holding tools/cartavel-script (default: build)
#   KILLS      how many runs to kill (default: 60)
#   URL        an empty PostgreSQL database: the runs share that notebook
#              instead of the device's file, and a kill drops the client's
#              connection in the middle of its work
#
# Each run drives the program through the scenario driver on one device: 50
# rounds of 24 priced items settled in the payment dialog ("처리"), every
# third round followed by an undo from the search ("취소"). A first run goes
# undisturbed and sets how long a run takes; each later run is killed at a
# random moment within the first 60% of that time (later runs start faster,
# on a warm cache), and the next goes on on the same file. A
# last undisturbed run shows the program still works on what the kills left.
# Exit status 0 when every check held.

set -eu

build=${1:-build}
kills=${2:-60}
url=${3:-}
driver="$build/tools/cartavel-script"
[ -x "$driver" ] || { echo "crash-safety: no $driver; build first" >&2; exit 2; }
if [ -n "$url" ]; then
    command -v psql > /dev/null || { echo "crash-safety: needs the psql command" >&2; exit 2; }
else
    command -v sqlite3 > /dev/null || { echo "crash-safety: needs the sqlite3 command" >&2; exit 2; }
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
db="$work/device/Program Files/Cartavel/Orvanemart.cdb"

# The driver on a scenario file, on the device's file or the shared notebook.
drive() {
    if [ -n "$url" ]; then "$driver" --device-root "$work/device" --database "$url" "$1"; else "$driver" --device-root "$work/device" "$1"; fi
}
# One query's answer, from the file or the shared notebook.
ask() {
    if [ -n "$url" ]; then psql -X -q -A -t -d "$url" -c "$1"; else sqlite3 "$db" "$1"; fi
}

# The installation and the shop, once.
cat > "$work/setup.scn" <<'EOF'
install
sql insert into ShpStore_tbl values ('한빛마트')
sql insert into Unit_tbl values ('개')
EOF
mkdir "$work/device"
drive "$work/setup.scn" > /dev/null

# A log of every row paid while it was paid already, kept by a trigger added
# to this test's notebook only (in PL/pgSQL on a shared one).
if [ -n "$url" ]; then
    psql -X -q -v ON_ERROR_STOP=1 -d "$url" > /dev/null <<'EOF_LOG'
create table PaidAgain (SeqNo integer, OldMgrNo integer, NewMgrNo integer);
create function log_paid_again() returns trigger language plpgsql as $$ begin
  if OLD.PayYN = 'Y' and NEW.PayYN = 'Y' then insert into PaidAgain values (NEW.SeqNo, OLD.MgrNo, NEW.MgrNo); end if;
  return NEW; end $$;
create trigger LogPaidAgain after update on ShoppingList_tbl for each row execute function log_paid_again();
EOF_LOG
else
    cat > "$work/log.scn" <<'EOF_LOG'
sql create table PaidAgain (SeqNo integer, OldMgrNo integer, NewMgrNo integer)
sql create trigger LogPaidAgain after update on ShoppingList_tbl when OLD.PayYN = 'Y' and NEW.PayYN = 'Y' begin insert into PaidAgain values (NEW.SeqNo, OLD.MgrNo, NEW.MgrNo); end
EOF_LOG
    drive "$work/log.scn" > /dev/null
fi

# One round: 24 items bought (written outside the program, like the
# scenarios prepare data), then settled through the program's own dialogs.
round() {
    cat <<'EOF'
sql insert into ShoppingList_tbl with recursive n(i) as (select 1 union all select i + 1 from n where i < 24) select (select coalesce(max(SeqNo), 0) from ShoppingList_tbl) + i, '과일', '상품' || i, 1 + i % 3, '개', 500 + 10 * i, '', 0, 0, (1 + i % 3) * (500 + 10 * i), '2024-03-15', '한빛마트', NULL, '' from n
sql insert into ShoppingList_tbl (SeqNo,CategoryName,ProdName,ShpQty,UnitName,Price,CuponYN,CuponDcAmt,TotDcAmt,ShpAmount,ShpDate,StoreName,MgrNo,PayYN) select max(SeqNo) + 1, '과일', '계획', 1, '개', 0, '', 0, 0, 0, '', '', NULL, '' from ShoppingList_tbl
click 1001
choose 1006 한빛마트
click 1051
click 1023
click 1010
close
EOF
}
undo() {
    cat <<'EOF'
click 1002
tap 1034 0
answer yes
click 1011
close
EOF
}
{
    echo "today 2024-03-15"
    echo "start"
    i=1
    while [ $i -le 50 ]; do
        round
        if [ $((i % 3)) -eq 0 ]; then undo; fi
        i=$((i + 1))
    done
    echo "click 1005"
    echo "expect dialog none"
} > "$work/payments.scn"

# Every row in exactly one of the item's states, as data/ItemLife.h writes
# them in SQL (read from there, so the two never differ).
state() {
    awk -v name="$1" '
        $0 ~ name " =" { on = 1 }
        on { rest = $0
             while (match(rest, /"[^"]*"/)) { text = text substr(rest, RSTART + 1, RLENGTH - 2); rest = substr(rest, RSTART + RLENGTH) }
             if (rest ~ /;/) { print text; exit } }' "$(dirname "$0")/../data/ItemLife.h"
}
one_if() { echo "(case when $1 then 1 else 0 end)"; }
states="select count(*) from ShoppingList_tbl
  where $(one_if "$(state kPlanned)") + $(one_if "$(state kPriced)") + $(one_if "$(state kPaid)") <> 1"

# The 24 items of a round are paid together and undone together, so they
# always share one trip number and paid flag: a round whose items do not was
# left partly paid or partly undone. An item's round is its SeqNo less its
# place in the round (상품1 to 상품24).
partial="select count(*) from (select SeqNo - cast(substr(ProdName, 3) as integer) as round
  from ShoppingList_tbl where ProdName <> '계획'
  group by round having count(distinct coalesce(MgrNo, 0) || PayYN) > 1) as rounds"

# A payment writes all its rows in one transaction, and an undo all the rows
# of its trip: a trip number whose paid rows were written by two transactions
# was given to two payments. The server names each row's transaction (xmin);
# a file has no such name, and one writer at a time.
shared="select count(*) from (select MgrNo from ShoppingList_tbl where PayYN = 'Y'
  group by MgrNo having count(distinct xmin::text) > 1) as shared_trips"

# The server keeps its own files whole; a file is checked by SQLite itself.
check() {
    integrity=ok
    [ -n "$url" ] || integrity=$(ask "pragma integrity_check")
    strays=$(ask "$states")
    partly=$(ask "$partial")
    trips_shared="not read (a file)"
    [ -z "$url" ] || trips_shared=$(ask "$shared")
    paid_again=$(ask "select count(*) from PaidAgain")
    counts=$(ask "select count(*), sum(case when PayYN = 'Y' then 1 else 0 end), count(distinct MgrNo) from ShoppingList_tbl")
    echo "$1: integrity $integrity, rows outside the states $strays, trips partly paid or undone $partly, trip numbers shared $trips_shared, rows paid again $paid_again (rows, paid, trips: $counts)"
    [ "$integrity" = "ok" ] && [ "$strays" = "0" ] && [ "$partly" = "0" ] && { [ -z "$url" ] || [ "$trips_shared" = "0" ]; } && [ "$paid_again" = "0" ]
}

failed=0
# One run undisturbed first: it shows the rounds work, and how long a run
# takes, so that the kills fall inside runs.
started=$(date +%s%N)
drive "$work/payments.scn" > "$work/first.txt" 2>&1 || {
    echo "crash-safety: the rounds fail without any kill:"; tail -5 "$work/first.txt"; exit 1; }
run_ms=$(( ($(date +%s%N) - started) / 1000000 ))
check "undisturbed run of $run_ms ms" || failed=1

# The driver writes each command ("> click 1010") as it starts it, line by
# line; a run killed while its last line is the payment's "처리" or the
# undo's "취소" was killed inside a payment or an undo.
k=1
hits=0
inside=0
while [ $k -le "$kills" ]; do
    stdbuf -oL "$driver" --device-root "$work/device" ${url:+--database "$url"} "$work/payments.scn" > "$work/run.txt" 2>&1 &
    pid=$!
    sleep "$(awk -v seed="$$$k" -v ms="$run_ms" 'BEGIN { srand(seed); printf "%.3f", rand() * ms * 0.6 / 1000 }')"
    if kill -9 "$pid" 2> /dev/null; then hits=$((hits + 1)); fi
    wait "$pid" 2> /dev/null || true
    last=$(tail -n 1 "$work/run.txt")
    case "$last" in
        "> click 1010"|"> click 1011") inside=$((inside + 1)); where=" (inside ${last#> })" ;;
        *) where="" ;;
    esac
    check "kill $k$where" || failed=1
    k=$((k + 1))
done
echo "$hits of $kills kills came while the program ran, $inside of them inside a payment or an undo"

if drive "$work/payments.scn" > "$work/last.txt" 2>&1; then
    check "undisturbed run after the kills" || failed=1
else
    echo "undisturbed run after the kills: the program failed:"
    tail -5 "$work/last.txt"
    failed=1
fi
[ $failed -eq 0 ] && echo "crash-safety: every check held" || echo "crash-safety: FAILED"
exit $failed
