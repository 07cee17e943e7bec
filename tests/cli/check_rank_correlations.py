#!/usr/bin/env python3
"""Recomputes the rank correlations of `torval-cli calc --json` from its `--csv` output.

Usage: check_rank_correlations.py RESULT.json ITERATIONS.csv MIN_INPUTS

Spearman's coefficient is computed here from scratch (average ranks for ties, then Pearson on
the ranks) and must agree with every "sensitivity" entry to 1e-12; the JSON must list every
varied input of the CSV, and at least MIN_INPUTS of them.
"""
import csv
import json
import math
import sys


def average_ranks(values):
    order = sorted(range(len(values)), key=lambda i: values[i])
    ranks = [0.0] * len(values)
    start = 0
    while start < len(order):
        end = start
        while end + 1 < len(order) and values[order[end + 1]] == values[order[start]]:
            end += 1
        for k in range(start, end + 1):
            ranks[order[k]] = (start + end) / 2 + 1
        start = end + 1
    return ranks


def spearman(x, y):
    rx, ry = average_ranks(x), average_ranks(y)
    mx, my = sum(rx) / len(rx), sum(ry) / len(ry)
    sxy = sum((a - mx) * (b - my) for a, b in zip(rx, ry))
    sxx = sum((a - mx) ** 2 for a in rx)
    syy = sum((b - my) ** 2 for b in ry)
    return sxy / math.sqrt(sxx * syy)


def main(json_path, csv_path, min_inputs):
    with open(json_path, encoding="utf-8") as f:
        result = json.load(f)
    with open(csv_path, newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f))
    header, body = rows[0], rows[1:]
    if header[0] != "Iteration" or header[-1] != "Intake":
        sys.exit(f"unexpected header {header}")
    if [int(row[0]) for row in body] != list(range(1, len(body) + 1)):
        sys.exit("the iterations are not numbered 1..n")
    intakes = [float(row[-1]) for row in body]
    labels = header[1:-1]
    listed = {entry["input"]: entry for entry in result["sensitivity"]}
    if sorted(listed) != sorted(labels) or len(labels) < min_inputs:
        sys.exit(f"JSON lists {sorted(listed)}, the CSV holds {labels}")
    total = 0.0
    for column, label in enumerate(labels, start=1):
        expected = spearman([float(row[column]) for row in body], intakes)
        got = listed[label]["rankCorrelation"]
        total += expected * expected
        print(f"{label}: JSON {got!r}, recomputed {expected!r}")
        if abs(got - expected) > 1e-12:
            sys.exit(f"{label}: rank correlations differ by {abs(got - expected)}")
    for label in labels:
        r = listed[label]["rankCorrelation"]
        if abs(listed[label]["contribution"] - r * r / total) > 1e-12:
            sys.exit(f"{label}: contribution is not r^2 / sum of r^2")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]))
