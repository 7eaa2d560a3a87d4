#!/usr/bin/env bash
# The checkout benchmark: builds databases of 10 000 and 1 000 000 counter sales
# (five lines each) with talvo-db, then times the scan path, the sale-number
# path and a five-sale validation, embedded and through the local Firebird
# server, with our indexes and without them. Prints one table. As root; the
# server must be running with the password of TALVO.key (scripts/test.sh does both).
#   bench/run.sh [SIZES...]     default: 10000 1000000
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
sizes=("${@:-10000 1000000}")
[ $# -eq 0 ] && sizes=(10000 1000000)
data=/var/lib/firebird/3.0/data/talvo-bench
mkdir -p "$data"
chown firebird:firebird "$data"

# Our own indexes; the keys stay.
drop_indexes() {
    isql-fb -q "$1" <<'SQL'
drop index IX_VENTE_CODE_BRRE; drop index IX_VENTE_OUVERTE_N_VENT; drop index IX_VENTE_DATE_N_VENT; drop index IX_VENTE_NUM_GLOBAL; drop index IX_VENTE_JOUR;
drop index IX_ARTICLE_VENTE; drop index IX_ARTICLE_CLE_VENTE; commit;
SQL
}

echo "| database | scan median | scan p99 | number median | number p99 | validation median | validation p99 |"
echo "|---|---|---|---|---|---|---|"
for size in "${sizes[@]}"; do
    seeded=$data/seeded-$size.fdb
    if [ ! -f "$seeded" ]; then
        build/bin/talvo-db create "$seeded" >/dev/null
        build/bin/talvo-db seed "$seeded" --sales "$size" >&2
        chown firebird:firebird "$seeded"
    fi
    for schema in indexed plain; do
        # A fresh copy for each run: validations use up open sales.
        for mode in embedded server; do
            copy=$data/run-$size-$schema.fdb
            cp "$seeded" "$copy"
            chown firebird:firebird "$copy"
            [ "$schema" = plain ] && drop_indexes "$copy"
            name=$copy
            [ "$mode" = server ] && name=localhost:$copy
            build/bin/checkout-bench "$name" "$size sales, $mode, $schema"
            rm -f "$copy"
        done
    done
done
