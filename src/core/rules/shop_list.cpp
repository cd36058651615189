#include "core/rules/shop_list.h"

#include <algorithm>

#include "core/tagfile/scan.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"
#include "core/world/scene_catalog.h"

namespace lw {

namespace {

constexpr std::string_view kNumberTag = "shop_number";
constexpr std::string_view kDataTag = "shop_data";
constexpr std::string_view kKindTag = "kind";
constexpr std::string_view kBuyTag = "filename_bg_buy";
constexpr std::string_view kSellTag = "filename_bg_sell";
constexpr std::string_view kGoodsNumberTag = "item_number";
constexpr std::string_view kGoodsTag = "item_index";

int ClampGoodsCount(int count) { return std::clamp(count, 0, kShopGoodsCapacity); }

int GoodAt(const Shop& shop, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= shop.goods.size()) return 0;
    return shop.goods[static_cast<std::size_t>(index)];
}

}  // namespace

bool Shop::operator==(const Shop& other) const {
    return scene == other.scene && x == other.x && y == other.y && direction == other.direction &&
           group == other.group && kind == other.kind && buyPicture == other.buyPicture &&
           sellPicture == other.sellPicture && goodsCount == other.goodsCount && ShopGoods(*this) == ShopGoods(other);
}

Shop NewShop() {
    Shop s;
    s.buyPicture = std::string(kNoShopPicture);
    s.sellPicture = std::string(kNoShopPicture);
    return s;
}

std::vector<int> ShopGoods(const Shop& shop) {
    const int n = ClampGoodsCount(shop.goodsCount);
    std::vector<int> goods;
    goods.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) goods.push_back(GoodAt(shop, i));
    return goods;
}

bool SetShopGoods(Shop& shop, const std::vector<int>& goods) {
    if (goods.size() > static_cast<std::size_t>(kShopGoodsCapacity)) return false;
    shop.goodsCount = static_cast<int>(goods.size());
    shop.goods = goods;
    return true;
}

const std::vector<std::string>& ShopKindNames() {
    static const std::vector<std::string> names = {
        "\x95\x90\x8a\xed\x89\xae",  // 武器屋
        "\x96\x68\x8b\xef\x89\xae",  // 防具屋
        "\x93\xb9\x8b\xef\x89\xae",  // 道具屋
    };
    return names;
}

std::string ShopRowText(const Shop& shop) {
    if (shop.kind >= 0 && shop.kind < kShopKindCount) return ShopKindNames()[static_cast<std::size_t>(shop.kind)];
    return FormatInt(shop.kind);
}

std::vector<Shop> ParseShopList(std::string_view bytes) {
    std::vector<Shop> out;
    int count = 0;
    int goodsRead = 0;
    Shop building;
    TagReader reader;
    // The fields of a block count only while fewer shops than the count have been completed.
    auto within = [&] { return static_cast<long long>(out.size()) < count; };
    reader.Section(kNumberTag, [&](std::string_view line) { ScanInt(line, count); });
    reader.Enclosing(
        kDataTag, [&] { building = Shop{}; },
        [&] {
            out.push_back(std::move(building));
            building = Shop{};
        });
    reader.Section(kKindTag, [&](std::string_view line) {
        if (within()) ScanInt(line, building.kind);
    });
    reader.Section(kBuyTag, [&](std::string_view line) {
        if (within()) building.buyPicture = CutCopy(line, kShopPictureBytes);
    });
    reader.Section(kSellTag, [&](std::string_view line) {
        if (within()) building.sellPicture = CutCopy(line, kShopPictureBytes);
    });
    reader.Section(kGoodsNumberTag, [&](std::string_view line) {
        int n = 0;
        if (!within() || !ScanInt(line, n)) return;
        building.goodsCount = ClampGoodsCount(n);
        if (building.goods.size() > static_cast<std::size_t>(building.goodsCount))
            building.goods.resize(static_cast<std::size_t>(building.goodsCount));
    });
    reader.Section(
        kGoodsTag,
        [&](std::string_view line) {
            if (!within() || goodsRead >= building.goodsCount) return;
            // Lines fill the goods in order; one that does not parse gives 0, as a cleared good.
            int item = 0;
            ScanInt(line, item);
            building.goods.resize(static_cast<std::size_t>(goodsRead) + 1);
            building.goods.back() = item;
            ++goodsRead;
        },
        [&] { goodsRead = 0; });
    reader.Read(bytes);
    return out;
}

ReadStatus LoadShopList(const Project& project, std::vector<Shop>& out) {
    return LoadDataList(project, kShopFile, out, ParseShopList);
}

void AssignShopPlacements(std::vector<Shop>& shops, const SceneCatalog& catalog) {
    const std::vector<std::optional<ShopPlacement>> placements = ShopPlacements(catalog, shops.size());
    for (std::size_t i = 0; i < shops.size(); ++i) {
        Shop& s = shops[i];
        if (const std::optional<ShopPlacement>& p = placements[i]) {
            s.scene = p->scene;
            s.x = p->x;
            s.y = p->y;
            s.direction = p->direction;
            s.group = p->group;
        } else {
            s.scene = -1;
        }
    }
}

void WriteShopList(TagWriter& w, const std::vector<Shop>& shops) {
    w.IntSection(kNumberTag, static_cast<long long>(shops.size()));
    int index = 0;
    for (const Shop& s : shops) {
        w.RecordHeader(index++);
        w.Open(kDataTag);
        w.IntSection(kKindTag, s.kind);
        w.StringSection(kBuyTag, s.buyPicture);
        w.StringSection(kSellTag, s.sellPicture);
        const int count = ClampGoodsCount(s.goodsCount);
        w.IntSection(kGoodsNumberTag, count);
        w.Open(kGoodsTag);
        for (int i = 0; i < count; ++i) w.Int(GoodAt(s, i));
        w.Close(kGoodsTag);
        w.Close(kDataTag);
    }
}

std::string ShopListBytes(const std::vector<Shop>& shops) {
    return TagFileBytes([&](TagWriter& w) { WriteShopList(w, shops); });
}

bool SaveShopList(const Project& project, const std::vector<Shop>& shops, SaveUi& ui) {
    return SaveDataTagFile(project, kShopFile, [&](TagWriter& w) { WriteShopList(w, shops); }, ui);
}

GoodsAdd AddGood(std::vector<int>& goods, int item, int& selected) {
    auto it = std::find(goods.begin(), goods.end(), item);
    if (it != goods.end()) {
        selected = static_cast<int>(it - goods.begin());
        return GoodsAdd::AlreadyThere;
    }
    if (goods.size() >= static_cast<std::size_t>(kShopGoodsCapacity)) return GoodsAdd::Full;
    goods.push_back(item);
    selected = static_cast<int>(goods.size()) - 1;
    return GoodsAdd::Added;
}

}  // namespace lw
