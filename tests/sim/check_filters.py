#!/usr/bin/env python3
"""Simulates every design of the grid in ngspice and checks its response.

The capacitor values come from our own calculation (the program given as the
first argument prints them); the circuits are the two filters of the
schematics, with the amplifier as a unity-gain follower of gain 1e6. One
ngspice run simulates all of them. For each design the script measures

  * the frequency where the response is -3.0103 dB, against the cut-off,
  * the gain at a hundredth of the cut-off (should be 0 dB),
  * the gain at ten times the cut-off (-40 dB for two poles, -60 for three),

and checks them both against the limits an engineer relies on and, tightly,
against the response worked out here from the coefficients alone.
"""

import cmath
import math
import os
import subprocess
import sys
import tempfile

# The five normalized coefficients and pi as the calculator uses them.
COEFFICIENTS = {2: (1.414, 0.7071), 3: (3.546, 1.392, 0.2024)}
PI_VAL = 3.141592654
AMP_GAIN = 1e6  # open-loop gain of the follower in the netlist
EDGE_DB = -3.0103

# Limits: the cut-off within 0.05 %, flat to 0.001 dB two decades below it,
# and the ideal slope within 0.1 dB a decade above it.
CUTOFF_LIMIT = 5e-4
PASSBAND_LIMIT_DB = 1e-3
STOPBAND_LIMIT_DB = 0.1
STOPBAND_IDEAL_DB = {2: -40.0, 3: -60.0}

# Agreement of the simulator with the closed-form response. The sweep around
# the cut-off has a step of 1e-5 of it and is interpolated linearly in dB.
CUTOFF_AGREEMENT = 1e-9
GAIN_AGREEMENT_DB = 1e-9

SWEEP_SPAN = 0.01  # the cut-off sweep covers fc * (1 +- SWEEP_SPAN)
SWEEP_POINTS = 2001


def response(poles, x):
    """Complex gain of the circuit at x times the nominal cut-off.

    Node analysis of the equal-resistor filters with a follower of finite
    gain g = A / (1 + A) whose output feeds the capacitor back:
      two poles:   g / (1 + 2 a2 + (1 - g) a1 + a1 a2)
      three poles: g / ((1 + 2 a5 + (1 - g) a3 + a3 a5) (2 + a4) - (1 + a5))
    with a_i = s R C_i = j x (pi / PiVal) k_i, since every capacitor is
    k_i / (2 PiVal f R).
    """
    g = AMP_GAIN / (1 + AMP_GAIN)
    s = 1j * x * math.pi / PI_VAL
    if poles == 2:
        a1, a2 = (s * k for k in COEFFICIENTS[2])
        return g / (1 + 2 * a2 + (1 - g) * a1 + a1 * a2)
    a3, a4, a5 = (s * k for k in COEFFICIENTS[3])
    return g / ((1 + 2 * a5 + (1 - g) * a3 + a3 * a5) * (2 + a4) - (1 + a5))


def gain_db(poles, x):
    return 20 * math.log10(abs(response(poles, x)))


def expected_edge(poles):
    """The -3.0103 dB point as a multiple of the cut-off, by bisection."""
    lo, hi = 0.9, 1.1
    for _ in range(200):
        mid = (lo + hi) / 2
        if gain_db(poles, mid) > EDGE_DB:
            lo = mid
        else:
            hi = mid
    return (lo + hi) / 2


def read_designs(values_program):
    out = subprocess.run([values_program], check=True, capture_output=True, text=True).stdout
    designs = []
    for line in out.splitlines():
        fields = line.split()
        poles, ohms = int(fields[0]), int(fields[1])
        designs.append({
            "poles": poles,
            "ohms": ohms,
            "freq": float(fields[2]),
            "caps": fields[3:],  # kept as printed, all 17 digits
        })
        assert len(designs[-1]["caps"]) == poles, line
    return designs


def circuit(i, d):
    """Netlist lines of design i; its output node is o<i>."""
    r, (a, b, c, o) = d["ohms"], (f"a{i}", f"b{i}", f"c{i}", f"o{i}")
    if d["poles"] == 2:
        c1, c2 = d["caps"]
        return [
            f"R1_{i} in {a} {r}", f"R2_{i} {a} {b} {r}",
            f"C1_{i} {a} {o} {c1}", f"C2_{i} {b} 0 {c2}",
            f"E_{i} {o} 0 {b} {o} {AMP_GAIN:g}",
        ]
    c3, c4, c5 = d["caps"]
    return [
        f"R3_{i} in {a} {r}", f"C4_{i} {a} 0 {c4}",
        f"R4_{i} {a} {b} {r}", f"C3_{i} {b} {o} {c3}",
        f"R5_{i} {b} {c} {r}", f"C5_{i} {c} 0 {c5}",
        f"E_{i} {o} 0 {c} {o} {AMP_GAIN:g}",
    ]


def read_wrdata(path):
    """Columns of a wrdata file with one scale: {name: [values]}."""
    with open(path) as f:
        names = f.readline().split()
        rows = [list(map(float, line.split())) for line in f if line.strip()]
    return {name: [row[k] for row in rows] for k, name in enumerate(names)}


def simulate(designs, ngspice, workdir):
    freqs = sorted({d["freq"] for d in designs})
    outputs = " ".join(f"vdb(o{i})" for i in range(len(designs)))
    lines = ["filters of the simulation grid", "Vin in 0 DC 0 AC 1"]
    for i, d in enumerate(designs):
        lines += circuit(i, d)
    lines += [".control", "set wr_singlescale", "set wr_vecnames", "set numdgt=15"]
    files = {}
    for k, f in enumerate(freqs):
        for kind, sweep in (
            ("edge", f"lin {SWEEP_POINTS} {f * (1 - SWEEP_SPAN)!r} {f * (1 + SWEEP_SPAN)!r}"),
            ("low", f"lin 1 {f / 100!r} {f / 100!r}"),
            ("high", f"lin 1 {f * 10!r} {f * 10!r}"),
        ):
            path = os.path.join(workdir, f"{kind}{k}.txt")
            files[(kind, f)] = path
            lines += [f"ac {sweep}", f"wrdata {path} {outputs}"]
    lines += ["quit", ".endc", ".end"]
    netlist = os.path.join(workdir, "filters.cir")
    with open(netlist, "w") as fh:
        fh.write("\n".join(lines) + "\n")
    run = subprocess.run([ngspice, "-b", netlist], capture_output=True, text=True)
    if run.returncode != 0 or any(not os.path.exists(p) for p in files.values()):
        sys.exit(f"ngspice failed ({run.returncode}):\n{run.stdout}\n{run.stderr}")
    return {key: read_wrdata(path) for key, path in files.items()}


def edge_frequency(freqs, gains):
    """First frequency of the sweep where the gain falls through EDGE_DB."""
    for k in range(1, len(freqs)):
        g0, g1 = gains[k - 1], gains[k]
        if g0 >= EDGE_DB > g1:
            return freqs[k - 1] + (EDGE_DB - g0) / (g1 - g0) * (freqs[k] - freqs[k - 1])
    return math.nan


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: check_filters.py FILTER_VALUES_PROGRAM NGSPICE")
    designs = read_designs(sys.argv[1])
    with tempfile.TemporaryDirectory() as workdir:
        data = simulate(designs, sys.argv[2], workdir)

    failures = []
    print(f"{'poles':>5} {'ohms':>6} {'fc Hz':>7} {'f(-3.0103 dB)/fc':>17} {'expected':>12}"
          f" {'dB at fc/100':>13} {'dB at 10 fc':>12}")
    for i, d in enumerate(designs):
        poles, f, name = d["poles"], d["freq"], f"vdb(o{i})"
        edge = data[("edge", f)]
        ratio = edge_frequency(edge["frequency"], edge[name]) / f
        low = data[("low", f)][name][0]
        high = data[("high", f)][name][0]
        want_ratio = expected_edge(poles)
        want_low, want_high = gain_db(poles, 0.01), gain_db(poles, 10)
        print(f"{poles:>5} {d['ohms']:>6} {f:>7g} {ratio:>17.9f} {want_ratio:>12.9f}"
              f" {low:>13.3e} {high:>12.6f}")

        label = f"{poles} poles, {d['ohms']} ohms, {f:g} Hz"
        checks = [
            (abs(ratio - 1) <= CUTOFF_LIMIT, f"-3.0103 dB at {ratio:.9f} fc"),
            (abs(low) <= PASSBAND_LIMIT_DB, f"{low!r} dB at fc/100"),
            (abs(high - STOPBAND_IDEAL_DB[poles]) <= STOPBAND_LIMIT_DB, f"{high!r} dB at 10 fc"),
            (abs(ratio / want_ratio - 1) <= CUTOFF_AGREEMENT,
             f"-3.0103 dB at {ratio!r} fc, closed form {want_ratio!r}"),
            (abs(low - want_low) <= GAIN_AGREEMENT_DB,
             f"{low!r} dB at fc/100, closed form {want_low!r}"),
            (abs(high - want_high) <= GAIN_AGREEMENT_DB,
             f"{high!r} dB at 10 fc, closed form {want_high!r}"),
        ]
        failures += [f"{label}: {what}" for ok, what in checks if not ok]

    for line in failures:
        print("FAIL", line)
    print(f"{len(designs) - len({f.split(':')[0] for f in failures})} passed, "
          f"{len({f.split(':')[0] for f in failures})} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
