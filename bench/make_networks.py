#!/usr/bin/env python3
"""Looped water networks for the benchmark, written as Portavia (.ptv) and EPANET (.inp) files.

A town of street blocks: a grid of crossings joined by streets, each street a chain of pipes with
service nodes along it, some streets left out (never breaking the town in two), dead-end service
lines off the streets, mains on every fourth street, and several reservoirs feeding the town from
outside through large pipes. Nodes are numbered as a drawing would number them, street row by
street row ("natural"), or at random ("random"); the reservoirs' nodes come last in both. Each
junction draws 0.01 to 0.1 l/s, as in a residential district. The files carry no calculation
settings of their own beyond the viscosity of the installed settings file: `rivanta calc` takes the
rest from the program folder and EPANET its defaults, as users get them. A Portavia file has to hold
them, so it holds the installed ones.

    make_networks.py JUNCTIONS NUMBERING OUT_STEM

writes OUT_STEM.inp, and OUT_STEM.ptv when the counts fit the Portavia file's 16-bit fields.
"""
import math
import pathlib
import random
import struct
import sys

EPANET_VISCOSITY = 1.1e-5 * 0.3048 ** 2   # EPANET's reference viscosity, 1.1e-5 ft2/s in m2/s
INSTALLED_SETTINGS = pathlib.Path(__file__).resolve().parent.parent / "examples" / "rvnsetup.par"
LEAST_DEMAND = 0.01e-3        # m3/s a junction: the small draws of a residential district
MOST_DEMAND = 0.1e-3
STREET_NODES = 3              # service nodes along one street between two crossings
BLOCK = 120.0                 # m between crossings
PORTAVIA_LIMIT = 32767


def installed_settings():
    """The fields of the settings file installed with the program that a network file carries:
    viscosity, initial velocity, iteration limit, minimum branch flow, head and flow tolerances."""
    lines = INSTALLED_SETTINGS.read_text().splitlines()
    return {"viscosity": float(lines[5]), "initial_velocity": float(lines[6]), "iterations": int(lines[7]),
            "min_flow": float(lines[8]), "head_tolerance": float(lines[9]), "flow_tolerance": float(lines[10])}


class Town:
    def __init__(self):
        self.nodes = []       # [demand m3/s, elevation m, x, y]
        self.pipes = []       # [a, b, length m, diameter m, roughness m]
        self.reservoirs = []  # [crossing node, head m]
        self.dead_ends = []   # (street node, dead-end node) of the service lines

    def node(self, demand, x, y):
        elevation = 20.0 + 8.0 * math.sin(x / 900.0) + 6.0 * math.cos(y / 700.0)
        self.nodes.append([demand, elevation, x, y])
        return len(self.nodes) - 1

    def pipe(self, a, b, length, diameter, roughness=1e-4):
        self.pipes.append([a, b, length, diameter, roughness])


def spanning_streets(rows, columns, rng):
    """The streets of a random spanning tree of the crossings (randomised Kruskal)."""
    streets = [((r, c), (r, c + 1)) for r in range(rows) for c in range(columns - 1)]
    streets += [((r, c), (r + 1, c)) for r in range(rows - 1) for c in range(columns)]
    rng.shuffle(streets)
    parent = {}

    def root(p):
        while parent.get(p, p) != p:
            p = parent[p]
        return p

    tree = set()
    for a, b in streets:
        ra, rb = root(a), root(b)
        if ra != rb:
            parent[ra] = rb
            tree.add((a, b))
    return streets, tree


def build_town(junctions, rng):
    """A town with exactly `junctions` junctions, in drawing order."""
    per_cell = 1 + 2 * STREET_NODES
    cells = max(4, int(junctions * 0.85 / per_cell))
    columns = max(2, round(math.sqrt(cells * 1.5)))
    rows = max(2, cells // columns)
    streets, tree = spanning_streets(rows, columns, rng)
    kept = {s for s in streets if s in tree or rng.random() < 0.8}
    street_count = len(kept)
    dead_ends = junctions - rows * columns - street_count * STREET_NODES
    if dead_ends < 0:
        raise SystemExit(f"{junctions} junctions are too few for a town")
    town = Town()
    crossing = {}
    along = {}

    def demand():
        return rng.uniform(LEAST_DEMAND, MOST_DEMAND)

    def street_chain(a, b):
        (ra, ca), (rb, cb) = a, b
        nodes = []
        for k in range(1, STREET_NODES + 1):
            t = k / (STREET_NODES + 1)
            nodes.append(town.node(demand(), BLOCK * (ca + t * (cb - ca)), -BLOCK * (ra + t * (rb - ra))))
        along[(a, b)] = nodes

    for r in range(rows):
        for c in range(columns):
            crossing[(r, c)] = town.node(demand(), BLOCK * c, -BLOCK * r)
            if ((r, c), (r, c + 1)) in kept:
                street_chain((r, c), (r, c + 1))
        for c in range(columns):
            if ((r, c), (r + 1, c)) in kept:
                street_chain((r, c), (r + 1, c))
    for (a, b), nodes in along.items():
        main = (a[0] == b[0] and a[0] % 4 == 0) or (a[1] == b[1] and a[1] % 4 == 0)
        diameter = 0.3 if main else 0.15
        chain = [crossing[a]] + nodes + [crossing[b]]
        for u, v in zip(chain, chain[1:]):
            town.pipe(u, v, BLOCK / (STREET_NODES + 1) * rng.uniform(0.8, 1.2), diameter)
    street_nodes = [n for nodes in along.values() for n in nodes]
    for _ in range(dead_ends):
        start = rng.choice(street_nodes)
        x, y = town.nodes[start][2], town.nodes[start][3]
        end = town.node(demand(), x + rng.uniform(-30, 30), y + rng.uniform(-30, 30))
        town.pipe(start, end, rng.uniform(15.0, 60.0), 0.1)
        town.dead_ends.append((start, end))
        street_nodes.append(end)
    tanks = 2 + junctions // 5000
    for t in range(tanks):
        r = rng.randrange(rows)
        c = rng.randrange(columns)
        town.reservoirs.append([crossing[(r, c)], rng.uniform(75.0, 85.0)])
    return town


def drawing_order(town):
    """Dead-end lines are numbered where a drawing would put them: right after their street node."""
    children = {}
    for start, end in town.dead_ends:
        children.setdefault(start, []).append(end)
    ends = {end for _, end in town.dead_ends}
    order = []
    for n in range(len(town.nodes)):
        if n in ends:
            continue
        pending = [n]
        while pending:
            node = pending.pop()
            order.append(node)
            pending.extend(reversed(children.get(node, [])))
    return order


def numbering(town, kind, rng):
    """position[node] = 0-based position of the node in the files."""
    order = drawing_order(town)
    if kind == "random":
        rng.shuffle(order)
    position = [0] * len(town.nodes)
    for p, n in enumerate(order):
        position[n] = p
    return position


def write_inp(path, town, position):
    junctions = len(town.nodes)
    by_position = sorted(range(junctions), key=lambda n: position[n])
    with open(path, "w", newline="\n") as f:
        f.write("[TITLE]\nBenchmark town\n\n[JUNCTIONS]\n;ID Elevation Demand\n")
        for n in by_position:
            demand, elevation = town.nodes[n][0], town.nodes[n][1]
            f.write(f"{position[n] + 1} {elevation!r} {demand * 1000.0!r}\n")
        f.write("\n[RESERVOIRS]\n;ID Head\n")
        for t, (_, head) in enumerate(town.reservoirs):
            f.write(f"{junctions + t + 1} {head!r}\n")
        f.write("\n[PIPES]\n;ID Node1 Node2 Length Diameter Roughness MinorLoss Status\n")
        for k, (a, b, length, diameter, roughness) in enumerate(town.pipes):
            f.write(f"{k + 1} {position[a] + 1} {position[b] + 1} {length!r} {diameter * 1000.0!r} "
                    f"{roughness * 1000.0!r} 0 Open\n")
        for t, (crossing, _) in enumerate(town.reservoirs):
            f.write(f"{len(town.pipes) + t + 1} {junctions + t + 1} {position[crossing] + 1} 200.0 500.0 0.1 0 Open\n")
        f.write("\n[OPTIONS]\nUnits LPS\nHeadloss D-W\n")
        f.write(f"Viscosity {installed_settings()['viscosity'] / EPANET_VISCOSITY:.12g}\n")
        f.write("\n[END]\n")


def write_ptv(path, town, position):
    junctions = len(town.nodes)
    nodes = junctions + len(town.reservoirs)
    branches = len(town.pipes) + len(town.reservoirs)
    if max(nodes, branches) > PORTAVIA_LIMIT:
        return False
    by_position = sorted(range(junctions), key=lambda n: position[n])
    out = bytearray(struct.pack("<hh80s", 0, 0, b""))
    s = installed_settings()
    out += struct.pack("<dd32sdhdd", s["viscosity"], s["initial_velocity"], b"", s["min_flow"], s["iterations"],
                       s["head_tolerance"], s["flow_tolerance"])
    out += struct.pack("<hhh", nodes, branches, len(town.reservoirs))
    for n in by_position:
        out += struct.pack("<dddd16s", 0.0, 0.0, town.nodes[n][0], town.nodes[n][1], b"")
    for _, head in town.reservoirs:
        out += struct.pack("<dddd16s", 0.0, 0.0, 0.0, head, b"")
    for a, b, length, diameter, roughness in town.pipes:
        out += struct.pack("<hhdddd16s", position[a] + 1, position[b] + 1, length, roughness, 0.0, diameter, b"")
    for t, (crossing, _) in enumerate(town.reservoirs):
        out += struct.pack("<hhdddd16s", junctions + t + 1, position[crossing] + 1, 200.0, 1e-4, 0.0, 0.5, b"")
    for t, (_, head) in enumerate(town.reservoirs):
        out += struct.pack("<hd", junctions + t + 1, head)
    with open(path, "wb") as f:
        f.write(out)
    return True


def main():
    if len(sys.argv) != 4 or sys.argv[2] not in ("natural", "random"):
        raise SystemExit(__doc__)
    junctions = int(sys.argv[1])
    rng = random.Random(junctions)
    town = build_town(junctions, rng)
    position = numbering(town, sys.argv[2], random.Random(junctions + 1))
    write_inp(sys.argv[3] + ".inp", town, position)
    wrote_ptv = write_ptv(sys.argv[3] + ".ptv", town, position)
    print(f"{sys.argv[3]}: {junctions} junctions, {len(town.reservoirs)} reservoirs, "
          f"{len(town.pipes) + len(town.reservoirs)} pipes" + ("" if wrote_ptv else " (no .ptv: above 32767)"))


if __name__ == "__main__":
    main()
