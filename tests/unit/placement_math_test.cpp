#include "shell/placement_math.h"

#include <climits>

#include <gtest/gtest.h>

TEST(PlacementMath, WrapEdge) {
  EXPECT_EQ(WrapEdge(900, 1024, 600, 0), 52);        // span 424
  EXPECT_EQ(WrapEdge(100, 1024, 600, 0), 100);       // fits: stays
  EXPECT_EQ(WrapEdge(-500, 1024, 400, 0), -500);     // truncating remainder keeps the sign
  EXPECT_EQ(WrapEdge(-500, 1024, 400, -600), -500);  // not before the edge: nothing added
  EXPECT_EQ(WrapEdge(-500, 1024, 900, 0), -4);       // span 124
  EXPECT_EQ(WrapEdge(700, 1024, 2000, 0), 0);        // wider than the screen: span 1
  EXPECT_EQ(WrapEdge(700, 1024, 1024, 30), 30);      // span 0 becomes 1, then the edge added
  EXPECT_EQ(WrapEdge(5, 1024, 600, 30), 35);         // before the work area's edge
  EXPECT_EQ(WrapEdge(INT_MAX, 1024, INT_MIN, 0), INT_MAX % (1024LL - INT_MIN));
  EXPECT_EQ(WrapEdge(INT_MIN, 1024, 600, INT_MAX), INT_MIN % 424 + INT_MAX);
}

TEST(PlacementMath, KeepReachable) {
  const PlacementArea screen{0, 0, 1024, 768};
  const PlacementArea work{0, 0, 1024, 740};
  auto same = [](PlacementBox a, PlacementBox b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
  };
  // Partly visible windows stay exactly where they were, one pixel is enough.
  for (PlacementBox box : {PlacementBox{-500, 10, 600, 400}, PlacementBox{1023, 767, 300, 300},
                           PlacementBox{-299, -299, 300, 300}}) {
    EXPECT_TRUE(same(KeepReachable(box, screen, work), box)) << box.x << "," << box.y;
  }
  // Wholly off: onto the work area, size kept, as little moved as possible.
  EXPECT_TRUE(same(KeepReachable({-5000, 10, 600, 400}, screen, work), {0, 10, 600, 400}));
  EXPECT_TRUE(same(KeepReachable({-300, 10, 300, 400}, screen, work), {0, 10, 300, 400}));
  EXPECT_TRUE(same(KeepReachable({3000, 5000, 600, 400}, screen, work), {424, 340, 600, 400}));
  EXPECT_TRUE(same(KeepReachable({5, 768, 300, 300}, screen, work), {5, 440, 300, 300}));
  // Larger than the work area: its left and top edges come inside.
  EXPECT_TRUE(same(KeepReachable({-9000, -9000, 2000, 2000}, screen, work), {0, 0, 2000, 2000}));
  // A second monitor's work area, and sizes no screen has.
  const PlacementArea right{1024, 0, 2048, 768};
  EXPECT_TRUE(same(KeepReachable({9000, 0, 100, 100}, right, right), {1948, 0, 100, 100}));
  EXPECT_TRUE(
      same(KeepReachable({INT_MAX, INT_MIN, INT_MAX, -5}, screen, work), {0, 0, INT_MAX, -5}));
}
