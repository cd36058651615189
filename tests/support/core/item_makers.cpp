#include "support/core/item_makers.h"

namespace lw::test {

std::string ItemListOfKinds(std::initializer_list<int> kinds) {
    std::string bytes = "<item_number>\r\n" + std::to_string(kinds.size()) + "\r\n</item_number>\r\n<item_data>";
    int i = 0;
    for (int kind : kinds)
        bytes += "\r\n" + std::to_string(kind) + " 0 0 0 0 0 0 0 0 0 0 0 0 -1 -1 10 i" + std::to_string(i++) + " d";
    return bytes + "\r\n</item_data>";
}

}  // namespace lw::test
