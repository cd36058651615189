#pragma once
// Runs part of a test in one interface language and goes back to Japanese (the texts of the code)
// when it ends:
//
//   { test::InLanguage english(UiLanguage::English); ... }

#include <gtest/gtest.h>

#include "app/language.h"

namespace lw::test {

class InLanguage {
public:
    explicit InLanguage(UiLanguage language) { EXPECT_TRUE(InstallLanguage(language)); }
    ~InLanguage() { RemoveLanguage(); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

}  // namespace lw::test
