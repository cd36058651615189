// Reading files that are not ordinary: an editor whose own list exists but cannot be read (far too
// large, a folder, a FIFO) says so, naming the file, opens no dialog, and leaves the file as it is.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <filesystem>
#include <sys/stat.h>

#include "app/editor_context.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "editors/media/audio_list_editor.h"
#include "editors/media/picture_list_editors.h"
#include "editors/media/image_table_editor.h"
#include "editors/media/talk_list_editor.h"
#include "support/core/temp_dir.h"
#include "support/qt/fake_services.h"
#include "support/qt/modal.h"

namespace lw {
namespace {

namespace fs = std::filesystem;

enum class Oddity { Huge, Folder, Fifo };

struct OddFileCase {
    const char* name;
    std::string_view fileName;
    Oddity oddity;
    std::function<int(EditorContext&)> open;
};

int OpenBgm(EditorContext& c) { return RunAudioListEditor(c, AudioList::Bgm, nullptr); }
int OpenSounds(EditorContext& c) { return RunAudioListEditor(c, AudioList::Sound, nullptr); }
int OpenEffects(EditorContext& c) { return RunPreviewList<EffectListEditor>(c, nullptr); }
int OpenBackImages(EditorContext& c) { return RunImageTableEditor(c, ImageTableKind::Back, nullptr); }
int OpenTalk(EditorContext& c) { return RunTalkListEditor(c, nullptr); }

const OddFileCase kCases[] = {
    {"BgmListHuge", "midi_list.txt", Oddity::Huge, OpenBgm},
    {"BgmListFolder", "midi_list.txt", Oddity::Folder, OpenBgm},
    {"BgmListFifo", "midi_list.txt", Oddity::Fifo, OpenBgm},
    {"SoundListFifo", "wave_list.txt", Oddity::Fifo, OpenSounds},
    {"EffectListHuge", "image_effect.txt", Oddity::Huge, OpenEffects},
    {"EffectListFolder", "image_effect.txt", Oddity::Folder, OpenEffects},
    {"EffectListFifo", "image_effect.txt", Oddity::Fifo, OpenEffects},
    {"BackImagesFolder", "image_back.txt", Oddity::Folder, OpenBackImages},
    {"TalkListFolder", "talk_list.txt", Oddity::Folder, OpenTalk},
};

class OddListFile : public ::testing::TestWithParam<OddFileCase> {};

TEST_P(OddListFile, OpensNoEditorAndLeavesTheFile) {
    const OddFileCase& c = GetParam();
    test::TempProject tp;
    test::FakeServices services;
    EditorContext context;
    context.project = tp.project;
    context.services = &services;
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
    EXPECT_EQ(c.open(context), QDialog::Rejected);
    test::CancelPendingModalWatches();
    EXPECT_FALSE(editorShown);

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral(".\\data\\") + QString::fromLatin1(c.fileName)))
        << services.messages[0].text.toStdString();
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("読み込めません")));
    EXPECT_EQ(services.messages[0].caption, QStringLiteral("Lorewright"));

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
TEST(FailedSave, KeepsTheEditorOpen) {
    test::TempProject tp;
    test::TempDir elsewhere;
    test::FakeServices services;
    EditorContext context;
    context.project = tp.project;
    context.services = &services;
    const fs::path midi = DataFilePath(tp.project, "midi_list.txt");
    test::WriteBytes(midi, AudioListBytes(AudioList::Bgm, {"a.mid"}));
    fs::permissions(midi, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    test::WriteBytes(elsewhere.path() / "mine.txt", "the user's own");
    fs::create_symlink(elsewhere.path() / "mine.txt", DataFilePath(tp.project, "wave_list.txt"));
    for (AudioList list : {AudioList::Bgm, AudioList::Sound}) {
        services.messages.clear();
        AudioListEditor editor(context, list);
        editor.show();
        editor.okButton()->click();
        EXPECT_TRUE(editor.isVisible());
        ASSERT_FALSE(services.messages.empty());
        EXPECT_EQ(services.messages.back().icon, MessageIcon::Error);
    }
    EXPECT_TRUE(services.messages.back().text.startsWith(QStringLiteral(".\\data\\wave_list.txt")));
    EXPECT_EQ(test::ReadBytes(elsewhere.path() / "mine.txt"), "the user's own");
}

}  // namespace
}  // namespace lw
