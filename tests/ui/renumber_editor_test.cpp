// Deleting and moving a row that other files refer to, through the real editors of every list kind
// on a linked project whose lists hold two rows each: the question and each of its answers, and
// what OK then writes ("参照を更新": every reference follows and the project stays clean, or a
// delete that some place cannot take is refused with nothing written; "そのまま": only the list's own
// files change; "ｷｬﾝｾﾙ": nothing changes).

#include <gtest/gtest.h>

#include <QComboBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <array>
#include <filesystem>

#include "app/services.h"
#include "core/check/project_check.h"
#include "core/check/renumber.h"
#include "core/media/audio_lists.h"
#include "editors/events/event_command_editor.h"
#include "editors/scenes/placement_hub.h"
#include "support/core/linked_project.h"
#include "support/qt/editor_test.h"
#include "support/qt/named.h"
#include "widgets/usages_dialog.h"

namespace lw {
namespace {

using namespace test;

// How the kind's editor is reached: a list editor straight from the hub, the field battles of a
// scene through the placement hub, the groups of a scene in the event command editor.
enum class Reach { List, FieldBattles, Groups };
enum class Op { Delete, Move };

struct ListKind {
    const char* name;
    HubEditor button;
    Reach reach;
    std::optional<RefTarget> target;  // the index's target, for the list kinds
    std::vector<std::string> own;     // the files "そのまま" may change
    bool deleteRefused;               // some place cannot take none for a deleted row
};

// Shops are not here: only the scenes' shop positions refer to them, and the shop list's own save
// rebuilds those from the list, so a delete or move asks nothing (ChestShopEditorTest).
const ListKind kKinds[] = {
    {"Bgm", HubEditor::BgmList, Reach::List, RefTarget::Bgm, {"midi_list.txt"}, false},
    {"Sound", HubEditor::SoundList, Reach::List, RefTarget::Sound, {"wave_list.txt"}, false},
    {"Talk", HubEditor::TextList, Reach::List, RefTarget::Talk, {"talk_list.txt"}, true},
    {"Face", HubEditor::FaceImages, Reach::List, RefTarget::Face, {"image_face.txt"}, false},
    {"Effect", HubEditor::AnimeList, Reach::List, RefTarget::Effect, {"image_effect.txt"}, true},
    {"Narration", HubEditor::NarrationList, Reach::List, RefTarget::Narration, {"narration_list.txt"}, true},
    {"Item", HubEditor::ItemList, Reach::List, RefTarget::Item, {"item_list.txt"}, true},
    {"Magic", HubEditor::MagicList, Reach::List, RefTarget::Magic, {"magic_list.txt"}, true},
    {"Monster", HubEditor::MonsterList, Reach::List, RefTarget::Monster, {"monster_list.txt"}, false},
    {"EnemyUnit", HubEditor::EnemyUnitList, Reach::List, RefTarget::EnemyUnit, {"enemy_list.txt"}, true},
    {"Npc", HubEditor::Npc, Reach::List, RefTarget::Npc, {"npc_list.txt", "scene1.txt", "scene2.txt", "flag_exp.txt"}, true},
    {"Chest", HubEditor::TreasureChest, Reach::List, RefTarget::Chest,
     {"treasure_list.txt", "scene1.txt", "scene2.txt", "flag_exp.txt"}, true},
    {"FieldBattle", HubEditor::FieldBattle, Reach::FieldBattles, std::nullopt, {"scene1.txt"}, false},
    {"Group", HubEditor::EventCommands, Reach::Groups, std::nullopt, {"scene1.txt", "scene2.txt", "flag_exp.txt"}, false},
};

struct RenumberCase {
    ListKind kind;
    Op op;
    MessageAnswer answer;
};
void PrintTo(const RenumberCase& c, std::ostream* os) { *os << c.kind.name; }

// The linked project with a second row in every list (placed and referred to where the check asks
// for it), a second field battle on a chip of scene1.
LinkedProject TwoRowsEach() {
    LinkedProject p;
    p.bgm.push_back("theme2.mid");
    p.sounds.push_back("hit2.wav");
    p.audio.insert(p.audio.end(), {"theme2.mid", "hit2.wav"});
    p.faces.push_back(p.faces[0]);
    p.effects.push_back(p.effects[0]);
    p.narrations.push_back(p.narrations[0]);
    p.spells.push_back(p.spells[0]);
    p.spells[1].name = "ice";
    p.monsters.push_back(p.monsters[0]);
    p.monsters[1].name = "bat";
    p.units.push_back(p.units[0]);
    p.units[1].name = "bats";
    p.npcs[0].displayName = "guard";  // as the NPC editor writes it
    p.npcs.push_back(p.npcs[0]);
    p.scene2.npcIndices = {1};
    p.chests.push_back(p.chests[0]);
    p.scene2.treasureIndices = {1};
    p.shops.push_back(p.shops[0]);
    p.scene1.eventPositions.push_back({kShopPosition, 1, 3, 0, -1, 1});
    p.scene1.battles.push_back({0, 30, "back.bmp"});
    p.scene1.terrainBattle[0][2] = 2;
    return p;
}

class RenumberEditorTest : public EditorTest, public ::testing::WithParamInterface<RenumberCase> {
protected:
    // The two rows the case deletes or moves: the first is deleted, or moved down onto the second.
    static std::pair<int, int> Rows(const ListKind& k) { return k.reach == Reach::Groups ? std::pair{1, 2} : std::pair{0, 1}; }

    // How many references name the two rows and the two rows after them, as the files hold them.
    std::array<int, 4> Uses(const ListKind& k) {
        const int a = Rows(k).first;
        std::array<int, 4> out{};
        if (k.target) {
            const ProjectIndex index = BuildProjectIndex(tp.project);
            for (int i = 0; i < 4; ++i) out[i] = static_cast<int>(index.references.ReferencesTo(*k.target, a + i).size());
            return out;
        }
        Scene scene;
        LoadSceneFile(tp.project, "scene1.txt", scene);
        std::string npcs = tp.ReadData(kNpcFile), chests = tp.ReadData(kTreasureFile);
        const std::vector<HeldReference> held =
            k.reach == Reach::Groups ? SceneGroupReferences({&scene, "scene1.txt", nullptr, &npcs, &chests})
                                     : TerrainBattleReferences(scene.terrainBattle, "scene1.txt");
        for (int i = 0; i < 4; ++i) out[i] = CountHeldReferences(held, std::vector<int>{a + i});
        return out;
    }

    // Deletes or moves the case's row in its editor, and confirms the editor.
    void Change(const ListKind& k, Op op) {
        auto act = [op](QPushButton* remove, QPushButton* down) { Click(op == Op::Delete ? remove : down); };
        switch (k.reach) {
            case Reach::List:
                RunFromHub<QDialog>(k.button, [&](QDialog* e) {
                    auto* panel = e->findChild<ListEditorPanel*>();
                    ASSERT_NE(panel, nullptr);
                    ClickRow(panel, 0);
                    act(panel->deleteButton(), panel->downButton());
                    e->accept();
                    // An OK that did not go through keeps the editor open: say why instead of hanging.
                    if (e->isVisible()) {
                        ADD_FAILURE() << "the editor stayed open: " << services.texts().join(" / ").toStdString();
                        e->reject();
                    }
                });
                break;
            case Reach::FieldBattles:
                RunFromHub<PlacementHub>(k.button, [&](PlacementHub* hub) {
                    hub->SelectRow(0);
                    ASSERT_EQ(hub->rows()[0].fileName, "scene1.txt");
                    OnNextModal<QDialog>([&](QDialog* d) {  // "ﾌｨｰﾙﾄﾞ戦闘2", then "ﾌｨｰﾙﾄﾞ戦闘3"
                        auto* panel = d->findChild<ListEditorPanel*>();
                        ClickRow(panel, 0);
                        act(panel->deleteButton(), panel->downButton());
                        OnNextModal<QDialog>([](QDialog* t) { Click(ConfirmButton(t)); }, d);
                        Click(ConfirmButton(d));
                    }, hub);
                    Click(hub->editButton());
                    Click(hub->okButton());
                });
                break;
            case Reach::Groups:
                RunFromHub<EventCommandEditor>(k.button, [&](EventCommandEditor* e) {
                    ASSERT_EQ(e->scenes()[0].fileName, "scene1.txt");
                    e->groupChoice()->setCurrentIndex(Rows(k).first);
                    act(e->deleteGroupButton(), e->groupDownButton());
                    Click(e->okButton());
                });
                break;
        }
    }
};

TEST_P(RenumberEditorTest, TheAnswerDecidesWhatOkWrites) {
    const auto& [kind, op, answer] = GetParam();
    TwoRowsEach().Write(tp.project);
    ASSERT_EQ(CheckIndex(BuildProjectIndex(tp.project)).size(), 0u);
    const auto before = FolderFiles(tp.dir.path());
    const std::array<int, 4> uses = Uses(kind);
    ASSERT_GT(uses[0], 0);
    // "参照を更新" is chosen after a look at the usages.
    if (answer == MessageAnswer::Update) services.answers = {MessageAnswer::Usages, MessageAnswer::Update};
    else services.answers = {answer};
    int usagesShown = -1;
    OnNextModal<UsagesDialog>([&](UsagesDialog* d) {
        usagesShown = d->view()->topLevelItemCount();
        d->reject();
    });
    Change(kind, op);
    ASSERT_FALSE(services.messages.empty());
    EXPECT_EQ(services.messages.front().buttons, MessageButtons::UpdateKeepCancel);
    EXPECT_TRUE(services.messages.front().text.startsWith(QStringLiteral("この項目は "))) << services.messages.front().text.toStdString();
    if (answer == MessageAnswer::Update) EXPECT_EQ(usagesShown, uses[0]);

    std::vector<std::string> changed;
    for (const auto& [path, bytes] : FolderFiles(tp.dir.path()))
        if (!before.contains(path) || before.at(path) != bytes)
            changed.push_back(std::filesystem::path(path).filename().string());
    const bool refused = answer == MessageAnswer::Update && op == Op::Delete && kind.deleteRefused;
    const bool warned = std::any_of(services.messages.begin(), services.messages.end(),
                                    [](const auto& m) { return m.icon == MessageIcon::Warning; });
    EXPECT_EQ(warned, refused);
    if (answer == MessageAnswer::Cancel || refused) {
        EXPECT_EQ(changed, std::vector<std::string>{});
        return;
    }
    if (answer == MessageAnswer::Keep) {
        for (const std::string& f : changed)
            EXPECT_NE(std::find(kind.own.begin(), kind.own.end(), f), kind.own.end()) << f;
        return;
    }
    // The one question of the save names every file the renumbering rewrites with the list.
    const auto question = std::find_if(services.messages.begin(), services.messages.end(),
                                       [](const auto& m) { return m.buttons == MessageButtons::YesNoYesToAll; });
    if (changed.size() > 1) {
        ASSERT_NE(question, services.messages.end());
        for (const std::string& f : changed) EXPECT_TRUE(question->text.contains(QString::fromStdString(f))) << f;
    }
    EXPECT_EQ(CheckLines(tp.project), std::vector<std::string>{});
    // The references followed their rows: a moved row's to its new place, a deleted row's to none and
    // the later rows' one down.
    const std::array<int, 4> after = Uses(kind);
    EXPECT_EQ((std::array{after[0], after[1], after[2]}),
              (op == Op::Move ? std::array{uses[1], uses[0], uses[2]} : std::array{uses[1], uses[2], uses[3]}));
}

std::vector<RenumberCase> EveryCase() {
    std::vector<RenumberCase> out;
    for (const ListKind& k : kKinds)
        for (Op op : {Op::Delete, Op::Move})
            for (MessageAnswer a : {MessageAnswer::Update, MessageAnswer::Keep, MessageAnswer::Cancel}) out.push_back({k, op, a});
    return out;
}

INSTANTIATE_TEST_SUITE_P(EveryListKind, RenumberEditorTest, ::testing::ValuesIn(EveryCase()), [](const auto& info) {
    const RenumberCase& c = info.param;
    const char* answer = c.answer == MessageAnswer::Update ? "Update" : c.answer == MessageAnswer::Keep ? "Keep" : "Cancel";
    return std::string(c.kind.name) + (c.op == Op::Delete ? "Delete" : "Move") + answer;
});

// A line typed in the open editor is a reference like any other: it is counted, shown among the
// usages and renumbered with the rest.
TEST_F(RenumberEditorTest, ALineTypedInTheOpenEditorFollowsItsGroup) {
    TwoRowsEach().Write(tp.project);
    services.answers = {MessageAnswer::Usages, MessageAnswer::Update};
    QStringList places;
    OnNextModal<UsagesDialog>([&](UsagesDialog* d) {
        for (int i = 0; i < d->view()->topLevelItemCount(); ++i) places << d->view()->topLevelItem(i)->text(1);
        d->reject();
    });
    RunFromHub<EventCommandEditor>(HubEditor::EventCommands, [&](EventCommandEditor* e) {
        e->groupChoice()->setCurrentIndex(3);
        QTextCursor typed(e->textField()->document());
        typed.select(QTextCursor::Document);
        typed.insertText(QStringLiteral("end\nquake 3 5 0 2 1"));
        e->groupChoice()->setCurrentIndex(1);
        Click(e->groupDownButton());
        EXPECT_EQ(e->currentGroup(), 2);
        EXPECT_EQ(e->scenes()[0].scene.groups[3].commands, (CommandLines{"end", "quake 3 5 0 2 2"}));
        Click(e->cancelButton());
    });
    EXPECT_TRUE(places.contains(QStringLiteral("group 3 line 2"))) << places.join(", ").toStdString();
}

// The program's own question: each button gives its answer (Escape cancels).
TEST(RenumberQuestion, EachButtonGivesItsAnswer) {
    QtServices services;
    Message m;
    m.text = QStringLiteral("この項目は 5 か所で使われています。");
    m.buttons = MessageButtons::UpdateKeepCancel;
    m.icon = MessageIcon::Question;
    const QString shots = ScreenshotDir();
    const std::pair<QString, MessageAnswer> kButtons[] = {{"参照を更新", MessageAnswer::Update},
                                                          {"そのまま", MessageAnswer::Keep},
                                                          {"ｷｬﾝｾﾙ", MessageAnswer::Cancel},
                                                          {"使用箇所...", MessageAnswer::Usages}};
    for (const auto& [label, answer] : kButtons) {
        OnNextModal<QMessageBox>([&, label = label](QMessageBox* box) {
            if (!shots.isEmpty() && label == kButtons[0].first)
                SaveScreenArea(box->frameGeometry(), shots + "/renumber_question.png");
            for (QAbstractButton* b : box->buttons())
                if (b->text() == label) b->click();
        });
        EXPECT_EQ(services.ShowMessage(nullptr, m), answer) << label.toStdString();
    }
    OnNextModal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(services.ShowMessage(nullptr, m), MessageAnswer::Cancel);
}

}  // namespace
}  // namespace lw
