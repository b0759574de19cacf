#pragma once

// Liang-Barsky clipping of the logical segment (x0, y0)-(x1, y1) to the graph
// square of GraphScale. Returns true when any part is visible and then leaves
// the visible part in the four values, each within the square. A segment
// with a non-finite end is never visible.
bool ClipSegment(double& x0, double& y0, double& x1, double& y1);
