#!/bin/sh
# Runs two copies of the program on one database file at the same time,
# each planning an item, pricing the first item of the shopping list and
# paying what is priced, round after round, and fails when a trip number was
# given to two payments or a paid row was paid again.
#
# Usage: scripts/two-programs.sh [BUILD_DIR] [ROUNDS] [URL]
#   BUILD_DIR  the build folder holding tools/cartavel-script (default: build)
#   ROUNDS     rounds of each copy (default: 100)
#   URL        an empty PostgreSQL database: the copies share that notebook
#              instead of a file (the logs are made there, in PL/pgSQL)
#
# Each round is one run of the program through the scenario driver. Copy A
# shops at "가게A", copy B at "가게B"; a payment gives all its rows the shop
# of the copy that paid. Two triggers, added to this test's file only, log
# every payment of a row and every row paid while it was paid already: a
# trip number whose payments came from both shops was shared, and any row in
# the second log was paid again. Exit status 0 when neither happened.

set -eu

build=${1:-build}
rounds=${2:-100}
url=${3:-}
driver="$build/tools/cartavel-script"
[ -x "$driver" ] || { echo "two-programs: no $driver; build first" >&2; exit 2; }
command -v sqlite3 > /dev/null || { echo "two-programs: needs the sqlite3 command" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/device"
db="$work/device/Program Files/Cartavel/Orvanemart.cdb"

# The driver, on the file or on the shared notebook.
drive() {
    if [ -n "$url" ]; then "$driver" --device-root "$work/device" --database "$url" -; else "$driver" --device-root "$work/device" -; fi
}
# One query's answer, from the file or the shared notebook.
ask() {
    if [ -n "$url" ]; then psql -X -q -A -t -d "$url" -c "$1"; else sqlite3 "$db" "$1"; fi
}

drive > /dev/null <<'EOF_SETUP'
install
sql insert into ShpStore_tbl values ('가게A'); insert into ShpStore_tbl values ('가게B')
sql insert into Unit_tbl values ('개'); insert into Category_tbl values ('과일')
sql insert into ProdName_tbl values ('과일','사과'); insert into ProdName_tbl values ('과일','배')
EOF_SETUP
if [ -n "$url" ]; then
    psql -X -q -v ON_ERROR_STOP=1 -d "$url" > /dev/null <<'EOF_LOGS'
create table Settled (SeqNo integer, MgrNo integer, StoreName text);
create table PaidAgain (SeqNo integer, OldMgrNo integer, NewMgrNo integer);
create function log_payments() returns trigger language plpgsql as $$ begin
  if NEW.PayYN = 'Y' and OLD.PayYN is distinct from 'Y' then insert into Settled values (NEW.SeqNo, NEW.MgrNo, NEW.StoreName); end if;
  if OLD.PayYN = 'Y' and NEW.PayYN = 'Y' then insert into PaidAgain values (NEW.SeqNo, OLD.MgrNo, NEW.MgrNo); end if;
  return NEW; end $$;
create trigger LogPayments after update on ShoppingList_tbl for each row execute function log_payments();
EOF_LOGS
else
    drive > /dev/null <<'EOF_SETUP'
sql create table Settled (SeqNo integer, MgrNo integer, StoreName text)
sql create table PaidAgain (SeqNo integer, OldMgrNo integer, NewMgrNo integer)
sql create trigger LogSettled after update of PayYN on ShoppingList_tbl when NEW.PayYN = 'Y' and OLD.PayYN <> 'Y' begin insert into Settled values (NEW.SeqNo, NEW.MgrNo, NEW.StoreName); end
sql create trigger LogPaidAgain after update of MgrNo on ShoppingList_tbl when OLD.PayYN = 'Y' and NEW.PayYN = 'Y' begin insert into PaidAgain values (NEW.SeqNo, OLD.MgrNo, NEW.MgrNo); end
EOF_SETUP
fi

# One round of a copy: plan, price the first listed item, pay.
round() {
    cat <<EOF_ROUND
today 2024-03-15
start
click 1000
choose 1027 과일
choose 1007 $2
type 1026 2
choose 1009 개
click 1010
close
click 1001
choose 1006 $1
click 1051
tap 1012 0
type 1017 500
click 1010
click 1023
click 1010
EOF_ROUND
}

copy() {
    name=$1
    product=$2
    i=1
    while [ "$i" -le "$rounds" ]; do
        round "$name" "$product" | drive >> "$work/$name.txt" 2>&1 || true
        i=$((i + 1))
    done
}

copy 가게A 사과 &
a=$!
copy 가게B 배 &
b=$!
wait "$a" "$b"

announced=$(cat "$work/가게A.txt" "$work/가게B.txt" | grep -c '금액지불 처리완료' || true)
refused=$(cat "$work/가게A.txt" "$work/가게B.txt" | grep -c '처리오류' || true)
integrity=ok
[ -n "$url" ] || integrity=$(sqlite3 "$db" "pragma integrity_check")
shared=$(ask "select count(*) from (select MgrNo from Settled group by MgrNo having count(distinct StoreName) > 1) as shared_trips")
paid_again=$(ask "select count(*) from PaidAgain")
trips=$(ask "select count(distinct MgrNo) from Settled")
rows=$(ask "select count(*) from Settled")
echo "two-programs: 2 x $rounds rounds; $announced payments announced, $refused refusals (처리오류);"
echo "  $trips trips of $rows paid rows; trip numbers shared: $shared; rows paid again: $paid_again; integrity: $integrity"
if [ "$shared" = "0" ] && [ "$paid_again" = "0" ] && [ "$integrity" = "ok" ] && [ "$announced" -gt 0 ]; then
    echo "two-programs: every check held"
    exit 0
fi
echo "two-programs: FAILED"
exit 1
