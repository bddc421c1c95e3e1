#!/usr/bin/env python3
"""Cross-checks the Bezier and chord-length spline curves against SciPy.

The reference side works from the definitions: the Bezier curve as the Bernstein sum, the spline as
scipy's CubicSpline over the accumulated chord length with not-a-knot ends, sampled at equally
spaced lengths. Usage: curvemath_crosscheck.py <curvemath_points program>. Exit 0 = agree,
1 = disagree, 77 = SciPy missing (skipped).
"""
import math
import random
import subprocess
import sys

try:
    import numpy as np
    from scipy.interpolate import CubicSpline
    from scipy.special import comb
except ImportError:
    print("SKIP: numpy/scipy not available")
    sys.exit(77)

# Agreement required, relative to the size of the control polygon.
TOLERANCE = 1e-9


def bezier(points, m):
    p = np.asarray(points, dtype=float)
    e = len(p) - 1
    t = np.linspace(0.0, 1.0, m) if m > 1 else np.zeros(1)
    k = np.arange(e + 1)
    basis = comb(e, k)[None, :] * t[:, None] ** k[None, :] * (1 - t[:, None]) ** (e - k)[None, :]
    return basis @ p


def spline(points, m):
    p = np.asarray(points, dtype=float)
    chords = np.hypot(np.diff(p[:, 0]), np.diff(p[:, 1]))
    tau = np.concatenate(([0.0], np.cumsum(chords)))
    curve = CubicSpline(tau, p, axis=0, bc_type="not-a-knot")
    u = np.arange(m) * (tau[-1] / (m - 1) if m > 1 else 0.0)
    return curve(u)


def cases():
    fixed = [
        ("bezier", 40, [(0, 0), (10, 30), (40, -20), (50, 5)]),
        ("bezier", 40, [(0, 0), (1, 3), (2, 0)]),
        ("spline", 64, [(0, 0), (10, 30), (40, -20), (50, 5)]),
        ("spline", 64, [(0, 0), (1, 3), (2, 0)]),  # three points: the parabola
        ("spline", 64, [(0, 0), (1, 1), (0, 2), (-1, 1), (0, 0.1)]),  # a loop, x not monotone
        ("spline", 64, [(0, 1), (0.001, 2), (100, 3), (100.5, -4), (300, 0)]),  # very uneven chords
    ]
    yield from fixed
    rng = random.Random(20240611)
    for n in (4, 5, 8, 13, 21, 30):
        for kind, m in (("bezier", 40), ("spline", 64)):
            scale = 10 ** rng.uniform(-3, 4)
            pts = [(rng.uniform(-1, 1) * scale, rng.uniform(-1, 1) * scale) for _ in range(n)]
            yield kind, m, pts
    for n in (4, 12, 30):  # curves that run left to right, as on the curve display
        xs = sorted(rng.uniform(0, 200) for _ in range(n))
        yield "spline", 64, [(x, rng.uniform(-50, 50)) for x in xs]


def main():
    program = sys.argv[1]
    all_cases = list(cases())
    request = "".join(
        f"{kind} {m} " + " ".join(f"{x!r} {y!r}" for x, y in pts) + "\n" for kind, m, pts in all_cases
    )
    result = subprocess.run([program], input=request, capture_output=True, text=True, check=True)
    lines = result.stdout.splitlines()
    if len(lines) != len(all_cases):
        print(f"FAIL: {len(lines)} answers for {len(all_cases)} curves")
        return 1
    failures = 0
    worst = 0.0
    for (kind, m, pts), line in zip(all_cases, lines):
        fields = line.split()
        if fields[0] != "ok":
            print(f"FAIL: {kind} of {len(pts)} points: {line}")
            failures += 1
            continue
        got = np.array([float(v) for v in fields[1:]]).reshape(m, 2)
        want = bezier(pts, m) if kind == "bezier" else spline(pts, m)
        scale = max(1.0, max(max(abs(x), abs(y)) for x, y in pts))
        error = float(np.max(np.abs(got - want))) / scale
        worst = max(worst, error)
        if not math.isfinite(error) or error > TOLERANCE:
            print(f"FAIL: {kind} of {len(pts)} points differs by {error:.3g} (relative)")
            failures += 1
    print(f"{len(all_cases)} curves, worst relative difference {worst:.3g}, tolerance {TOLERANCE:g}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
