// The arithmetic of window placement, free of the window system: where a
// restored window goes. Pixels throughout.
#pragma once

// A monitor or its work area.
struct PlacementArea {
  int left;
  int top;
  int right;
  int bottom;
};

// A window's position and size.
struct PlacementBox {
  int x;
  int y;
  int width;
  int height;
};

// One coordinate of a restored size: edge wrapped by the span that the
// screen extent leaves beside a window of this size (at least 1; the
// remainder keeps the sign of edge), then workEdge added when the result lies
// before it. 1024 / 600 / 900 gives 52.
int WrapEdge(int edge, int screenExtent, int size, int workEdge);

// A window that shares even one pixel with monitor stays where it is; one
// wholly off it (the nearest monitor, so off every one) is moved, size kept,
// into workArea, with its left and top edges inside when it is larger.
PlacementBox KeepReachable(PlacementBox window, PlacementArea monitor, PlacementArea workArea);
