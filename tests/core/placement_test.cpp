// Placing things on a map: the player character's view position, the position rows of one kind
// taken back into a scene, and the texts of field battle and chip rows.
#include <gtest/gtest.h>

#include "core/world/placement.h"
#include "core/world/scene_catalog.h"

namespace lw {
namespace {

TEST(PlayerStartPlacement, ViewRowFollowsTheSpriteHeightWithinTheView) {
    EXPECT_EQ(PlayerViewRow(32), 2);   // (32 + 208) / 32 = 7, / 2 = 3, - 1
    EXPECT_EQ(PlayerViewRow(48), 3);   // 256 / 32 = 8 -> 4 - 1
    EXPECT_EQ(PlayerViewRow(160), 4);  // 368 / 32 = 11 -> 5 - 1
    // A sprite taller than the view would put the row below it; a negative height above it.
    EXPECT_EQ(PlayerViewRow(2000), kViewRows - 1);
    EXPECT_EQ(PlayerViewRow(-400), 0);
    EXPECT_EQ(PlayerViewRow(INT_MIN), 0);
    EXPECT_EQ(PlayerViewRow(INT_MAX), kViewRows - 1);
}

TEST(PlayerStartPlacement, ClickedCellStaysSelectedWhenTheViewIsClamped) {
    const SpinRange across = ViewSpinRange(40, kViewColumns);  // 0 .. 30
    EXPECT_EQ(across, (SpinRange{0, 30}));
    // In the middle of the map the view starts 4 cells before the cell.
    EXPECT_EQ(PlaceInView(12, 4, across, kViewColumns), (ViewPlace{8, 4}));
    // Near the left edge the view stops at 0 and the position within it takes the rest.
    EXPECT_EQ(PlaceInView(2, 4, across, kViewColumns), (ViewPlace{0, 2}));
    // Near the right edge the view stops at 30: cell 38 is 8 within it.
    EXPECT_EQ(PlaceInView(38, 4, across, kViewColumns), (ViewPlace{30, 8}));
    EXPECT_EQ(PlaceInView(39, 4, across, kViewColumns), (ViewPlace{30, 9}));
    // A map smaller than the view: the view stays at 0.
    const SpinRange small = ViewSpinRange(5, kViewRows);
    EXPECT_EQ(small, (SpinRange{0, 0}));
    EXPECT_EQ(PlaceInView(4, 3, small, kViewRows), (ViewPlace{0, 4}));
    // Every cell of a 30-row map comes back as view + inView.
    const SpinRange down = ViewSpinRange(30, kViewRows);
    for (int cell = 0; cell < 30; ++cell) {
        const ViewPlace p = PlaceInView(cell, PlayerViewRow(48), down, kViewRows);
        EXPECT_EQ(p.view + p.inView, cell);
        EXPECT_GE(p.inView, 0);
        EXPECT_LT(p.inView, kViewRows);
    }
}

TEST(PlayerStartPlacement, PositionWithinTheViewIsStoredInPixelsWithTheFootOnTheCell) {
    EXPECT_EQ(InViewPixelsX(4), 128);
    EXPECT_EQ(InViewPixelsY(3, 48), 80);  // 96 - 16
    EXPECT_EQ(InViewPixelsY(0, 64), -32);
    for (int h : {32, 48, 64, 100}) {
        for (int cell = 0; cell < kViewRows; ++cell) EXPECT_EQ(InViewCellY(InViewPixelsY(cell, h), h), cell) << h;
    }
    EXPECT_EQ(InViewCellX(InViewPixelsX(9)), 9);
}

TEST(CellSpinRange, CoversTheMapOrOnlyZero) {
    EXPECT_EQ(CellSpinRange(40), (SpinRange{0, 39}));
    EXPECT_EQ(CellSpinRange(1), (SpinRange{0, 0}));
    EXPECT_EQ(CellSpinRange(0), (SpinRange{0, 0}));
    EXPECT_EQ(CellSpinRange(0xFFFFFFFFu), (SpinRange{0, INT_MAX - 1}));
}

Scene WithPositions() {
    Scene s;
    s.eventPositions = {
        {kShopPosition, 1, 1, 0, 5, 3},       {kInnPosition, 2, 2, 1, 6, 0},
        {kSignpostPosition, 3, 3, 2, 7, 0},   {kInnPosition, 4, 4, 3, 8, 0},
        {kFixedBattlePosition, 5, 5, 4, -1, 0},
    };
    s.sceneChanges = {{9, 8, 4, 2}};
    return s;
}

TEST(PositionRows, TheListTakesItsKindAndKeepsTheOthersInOrder) {
    Scene s = WithPositions();
    EXPECT_EQ(PositionRowsOf(s, PositionListKind::Inn), (std::vector<PositionRow>{{2, 2, 1, 6}, {4, 4, 3, 8}}));
    EXPECT_EQ(PositionRowsOf(s, PositionListKind::SceneChange), (std::vector<PositionRow>{{9, 8, 4, 2}}));

    ASSERT_TRUE(ApplyPositionRows(s, PositionListKind::Inn, {{7, 7, 0, 1}}));
    EXPECT_EQ(s.eventPositions, (std::vector<EventPosition>{{kShopPosition, 1, 1, 0, 5, 3},
                                                             {kInnPosition, 7, 7, 0, 1, 0},
                                                             {kSignpostPosition, 3, 3, 2, 7, 0},
                                                             {kFixedBattlePosition, 5, 5, 4, -1, 0}}));
    EXPECT_EQ(s.sceneChanges.size(), 1u);  // exits untouched

    ASSERT_TRUE(ApplyPositionRows(s, PositionListKind::SceneChange, {}));
    EXPECT_TRUE(s.sceneChanges.empty());
    EXPECT_EQ(s.eventPositions.size(), 4u);
}

// Inns (I), signposts (S) and a shop interleaved in the file, as the game's own tools leave them.
TEST(PositionRows, RowsTheAuthorDidNotTouchKeepTheirPlaceInTheFile) {
    const EventPosition shop{kShopPosition, 9, 9, 0, 1, 4}, s1{kSignpostPosition, 3, 3, 2, 7, 0};
    const EventPosition i1{kInnPosition, 1, 1, 0, 5, 0}, i2{kInnPosition, 2, 2, 1, 6, 0};
    const EventPosition i3{kInnPosition, 4, 4, 3, 8, 0}, odd{kInnPosition, 6, 6, 0, 2, 77};  // shop index kept
    const PositionRow r1{1, 1, 0, 5}, r2{2, 2, 1, 6}, r3{4, 4, 3, 8}, rOdd{6, 6, 0, 2}, fresh{5, 5, 4, 3};
    const EventPosition freshInn{kInnPosition, 5, 5, 4, 3, 0};
    const std::vector<EventPosition> file{i1, s1, i2, shop, odd, i3};
    struct Case {
        const char* what;
        std::vector<PositionRow> rows;
        std::vector<EventPosition> expected;
    };
    const Case cases[] = {
        {"unchanged", {r1, r2, rOdd, r3}, file},
        {"first deleted", {r2, rOdd, r3}, {s1, i2, shop, odd, i3}},
        {"middle changed in place", {r1, fresh, rOdd, r3}, {i1, s1, freshInn, shop, odd, i3}},
        {"added at the end", {r1, r2, rOdd, r3, fresh}, {i1, s1, i2, shop, odd, i3, freshInn}},
        {"inserted after the first", {r1, fresh, r2, rOdd, r3}, {i1, s1, freshInn, i2, shop, odd, i3}},
        {"all deleted", {}, {s1, shop}},
    };
    for (const Case& c : cases) {
        Scene scene;
        scene.eventPositions = file;
        ASSERT_TRUE(ApplyPositionRows(scene, PositionListKind::Inn, c.rows)) << c.what;
        EXPECT_EQ(scene.eventPositions, c.expected) << c.what;
        EXPECT_EQ(PositionRowsOf(scene, PositionListKind::Inn), c.rows) << c.what;
    }
}

TEST(PositionRows, SixtyFourEventPositionsOfAllKindsAreTheLimit) {
    Scene s = WithPositions();  // 3 of other kinds than signposts
    EXPECT_EQ(PositionRoom(s, PositionListKind::Signpost), 64 - 4);
    EXPECT_EQ(PositionRoom(s, PositionListKind::SceneChange), 256);
    std::vector<PositionRow> rows(61, PositionRow{1, 2, 0, 0});
    const Scene before = s;
    EXPECT_FALSE(ApplyPositionRows(s, PositionListKind::Signpost, rows));
    EXPECT_EQ(s, before);
    rows.pop_back();
    EXPECT_TRUE(ApplyPositionRows(s, PositionListKind::Signpost, rows));
    EXPECT_EQ(s.eventPositionCount(), 64);
    EXPECT_EQ(PositionRoom(s, PositionListKind::Inn), 64 - 62);
}

TEST(PositionRows, TextIsFourNumbers) {
    const PositionRow row{12, 0, 4, -1};
    EXPECT_EQ(PositionRowText(row), "12 0 4 -1");
    EXPECT_EQ(PositionListKindOfMode(1), PositionListKind::SceneChange);
    EXPECT_EQ(PositionListKindOfMode(4), PositionListKind::FixedBattle);
    EXPECT_FALSE(PositionListKindOfMode(0));
    EXPECT_FALSE(PositionListKindOfMode(5));
}

TEST(RowTexts, AFieldBattlesRateShowsWholeAndAChipShowsItsBattle) {
    EXPECT_EQ(FieldBattleRowText({3, 50.0f, "forest.bmp"}), "3 50 forest.bmp");
    EXPECT_EQ(FieldBattleRowText({0, 12.75f, "a.bmp"}), "0 12 a.bmp");
    EXPECT_EQ(FieldBattleRowText({0, 1e20f, "a.bmp"}), "0 2147483647 a.bmp");
    EXPECT_EQ(FieldBattleRateShown(12.75f), 12);
    EXPECT_EQ(FieldBattleRateShown(0.0f), 1);
    EXPECT_EQ(FieldBattleRateShown(250.0f), 100);
    EXPECT_EQ(ChipRowText(7, 0), "  7");
    EXPECT_EQ(ChipRowText(17, 3), " 17   2");
    EXPECT_EQ(ChipRowText(255, -4), "255");
}

// Confirming the shops unchanged leaves every position where it stood, other kinds between them (the
// other lists are checked in PositionRows above).
TEST(EventPositionOrder, UnchangedShopsKeepMixedKindsInPlace) {
    Scene scene;
    scene.eventPositions = {{kInnPosition, 1, 2, 3, 4, 0},
                            {kSignpostPosition, 5, 6, 3, 7, 0},
                            {kShopPosition, 8, 9, 3, 10, 0},
                            {kShopPosition, 11, 12, 3, 13, 1}};
    const std::vector<EventPosition> original = scene.eventPositions;
    const std::vector<SceneListRow> shops = {{0, 8, 9, 3, 10}, {0, 11, 12, 3, 13}};
    ASSERT_TRUE(RebuildSceneList(scene, 0, SceneList::Shop, shops));
    EXPECT_EQ(scene.eventPositions, original);
}

}  // namespace
}  // namespace lw
