#!/bin/bash
# Kill trial of the forward run: KILLS times, a forward run of 600 constituents on the shipped
# database is ended by SIGKILL at a random moment; each time the analysis's result fields and
# GWDelisting rows must be wholly those of the run before (old) or wholly the new run's (new).
# Usage: bench/kill_trial.sh [BUILD_DIR] [KILLS]    (needs the sqlite3 command)
set -euo pipefail
build=$(realpath "${1:-build}")
kills=${2:-150}
dump="$build/tools/engine_dump/engine_dump"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
props="MCL,CSFO,CSFI,ORDO,ORDI,BCF,SOILSAT,TC,HENRY,DIFFW,DIFFA,SOL,DAFLF,DAFSI,TSTAR,K,TAU,B,ORGANIC,BAF,ECOCHRON,CARCNON,MW,VAPORP,KSW,LOGKOW"

cp "$build/ChemDB/TOVIv3.0.db" "$work/base.db"
sqlite3 "$work/base.db" <<SQL
INSERT INTO SITEINFO (SITEKEY, FILENAME) VALUES (1, 'Kill trial');
INSERT INTO WMUINFO (SITEKEY, WMUTYPE, WASTEVOL, WVOLUNIT, ACTVLIFE, RISKFACT, HQFACT)
  VALUES (1, 'LF', 10000, 0, 20, 1e-5, 1);
INSERT INTO SITECOCS (SITEKEY, CHEMCAS, CHEMNAME, TCLPCONC, DLTCLP, TOTCONC, DLTOTAL, $props)
  SELECT 1, CHEMCAS, CHEMNAME, 0.01 * n, 0, 10 * n, 0, $props
  FROM COCS, (SELECT 1 AS n UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4)
  WHERE CHEMCAS NOT IN ('7439-97-6', '22967-92-6') ORDER BY n, COCS.rowid LIMIT 600;
SQL

# The analysis's results as they stand, as one checksum.
state() {
    sqlite3 "$1" "SELECT * FROM SITECOCS WHERE SITEKEY = 1 ORDER BY rowid;
                  SELECT '--'; SELECT * FROM GWDelisting WHERE SITEKEY = 1 ORDER BY rowid;" | md5sum
}

"$dump" forward "$work/base.db" 1 > /dev/null            # the old results
sqlite3 "$work/base.db" "UPDATE CONSTNTS SET BWADULT = BWADULT * 1.1"
old=$(state "$work/base.db")
cp "$work/base.db" "$work/new.db"
start=$(date +%s%N)
"$dump" forward "$work/new.db" 1 > /dev/null            # the new results
run_ms=$(( ($(date +%s%N) - start) / 1000000 ))
new=$(state "$work/new.db")
[ "$old" != "$new" ] || { echo "the new run gives the old results" >&2; exit 1; }

before=0; after=0; mixed=0; ended=0
for ((i = 0; i < kills; i++)); do
    cp "$work/base.db" "$work/trial.db"
    rm -f "$work/trial.db-wal" "$work/trial.db-shm"
    wait_ms=$(( RANDOM % (run_ms + run_ms / 10 + 1) ))
    "$dump" forward "$work/trial.db" 1 > /dev/null 2>&1 &
    pid=$!
    sleep "$(printf '%d.%03d' $((wait_ms / 1000)) $((wait_ms % 1000)))"
    kill -KILL "$pid" 2>/dev/null || true
    rc=0; wait "$pid" 2>/dev/null || rc=$?
    [ "$rc" -eq 137 ] || ended=$((ended + 1))
    now=$(state "$work/trial.db")
    if [ "$now" = "$old" ]; then before=$((before + 1));
    elif [ "$now" = "$new" ]; then after=$((after + 1));
    else mixed=$((mixed + 1)); fi
done
echo "kill_trial: run ${run_ms} ms; $kills kills: old results $before, new results $after, neither $mixed" \
     "($ended runs had ended before their kill)"
[ "$mixed" -eq 0 ]
