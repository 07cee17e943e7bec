#!/bin/sh
# charton --statistics on the torval.plt that torval-cli calc --plot writes, against torval-cli's
# own figures: the fraction above 0.001 mg/(kg-day) must equal the one counted from the --json
# intakes, and P5, median and P95 must equal the printed ones to the digits the file carries
# (six decimals from 0.001 to 0.01, five significant digits below; the sample's intakes lie
# below 0.01, and a figure above it must be equal).
#   CheckAgainstCli.sh CLI CHARTON ANALYSIS WORK
set -eu
cli=$1 charton=$2 analysis=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
"$cli" calc "$analysis" --plot "$work" >"$work/calc.txt"
"$cli" calc "$analysis" --json >"$work/calc.json"
"$charton" --statistics --threshold 0.001 "$work/torval.plt" >"$work/viewer.txt"
cat "$work/viewer.txt"
awk -F': ' '
  FILENAME ~ /json$/ && /"intakes": \[/ { inside = 1; next }
  FILENAME ~ /json$/ && /\]/ { inside = 0 }
  FILENAME ~ /json$/ && inside { n++; if ($1 + 0 > 0.001) above++ }
  FILENAME ~ /calc.txt$/ { cli[$1] = $2 + 0 }
  FILENAME ~ /viewer.txt$/ { viewer[$1] = $2 + 0 }
  function halfDigit(v) {
    if (v >= 0.01 || v <= 0) return 0
    return (v >= 0.001 ? 1e-6 : 10 ^ (int(log(v) / log(10) + 100) - 104)) / 2
  }
  function differ(a, b) { return a - b > halfDigit(b) * 1.000001 || b - a > halfDigit(b) * 1.000001 }
  END {
    bad = n == 0 || viewer["n"] != n || viewer["Fraction Above"] != above / n
    printf "json: %d intakes, %d above 0.001\n", n, above
    split("5th Percentile|Median|95th Percentile", labels, "|")
    for (i = 1; i <= 3; i++) {
      if (!(labels[i] in cli) || differ(viewer[labels[i]], cli[labels[i]])) bad = 1
      printf "%s: viewer %.10g, torval-cli %.10g\n", labels[i], viewer[labels[i]], cli[labels[i]]
    }
    exit bad
  }' "$work/calc.json" "$work/calc.txt" "$work/viewer.txt"
