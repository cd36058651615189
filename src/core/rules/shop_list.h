#pragma once
// Shops: shop_list.txt in the data folder holds every shop of the project (its kind, the pictures
// shown while buying and selling, and the goods it sells). Where a shop stands is stored in the
// scene files, as a shop event position whose shop index is the shop's 0-based position in the
// list.
//
// File shape: "<shop_number>" count "</shop_number>", then per shop the separator, its position
// and the separator, "<shop_data>", "<kind>" kind "</kind>", "<filename_bg_buy>" picture
// "</filename_bg_buy>", "<filename_bg_sell>" picture "</filename_bg_sell>", "<item_number>" goods
// count "</item_number>", "<item_index>" one item index per line "</item_index>", "</shop_data>".
// The picture names are whole lines (blanks kept); "なし" stands for no picture.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/tagfile/file_io.h"

namespace lw {

class TagWriter;
struct SceneCatalog;

inline constexpr std::string_view kShopFile = "shop_list.txt";
inline constexpr std::size_t kShopPictureBytes = 259;
inline constexpr int kShopGoodsCapacity = 256;
inline constexpr int kShopKindCount = 3;  // 0 "武器屋", 1 "防具屋", 2 "道具屋"
// The picture name that stands for no picture: "なし".
inline constexpr std::string_view kNoShopPicture = "\x82\xc8\x82\xb5";

struct Shop {
    // Where the shop stands, from the scene files (not in shop_list.txt): the scene (-1 none), the
    // cell, the direction the player character faces (0 down, 1 left, 2 right, 3 up, 4 any) and the
    // event command group of that scene (-1 none).
    int scene = -1;
    int x = 0;
    int y = 0;
    int direction = 0;
    int group = -1;
    // The file's fields.
    int kind = 0;
    std::string buyPicture;   // CP932, a whole line, at most kShopPictureBytes
    std::string sellPicture;
    int goodsCount = 0;       // 0..kShopGoodsCapacity
    // The item indexes (0-based) the file or the editor gave, at most goodsCount of them; goods
    // beyond these are 0. So a file that declares goods and holds none costs nothing for them.
    std::vector<int> goods;
    // Equal when every field is, goods compared over the count.
    bool operator==(const Shop& other) const;
};

// The shop "追加..." starts from: a weapon shop with "なし" for both pictures, no goods, not placed.
Shop NewShop();

// The goods of a shop, goodsCount of them, and back. SetShopGoods refuses (false, nothing changed)
// more than kShopGoodsCapacity goods.
std::vector<int> ShopGoods(const Shop& shop);
bool SetShopGoods(Shop& shop, const std::vector<int>& goods);

// The shop kind names (CP932) in drop-down order, and the row text of a shop in the list: its
// kind's name, or the stored number for a kind outside the three.
const std::vector<std::string>& ShopKindNames();
std::string ShopRowText(const Shop& shop);

// The file, read as it stands: one shop per "<shop_data>" block, in file order, unplaced. The
// fields of a block are read only while fewer shops than the count have been completed, so a
// block beyond the count gives a cleared shop (a weapon shop without pictures or goods). A goods
// count outside 0..256 is clamped into it; goods lines beyond it are ignored.
std::vector<Shop> ParseShopList(std::string_view bytes);
ReadStatus LoadShopList(const Project& project, std::vector<Shop>& out);
// The list mode: each shop takes its place from the catalog (the first shop event position that
// refers to its position); a shop no scene refers to is left unplaced (scene -1).
void AssignShopPlacements(std::vector<Shop>& shops, const SceneCatalog& catalog);

std::string ShopListBytes(const std::vector<Shop>& shops);
void WriteShopList(TagWriter& w, const std::vector<Shop>& shops);
bool SaveShopList(const Project& project, const std::vector<Shop>& shops, SaveUi& ui);

// ---------------------------------------------------------------------------------------------
// The goods dialog's rules

enum class GoodsAdd { Added, AlreadyThere, Full };
// Adds `item` at the end unless the list holds it already (then `selected` becomes its row) or is
// full (kShopGoodsCapacity goods; nothing changes). `selected` becomes the row of the item.
GoodsAdd AddGood(std::vector<int>& goods, int item, int& selected);

}  // namespace lw
