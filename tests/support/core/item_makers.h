#pragma once
// Item lists made in code for tests.

#include <initializer_list>
#include <string>

namespace lw::test {

// item_list.txt with one item per kind given, named by their position ("i0", "i1", ...).
std::string ItemListOfKinds(std::initializer_list<int> kinds);

}  // namespace lw::test
