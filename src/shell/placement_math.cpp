#include "shell/placement_math.h"

#include <climits>

namespace {
// Sizes from the settings file are anything; wide sums keep the arithmetic
// defined, and the results always fit an int again.
long long Clamp(long long value, long long low, long long high) {
  if (value > high) value = high;
  if (value < low) value = low;
  return value;
}

long long Positive(int size) {
  return size > 0 ? size : 0;
}

bool Overlaps(long long start, long long size, int areaStart, int areaEnd) {
  return start < areaEnd && start + size > areaStart;
}

// Into [areaStart, areaEnd - size], the start winning when size does not fit.
int Bring(int start, long long size, int areaStart, int areaEnd) {
  long long last = static_cast<long long>(areaEnd) - size;
  if (last < areaStart) last = areaStart;
  return static_cast<int>(Clamp(start, areaStart, last));
}
}  // namespace

int WrapEdge(int edge, int screenExtent, int size, int workEdge) {
  long long span = static_cast<long long>(screenExtent) - size;
  if (span <= 0) span = 1;
  // Truncating, with the sign of edge. A span beyond an int's range is at
  // least as far as any edge reaches; only INT_MIN over exactly 2^31 wraps.
  // (An int remainder: a 64-bit one would need the C runtime's helper.)
  int wrapped = span <= INT_MAX
                    ? edge % static_cast<int>(span)
                    : (span == -static_cast<long long>(INT_MIN) && edge == INT_MIN ? 0 : edge);
  if (wrapped < workEdge) {
    wrapped = static_cast<int>(Clamp(static_cast<long long>(wrapped) + workEdge, INT_MIN, INT_MAX));
  }
  return wrapped;
}

PlacementBox KeepReachable(PlacementBox window, PlacementArea monitor, PlacementArea workArea) {
  long long width = Positive(window.width);
  long long height = Positive(window.height);
  // An empty window still has its corner to show.
  bool seen = Overlaps(window.x, width ? width : 1, monitor.left, monitor.right) &&
              Overlaps(window.y, height ? height : 1, monitor.top, monitor.bottom);
  if (seen) return window;
  window.x = Bring(window.x, width, workArea.left, workArea.right);
  window.y = Bring(window.y, height, workArea.top, workArea.bottom);
  return window;
}
