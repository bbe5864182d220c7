#!/usr/bin/env python3
"""Benchmark of `rivanta calc` against EPANET 2.2 (through epanet-js) on the same generated networks.

    bench/run_bench.py [--sizes 100 1000 ...] [--repeats 3] [--rivanta build/bin/rivanta] [--work DIR]

For every size it generates a naturally and a randomly numbered town (make_networks.py), runs
`rivanta calc` as a whole process with each factorisation that is reasonable for the numbering, and
EPANET's parse and solve of the same .inp in one Node process (epanet_solve.mjs), then prints one
table per size: solve times and their ratio, peak memory, iteration counts, and the largest head and
flow differences between the two programs. Every program runs --repeats times and its median time
is the one shown (peak memory: the largest). A run of `rivanta calc` that fails, stops at its
iteration limit or gives a result that is not finite stops the benchmark with its output.
epanet-js is installed into bench/node_modules on the first run.
"""
import argparse
import json
import math
import os
import pathlib
import statistics
import subprocess
import sys
import time

BENCH = pathlib.Path(__file__).resolve().parent
ROOT = BENCH.parent
PORTAVIA_LIMIT = 32767
# The exact factorisation keeps the node order: on a randomly numbered town its fill grows with
# the square of the size, so it runs there only up to this size.
EXACT_RANDOM_LIMIT = 5000


def install_epanet():
    if not (BENCH / "node_modules" / "epanet-js").is_dir():
        subprocess.run(["npm", "install", "--no-audit", "--no-fund", "--prefix", str(BENCH)], check=True,
                       stdout=subprocess.DEVNULL)


def timed_once(command):
    started = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    output = process.stdout.read()
    _, status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - started
    return seconds, usage.ru_maxrss / 1024.0, os.waitstatus_to_exitcode(status), output


def timed(command, repeats):
    """Runs command repeats times; returns (median seconds, largest peak memory in MiB, the last exit
    status and standard output); stops at the first failing run."""
    runs = []
    for _ in range(repeats):
        runs.append(timed_once(command))
        if runs[-1][2] != 0:
            break
    seconds = statistics.median(run[0] for run in runs)
    return seconds, max(run[1] for run in runs), runs[-1][2], runs[-1][3]


def reads_inp(rivanta):
    return ".inp" in subprocess.run([rivanta, "calc", "--help"], capture_output=True, text=True).stdout


def iterations(output):
    for line in output.splitlines():
        words = line.split()
        if line.startswith(("Converged after", "Stopped at the iteration limit after")):
            return words[words.index("after") + 1]
    return "-"


def output_converged(output):
    return any(line.startswith("Converged after") for line in output.splitlines())


def differences(results_path, epanet):
    """Largest |head difference| (m), |flow difference| (l/s) and the largest EPANET flow."""
    with open(results_path) as f:
        results = json.load(f)
    heads = [node["head"] for node in results["nodes"]]
    flows = [branch["flow"] * 1000.0 for branch in results["branches"]]
    if any(isinstance(v, str) or not math.isfinite(v) for v in heads + flows):
        raise SystemExit(f"{results_path}: results that are not finite")
    dh = max(abs(a - b) for a, b in zip(heads, epanet["heads"]))
    dq = max(abs(a - b) for a, b in zip(flows, epanet["flows"]))
    return dh, dq, max(abs(q) for q in epanet["flows"])


def rivanta_runs(rivanta, stem, numbering, junctions, inp_ok, repeats):
    network = stem.with_suffix(".inp") if inp_ok else stem.with_suffix(".ptv")
    if not network.exists():
        return []
    solvers = ["exact", "ordered"]
    if numbering == "random" and junctions > EXACT_RANDOM_LIMIT:
        solvers = ["ordered"]
    runs = []
    for solver in solvers:
        out = stem.parent / f"{stem.name}-{solver}"
        seconds, memory, status, output = timed([rivanta, "calc", str(network), "--solver", solver, "--out", str(out)],
                                                repeats)
        if status != 0 or not output_converged(output):
            raise SystemExit(f"rivanta calc {network} --solver {solver} did not converge (exit {status}):\n{output}")
        runs.append((solver, network.suffix, seconds, memory, status, iterations(output), out / "results.json"))
    return runs


def table(junctions, rows):
    print(f"\n{junctions} junctions\n")
    print("| numbering | rivanta calc | file | time (s) | EPANET 2.2 (s) | ratio | peak MiB rivanta / EPANET "
          "| iterations rivanta / EPANET | max dH (m) | max dQ (l/s) | dQ / Qmax |")
    print("|---|---|---|---:|---:|---:|---|---|---:|---:|---:|")
    for row in rows:
        print("| " + " | ".join(row) + " |")


def epanet_runs(stem, repeats):
    """EPANET's results of the last run with its median solve time over the runs, and its largest
    peak memory in MiB."""
    epanet_json = stem.with_suffix(".epanet.json")
    seconds = []
    memory = 0.0
    for _ in range(repeats):
        _, peak, status, output = timed_once(["node", str(BENCH / "epanet_solve.mjs"), str(stem.with_suffix(".inp")),
                                              str(epanet_json)])
        if status != 0:
            raise SystemExit(output)
        with open(epanet_json) as f:
            epanet = json.load(f)
        seconds.append(epanet["seconds"])
        memory = max(memory, peak)
    epanet["seconds"] = statistics.median(seconds)
    return epanet, memory


def bench_size(junctions, rivanta, work, inp_ok, repeats):
    rows = []
    for numbering in ("natural", "random"):
        stem = work / f"town{junctions}-{numbering}"
        subprocess.run([sys.executable, str(BENCH / "make_networks.py"), str(junctions), numbering, str(stem)],
                       check=True, stdout=subprocess.DEVNULL)
        epanet, epanet_memory = epanet_runs(stem, repeats)
        for solver, suffix, seconds, memory, status, its, results in rivanta_runs(rivanta, stem, numbering, junctions,
                                                                                  inp_ok, repeats):
            dh, dq, qmax = differences(results, epanet)
            rows.append([numbering, f"--solver {solver}", suffix, f"{seconds:.3f}", f"{epanet['seconds']:.3f}",
                         f"{seconds / epanet['seconds']:.2f}", f"{memory:.0f} / {epanet_memory:.0f}",
                         f"{its} / {epanet['iterations']}", f"{dh:.4f}", f"{dq:.3f}", f"{dq / qmax:.2%}"])
    table(junctions, rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--sizes", type=int, nargs="+", default=[100, 1000, 5000, 10000, 20000, 50000])
    parser.add_argument("--repeats", type=int, default=3, help="runs of each program; the median time is shown")
    parser.add_argument("--rivanta", default=str(ROOT / "build" / "bin" / "rivanta"))
    parser.add_argument("--work", default=str(BENCH / "work"))
    args = parser.parse_args()
    work = pathlib.Path(args.work)
    work.mkdir(parents=True, exist_ok=True)
    install_epanet()
    inp_ok = reads_inp(args.rivanta)
    if not inp_ok:
        print(f"rivanta calc reads no .inp files yet: Portavia files only, up to {PORTAVIA_LIMIT} nodes")
    for junctions in args.sizes:
        bench_size(junctions, args.rivanta, work, inp_ok, max(args.repeats, 1))


if __name__ == "__main__":
    main()
