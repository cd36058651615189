#include <gtest/gtest.h>

#include <vector>

#include "core/world/scene_numbers.h"

namespace lw {
namespace {

int Next(std::vector<int> used) { return NextFreeSceneNumber(used); }

TEST(SceneNumbers, TheLowestGapIsFilledFirstAndAFullRunGivesTheCount) {
    EXPECT_EQ(Next({}), 0);
    EXPECT_EQ(Next({0, 1, 2}), 3);
    EXPECT_EQ(Next({1, 2, 3}), 0);
    EXPECT_EQ(Next({0, 1, 3, 4}), 2);
    // Listed as text: scene10.txt comes before scene2.txt; the order does not matter.
    EXPECT_EQ(Next({0, 1, 10, 2}), 3);
    EXPECT_EQ(Next({4, 0, 2, 1}), 3);
    EXPECT_EQ(Next({0, 2, 5, 1, 3}), 4);
    // Numbers beyond the count, or negative, block nothing.
    EXPECT_EQ(Next({0, 7, 9}), 1);
    EXPECT_EQ(Next({-1, 0}), 1);
    EXPECT_EQ(Next({2147483647}), 0);
}

}  // namespace
}  // namespace lw
