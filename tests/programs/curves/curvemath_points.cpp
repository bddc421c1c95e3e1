// Prints curves for the SciPy cross-check. Each input line is "bezier|spline m x1 y1 x2 y2 ...";
// each output line "ok x y x y ..." with the m computed points, or "error <code>".
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "programs/curves/curvemath.h"

int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream in(line);
    std::string kind;
    int m = 0;
    if (!(in >> kind >> m) || m < 0 || m > 10000) {
      std::printf("error bad-input\n");
      continue;
    }
    std::vector<TCurvePoint> points;
    double x, y;
    while (in >> x >> y) points.push_back(TCurvePoint{x, y, {}});
    std::vector<TCurvePoint> out(m);
    const int n = static_cast<int>(points.size());
    if (kind == "bezier") {
      BezierCurve(points, n, m, out);
    } else {
      SplineCurve(points, 1, n, m, out);
    }
    if (MathError != 0) {
      std::printf("error %d\n", MathError);
      continue;
    }
    std::printf("ok");
    for (const auto& p : out) std::printf(" %.17g %.17g", p.X, p.Y);
    std::printf("\n");
  }
  return 0;
}
