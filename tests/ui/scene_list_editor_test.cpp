// The scene list "場面設定1" and the scene settings "場面設定2" through their widgets: numbering
// of new scenes, OK over many scenes, an edit of a scene with odd values, and the settings
// driving the map view; with the map animation list, deleting to the trash and files that cannot
// be read left alone.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>

#include "app/services.h"
#include "core/world/scene.h"
#include "core/world/map_animation.h"
#include "editors/scenes/map_animation_list_editor.h"
#include "editors/scenes/scene_list_editor.h"
#include "editors/scenes/scene_settings_dialog.h"
#include "support/core/bmp_makers.h"
#include "support/core/scene_makers.h"
#include "support/core/village_makers.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"
#include "widgets/drawing_group.h"
#include "widgets/image_chooser.h"
#include "widgets/preview_step_dialog.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
using namespace test;

class SceneListEditorTest : public test::EditorTest {
protected:
    void WriteScene(const std::string& fileName, const Scene& scene) { tp.WriteData(fileName, SceneBytes(scene)); }
    static Scene Named(const char* name) {
        Scene s = NewScene();
        s.name = name;
        return s;
    }
    // Clicks `button` of the list, which opens "場面設定2"; `inDialog` then works in it.
    static void InSettings(QAbstractButton* button, std::function<void(QDialog*)> inDialog) {
        InDialog<QDialog>([button] { Click(button); }, [&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("場面設定2"));
            inDialog(d);
        });
    }
    static void Confirm(QDialog* d) { Click(ConfirmButton(d)); }
};

TEST_F(SceneListEditorTest, AddTakesTheLowestFreeNumberWithTheFourDefaultGroups) {
    for (const char* name : {"scene0.txt", "scene1.txt", "scene3.txt", "scene10.txt"}) WriteScene(name, Named(name));
    tp.WriteData("scene07.txt", "not a scene file");  // no number the game opens: not listed

    SceneListEditor editor(context);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("場面設定1"));
    EXPECT_EQ(Items(editor.list()), (QStringList{"scene0.txt", "scene1.txt", "scene10.txt", "scene3.txt"}));
    EXPECT_EQ(editor.selectedRow(), 0);
    EXPECT_TRUE(editor.showBox()->isChecked());

    // Cancel in "場面設定2" adds nothing.
    InSettings(editor.addButton(), [](QDialog* d) { Press(d, "ｷｬﾝｾﾙ"); });
    EXPECT_EQ(editor.list()->count(), 4);

    InSettings(editor.addButton(), [](QDialog* d) {
        NamedAs<QComboBox>(d, "場面種別")->setCurrentIndex(2);
        NamedAs<QLineEdit>(d, "場面名")->setText(QStringLiteral("港町"));
        Confirm(d);
    });
    EXPECT_EQ(Items(editor.list()), (QStringList{"scene0.txt", "scene1.txt", "scene10.txt", "scene2.txt", "scene3.txt"}));
    EXPECT_EQ(editor.selectedRow(), 3);
    // The next gap is 4 (five rows: 0, 1, 2, 3 and 10).
    InSettings(editor.addButton(), Confirm);
    EXPECT_EQ(editor.list()->item(5)->text(), QStringLiteral("scene4.txt"));

    Scene expected = NewScene();
    expected.kind = 2;
    expected.name = ToCp932(QStringLiteral("港町")).value();
    Click(editor.okButton());
    EXPECT_EQ(tp.ReadData("scene2.txt"), SceneBytes(expected));
    EXPECT_EQ(tp.ReadData("scene4.txt"), SceneBytes(NewScene()));
    // One overwrite question for each file there was; the new ones were simply made.
    EXPECT_EQ(services.messages.size(), 4u);
    EXPECT_EQ(tp.ReadData("scene07.txt"), "not a scene file");
}

// A scene with values no control can show: an edit of one value changes only that value.
TEST_F(SceneListEditorTest, AnEditOfAnOddSceneChangesOnlyThatValue) {
    Scene odd = test::MakeRichScene();
    odd.kind = 7;
    odd.bgmIndex = 42;
    odd.layerDrawMode = 5;
    odd.layerKeyRed = 300;
    odd.name = "\x81\x7F odd \xFF";
    odd.mapDataFile = "gone.bin";
    WriteScene("scene5.txt", odd);
    Scene read;
    ParseScene(tp.ReadData("scene5.txt"), read);

    SceneListEditor editor(context);
    InSettings(editor.editButton(), [](QDialog* d) {
        EXPECT_EQ(NamedAs<QComboBox>(d, "場面種別")->currentIndex(), -1);
        NamedAs<QComboBox>(d, "場面種別")->setCurrentIndex(1);
        Confirm(d);
    });
    Click(editor.okButton());
    read.kind = 1;
    EXPECT_EQ(tp.ReadData("scene5.txt"), SceneBytes(read));
}

// With many scenes the OK asks once: "すべてはい" answers every later file, and "いいえ" keeps only
// the file it was given for (the scene files do not hold each other's indices). The files are
// read with progress and written with progress.
TEST_F(SceneListEditorTest, OkOverManyScenesAsksOnceAndNoKeepsOnlyThatFile) {
    // Each file gets a byte the save restores: the editor writes what it read, so a replaced file
    // loses the mark.
    for (int i = 0; i < 60; ++i) tp.WriteData("scene" + std::to_string(i) + ".txt", SceneBytes(Named("old")) + "\n");
    SceneListEditor editor(context);
    EXPECT_FALSE(services.progress.empty());  // the load
    services.progress.clear();
    services.answers = {MessageAnswer::No, MessageAnswer::YesToAll};
    Click(editor.okButton());
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNoYesToAll);
    EXPECT_TRUE(services.messages[0].caption.contains("scene0.txt"));
    EXPECT_EQ(tp.ReadData("scene0.txt"), SceneBytes(Named("old")) + "\n");
    for (int i = 1; i < 60; ++i) EXPECT_EQ(tp.ReadData("scene" + std::to_string(i) + ".txt"), SceneBytes(Named("old")));
    EXPECT_EQ(services.progress.size(), 60u);  // the save
    EXPECT_FALSE(services.progressOpen);
}

// Both lists of numbered files, the scene files and the map animation files, alike: a file that
// cannot be read is named once, keeps its row and its number and is never written; "削除" (or the
// Delete key) moves the file to the trash at once after a question; a row not yet written goes
// without the trash.
struct SceneFiles {
    using Editor = SceneListEditor;
    static std::string Name(int n) { return SceneFileName(n); }
    static std::string Bytes(const TempProject&) { return SceneBytes(NewScene()); }
    static void AddOne(Editor& e) {
        InDialog<QDialog>([&] { Click(e.addButton()); }, [](QDialog* d) { Click(ConfirmButton(d)); });
    }
};
struct MapAnimationFiles {
    using Editor = MapAnimationListEditor;
    static std::string Name(int n) { return MapAnimationFileName(n); }
    static std::string Bytes(const TempProject& tp) {
        test::WriteBytes(ImageFilePath(tp.project, "sea.bmp"), test::MakeSolidBmp24(64, 64, 0x0000FF));
        return MapAnimationBytes(NewMapAnimation());
    }
    static void AddOne(Editor& e) {
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* s) {
            Choose(NamedAs<ImageChooser>(s, "画像"), "sea.bmp");
            OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* q) { Click(q->okButton()); });
            Click(s->nextButton());
        });
        Click(e.addButton());
    }
};

template <class Files>
class NumberedFilesTest : public test::EditorTest {};
using NumberedFileKinds = ::testing::Types<SceneFiles, MapAnimationFiles>;
TYPED_TEST_SUITE(NumberedFilesTest, NumberedFileKinds);

TYPED_TEST(NumberedFilesTest, AnUnreadableFileIsKeptAndDeleteTrashesAtOnce) {
    test::TempProject& tp = this->tp;
    test::FakeServices& services = this->services;
    const std::string bytes = TypeParam::Bytes(tp);
    for (int n : {0, 1}) tp.WriteData(TypeParam::Name(n), bytes);
    const fs::path huge = DataFilePath(tp.project, TypeParam::Name(2));
    test::WriteBytes(huge, "<kind>");
    fs::resize_file(huge, kListFileCeiling + 1);
    const QString unreadable = QString::fromStdString(TypeParam::Name(2));

    typename TypeParam::Editor editor(this->context);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains(unreadable));
    EXPECT_EQ(editor.rows()[2].status, ReadStatus::Unreadable);
    EXPECT_TRUE(editor.list()->item(2)->text().startsWith(unreadable + QStringLiteral("  (")));
    // Editing it says so again and opens nothing.
    editor.SelectRow(2);
    Click(editor.editButton());
    EXPECT_EQ(services.messages.size(), 2u);
    // A new row takes number 3: the unreadable file keeps its number. Not yet written, it is
    // deleted without the trash, and nothing is selected after the last row.
    TypeParam::AddOne(editor);
    EXPECT_EQ(editor.list()->item(3)->text().toStdString(), TypeParam::Name(3));
    Click(editor.deleteButton());
    EXPECT_EQ(editor.selectedRow(), -1);
    EXPECT_TRUE(services.trashed.empty());

    editor.SelectRow(1);
    services.messages.clear();
    services.answers = {MessageAnswer::No};
    QTest::keyClick(editor.list(), Qt::Key_Delete);  // the Delete key is "削除"
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text,
              QStringLiteral("削除はｷｬﾝｾﾙで取り消せません。\n削除したﾌｧｲﾙはごみ箱に入ります。\n削除しますか？"));
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(editor.list()->count(), 3);
    Click(editor.deleteButton());  // Yes
    ASSERT_EQ(services.trashed.size(), 1u);
    EXPECT_EQ(fs::path(services.trashed[0].toStdString()), fs::absolute(DataFilePath(tp.project, TypeParam::Name(1))));
    EXPECT_FALSE(fs::exists(DataFilePath(tp.project, TypeParam::Name(1))));
    EXPECT_EQ(editor.list()->count(), 2);
    EXPECT_EQ(editor.selectedRow(), 1);  // the row now at that position

    services.messages.clear();
    Click(editor.okButton());
    EXPECT_EQ(fs::file_size(huge), kListFileCeiling + 1);
    EXPECT_EQ(test::ReadBytes(huge).substr(0, 6), "<kind>");
    ASSERT_EQ(services.messages.size(), 1u);  // only the readable file was asked about
    EXPECT_TRUE(services.messages[0].caption.contains(QString::fromStdString(TypeParam::Name(0))));
    EXPECT_FALSE(fs::exists(DataFilePath(tp.project, TypeParam::Name(1))));
    EXPECT_FALSE(fs::exists(DataFilePath(tp.project, TypeParam::Name(3))));
}

// However many files cannot be read, the author is told once: the first ten named, the rest counted.
TYPED_TEST(NumberedFilesTest, UnreadableFilesAreNamedInOneMessage) {
    this->tp.WriteData(TypeParam::Name(0), TypeParam::Bytes(this->tp));
    for (int n = 1; n <= 12; ++n) {
        const fs::path huge = DataFilePath(this->tp.project, TypeParam::Name(n));
        test::WriteBytes(huge, "");
        fs::resize_file(huge, kListFileCeiling + 1);
    }
    typename TypeParam::Editor editor(this->context);
    ASSERT_EQ(this->services.messages.size(), 1u);
    const QString text = this->services.messages[0].text;
    EXPECT_EQ(this->services.messages[0].icon, MessageIcon::Warning);
    // In name order: 1, 10, 11, 12, 2 .. 7 named; 8 and 9 counted.
    for (int n : {1, 10, 11, 12, 2, 7}) EXPECT_TRUE(text.contains(QString::fromStdString(TypeParam::Name(n)))) << n;
    EXPECT_FALSE(text.contains(QString::fromStdString(TypeParam::Name(8))));
    EXPECT_TRUE(text.contains(QStringLiteral("ほか 2 件")));
    EXPECT_EQ(editor.rows()[12].status, ReadStatus::Unreadable);
}

// The settings redraw the map view at every change, and OK gives back what the controls show.
TEST_F(SceneListEditorTest, SettingsShowTheChosenMapAndChipSetsAndGiveThemBack) {
    test::WriteVillage(tp);
    tp.WriteData("other.txt", "x");
    tp.WriteData("midi_list.txt", "<midi_number>\r\n2\r\n</midi_number>\r\n<midi_data>\r\nfield.mid\r\ntown.mid\r\n</midi_data>");

    Scene start = NewScene();
    start.name = ToCp932(QStringLiteral("はじまりの村")).value();
    std::optional<Scene> edited;
    InDialog<QDialog>([&] { edited = EditSceneSettings(context, &start, nullptr); }, [&](QDialog* d) {
        d->move(20, 20);
        QApplication::processEvents();
        MapView& view = *context.mapView;
        ASSERT_TRUE(view.IsOpen());
        EXPECT_TRUE(view.IsShown());
        EXPECT_EQ(view.state().mode, MapViewMode::Settings);
        auto* map = NamedAs<ImageChooser>(d, "ﾏｯﾌﾟ ﾌｧｲﾙ名");
        EXPECT_EQ(map->count(), 1);  // "*.bin" only

        map->setCurrentIndex(0);
        EXPECT_EQ(view.state().map.width, test::kVillageWidth);
        NamedAs<ImageChooser>(d, "背景ﾁｯﾌﾟｾｯﾄ名")->SelectByPrefix("ground");
        NamedAs<ImageChooser>(d, "ﾚｲﾔｰﾁｯﾌﾟｾｯﾄ名")->SelectByPrefix("upper");
        EXPECT_FALSE(view.state().chipSets.images[0].isNull());
        EXPECT_FALSE(view.state().chipSets.images[1].isNull());
        auto* drawing = d->findChild<DrawingGroup*>();
        drawing->keyBox()->click();  // the box is wider than its label
        drawing->PickColour(QColor(255, 0, 255));
        EXPECT_EQ(view.state().layerSpec, (DrawSpec{kDrawOpaque, 1, Rgb{255, 0, 255}}));
        Click(drawing->modeButton(1));
        EXPECT_EQ(view.state().layerSpec.mode, 1);
        Click(drawing->modeButton(0));
        NamedAs<QComboBox>(d, "BGM")->setCurrentIndex(1);
        view.SetScroll(6 * 32, 4 * 32);
        QApplication::processEvents();

        NamedAs<QCheckBox>(d, "画像表示")->click();
        EXPECT_FALSE(view.IsShown());
        Confirm(d);
    });
    Scene expected = test::VillageScene();
    expected.name = start.name;
    expected.groups = start.groups;
    expected.bgmIndex = 1;
    EXPECT_EQ(edited, expected);
}

}  // namespace
}  // namespace lw
