// The sample game in every editor: each editor of the hub opens on it and is confirmed straight
// through ("次へ" to the end of its chain, then "OK"), and no file of the project changes by a
// byte; no editor has anything to complain about in it. Under a display with LW_SCREENSHOT_DIR
// set, every dialog of every chain is pictured on the way, beside its previews.

#include <gtest/gtest.h>

#include <QCheckBox>

#include "app/app_controller.h"
#include "core/hub/hub_rules.h"
#include "editors/scenes/scene_list_editor.h"
#include "support/core/sample_project.h"
#include "support/qt/editor_driver.h"

namespace lw {
namespace {

// The button that confirms `dialog`: "OK" or "次へ" when it has one, else its default button.
QPushButton* ConfirmingButton(QDialog* dialog) {
    QPushButton* fallback = nullptr;
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        if (!b->isVisible() || !b->isEnabled() || b->window() != dialog) continue;
        if (b->text() == QStringLiteral("OK") || b->text() == QStringLiteral("次へ")) return b;
        if (b->isDefault()) fallback = b;
    }
    return fallback;
}

// Every window on the screen, as the PNG `name` in the screenshot folder (when there is one).
void ShootScreen(const QString& name) {
    const QString dir = test::ScreenshotDir();
    if (dir.isEmpty()) return;
    QRect area;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) area = area.united(w->frameGeometry());
    test::SaveScreenArea(area, dir + "/" + name + ".png");
}

// Confirms the next dialog, and every one after it, until no dialog follows. Under a display with
// LW_SCREENSHOT_DIR set, each dialog is first pictured with its previews as `shots`-N.png.
void ConfirmEveryDialog(QStringList& confirmed, const QString& shots) {
    test::OnNextModal<QDialog>([&confirmed, shots](QDialog* d) {
        QPushButton* button = ConfirmingButton(d);
        if (button == nullptr) {
            ADD_FAILURE() << "nothing confirms " << d->windowTitle().toStdString();
            d->reject();
            return;
        }
        ShootScreen(shots + "-" + QString::number(confirmed.size()));
        confirmed << d->windowTitle() + QStringLiteral(": ") + button->text();
        ConfirmEveryDialog(confirmed, shots);
        button->click();
    });
}

std::string EditorName(int editor) {
    static const char* names[kHubEditorCount] = {
        "BgmList", "SoundList", "TextList", "AnimeList", "ItemList", "BackImages", "SelectImages", "LevelList",
        "LevelUp", "MagicList", "FaceImages", "NarrationList", "Title", "BasicSettings", "SceneSettings",
        "MapAnimeList", "MapAnimePlacement", "PlayerCharacter", "Npc", "SceneChange", "TreasureChest", "Shop", "Inn",
        "Signboard", "MonsterList", "EnemyUnitList", "FixedBattle", "FieldBattle", "EventCommands", "MapEditing"};
    return names[editor];
}

class SampleInEveryEditor : public ::testing::TestWithParam<int> {};

TEST_P(SampleInEveryEditor, ConfirmedStraightThroughChangesNoByte) {
    const auto editor = static_cast<HubEditor>(GetParam());
    test::SampleProject sample;
    test::FakeServices services;
    AppController controller(services);
    EditorContext& context = controller.context();
    context.project = sample.project;
    context.flagsRead = LoadFlagExplanations(context.project, context.flags);
    LoadNpcTable(context.project, context.npcs);
    LoadTreasureTable(context.project, context.chests);
    context.placementMode = PlacementMode(editor);
    const auto before = sample.Files();

    QStringList confirmed;
    ConfirmEveryDialog(confirmed, QString::fromStdString(EditorName(GetParam())));
    ASSERT_TRUE(controller.registry().Open(editor, context, nullptr));
    test::CancelPendingModalWatches();

    EXPECT_FALSE(confirmed.isEmpty());
    EXPECT_EQ(sample.ChangedSince(before), std::vector<std::string>{}) << confirmed.join(" / ").toStdString();
    // The only messages are the overwrite questions of the saves themselves.
    for (const auto& m : services.messages) {
        EXPECT_TRUE(m.text.startsWith(QStringLiteral("同名のファイルが存在しますが、上書きしますか？"))) << m.text.toStdString();
    }
    context.imageView->CloseWithSprites();
}

// Every editor that is confirmed with a button; the map editor saves on "保存" and has its own
// open-save-reopen tests.
INSTANTIATE_TEST_SUITE_P(EveryHubEditor, SampleInEveryEditor,
                         ::testing::Range(0, static_cast<int>(HubEditor::MapEditing)),
                         [](const ::testing::TestParamInfo<int>& info) { return EditorName(info.param); });

// The picture at the top of the README: the sample's village in the scene list with its map. Run
// under a real display (xvfb-run with QT_QPA_PLATFORM=xcb) with LW_SCREENSHOT_DIR naming the folder
// the PNG goes to; skipped otherwise.
TEST(SampleGameScreenshot, VillageInTheSceneEditor) {
    const QString dir = test::ScreenshotDir();
    if (dir.isEmpty()) GTEST_SKIP() << "set LW_SCREENSHOT_DIR under a display";
    test::SampleProject sample;
    test::FakeServices services;
    AppController controller(services);
    EditorContext& context = controller.context();
    context.project = sample.project;
    LoadNpcTable(context.project, context.npcs);
    LoadTreasureTable(context.project, context.chests);
    SceneListEditor editor(context);
    editor.move(16, 16);
    editor.show();
    editor.SelectRow(0);
    if (!editor.showBox()->isChecked()) editor.showBox()->click();
    if (context.mapView->IsShown()) context.mapView->window()->resize(760, 560);
    QRect area = editor.frameGeometry();
    if (context.mapView->IsShown()) area = area.united(context.mapView->window()->frameGeometry());
    test::SaveScreenArea(area, dir + "/sample-village.png", 1000);
    editor.reject();
}

}  // namespace
}  // namespace lw
