// Reading files that are not ordinary: an editor of the hub whose own file exists but cannot be read
// (far too large, a folder, a FIFO) says so, naming the file, opens no dialog, and leaves the file as
// it is.
#include <gtest/gtest.h>

#include <QDialog>
#include <filesystem>
#include <sys/stat.h>

#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/media/image_lists.h"
#include "core/media/narration_list.h"
#include "core/media/talk_list.h"
#include "core/rules/items.h"
#include "core/rules/levels.h"
#include "core/rules/magic.h"
#include "core/rules/monsters.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"

namespace lw {
namespace {

namespace fs = std::filesystem;

enum class Oddity { Huge, Folder, Fifo };

struct OddFileCase {
    const char* name;
    std::string_view fileName;
    Oddity oddity;
    HubEditor button;
};

const OddFileCase kCases[] = {
    {"BgmListHuge", "midi_list.txt", Oddity::Huge, HubEditor::BgmList},
    {"BgmListFolder", "midi_list.txt", Oddity::Folder, HubEditor::BgmList},
    {"BgmListFifo", "midi_list.txt", Oddity::Fifo, HubEditor::BgmList},
    {"SoundListFifo", "wave_list.txt", Oddity::Fifo, HubEditor::SoundList},
    {"EffectListHuge", kEffectFile, Oddity::Huge, HubEditor::AnimeList},
    {"EffectListFolder", kEffectFile, Oddity::Folder, HubEditor::AnimeList},
    {"EffectListFifo", kEffectFile, Oddity::Fifo, HubEditor::AnimeList},
    {"BackImagesFolder", "image_back.txt", Oddity::Folder, HubEditor::BackImages},
    {"TalkListFolder", kTalkFile, Oddity::Folder, HubEditor::TextList},
    {"FacesHuge", kFaceFile, Oddity::Huge, HubEditor::FaceImages},
    {"NarrationsHuge", kNarrationFile, Oddity::Huge, HubEditor::NarrationList},
    {"MagicHuge", kMagicFile, Oddity::Huge, HubEditor::MagicList},
    {"MonstersHuge", kMonsterFile, Oddity::Huge, HubEditor::MonsterList},
    {"ItemListFolder", kItemFile, Oddity::Folder, HubEditor::ItemList},
    {"LevelListFolder", kLevelFile, Oddity::Folder, HubEditor::LevelList},
    {"LevelUpFolder", kLevelAbilityFile, Oddity::Folder, HubEditor::LevelUp},
    {"TitleFolder", "title.txt", Oddity::Folder, HubEditor::Title},
    {"SettingsFolder", "setting.txt", Oddity::Folder, HubEditor::BasicSettings},
};

class OddListFile : public test::EditorTest, public ::testing::WithParamInterface<OddFileCase> {};

TEST_P(OddListFile, OpensNoEditorAndLeavesTheFile) {
    const OddFileCase& c = GetParam();
    const fs::path path = DataFilePath(tp.project, c.fileName);
    constexpr std::uintmax_t kHuge = std::uintmax_t{2} << 30;
    switch (c.oddity) {
    case Oddity::Huge:  // sparse: takes no disk space
        test::WriteBytes(path, "<midi_number>\r\n2\r\n");
        fs::resize_file(path, kHuge);
        break;
    case Oddity::Folder: fs::create_directory(path); break;
    case Oddity::Fifo: ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); break;
    }

    // Should an editor open after all, it is closed at once and the test fails.
    bool editorShown = false;
    test::OnNextModal<QDialog>([&](QDialog* d) {
        editorShown = true;
        d->reject();
    }, nullptr, 200);
    EditorRegistry registry;
    RegisterEditors(registry);
    ASSERT_TRUE(registry.Open(c.button, context, nullptr));
    test::CancelPendingModalWatches();
    EXPECT_FALSE(editorShown);

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral(".\\data\\") + QString::fromLatin1(c.fileName)))
        << services.messages[0].text.toStdString();
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("読み込めません")));
    EXPECT_EQ(services.messages[0].caption, QStringLiteral("Lorewright"));
    EXPECT_EQ(context.effects.count(), 0);  // nothing left loaded for it

    // Untouched, and nothing else was written beside it.
    switch (c.oddity) {
    case Oddity::Huge:
        EXPECT_TRUE(fs::is_regular_file(path));
        EXPECT_EQ(fs::file_size(path), kHuge);
        break;
    case Oddity::Folder: EXPECT_TRUE(fs::is_directory(path)); break;
    case Oddity::Fifo: EXPECT_EQ(fs::status(path).type(), fs::file_type::fifo); break;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(tp.project.root / "data"), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(ListEditors, OddListFile, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<OddFileCase>& info) { return std::string(info.param.name); });

// A file the save cannot replace (made read-only), and one that leads out of the project: the
// author is told, and the editor stays open with what was entered.
class FailedSave : public test::EditorTest {};

TEST_F(FailedSave, KeepsTheEditorOpen) {
    test::TempDir elsewhere;
    const fs::path midi = DataFilePath(tp.project, "midi_list.txt");
    test::WriteBytes(midi, AudioListBytes(AudioList::Bgm, {"a.mid"}));
    fs::permissions(midi, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    test::WriteBytes(elsewhere.path() / "mine.txt", "the user's own");
    fs::create_symlink(elsewhere.path() / "mine.txt", DataFilePath(tp.project, "wave_list.txt"));
    EditorRegistry registry;
    RegisterEditors(registry);
    for (HubEditor button : {HubEditor::BgmList, HubEditor::SoundList}) {
        services.messages.clear();
        test::OnNextModal<QDialog>([&](QDialog* editor) {
            test::Click(test::ConfirmButton(editor));
            EXPECT_TRUE(editor->isVisible());
            editor->reject();
        });
        ASSERT_TRUE(registry.Open(button, context, nullptr));
        ASSERT_FALSE(services.messages.empty());
        EXPECT_EQ(services.messages.back().icon, MessageIcon::Error);
    }
    EXPECT_TRUE(services.messages.back().text.startsWith(QStringLiteral(".\\data\\wave_list.txt")));
    EXPECT_EQ(test::ReadBytes(elsewhere.path() / "mine.txt"), "the user's own");
}

}  // namespace
}  // namespace lw
