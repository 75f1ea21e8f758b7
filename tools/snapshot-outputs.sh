#!/usr/bin/env bash
# Runs a fixed set of vormis-run commands and keeps everything they write
# (standard output and error, exit status, CSVs, dumps, pictures, GIFs,
# merges) in one folder, so that two builds can be compared byte for byte:
#
#   tools/snapshot-outputs.sh BUILD_DIR OUT_DIR
#   diff -r before/ after/
#
# The commands cover every rule, several seeds, worlds of 8 to 100 cells,
# sweeps, shards and their merge, and the faults of bad input.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
run=$(cd "$1" && pwd)/vormis-run
out=$2
mkdir -p "$out"
cd "$out" || exit 2
export QT_QPA_PLATFORM=offscreen
n=0
snap() { # NAME ARGS...: runs vormis-run ARGS in OUT_DIR, keeping its streams
  local name=$1; shift
  n=$((n + 1))
  # The same program name for every build, for the messages that show it.
  (exec -a vormis-run "$run" "$@") >"$name.out" 2>"$name.err"
  echo $? >"$name.status"
}
w=$root/docs/worlds
snap default --seed 1
snap example-csv --example --seed 2 --generations 50 --csv example.csv
snap csv-stdout --seed 3 --generations 20 --csv -
snap repeat --seed 4 --repeat 5 --generations 80 --csv repeat.csv --png repeat.png --chart repeat-chart.png --summary-csv repeat-summary.csv
snap maze-tables --world "$w/maze.txt" --seed 5 --generations 40 --dump tables
snap map --example --seed 6 --generations 30 --dump map --ant 2
snap path --example --seed 6 --generations 30 --dump path --ant 1
snap big30 --size 30 --ants 30 --seed 7 --generations 30 --png big30.png --dump tables
snap big100 --size 100 --ants 50 --seed 8 --generations 5 --csv big100.csv
for rule in vormis as acs mmas eas ras bwas; do
  snap "rule-$rule" --rule "$rule" --seed 9 --repeat 3 --generations 60 --ants 10 --beta 2 --csv "rule-$rule.csv" --dump tables
  snap "trap-$rule" --world "$w/trap.txt" --rule "$rule" --seed 10 --generations 100 --summary-csv "trap-$rule.csv"
done
# Every rule on worlds of 8, 24 and 100 cells, open and walled, with several
# seeds: the CSVs and the final tables; walls24.txt has walls with gaps
# each and short spurs, where ants get lost.
awk 'BEGIN { n = 24; for (y = 0; y < n; y++) { row = "";
  for (x = 0; x < n; x++) { c = ".";
    if ((x % 5 == 2 && (x + y) % 9 != 0) || (y % 6 == 4 && x % 5 == 0)) c = "#";
    if (x == 0 && y == 0) c = "H"; if (x == n - 1 && y == n - 1) c = "F"; row = row c }
  print row } }' >walls24.txt
for rule in vormis as acs mmas eas ras bwas; do
  snap "example-$rule" --example --rule "$rule" --seed 12 --repeat 2 --generations 40 --csv "example-$rule.csv" --dump tables
  snap "walls24-$rule" --world walls24.txt --rule "$rule" --seed 13 --repeat 2 --generations 30 --ants 20 --csv "walls24-$rule.csv" --dump tables
  snap "open100-$rule" --size 100 --ants 100 --rule "$rule" --seed 14 --generations 10 --csv "open100-$rule.csv" --dump tables
  snap "path-$rule" --world walls24.txt --rule "$rule" --seed 15 --generations 20 --ants 10 --dump path --ant 3
done
snap big100-1000 --size 100 --ants 1000 --generations 100 --seed 1 --csv big100-1000.csv
snap sweep --example --beta 0:3:1 --ants 1,2,4 --repeat 4 --seed 1 --generations 40 --jobs 2 --csv sweep.csv --summary-csv sweep-summary.csv --chart sweep-chart.png
snap sweep-rules --rule vormis,as,acs,mmas,eas,ras,bwas --alpha 0,2 --q0 0.5,0.9 --elite 0,8 --rank 2,6 --restart 0,20 --repeat 3 --seed 11 --generations 50 --summary-csv sweep-rules.csv --chart sweep-rules.png
snap gif --example --seed 3 --generations 25 --gif-every 10 --gif example.gif
for k in 1 2 3; do
  snap "shard$k" --example --ro 0.1,0.2 --alpha 0,1 --repeat 3 --seed 1 --generations 20 --shard "$k/3" --csv "shard$k.csv"
done
snap merge --merge shard1.csv shard2.csv shard3.csv --csv merged.csv --summary-csv merged-summary.csv --chart merged-chart.png
snap bad-size --size 2
snap bad-world --world "$w/missing.txt"
snap bad-option --nonsense
snap bad-range --ro 0:1:0
snap help --help
echo "snapshot-outputs: $n commands into $out"
