#!/usr/bin/env python3
"""Prints the benchmark table from the files bench.sh collected.

usage: report.py CALCULATION_JSON CLICK_JSON STARTUP_TXT INSTRUCTIONS_TXT

The JSON files are Google Benchmark output with repetitions; each repetition
is one sample. STARTUP_TXT has one line per launch: program, map_ms, draw_ms,
rss_kb (from startup_probe). INSTRUCTIONS_TXT has one line per program:
program, instructions executed (callgrind); it may be empty.
"""
import json
import statistics
import sys

SCALE = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def micro_samples(path):
    """Wall time per iteration in nanoseconds, by benchmark name."""
    with open(path) as f:
        data = json.load(f)
    samples = {}
    for b in data["benchmarks"]:
        if b.get("run_type") != "iteration":
            continue
        ns = b["real_time"] * SCALE[b["time_unit"]]
        samples.setdefault(b["run_name"], []).append(ns)
    return samples


def fmt_time_ns(ns):
    if ns < 1e3:
        return f"{ns:.0f} ns"
    if ns < 1e6:
        return f"{ns / 1e3:.1f} us"
    return f"{ns / 1e6:.1f} ms"


def main():
    calc = micro_samples(sys.argv[1])
    click = micro_samples(sys.argv[2])
    launches = {}
    with open(sys.argv[3]) as f:
        for line in f:
            program, map_ms, draw_ms, rss_kb = line.split()
            launches.setdefault(program, []).append(
                (float(map_ms), float(draw_ms), int(rss_kb)))

    rows = []

    def add(name, values, show, verdict):
        rows.append((name, show(statistics.median(values)), show(min(values)),
                     show(max(values)), verdict))

    def against(value, goal, unit_text):
        return f"{value:.2f}x of goal {unit_text}: " + ("met" if value <= 1 else "MISSED")

    for run_name, label in (("BM_OneCapacitorPlain", "parse+compute+format, plain (C1)"),
                            ("BM_OneCapacitorExponent", "parse+compute+format, exponent (C5)")):
        s = calc[run_name]
        add(label, s, fmt_time_ns, against(statistics.median(s) / 1000, 1, "< 1 us"))
    s = click["BM_DesignClick"]
    add("Design click, Form1 offscreen", s, fmt_time_ns,
        against(statistics.median(s) / 100000, 1, "< 100 us"))
    s = click["BM_DesignClickAndRepaint"]
    add("Design click + repaint (info)", s, fmt_time_ns, "no goal")

    ms = lambda v: f"{v:.1f} ms"
    mib = lambda v: f"{v / 1024:.1f} MiB"
    base, prog = launches["minimal_window"], launches["lowpass"]
    n = min(len(base), len(prog))

    base_map = statistics.median(r[0] for r in base)
    add("window mapped, minimal window", [r[0] for r in base], ms, "reference")
    add("window mapped, lowpass", [r[0] for r in prog], ms,
        f"ratio {statistics.median(r[0] for r in prog) / base_map:.2f}x (info)")
    base_draw = statistics.median(r[1] for r in base)
    add("first draw, minimal window", [r[1] for r in base], ms, "reference")
    ratio = statistics.median(r[1] for r in prog) / base_draw
    add("first draw, lowpass", [r[1] for r in prog], ms,
        f"ratio {ratio:.2f}x, goal <= 1.25x: " + ("met" if ratio <= 1.25 else "MISSED"))
    if "text_window" in launches:
        text = launches["text_window"]
        add("first draw, one-line text window", [r[1] for r in text], ms,
            f"ratio {statistics.median(r[1] for r in text) / base_draw:.2f}x (info)")
    base_rss = statistics.median(r[2] for r in base)
    add("peak memory, minimal window", [r[2] for r in base], mib, "reference")
    extra = (statistics.median(r[2] for r in prog) - base_rss) / 1024
    add("peak memory, lowpass", [r[2] for r in prog], mib,
        f"{extra:+.1f} MiB, goal <= +5 MiB: " + ("met" if extra <= 5 else "MISSED"))
    if "text_window" in launches:
        text = launches["text_window"]
        add("peak memory, one-line text window", [r[2] for r in text], mib,
            f"{(statistics.median(r[2] for r in text) - base_rss) / 1024:+.1f} MiB (info)")

    counts = {}
    with open(sys.argv[4]) as f:
        for line in f:
            program, instructions = line.split()
            counts[program] = int(instructions)
    if "minimal_window" in counts and "lowpass" in counts:
        mega = lambda v: f"{v / 1e6:.1f} M"
        rows.append(("instructions, minimal window", mega(counts["minimal_window"]), "", "",
                     "reference (one run)"))
        rows.append(("instructions, lowpass", mega(counts["lowpass"]), "", "",
                     f"ratio {counts['lowpass'] / counts['minimal_window']:.2f}x (info)"))
    if "text_window" in counts and "minimal_window" in counts:
        rows.append(("instructions, one-line text window", mega(counts["text_window"]), "", "",
                     f"ratio {counts['text_window'] / counts['minimal_window']:.2f}x (info)"))

    headers = ("benchmark", "median", "min", "max", "ratio / goal")
    widths = [max(len(str(r[i])) for r in rows + [headers]) for i in range(5)]
    line = lambda cells: "| " + " | ".join(str(c).ljust(w) for c, w in zip(cells, widths)) + " |"
    print(line(headers))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows:
        print(line(r))
    print(f"\nStart-up: {n} launches of each, alternating, on Xvfb; micro benchmarks: "
          f"{len(calc['BM_OneCapacitorPlain'])} repetitions, wall time per call.")


if __name__ == "__main__":
    main()
