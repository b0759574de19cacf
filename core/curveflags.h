#pragma once

// Process-wide switches shared by every curve, each 0 or 1.
//  DrawSymbols   - AddPoint and Draw put a symbol at each point (the window
//                  keeps it equal to its ShowSymbols).
//  DrawLines     - AddPoint and Draw join consecutive points (ShowLines).
//  OutOfMemory   - a point block failed to grow; AddPoint then refuses every
//                  point on every curve until DeleteLastPoint or Reset.
//  RightwardOnly - no segment so far ran from right to left; while it holds,
//                  Draw stops a curve at its first point right of the square.
extern int DrawSymbols;
extern int DrawLines;
extern int OutOfMemory;
extern int RightwardOnly;

// Puts all four back to their values at program start.
void ResetCurveFlags();
