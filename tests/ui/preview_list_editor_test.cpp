// What every list editor with a preview does alike ("ｱﾆﾒ ﾘｽﾄ1", "顔画像ﾘｽﾄ", "ﾅﾚｰｼｮﾝﾘｽﾄ1",
// "魔法ﾘｽﾄ1", "怪物ﾘｽﾄ1"), each opened from its hub button: an empty list can be neither saved nor shown,
// Cancel writes nothing, a missing file stays missing, and a file that cannot be read is never
// saved over, not even when the editor is confirmed.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <vector>

#include "editors/media/picture_list_editors.h"
#include "core/rules/magic.h"
#include "core/rules/monsters.h"
#include "support/qt/editor_driver.h"

namespace lw {
namespace {

using namespace test;

struct PreviewListCase {
    const char* name;
    HubEditor button;
    std::string_view file;
    std::string oneRecord;  // the list file with one record
    // Makes the editor without its run function (which opens none on an unreadable file); empty for
    // the lists whose editor only their run function makes.
    std::function<std::unique_ptr<PreviewListDialog>(EditorContext&)> make;
};

template <class Editor>
std::unique_ptr<PreviewListDialog> Make(EditorContext& c) {
    return std::make_unique<Editor>(c, nullptr);
}

const PreviewListCase kCases[] = {
    {"Effects", HubEditor::AnimeList, kEffectFile, EffectFileBytes({EffectAnimation{.name = "burst"}}), Make<EffectListEditor>},
    {"Faces", HubEditor::FaceImages, kFaceFile,
     FaceListBytes({FaceEntry{.fileName = "face.bmp", .areaWidth = 32, .areaHeight = 32}}), Make<FaceListEditor>},
    {"Narrations", HubEditor::NarrationList, kNarrationFile, NarrationListBytes({NewNarrationDefaults()}),
     Make<NarrationListEditor>},
    {"Magic", HubEditor::MagicList, kMagicFile, MagicListBytes({Magic{.name = "fire"}}), nullptr},
    {"Monsters", HubEditor::MonsterList, kMonsterFile,
     MonsterListBytes({Monster{.name = "slime", .picture = "slime.bmp"}}), nullptr},
};

class PreviewListEditors : public EditorTest, public ::testing::WithParamInterface<PreviewListCase> {
protected:
    std::filesystem::path path() const { return DataFilePath(tp.project, GetParam().file); }
    void Run(const std::function<void(PreviewListDialog*)>& drive) { RunFromHub(GetParam().button, drive); }
};

TEST_P(PreviewListEditors, AnEmptyListCanBeNeitherSavedNorShownAndCancelWritesNothing) {
    tp.WriteData(GetParam().file, GetParam().oneRecord);
    Run([&](PreviewListDialog* e) {
        EXPECT_EQ(e->panel()->addButton()->text(), "追加...");
        EXPECT_EQ(e->panel()->selectedRow(), 0);
        EXPECT_TRUE(e->okButton()->isEnabled());
        EXPECT_TRUE(e->showBox()->isEnabled());
        EXPECT_TRUE(e->showBox()->isChecked());
        EXPECT_TRUE(view().IsOpen());
        Click(e->panel()->deleteButton());
        EXPECT_EQ(e->panel()->rowCount(), 0);
        EXPECT_FALSE(e->okButton()->isEnabled());
        EXPECT_FALSE(e->showBox()->isEnabled());
        EXPECT_FALSE(e->panel()->deleteButton()->isEnabled());
        EXPECT_FALSE(e->panel()->editButton()->isEnabled());
        EXPECT_TRUE(e->panel()->addButton()->isEnabled());
        EXPECT_FALSE(view().IsShown());
        Click(e->cancelButton());
    });
    EXPECT_FALSE(view().IsOpen());  // leaving closes the preview (and writes nothing: unchanged_confirm_test)

    // No file: an empty list, and Cancel makes none.
    std::filesystem::remove(path());
    Run([&](PreviewListDialog* e) {
        EXPECT_EQ(e->panel()->rowCount(), 0);
        EXPECT_FALSE(e->okButton()->isEnabled());
        Click(e->cancelButton());
    });
    EXPECT_FALSE(std::filesystem::exists(path()));
}

// The lists whose editor can be made apart from its run function (which opens none on an unreadable
// file; OddListFile checks that path).
class MadePreviewListEditors : public PreviewListEditors {};

std::vector<PreviewListCase> MadeApart() {
    std::vector<PreviewListCase> made;
    for (const PreviewListCase& c : kCases)
        if (c.make) made.push_back(c);
    return made;
}

TEST_P(MadePreviewListEditors, AnUnreadableFileIsNeverSavedOver) {
    // Larger than any list file is read (sparse: takes no disk space).
    tp.WriteData(GetParam().file, GetParam().oneRecord);
    const std::uintmax_t size = kListFileCeiling + 1;
    std::filesystem::resize_file(path(), size);
    // Even confirmed, an editor made on it leaves the file alone.
    std::unique_ptr<PreviewListDialog> editor = GetParam().make(context);
    EXPECT_EQ(editor->loadStatus(), ReadStatus::Unreadable);
    QTimer::singleShot(0, [&] {
        editor->accept();
    });
    editor->exec();
    EXPECT_EQ(std::filesystem::file_size(path()), size);
}

INSTANTIATE_TEST_SUITE_P(Lists, PreviewListEditors, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PreviewListCase>& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(Lists, MadePreviewListEditors, ::testing::ValuesIn(MadeApart()),
                         [](const ::testing::TestParamInfo<PreviewListCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lw
