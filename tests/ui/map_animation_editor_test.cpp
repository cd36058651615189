// The map animation editor through its widgets: the list "ﾏｯﾌﾟｱﾆﾒ" with its two steps "ﾏｯﾌﾟｱﾆﾒ2"
// and "ﾏｯﾌﾟｱﾆﾒ3" (frames picked on the real preview in "ｱﾆﾒﾁｯﾌﾟの順番") down to the files written,
// and the terrain animation dialog "背景ｱﾆﾒ設定２" on a scene beside a real chip set.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <filesystem>

#include "core/world/map_animation.h"
#include "core/world/scene.h"
#include "editors/media/effect_steps.h"
#include "editors/scenes/map_animation_list_editor.h"
#include "editors/scenes/placement_hub.h"
#include "editors/scenes/terrain_animation_dialog.h"
#include "render/bitmap.h"
#include "support/core/bmp_makers.h"
#include "support/core/village_makers.h"
#include "support/qt/accessibility.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"
#include "support/qt/titled.h"
#include "widgets/image_chooser.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
using namespace test;

// The colour of the top-left pixel of frame (column, row) of the water sheet.
QRgb FrameMark(int column, int row) { return qRgb(250, 10 + column * 40, 10 + row * 100); }

// Water in 4 x 2 frames of 32 x 32, each frame a shade of its own (the second row darker) with its
// own colour in its top-left pixel, so the preview can be checked.
std::string WaterSheetBmp() {
    return test::MakeBmp24(128, 64, [](int x, int y) {
        const int column = x / 32, row = y / 32;
        const QRgb c = x % 32 == 0 && y % 32 == 0 ? FrameMark(column, row)
                                                  : qRgb(30 + 10 * column, 90 + 20 * row, 200 - 30 * row);
        return static_cast<std::uint32_t>(c & 0xFFFFFFu);
    });
}

class MapAnimationEditorTest : public test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        test::WriteBytes(ImageFilePath(tp.project, "water.bmp"), WaterSheetBmp());
        test::WriteBytes(ImageFilePath(tp.project, "ground.bmp"), test::VillageGroundBmp());
        test::WriteBytes(ImageFilePath(tp.project, "sea water.bmp"), test::MakeSolidBmp24(64, 64, 0x0000FF));
    }

    // In "ﾏｯﾌﾟｱﾆﾒ3": "追加..." (or "編集...") picks the frames at these cells on the sheet.
    void PickFrames(QAbstractButton* button, std::vector<QPoint> cells) {
        const auto pick = [&](QDialog*) {
            for (QPoint c : cells) ClickPreview(QPoint(c.x() * 32 + 9, c.y() * 32 + 9));
        };
        EXPECT_EQ(PlayDialogs([&] { Click(button); }, {{"ｱﾆﾒﾁｯﾌﾟの順番", pick, "OK"}}), QStringList{});
    }
    static MapAnimation Water() {
        MapAnimation a = NewMapAnimation();
        a.imageFile = "water.bmp";
        a.speed = 3;
        a.animations = {{{{0, 0}, {32, 0}, {64, 0}, {96, 0}}}, {{{0, 32}, {32, 32}}}};
        return a;
    }
    void WriteFile(const char* name, const MapAnimation& a) { tp.WriteData(name, MapAnimationBytes(a)); }
};

TEST_F(MapAnimationEditorTest, AddAFileThroughBothStepsWithTheNextFreeNumber) {
    WriteFile("map_anim0.txt", Water());
    WriteFile("map_anim2.txt", NewMapAnimation());
    const std::string before0 = tp.ReadData("map_anim0.txt");

    MapAnimationListEditor editor(context);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("ﾏｯﾌﾟｱﾆﾒ"));
    EXPECT_EQ(Items(editor.list()), (QStringList{"map_anim0.txt", "map_anim2.txt"}));
    const auto settings = [&](QDialog* s) {
        // A new file: 32 x 32 frames at speed 1, no bitmap yet.
        EXPECT_EQ(NamedAs<NumberSpin>(s, "幅")->value(), 32);
        EXPECT_EQ(NamedAs<NumberSpin>(s, "速度")->value(), 1);
        EXPECT_EQ(NamedAs<ImageChooser>(s, "画像")->currentIndex(), -1);
        Press(s, "次へ");
        EXPECT_EQ(services.texts().value(0), QStringLiteral("画像を選択してください"));
        EXPECT_TRUE(s->isVisible());

        // A name the game reads only up to its blank is refused.
        Choose(NamedAs<ImageChooser>(s, "画像"), "sea water.bmp");
        Press(s, "次へ");
        EXPECT_EQ(services.texts().value(1),
                  QStringLiteral("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください"));

        Choose(NamedAs<ImageChooser>(s, "画像"), "water.bmp");
        // The sheet with the frame grid over it, beside the step.
        EXPECT_EQ(view().state().mode, ViewMode::MapAnimationGrid);
        EXPECT_TRUE(view().IsShown());
        EXPECT_EQ(view().window()->size(), QSize(128, 64));
        // Sizes typed above the bitmap's become the bitmap's; speeds above 100 become 100.
        Type(NamedAs<NumberSpin>(s, "幅"), 500, Then::Tab);
        EXPECT_EQ(NamedAs<NumberSpin>(s, "幅")->TakenValue(), 128);
        Type(NamedAs<NumberSpin>(s, "高さ"), 500, Then::Tab);
        EXPECT_EQ(NamedAs<NumberSpin>(s, "高さ")->TakenValue(), 64);
        Type(NamedAs<NumberSpin>(s, "速度"), 150, Then::Tab);
        EXPECT_EQ(NamedAs<NumberSpin>(s, "速度")->TakenValue(), 100);
        Type(NamedAs<NumberSpin>(s, "幅"), 32, Then::Tab);
        Type(NamedAs<NumberSpin>(s, "高さ"), 32, Then::Tab);
        Type(NamedAs<NumberSpin>(s, "速度"), 3, Then::Tab);
        EXPECT_EQ(view().state().animation.cellWidth, 32);
    };
    const auto animations = [&](QDialog* q) {
        EXPECT_EQ(PanelOf(q)->rowCount(), 0);
        PickFrames(PanelOf(q)->addButton(), {{0, 0}, {1, 0}, {2, 0}});
        PickFrames(PanelOf(q)->addButton(), {{3, 1}});
        EXPECT_EQ(Rows(PanelOf(q)), (QStringList{"0 0 32 0 64 0", "96 32"}));
        EXPECT_EQ(PanelOf(q)->selectedRow(), 1);
        // The same frames again select their row and add nothing.
        PickFrames(PanelOf(q)->addButton(), {{0, 0}, {1, 0}, {2, 0}});
        EXPECT_EQ(PanelOf(q)->rowCount(), 2);
        EXPECT_EQ(PanelOf(q)->selectedRow(), 0);
        // Cancel in the frame order changes nothing.
        EXPECT_EQ(PlayDialogs([&] { Click(PanelOf(q)->editButton()); }, {{"ｱﾆﾒﾁｯﾌﾟの順番", {}, "ｷｬﾝｾﾙ"}}), QStringList{});
        EXPECT_EQ(Rows(PanelOf(q)), (QStringList{"0 0 32 0 64 0", "96 32"}));

        // The selected animation runs in the preview, one frame at a time, at the speed.
        EXPECT_EQ(view().state().mode, ViewMode::MapAnimation);
        EXPECT_TRUE(view().IsShown());
        EXPECT_EQ(view().window()->size(), QSize(32, 32));
        EXPECT_EQ(view().animationPeriod(), 3 * 30);
        view().StopAnimation();
        EXPECT_EQ(view().ComposeFrame().pixel(0, 0), FrameMark(0, 0));
        view().state().currentFrame = 2;
        EXPECT_EQ(view().ComposeFrame().pixel(0, 0), FrameMark(2, 0));
    };
    ASSERT_EQ(PlayDialogs([&] { Click(editor.addButton()); }, {{"ﾏｯﾌﾟｱﾆﾒ2", settings, "次へ"}, {"ﾏｯﾌﾟｱﾆﾒ3", animations, "OK"}}),
              QStringList{});
    EXPECT_EQ(Items(editor.list()), (QStringList{"map_anim0.txt", "map_anim1.txt", "map_anim2.txt"}));
    EXPECT_EQ(editor.selectedRow(), 1);

    services.messages.clear();
    Click(editor.okButton());
    MapAnimation expected = NewMapAnimation();
    expected.imageFile = "water.bmp";
    expected.speed = 3;
    expected.animations = {{{{0, 0}, {32, 0}, {64, 0}}}, {{{96, 32}}}};
    EXPECT_EQ(tp.ReadData("map_anim1.txt"), MapAnimationBytes(expected));
    EXPECT_EQ(tp.ReadData("map_anim0.txt"), before0);
    // One overwrite question for each file there was; the new one was simply made.
    EXPECT_EQ(services.messages.size(), 2u);
    EXPECT_FALSE(view().IsOpen());
}

TEST_F(MapAnimationEditorTest, CancelInTheAnimationsReturnsToTheBitmapAndCancelWritesNothing) {
    WriteFile("map_anim0.txt", Water());
    const std::string before = tp.ReadData("map_anim0.txt");
    MapAnimationListEditor editor(context);
    // The file's animations run one after another in the preview.
    EXPECT_EQ(view().state().animation.frameCount, 6);
    const auto slower = [](QDialog* s) {
        EXPECT_EQ(NamedAs<ImageChooser>(s, "画像")->currentText(), "water.bmp");
        Type(NamedAs<NumberSpin>(s, "速度"), 9, Then::Tab);
    };
    const auto deleteOne = [](QDialog* q) {
        EXPECT_EQ(Rows(PanelOf(q)), (QStringList{"0 0 32 0 64 0 96 0", "0 32 32 32"}));
        Click(PanelOf(q)->deleteButton());
        EXPECT_EQ(PanelOf(q)->rowCount(), 1);
    };
    // Back in the first step, with its own preview; the animations deleted in the cancelled step
    // are there again.
    const auto back = [&](QDialog*) { EXPECT_EQ(view().state().mode, ViewMode::MapAnimationGrid); };
    const auto again = [](QDialog* q) { EXPECT_EQ(PanelOf(q)->rowCount(), 2); };
    EXPECT_EQ(PlayDialogs([&] { Click(editor.editButton()); },
                          {{"ﾏｯﾌﾟｱﾆﾒ2", slower, "次へ"}, {"ﾏｯﾌﾟｱﾆﾒ3", deleteOne, "ｷｬﾝｾﾙ"}, {"ﾏｯﾌﾟｱﾆﾒ2", back, "次へ"},
                           {"ﾏｯﾌﾟｱﾆﾒ3", again, "ｷｬﾝｾﾙ"}, {"ﾏｯﾌﾟｱﾆﾒ2", {}, "ｷｬﾝｾﾙ"}}),
              QStringList{});
    EXPECT_EQ(editor.rows()[0].animation, Water());

    // Confirmed steps change the row; the list's Cancel still writes nothing.
    EXPECT_EQ(PlayDialogs([&] { Click(editor.editButton()); }, {{"ﾏｯﾌﾟｱﾆﾒ2", slower, "次へ"}, {"ﾏｯﾌﾟｱﾆﾒ3", {}, "OK"}}),
              QStringList{});
    EXPECT_EQ(editor.rows()[0].animation.speed, 9);
    Click(editor.cancelButton());
    EXPECT_EQ(tp.ReadData("map_anim0.txt"), before);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(MapAnimationEditorTest, TheSixtyFourthAnimationIsRefusedAndAFullFileIsKeptWhole) {
    MapAnimation full = Water();
    full.animations.assign(64, MapAnimationSequence{{{32, 0}}});
    full.animations[63] = {{{0, 32}}};
    MapAnimation almost = full;
    almost.animations.resize(63);
    WriteFile("map_anim0.txt", almost);
    WriteFile("map_anim1.txt", full);
    const std::string bytes0 = tp.ReadData("map_anim0.txt");
    const std::string bytes1 = tp.ReadData("map_anim1.txt");

    MapAnimationListEditor editor(context);
    // "追加..." refuses at once: no frame order opens (one would stall the run).
    const auto refused = [&](QDialog* q) {
        Click(PanelOf(q)->addButton());
        EXPECT_EQ(services.texts().last(), QStringLiteral("これ以上、追加できません"));
        EXPECT_EQ(services.messages.back().caption, QStringLiteral("Lorewright"));
    };
    for (int row : {0, 1}) {
        editor.SelectRow(row);
        EXPECT_EQ(PlayDialogs([&] { Click(editor.editButton()); }, {{"ﾏｯﾌﾟｱﾆﾒ2", {}, "次へ"}, {"ﾏｯﾌﾟｱﾆﾒ3", refused, "OK"}}),
                  QStringList{});
    }
    EXPECT_EQ(services.messages.size(), 2u);
    Click(editor.okButton());
    EXPECT_EQ(tp.ReadData("map_anim0.txt"), bytes0);
    EXPECT_EQ(tp.ReadData("map_anim1.txt"), bytes1);
}

// ---- "背景ｱﾆﾒ設定２" --------------------------------------------------------------------------------

class TerrainAnimationTest : public MapAnimationEditorTest {
protected:
    Scene scene;
    void SetUp() override {
        MapAnimationEditorTest::SetUp();
        WriteFile("map_anim0.txt", Water());
        MapAnimation big = Water();
        big.frameWidth = big.frameHeight = 64;
        WriteFile("map_anim1.txt", big);
        scene = NewScene();
        scene.backgroundChipSet = "ground.bmp";  // 256 x 64: 8 x 2 chips of 32
        scene.mapAnimationFile = "map_anim0.txt";
        scene.terrainAnimation[0][3] = 2;
        scene.terrainAnimation[5][5] = 1;  // a cell the chip set does not reach: kept
    }
    // The controls of "背景ｱﾆﾒ設定２", found by their names; the chip's picture beside the list.
    static QComboBox* Files(QDialog* d) { return NamedAs<QComboBox>(d, "ﾏｯﾌﾟｱﾆﾒ"); }
    static QComboBox* Animations(QDialog* d) { return NamedAs<QComboBox>(d, "背景ｱﾆﾒ"); }
    static QListWidget* Chips(QDialog* d) { return NamedAs<QListWidget>(d, "背景ｱﾆﾒ設定２"); }
    static QLabel* Picture(QDialog* d) {
        for (QLabel* l : d->findChildren<QLabel*>())
            if (l->frameShape() == QFrame::StyledPanel) return l;
        return nullptr;
    }
    // Runs the dialog on `scene`; `inDialog` works in it.
    bool Run(const std::function<void(QDialog*)>& inDialog) {
        bool ok = false;
        InDialog<QDialog>([&] { ok = EditTerrainAnimations(context, scene, nullptr); }, [&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("背景ｱﾆﾒ設定２"));
            inDialog(d);
        });
        return ok;
    }
};

TEST_F(TerrainAnimationTest, ChipsOfTheChipSetTakeAnimationsAndTheSceneKeepsThemOnOk) {
    const QImage ground = LoadImageFile(ImageFilePath(tp.project, "ground.bmp"));
    const bool ok = Run([&](QDialog* d) {
        EXPECT_EQ(Files(d)->currentText(), "map_anim0.txt");
        EXPECT_EQ(Files(d)->itemText(0), "");  // none, first
        EXPECT_EQ(Animations(d)->count(), 2);
        EXPECT_EQ(Animations(d)->itemText(1), "  1");
        // One row per chip, 8 a row: row 3 is chip (0, 3), which has animation 1.
        ASSERT_EQ(Chips(d)->count(), 16);
        EXPECT_EQ(Chips(d)->item(3)->text(), "  3   1");
        EXPECT_EQ(Chips(d)->item(9)->text(), "  9");

        // Row 9 is the chip at column 1 of row 1, shown at twice its size.
        Chips(d)->setCurrentRow(9);
        const QImage shown = Picture(d)->pixmap().toImage();
        ASSERT_EQ(shown.size(), QSize(64, 64));
        for (QPoint p : {QPoint(0, 0), QPoint(17, 5), QPoint(31, 31)})
            EXPECT_EQ(shown.pixel(p * 2), ground.pixel(32 + p.x(), 32 + p.y()));
        // The chosen animation runs in the preview.
        Animations(d)->setCurrentIndex(1);
        EXPECT_EQ(view().state().mode, ViewMode::MapAnimation);
        EXPECT_TRUE(view().IsShown());
        EXPECT_EQ(view().state().animation.frameCount, 2);
        view().StopAnimation();
        EXPECT_EQ(view().ComposeFrame().pixel(0, 0), FrameMark(0, 1));

        Press(d, "更新");
        EXPECT_EQ(Chips(d)->item(9)->text(), "  9   1");
        Chips(d)->setCurrentRow(3);
        EXPECT_EQ(Animations(d)->currentIndex(), 1);  // the chip's own animation
        Press(d, "消去");
        EXPECT_EQ(Chips(d)->item(3)->text(), "  3");
        Chips(d)->setCurrentRow(15);
        Animations(d)->setCurrentIndex(0);
        Press(d, "更新");
        Press(d, "OK");
    });
    ASSERT_TRUE(ok);
    EXPECT_EQ(scene.mapAnimationFile, "map_anim0.txt");
    ChipGrid expected{};
    expected[1][1] = 2;
    expected[1][7] = 1;
    expected[5][5] = 1;
    EXPECT_EQ(scene.terrainAnimation, expected);
    EXPECT_NE(SceneBytes(scene).find("<anim_field_data>\r\n0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\r\n0 2 0 0 0 0 0 1 0"),
              std::string::npos);
    EXPECT_FALSE(view().IsOpen());
}

TEST_F(TerrainAnimationTest, TheFileChosenSetsTheCellSizeTheEmptyChoiceDropsBothSectionsAMissingOneIsKept) {
    const Scene before = scene;
    // Cancel leaves the scene as it was, whatever was done.
    EXPECT_FALSE(Run([&](QDialog* d) {
        Chips(d)->setCurrentRow(0);
        Press(d, "更新");
        Choose(Files(d), "");
        Press(d, "ｷｬﾝｾﾙ");
    }));
    EXPECT_EQ(scene, before);

    ASSERT_TRUE(Run([&](QDialog* d) {
        // Frames of 64 x 64 cut the 256 x 64 chip set into 4 chips.
        Choose(Files(d), "map_anim1.txt");
        EXPECT_EQ(Chips(d)->count(), 4);
        // No file: no animations and no chips to give them to.
        Choose(Files(d), "");
        EXPECT_EQ(Chips(d)->count(), 0);
        EXPECT_EQ(Animations(d)->count(), 0);
        EXPECT_FALSE(NamedAs<QPushButton>(d, "更新")->isEnabled());
        EXPECT_FALSE(view().IsShown());
        Press(d, "OK");
    }));
    EXPECT_EQ(scene.mapAnimationFile, "");
    const std::string bytes = SceneBytes(scene);
    EXPECT_EQ(bytes.find("anim_field"), std::string::npos);
    // The grid itself is not touched by the choice.
    EXPECT_EQ(scene.terrainAnimation, before.terrainAnimation);

    // A file the folder lacks is offered and kept.
    scene.mapAnimationFile = "map_anim9.txt";
    const Scene missing = scene;
    ASSERT_TRUE(Run([&](QDialog* d) {
        EXPECT_EQ(Files(d)->currentText(), "map_anim9.txt");
        EXPECT_EQ(Chips(d)->count(), 0);  // no frame size to cut the chip set by
        Press(d, "OK");
    }));
    EXPECT_EQ(scene, missing);
}

TEST_F(TerrainAnimationTest, TheHubButtonRunsTheDialogFromThePlacementHubWhichWritesTheScene) {
    tp.WriteData("scene0.txt", SceneBytes(scene));
    bool ran = false;
    RunFromHub<PlacementHub>(HubEditor::MapAnimePlacement, [&](PlacementHub* hub) {
        EXPECT_EQ(hub->windowTitle(), QStringLiteral("背景ｱﾆﾒ設定１"));
        hub->SelectRow(0);
        const auto firstAnimation = [&](QDialog* d) {
            Chips(d)->setCurrentRow(9);
            Animations(d)->setCurrentIndex(0);
            Press(d, "更新");
        };
        ran = PlayDialogs([&] { Click(hub->editButton()); }, {{"背景ｱﾆﾒ設定２", firstAnimation, "OK"}}).isEmpty();
        Click(hub->okButton());
    });
    ASSERT_TRUE(ran);
    Scene written;
    ParseScene(tp.ReadData("scene0.txt"), written);
    EXPECT_EQ(written.mapAnimationFile, "map_anim0.txt");
    EXPECT_EQ(written.terrainAnimation[1][1], 1);
    EXPECT_EQ(written.terrainAnimation[0][3], 2);
}

}  // namespace
}  // namespace lw
