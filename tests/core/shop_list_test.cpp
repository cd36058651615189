#include <gtest/gtest.h>

#include <tuple>

#include "core/rules/shop_list.h"
#include "core/world/scene_catalog.h"
#include "support/core/scene_makers.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using test::JoinLines;

Shop MakeShop(int kind, std::string buy, std::string sell, std::vector<int> goods) {
    Shop s{.kind = kind, .buyPicture = std::move(buy), .sellPicture = std::move(sell)};
    SetShopGoods(s, goods);
    return s;
}

TEST(ShopListTest, WritesNestedRecordsAndReadsThemBack) {
    Shop a = NewShop();  // "なし" for both pictures is written as the text
    SetShopGoods(a, {4, 0, 12});
    a.scene = 3;  // the placement is not in the file
    a.x = 7;
    Shop b = MakeShop(2, "shop buy.bmp", "\x94\x84.bmp", {});
    const std::string bytes = ShopListBytes({a, b});
    EXPECT_EQ(bytes, JoinLines({"<shop_number>", "2", "</shop_number>",
                                "-------------------------", "0", "-------------------------",
                                "<shop_data>", "<kind>", "0", "</kind>",
                                "<filename_bg_buy>", "\x82\xc8\x82\xb5", "</filename_bg_buy>",
                                "<filename_bg_sell>", "\x82\xc8\x82\xb5", "</filename_bg_sell>",
                                "<item_number>", "3", "</item_number>", "<item_index>", "4", "0", "12", "</item_index>",
                                "</shop_data>",
                                "-------------------------", "1", "-------------------------",
                                "<shop_data>", "<kind>", "2", "</kind>",
                                "<filename_bg_buy>", "shop buy.bmp", "</filename_bg_buy>",
                                "<filename_bg_sell>", "\x94\x84.bmp", "</filename_bg_sell>",
                                "<item_number>", "0", "</item_number>", "<item_index>", "</item_index>",
                                "</shop_data>"}));
    // Read back without a placement; the blank in a picture name is kept: pictures are whole lines.
    a.scene = -1;
    a.x = 0;
    test::CheckFileThroughProject(kShopFile, std::vector<Shop>{a, b}, bytes, LoadShopList, SaveShopList);
}

TEST(ShopListTest, CountsBoundWhatIsRead) {
    // The second block lies beyond the count: it is appended as a cleared weapon shop.
    const std::string two = JoinLines({"<shop_number>", "1", "</shop_number>",
                                       "<shop_data>", "<kind>", "1", "</kind>", "<filename_bg_buy>", "a.bmp",
                                       "</filename_bg_buy>", "<item_number>", "2", "</item_number>",
                                       "<item_index>", "5", "6", "7", "</item_index>", "</shop_data>",
                                       "<shop_data>", "<kind>", "2", "</kind>", "<filename_bg_buy>", "b.bmp",
                                       "</filename_bg_buy>", "<item_number>", "1", "</item_number>",
                                       "<item_index>", "9", "</item_index>", "</shop_data>"});
    std::vector<Shop> shops = ParseShopList(two);
    ASSERT_EQ(shops.size(), 2u);
    EXPECT_EQ(shops[0].kind, 1);
    EXPECT_EQ(shops[0].buyPicture, "a.bmp");
    EXPECT_EQ(ShopGoods(shops[0]), (std::vector<int>{5, 6}));  // lines beyond the goods count ignored
    EXPECT_EQ(shops[1], Shop{});

    // A goods count beyond 256 is held to 256; a huge one allocates nothing it does not fill, and
    // the goods not given read as 0.
    std::vector<Shop> huge = ParseShopList(JoinLines({"<shop_number>", "2000000000", "</shop_number>",
                                                      "<shop_data>", "<item_number>", "2000000000",
                                                      "</item_number>", "<item_index>", "3", "</item_index>",
                                                      "</shop_data>"}));
    ASSERT_EQ(huge.size(), 1u);
    EXPECT_EQ(huge[0].goodsCount, kShopGoodsCapacity);
    EXPECT_EQ(huge[0].goods.size(), 1u);
    std::vector<int> goods = ShopGoods(huge[0]);
    ASSERT_EQ(goods.size(), 256u);
    EXPECT_EQ(goods[0], 3);
    EXPECT_EQ(goods[255], 0);
    EXPECT_EQ(ParseShopList(JoinLines({"<shop_number>", "1", "</shop_number>", "<shop_data>", "<item_number>",
                                       "-4", "</item_number>", "</shop_data>"}))[0]
                  .goodsCount,
              0);
    // A block never closed is not a shop.
    EXPECT_TRUE(ParseShopList(JoinLines({"<shop_number>", "1", "</shop_number>", "<shop_data>", "<kind>", "1"})).empty());
}

TEST(ShopListTest, ShopsOfEveryKindAreKeptInTheirPlaces) {
    // A kind the editor does not offer still reads as a row, so no shop vanishes and no shop index
    // shifts when the list is written back.
    const std::string bytes = ShopListBytes({MakeShop(0, "a", "b", {1}), MakeShop(7, "c", "d", {2}), MakeShop(2, "e", "f", {3})});
    std::vector<Shop> shops = ParseShopList(bytes);
    ASSERT_EQ(shops.size(), 3u);
    EXPECT_EQ(ShopRowText(shops[0]), "\x95\x90\x8a\xed\x89\xae");  // 武器屋
    EXPECT_EQ(ShopRowText(shops[1]), "7");
    EXPECT_EQ(ShopRowText(shops[2]), "\x93\xb9\x8b\xef\x89\xae");  // 道具屋
    EXPECT_EQ(ShopListBytes(shops), bytes);
}

TEST(ShopListTest, PlacementsComeFromTheFirstSceneThatHoldsTheShop) {
    std::vector<Shop> shops(3, NewShop());
    shops[2].scene = 0;  // no scene refers to it: unplaced, not scene 0
    const Scene eight{.eventPositions = {{1, 9, 9, 0, 3, 0}, {kShopPosition, 2, 3, 4, 5, 1}}};
    const Scene zero{.eventPositions = {{kShopPosition, 6, 7, 1, -1, 1}, {kShopPosition, 1, 1, 0, 0, 0}}};
    AssignShopPlacements(shops, test::CatalogOf({{8, eight}, {0, zero}}));
    EXPECT_EQ(shops[0].scene, 0);
    // Two scenes hold shop 1: the first in catalog order, with its place.
    EXPECT_EQ(std::tie(shops[1].scene, shops[1].x, shops[1].y, shops[1].direction, shops[1].group),
              std::make_tuple(8, 2, 3, 4, 5));
    EXPECT_EQ(shops[2].scene, -1);
}

TEST(ShopListTest, GoodsHoldEachItemOnceAndAtMost256) {
    std::vector<int> goods;
    int selected = -1;
    EXPECT_EQ(AddGood(goods, 3, selected), GoodsAdd::Added);
    EXPECT_EQ(AddGood(goods, 5, selected), GoodsAdd::Added);
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(AddGood(goods, 3, selected), GoodsAdd::AlreadyThere);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(goods, (std::vector<int>{3, 5}));
    for (int i = 100; goods.size() < 256; ++i) AddGood(goods, i, selected);
    EXPECT_EQ(AddGood(goods, 99, selected), GoodsAdd::Full);
    EXPECT_EQ(goods.size(), 256u);
    EXPECT_EQ(AddGood(goods, 5, selected), GoodsAdd::AlreadyThere);  // a full list still finds its goods

    Shop s;
    goods.push_back(1);
    EXPECT_FALSE(SetShopGoods(s, goods));
    EXPECT_EQ(s.goodsCount, 0);
}

}  // namespace
}  // namespace lw
