#!/usr/bin/env python3
"""Draws the frame cost by field fill beside the bare frame and the floor drawing, from the
frame benchmark's JSON output: an SVG, turned into a PNG by rsvg-convert.
Usage: chart.py frame_bench.json frame_cost.png"""
import json
import subprocess
import sys

BARS = [  # benchmark name, label, colour
    ("frame/bare", "bare frame", "#777777"),
    ("frame/game_empty", "game, 0 cells", "#3a6fd8"),
    ("frame/game_half", "game, 100 cells", "#3a6fd8"),
    ("frame/game_steady", "game, 190 cells", "#3a6fd8"),
    ("frame/game_full", "game, 200 cells*", "#3a6fd8"),
    ("frame/floor_draw", "floor, 200 cells", "#d8a23a"),
]
WIDTH, HEIGHT = 720, 420
LEFT, RIGHT, TOP, BOTTOM = 70, 20, 50, 80


def frame_micros(path):
    """Median real time per frame in microseconds, by benchmark name."""
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    figures = {}
    for run in runs:
        name = "/".join(run["run_name"].split("/")[:2])
        median = run.get("aggregate_name") == "median"
        if run.get("run_type") == "aggregate" and not median:
            continue
        if median or name not in figures:
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[run["time_unit"]]
            figures[name] = run["real_time"] * scale
    return figures


def svg(figures):
    top = max(figures[name] for name, _, _ in BARS) * 1.15
    plot_h = HEIGHT - TOP - BOTTOM
    step = (WIDTH - LEFT - RIGHT) / len(BARS)
    y_of = lambda v: TOP + plot_h * (1 - v / top)
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}">',
             '<rect width="100%" height="100%" fill="white"/>',
             f'<text x="{WIDTH / 2}" y="28" font-family="DejaVu Sans" font-size="17" '
             'text-anchor="middle">Cost of one frame (µs, wall clock, median), llvmpipe</text>']
    for tick in range(0, int(top) + 1, max(1, int(top / 5 / 100 + 1) * 100)):
        y = y_of(tick)
        parts.append(f'<line x1="{LEFT}" x2="{WIDTH - RIGHT}" y1="{y}" y2="{y}" stroke="#ddd"/>')
        parts.append(f'<text x="{LEFT - 8}" y="{y + 4}" font-family="DejaVu Sans" font-size="12"'
                     f' text-anchor="end">{tick}</text>')
    for i, (name, label, colour) in enumerate(BARS):
        value = figures.get(name, 0)
        x = LEFT + i * step + step * 0.15
        y = y_of(value)
        parts.append(f'<rect x="{x}" y="{y}" width="{step * 0.7}" height="{TOP + plot_h - y}" '
                     f'fill="{colour}"/>')
        parts.append(f'<text x="{x + step * 0.35}" y="{y - 6}" font-family="DejaVu Sans" '
                     f'font-size="13" text-anchor="middle">{value:.0f}</text>')
        parts.append(f'<text x="{x + step * 0.35}" y="{TOP + plot_h + 20}" font-family="DejaVu Sans"'
                     f' font-size="12" text-anchor="middle">{label}</text>')
    parts.append(f'<text x="{LEFT}" y="{HEIGHT - 18}" font-family="DejaVu Sans" font-size="11">'
                 '* all 200 cells settled: the frame also removes 20 rows; the field is refilled '
                 'after each frame</text>')
    parts.append('</svg>')
    return "\n".join(parts)


def main():
    source, target = sys.argv[1], sys.argv[2]
    svg_path = target.rsplit(".", 1)[0] + ".svg"
    with open(svg_path, "w") as f:
        f.write(svg(frame_micros(source)))
    subprocess.run(["rsvg-convert", "-o", target, svg_path], check=True)


if __name__ == "__main__":
    main()
