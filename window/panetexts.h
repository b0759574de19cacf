#pragma once

// The fixed texts of the drawing window's message pane, named once: the
// window sets them, and the pane is made wide enough to show each whole.
inline constexpr char ReadyText[] = "Ready";
inline constexpr char RotationDoneText[] = "Rotation done.";
inline constexpr char NoDataLoadedText[] = "No data loaded.";
inline constexpr char DrawingText[] = "Use LEFT button to draw.";
inline constexpr char ImageLoadedText[] = "RIGHT button to stretch, SLIDER to rotate image";
inline constexpr char PointDeletedPrefix[] = "Point deleted. ";
