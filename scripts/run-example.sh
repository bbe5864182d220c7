#!/usr/bin/env bash
# Builds Rivanta and calculates the bundled sample network: the district of examples/networks,
# imported into a new drawing, checked and calculated. Reports and results land in build/example/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
out=build/example
mkdir -p "$out"
build/bin/rivanta calc examples/networks/quartiere.ptv --out "$out"
echo
echo "Topology report:    $out/rvncheck.tmp"
echo "Calculation report: $out/rvncalcr.tmp"
echo "Results:            $out/results.json"
