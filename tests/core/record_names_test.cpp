#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/check/record_names.h"
#include "core/text/text_filter.h"
#include "support/core/sample_project.h"

namespace lw {
namespace {

// The sample game with one list made missing and one scene file's head too short for its name, so
// that every kind of reference can be read present, absent and out of range.
class RecordNamesSample : public ::testing::Test {
public:
    static void SetUpTestSuite() {
        sample_ = std::make_unique<test::SampleProject>();
        std::filesystem::remove(sample_->project.root / "data" / "magic_list.txt");
    }
    static void TearDownTestSuite() { sample_.reset(); }

protected:
    static std::unique_ptr<test::SampleProject> sample_;
};
std::unique_ptr<test::SampleProject> RecordNamesSample::sample_;

struct NameCase {
    RefTarget target;
    int index;
    const char* text;
    int scene = -1;  // Group: the scene holding the group
};

class RecordNamesText : public RecordNamesSample, public ::testing::WithParamInterface<NameCase> {};

TEST_P(RecordNamesText, ReadsAsTheAuthorNamesIt) {
    const NameCase& c = GetParam();
    RecordNames names(sample_->project);
    EXPECT_EQ(c.target == RefTarget::Group ? names.GroupText(c.scene, c.index) : names.Text(c.target, c.index), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    EveryList, RecordNamesText,
    ::testing::Values(NameCase{RefTarget::Bgm, 1, "1 — village.mid"}, NameCase{RefTarget::Bgm, -1, "(なし)"},
                      NameCase{RefTarget::Bgm, 256, "256 — (見つかりません)"},
                      NameCase{RefTarget::Sound, 3, "3 — chest.wav"},
                      NameCase{RefTarget::Talk, 0, "0 — <face 1>村長「ようこそ、ルミナ"},
                      NameCase{RefTarget::Face, 3, "3 — faces.bmp 192 0"},
                      NameCase{RefTarget::Effect, 0, "0 — 斬撃"},
                      NameCase{RefTarget::Narration, 0, "0 — prologue.bmp"},
                      NameCase{RefTarget::Item, 50, "50 — 薬草 (回復系消耗品)"},
                      NameCase{RefTarget::Item, 999, "999 — (見つかりません)"},
                      NameCase{RefTarget::Magic, 0, "0 — (見つかりません)"},  // its file is missing
                      NameCase{RefTarget::Monster, 0, "0 — スライム"},
                      NameCase{RefTarget::EnemyUnit, 0, "0 — 平原の魔物"},
                      NameCase{RefTarget::Npc, 0, "0 — elder: ルミナ村 (9, 10)"},
                      NameCase{RefTarget::Chest, 0, "0 — ルミナ村 (6, 10): 薬草"},
                      NameCase{RefTarget::Shop, 0, "0 — 武器屋: ルミナ村 (23, 8)"},
                      NameCase{RefTarget::Shop, 7, "7 — (見つかりません)"},
                      NameCase{RefTarget::Scene, 2, "2 — 古い洞窟"},
                      NameCase{RefTarget::Scene, 9, "9 — (見つかりません)"},
                      NameCase{RefTarget::Group, 0, "0 — 平原へ", 2},
                      NameCase{RefTarget::Group, 255, "255 — (見つかりません)", 2},
                      NameCase{RefTarget::Group, 0, "0 — (見つかりません)", 9}));

// The filter compares what the author reads: case and width of ASCII, and half-width katakana as
// the full-width forms (voiced marks joined); an all-digit query also finds that number.
TEST(TextFilterRule, MatchesTextAsReadAndNumbers) {
    EXPECT_TRUE(TextFilter("ﾌﾗｸﾞ").Matches(-1, "扉のフラグ"));
    EXPECT_TRUE(TextFilter("パン").Matches(-1, "ﾊﾟﾝ屋"));
    EXPECT_TRUE(TextFilter(" ｓｃｅｎｅ ").Matches(-1, "Scene0.TXT"));
    EXPECT_FALSE(TextFilter("ハン").Matches(-1, "ﾊﾟﾝ屋"));
    EXPECT_TRUE(TextFilter("12").Matches(12, "扉"));
    EXPECT_FALSE(TextFilter("12").Matches(112, "扉"));
    EXPECT_TRUE(TextFilter("").Matches(3, ""));
}

}  // namespace
}  // namespace lw
