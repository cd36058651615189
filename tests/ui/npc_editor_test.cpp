// "NPC" through its widgets: the chain sprite -> "ｱﾆﾒﾁｯﾌﾟの順番" -> "NPC設定2" -> "NPC配置" -> owner
// form to the bytes of npc_list.txt and the rebuilt scene files; moves and deletes renumbering the scenes; a declined
// overwrite of npc_list.txt leaving every scene file as it was; Cancel writing nothing.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "core/world/npc_editing.h"
#include "core/world/npc_list.h"
#include "core/world/scene.h"
#include "editors/events/event_command_editor.h"
#include "editors/scenes/npc_editor.h"
#include "editors/scenes/placement_dialog_widgets.h"
#include "support/core/village_makers.h"
#include "support/qt/editor_test.h"
#include "support/qt/accessibility.h"
#include "support/qt/named.h"
#include "support/qt/property_driver.h"
#include "widgets/face_dialog.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"
#include "widgets/placed_list_editor.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/property_editor.h"

namespace lw {
namespace {

using namespace test;

std::string Cp932(const char* utf8) { return ToCp932(QString::fromUtf8(utf8)).value(); }

Npc Villager(const char* name, int x, int y) {
    Npc n = NewNpc();
    n.spriteFile = "villager.bmp";
    n.regionWidth = 96;
    n.regionHeight = 192;
    n.frameOrder = {1, 2, 1, 0};
    n.facingRow = {0, 1, 2, 3};
    n.x = x;
    n.y = y;
    n.displayName = Cp932(name);
    return n;
}

class NpcEditorTest : public test::EditorTest {
protected:
    // What the owner form was asked, and the group it gives (nullopt: cancelled).
    int ownerScene = -2;
    int ownerGroup = -2;
    std::optional<int> ownerAnswer = 2;

    void SetUp() override {
        EditorTest::SetUp();
        test::WriteBytes(ImageFilePath(tp.project, "villager.bmp"), test::VillagerSheetBmp(0xC04030));
        WriteVillage(tp);
        // The first villager stands in scene 0, the second in scene 1.
        tp.WriteData("scene0.txt", SceneBytes(Village({0})));
        tp.WriteData("scene1.txt", SceneBytes(Village({1})));
        tp.WriteData(kNpcFile, NpcListBytes({Villager("村長", 3, 4), Villager("番兵", 8, 9)}));
        LoadNpcTable(tp.project, context.npcs);
    }

    static Scene Village(std::vector<int> npcs) {
        Scene s = VillageScene();
        s.npcIndices = std::move(npcs);
        EventCommandGroup g;
        g.explanation = "talk";
        s.groups = {g, g, g};
        return s;
    }
    std::vector<int> NpcsOf(const char* file) const {
        Scene s;
        ParseScene(tp.ReadData(file), s);
        return s.npcIndices;
    }
    // Opens "NPC設定1" with the test's owner form; `inEditor` works in it.
    void InEditor(const std::function<void(PlacedListDialog*)>& inEditor) {
        InDialog<PlacedListDialog>([&] {
            RunNpcListEditor(context, nullptr, [this](SceneCatalog& catalog, int scene, int group, QWidget*) {
                EXPECT_NE(FindCatalogEntry(catalog, 0), nullptr);
                ownerScene = scene;
                ownerGroup = group;
                return ownerAnswer;
            });
        }, inEditor);
    }

    // Runs the chain from the sprite dialog: the sprite sheet, "ｱﾆﾒﾁｯﾌﾟの順番" with `walk`,
    // "NPC設定2" with `settings`, then the placement with `placement`; with `cancelBack`, the
    // steps the placement returns to are cancelled in turn. True when every dialog was reached.
    bool RunChain(QAbstractButton* start, const std::function<void(QDialog*)>& settings,
                  const std::function<void(ScenePlacementDialog*)>& placement,
                  const std::function<void(QDialog*)>& walk = {}, bool cancelBack = false) {
        const auto sprite = [](QDialog* d) {
            auto* sprite = qobject_cast<FaceDialog*>(d);
            SelectText(NamedControl<ImageChooser>(sprite, "画像ﾌｧｲﾙ"), "villager.bmp");
            Enter(NamedControl<NumberSpin>(sprite, "幅"), 96, Leave::Stay);
            Enter(NamedControl<NumberSpin>(sprite, "高さ"), 192, Leave::Stay);
        };
        std::vector<DialogStep> steps = {
            {"顔画像(ﾒﾆｭｰ用)", sprite, "次へ"},
            {"ｱﾆﾒﾁｯﾌﾟの順番", walk, "次へ"},
            {"NPC設定2", settings, "次へ"},
            {"NPC配置", [&](QDialog* d) { placement(qobject_cast<ScenePlacementDialog*>(d)); }, {}}};
        if (cancelBack)
            for (const char* title : {"NPC設定2", "ｱﾆﾒﾁｯﾌﾟの順番", "顔画像(ﾒﾆｭｰ用)"}) steps.push_back({title, {}, "ｷｬﾝｾﾙ"});
        return PlayDialogs([&] { Click(start); }, std::move(steps)).isEmpty();
    }
};

TEST_F(NpcEditorTest, AddingAnNpcWritesTheListAndItsScene) {
    InEditor([&](PlacedListDialog* editor) {
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("NPC設定1"));
    ASSERT_EQ(editor->panel()->rowCount(), 2);
    // Each row says where the NPC stands (the test's scenes have no names: their numbers).
    EXPECT_EQ(editor->panel()->rowText(1), QStringLiteral("番兵 — 1 (8, 9)"));

    const bool placed = RunChain(
        editor->panel()->addButton(),
        [&](QDialog* s) {
            PropertyEditor* p = s->findChild<PropertyEditor*>();
            p->SelectRow(0);
            p->choice()->setCurrentIndex(1);  // "歩行"
            p->SelectRow(1);
            p->choice()->setCurrentIndex(2);  // "右"
            Enter(Property<QSpinBox>(s, "動作速度"), 300, Leave::Stay);  // taken as 100
            QLineEdit* name = Property<QLineEdit>(s, "名前");
            name->setFocus();
            name->setText(QStringLiteral("旅人"));
            p->Commit();  // Return would press the dialog's default button
            p->Commit();
            // The sprite walks in the preview in the row of its facing, at its speed.
            ImageView& v = *context.imageView;
            EXPECT_EQ(v.state().mode, ViewMode::NpcAnimation);
            EXPECT_TRUE(v.IsShown());
            EXPECT_EQ(v.state().animation.frameCount, 4);
            EXPECT_EQ(v.state().animation.cellHeight, 48);
            EXPECT_EQ(v.animationPeriod(), 3000);
            // The order of the walking step, in the facing's row (right: row 2).
            EXPECT_EQ(v.state().animation.frames[3].column, 2);
            EXPECT_EQ(v.state().animation.frames[3].row, 2);
        },
        [&](ScenePlacementDialog* p) {
            p->ChooseScene(1);
            p->ClickCell(12, 7);
            Enter(NamedAs<QSpinBox>(p, "移動範囲 X"), 3, Leave::Stay);
            Enter(NamedAs<QSpinBox>(p, "移動範囲 Y"), 2, Leave::Stay);
            Click(NamedAs<QCheckBox>(p, "表示"));
            Click(p->okButton());
        },
        [&](QDialog* w) {
            // A new NPC starts with the player character's order; the preview walks it in the
            // facing picked for the preview, and follows every change.
            const auto values = [w](std::initializer_list<const char*> names) {
                std::vector<int> out;
                for (const char* name : names) out.push_back(NamedAs<QSpinBox>(w, name)->value());
                return out;
            };
            EXPECT_EQ(values({"1歩目の列", "2歩目の列", "3歩目の列", "4歩目の列"}), (std::vector<int>{1, 2, 1, 0}));
            ImageView& v = *context.imageView;
            EXPECT_EQ(v.state().mode, ViewMode::NpcAnimation);
            Type(NamedAs<QSpinBox>(w, "4歩目の列"), 7);  // taken as 2, the last column
            EXPECT_EQ(v.state().animation.frames[3].column, 2);
            NamedAs<QComboBox>(w, "ﾌﾟﾚﾋﾞｭｰの向き")->setCurrentIndex(3);  // "上": the row of facing up
            EXPECT_EQ(v.state().animation.frames[0].row, 3);
            Type(NamedAs<QSpinBox>(w, "上向きの行"), 1);
            EXPECT_EQ(v.state().animation.frames[0].row, 1);
            Click(NamedAs<QPushButton>(w, "初期値"));
            EXPECT_EQ(values({"下向きの行", "左向きの行", "右向きの行", "上向きの行"}), (std::vector<int>{0, 1, 2, 3}));
            Type(NamedAs<QSpinBox>(w, "4歩目の列"), 2);
        });
    ASSERT_TRUE(placed);
    EXPECT_EQ(ownerScene, 1);
    EXPECT_EQ(ownerGroup, 0);  // a new NPC starts at group 0
    ASSERT_EQ(editor->panel()->rowCount(), 3);
    EXPECT_EQ(editor->panel()->rowText(2), QStringLiteral("旅人 — 1 (12, 7)"));
    EXPECT_EQ(editor->panel()->selectedRow(), 2);

    Press(editor, "OK");
    EXPECT_EQ(editor->saveReport().outcome, PlacedListOutcome::Saved);
    });
    const std::string list = tp.ReadData(kNpcFile);
    const std::string added = "1 2 1 100 1 0 12 7 12 7 3 2 2 villager.bmp 0 0 96 192 0 0 0 0 0 1 2 1 2 0 1 2 3 " +
                              Cp932("旅人");
    EXPECT_TRUE(list.ends_with("\r\n" + added + "\r\n</npc_data>")) << list;
    EXPECT_TRUE(list.starts_with("<npc_number>\r\n3\r\n</npc_number>"));
    EXPECT_EQ(NpcsOf("scene0.txt"), std::vector<int>{0});
    EXPECT_EQ(NpcsOf("scene1.txt"), (std::vector<int>{1, 2}));
    // The hub's NPC table follows the file.
    EXPECT_EQ(context.npcs.count(), 3);
}

TEST_F(NpcEditorTest, MovingAndDeletingRenumberEveryScene) {
    InEditor([&](PlacedListDialog* editor) {
        ClickRow(editor->panel(), 0);
        Click(editor->panel()->downButton());
        EXPECT_TRUE(editor->panel()->rowText(0).startsWith(QStringLiteral("番兵 — ")));
        Press(editor, "OK");
    });
    EXPECT_EQ(NpcsOf("scene0.txt"), std::vector<int>{1});
    EXPECT_EQ(NpcsOf("scene1.txt"), std::vector<int>{0});
    InEditor([&](PlacedListDialog* editor) {
        ClickRow(editor->panel(), 0);
        Click(editor->panel()->deleteButton());
        Press(editor, "OK");
    });
    EXPECT_EQ(NpcsOf("scene0.txt"), std::vector<int>{0});
    EXPECT_TRUE(NpcsOf("scene1.txt").empty());
    EXPECT_EQ(ParseNpcList(tp.ReadData(kNpcFile)).size(), 1u);
}

// A declined npc_list.txt, then a scene file that can no longer be read: neither save writes a file.
TEST_F(NpcEditorTest, ADeclinedListOrAnUnreadableSceneStopsTheWholeSave) {
    const std::string scene0 = tp.ReadData("scene0.txt");
    const std::string scene1 = tp.ReadData("scene1.txt");
    const std::string list = tp.ReadData(kNpcFile);
    InEditor([&](PlacedListDialog* editor) {
        ClickRow(editor->panel(), 1);
        Click(editor->panel()->upButton());
        services.answers = {MessageAnswer::No};
        Press(editor, "OK");
        EXPECT_EQ(editor->saveReport().outcome, PlacedListOutcome::Declined);
        EXPECT_EQ(tp.ReadData("scene0.txt"), scene0);
        EXPECT_EQ(tp.ReadData("scene1.txt"), scene1);
        EXPECT_EQ(tp.ReadData(kNpcFile), list);
        EXPECT_FALSE(DataFileExists(tp.project, kFlagFile));  // prepared in the same change, so not written
        // The overwrite question (with "yes to all"), then that nothing was saved; the editor stays
        // open with the moved row.
        ASSERT_EQ(services.messages.size(), 2u);
        EXPECT_EQ(services.messages[0].caption, QStringLiteral(".\\data\\npc_list.txt"));
        EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNoYesToAll);
        EXPECT_TRUE(services.messages[1].text.endsWith(QStringLiteral("保存を取り消しました。ファイルは書き換えていません。")));
        EXPECT_TRUE(editor->isVisible());
        EXPECT_TRUE(editor->panel()->rowText(0).startsWith(QStringLiteral("番兵 — ")));

        // After opening, scene 1 turns into a file no scene reader takes.
        std::filesystem::resize_file(DataFilePath(tp.project, "scene1.txt"), kListFileCeiling + 1);
        Press(editor, "OK");
        EXPECT_EQ(editor->saveReport().outcome, PlacedListOutcome::ScenesFailed);
        EXPECT_EQ(tp.ReadData(kNpcFile), list);
        EXPECT_EQ(tp.ReadData("scene0.txt"), scene0);
        EXPECT_TRUE(services.messages.back().text.contains(QStringLiteral("scene1.txt")));
        editor->done(QDialog::Rejected);
    });
}

TEST_F(NpcEditorTest, CancelAnywhereWritesNothing) {
    const std::string list = tp.ReadData(kNpcFile);
    InEditor([&](PlacedListDialog* editor) {
        ClickRow(editor->panel(), 0);
        // Cancelled in the owner form: the placement stays open and is cancelled in turn; the row is
        // left as it was.
        ownerAnswer = std::nullopt;
        const bool placed = RunChain(
            editor->panel()->editButton(), {},
            [&](ScenePlacementDialog* p) {
                p->ClickCell(1, 1);
                Click(p->okButton());
                EXPECT_TRUE(p->isVisible());
                Click(p->cancelButton());
            }, {}, true);
        EXPECT_TRUE(placed);
        EXPECT_EQ(ownerGroup, 0);
        EXPECT_EQ(editor->panel()->rowText(0), QStringLiteral("村長 — 0 (3, 4)"));
        Press(editor, "ｷｬﾝｾﾙ");
    });
    EXPECT_EQ(tp.ReadData(kNpcFile), list);
    EXPECT_FALSE(DataFileExists(tp.project, kFlagFile));
    EXPECT_TRUE(services.messages.empty());
}

// The keyboard alone: Tab moves between the controls, Space presses a button, typing fills a field,
// Enter presses a step's default button; the NPC made this way is saved with its scene.
TEST_F(NpcEditorTest, TheWholeChainByKeyboardAlone) {
    const auto focused = [] { return QApplication::focusWidget(); };
    const auto key = [&](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        ASSERT_NE(focused(), nullptr);
        QTest::keyClick(focused(), static_cast<Qt::Key>(k), m);
    };
    // Tab until `target` has the focus (it must be reachable, and within 40 presses).
    const auto tabTo = [&](QWidget* target) {
        for (int i = 0; i < 40 && focused() != target; ++i) key(Qt::Key_Tab);
        ASSERT_EQ(focused(), target) << target->metaObject()->className() << " in "
                                     << target->window()->windowTitle().toStdString() << ", focus on "
                                     << (focused() ? focused()->metaObject()->className() : "nothing");
    };
    // A dialog that opens takes the keyboard, as the window system gives it (the offscreen platform
    // does not activate windows on its own).
    const auto opened = [](QWidget* dialog) { QApplication::setActiveWindow(dialog); };
    const auto typeInto = [&](QWidget* field, const QString& text) {
        tabTo(field);
        key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), text);
    };
    bool ownerReached = false;
    QString chosenScene;
    RunFromHub<PlacedListDialog>(HubEditor::Npc, [&](PlacedListDialog* editor) {
    editor->panel()->view()->setFocus();
    OnNextModal<FaceDialog>([&](FaceDialog* sprite) {
        opened(sprite);
        tabTo(NamedControl<ImageChooser>(sprite, "画像ﾌｧｲﾙ"));
        QTest::keyClicks(focused(), QStringLiteral("villager"));
        EXPECT_EQ(NamedControl<ImageChooser>(sprite, "画像ﾌｧｲﾙ")->currentText(), QStringLiteral("villager.bmp"));
        typeInto(NamedControl<NumberSpin>(sprite, "幅"), QStringLiteral("96"));
        typeInto(NamedControl<NumberSpin>(sprite, "高さ"), QStringLiteral("192"));
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* walk) {
            opened(walk);
            typeInto(NamedAs<QSpinBox>(walk, "2歩目の列"), QStringLiteral("0"));
            OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* settings) {
                opened(settings);
                OnNextModal<ScenePlacementDialog>([&](ScenePlacementDialog* place) {
                    opened(place);
                    auto* scene = NamedAs<QComboBox>(place, "場面");
                    tabTo(scene);
                    key(Qt::Key_Down);
                    chosenScene = scene->currentText();
                    typeInto(NamedAs<QSpinBox>(place, "位置 X"), QStringLiteral("5"));
                    typeInto(NamedAs<QSpinBox>(place, "位置 Y"), QStringLiteral("6"));
                    OnNextModal<EventCommandEditor>([&](EventCommandEditor* owner) {
                        opened(owner);
                        ownerReached = true;
                        tabTo(owner->ownerGroupChoice());
                        key(Qt::Key_Down);  // from group 0, where a new NPC starts, to group 1
                        tabTo(owner->okButton());
                        key(Qt::Key_Space);
                    });
                    key(Qt::Key_Return);
                });
                key(Qt::Key_Return);
            }, walk);
            key(Qt::Key_Return);
        }, sprite);
        key(Qt::Key_Return);
    });
    tabTo(editor->panel()->addButton());
    key(Qt::Key_Space);
    test::CancelPendingModalWatches();
    ASSERT_TRUE(ownerReached);
    ASSERT_EQ(editor->panel()->rowCount(), 3);
    opened(editor);
    tabTo(ConfirmButton(editor));
    key(Qt::Key_Space);
    ASSERT_EQ(editor->saveReport().outcome, PlacedListOutcome::Saved);
    });
    const std::vector<Npc> npcs = ParseNpcList(tp.ReadData(kNpcFile));
    ASSERT_EQ(npcs.size(), 3u);
    EXPECT_EQ(npcs[2].spriteFile, "villager.bmp");
    EXPECT_EQ(npcs[2].regionHeight, 192);
    EXPECT_EQ(npcs[2].frameOrder, (std::array<int, 4>{1, 0, 1, 0}));
    EXPECT_EQ(npcs[2].x, 5);
    EXPECT_EQ(npcs[2].y, 6);
    EXPECT_EQ(npcs[2].group, 1);
    ASSERT_TRUE(chosenScene.startsWith(QStringLiteral("scene0.txt"))) << chosenScene.toStdString();
    EXPECT_EQ(NpcsOf("scene0.txt"), (std::vector<int>{0, 2}));
}

}  // namespace
}  // namespace lw
