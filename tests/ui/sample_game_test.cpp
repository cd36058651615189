// The sample game in every editor: each editor of the hub opens on it and is confirmed straight
// through ("次へ" to the end of its chain, then "OK"), and no file of the project changes by a
// byte; no editor has anything to complain about in it.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/app_controller.h"
#include "app/editor_context.h"
#include "app/editor_registry.h"
#include "core/hub/hub_rules.h"
#include "editors/scenes/scene_list_editor.h"
#include "support/core/sample_project.h"
#include "support/qt/fake_services.h"
#include "support/qt/modal.h"

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

// Confirms the next dialog, and every one after it, until no dialog follows.
void ConfirmEveryDialog(QStringList& confirmed) {
    test::OnNextModal<QDialog>([&confirmed](QDialog* d) {
        QPushButton* button = ConfirmingButton(d);
        if (button == nullptr) {
            ADD_FAILURE() << "nothing confirms " << d->windowTitle().toStdString();
            d->reject();
            return;
        }
        confirmed << d->windowTitle() + QStringLiteral(": ") + button->text();
        ConfirmEveryDialog(confirmed);
        button->click();
    });
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
    ConfirmEveryDialog(confirmed);
    ASSERT_TRUE(controller.registry().Open(editor, context, nullptr));
    test::CancelPendingModalWatches();

    EXPECT_FALSE(confirmed.isEmpty());
    EXPECT_EQ(sample.ChangedSince(before), std::vector<std::string>{}) << confirmed.join(" / ").toStdString();
    // The only messages are the overwrite questions of the saves themselves.
    for (const auto& m : services.messages) {
        EXPECT_EQ(m.text, QStringLiteral("同名のファイルが存在しますが、上書きしますか？")) << m.text.toStdString();
    }
    context.imageView->CloseWithSprites();
}

std::string EditorName(const ::testing::TestParamInfo<int>& info) {
    static const char* names[kHubEditorCount] = {
        "BgmList", "SoundList", "TextList", "AnimeList", "ItemList", "BackImages", "SelectImages", "LevelList",
        "LevelUp", "MagicList", "FaceImages", "NarrationList", "Title", "BasicSettings", "SceneSettings",
        "MapAnimeList", "MapAnimePlacement", "PlayerCharacter", "Npc", "SceneChange", "TreasureChest", "Shop", "Inn",
        "Signboard", "MonsterList", "EnemyUnitList", "FixedBattle", "FieldBattle", "EventCommands", "MapEditing"};
    return names[info.param];
}

// Every editor that is confirmed with a button; the map editor saves on "保存" and has its own
// open-save-reopen tests.
INSTANTIATE_TEST_SUITE_P(EveryHubEditor, SampleInEveryEditor,
                         ::testing::Range(0, static_cast<int>(HubEditor::MapEditing)), EditorName);

// The picture at the top of the README: the sample's village in the scene list with its map. Run
// under a real display (xvfb-run with QT_QPA_PLATFORM=xcb) with LW_SCREENSHOT_DIR naming the folder
// the PNG goes to; skipped otherwise.
TEST(SampleGameScreenshot, VillageInTheSceneEditor) {
    const char* dir = std::getenv("LW_SCREENSHOT_DIR");
    if (dir == nullptr || QGuiApplication::platformName() == "offscreen") GTEST_SKIP() << "set LW_SCREENSHOT_DIR under a display";
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
    QTest::qWait(1000);
    QRect area = editor.frameGeometry();
    if (context.mapView->IsShown()) area = area.united(context.mapView->window()->frameGeometry());
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x() - 8, area.y() - 8, area.width() + 16,
                                                                      area.height() + 16);
    EXPECT_TRUE(shot.save(QString::fromLocal8Bit(dir) + "/sample-village.png", "PNG"));
    editor.reject();
}

}  // namespace
}  // namespace lw
