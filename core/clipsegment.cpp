#include "core/clipsegment.h"

#include "core/graphscale.h"

#include <algorithm>
#include <cmath>

namespace {

// One edge test of Liang-Barsky; false when the segment is wholly outside.
bool ClipEdge(double p, double q, double& t0, double& t1) {
    if (p < 0) {
        double r = q / p;
        if (r > t1)
            return false;
        if (r > t0)
            t0 = r;
    } else if (p > 0) {
        double r = q / p;
        if (r < t0)
            return false;
        if (r < t1)
            t1 = r;
    } else if (q < 0) {
        return false;
    }
    return true;
}

} // namespace

bool ClipSegment(double& x0, double& y0, double& x1, double& y1) {
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return false;
    const double xlo = std::min(GraphScale.GetLogLeft(), GraphScale.GetLogRight());
    const double xhi = std::max(GraphScale.GetLogLeft(), GraphScale.GetLogRight());
    const double ylo = std::min(GraphScale.GetLogBottom(), GraphScale.GetLogTop());
    const double yhi = std::max(GraphScale.GetLogBottom(), GraphScale.GetLogTop());
    // Nearly every segment of a curve in view lies inside: nothing to clip,
    // and the computation below would leave it as it is.
    if (x0 >= xlo && x0 <= xhi && x1 >= xlo && x1 <= xhi && y0 >= ylo && y0 <= yhi && y1 >= ylo &&
        y1 <= yhi)
        return true;

    // Two finite ends far apart can differ by more than the largest double.
    // Halving every p and q leaves each ratio q / p as it is, and halving is
    // exact, so the clipped ends come out the same as with the whole values.
    double scale = 1.0;
    double dx = x1 - x0, dy = y1 - y0;
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        scale = 0.5;
        dx = x1 * 0.5 - x0 * 0.5;
        dy = y1 * 0.5 - y0 * 0.5;
    }
    double t0 = 0.0, t1 = 1.0;
    if (!ClipEdge(-dx, (x0 - xlo) * scale, t0, t1) || !ClipEdge(dx, (xhi - x0) * scale, t0, t1) ||
        !ClipEdge(-dy, (y0 - ylo) * scale, t0, t1) || !ClipEdge(dy, (yhi - y0) * scale, t0, t1))
        return false;

    const double sx = x0, sy = y0;
    const double back = 1.0 / scale;
    if (t1 < 1) {
        x1 = sx + t1 * dx * back;
        y1 = sy + t1 * dy * back;
    }
    if (t0 > 0) {
        x0 = sx + t0 * dx * back;
        y0 = sy + t0 * dy * back;
    }
    // The exact clipped ends lie in the square. With ends of huge magnitude
    // the rounding error of x0 + t * dx can be larger than the square itself,
    // so the computed ends are pulled back onto it; for ordinary segments
    // this changes nothing that survives truncation to whole units.
    x0 = std::clamp(x0, xlo, xhi);
    x1 = std::clamp(x1, xlo, xhi);
    y0 = std::clamp(y0, ylo, yhi);
    y1 = std::clamp(y1, ylo, yhi);
    return true;
}
