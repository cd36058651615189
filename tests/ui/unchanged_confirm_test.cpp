// The rule every editor dialog keeps: opening a record and confirming it without touching
// anything writes it back byte for byte, also when its values lie outside what the controls can
// show (spin ranges, pictures smaller than the stored area) or its name's bytes do not decode.
//
// Each editor that loads records into controls adds one case to kCases below: the list file it
// edits, with records that stress its controls, and how to open every record in turn and confirm
// it unchanged, then confirm the editor. The test writes the file, runs the editor, and compares
// the file's bytes.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <optional>
#include <QCheckBox>
#include <QListWidget>

#include "app/editor_context.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/media/narration_list.h"
#include "core/rules/enemy_units.h"
#include "core/rules/magic.h"
#include "core/rules/monsters.h"
#include "editors/media/audio_list_editor.h"
#include "editors/media/picture_list_editors.h"
#include "editors/rules/enemy_unit_editor.h"
#include "editors/rules/magic_list_editor.h"
#include "editors/rules/monster_list_editor.h"
#include "core/media/image_lists.h"
#include "core/settings/game_settings.h"
// placement hub
#include "core/world/scene.h"
#include "editors/scenes/placement_hub.h"
#include "support/core/map_makers.h"
// end placement hub
#include "support/core/bmp_makers.h"
#include "support/core/sample_project.h"
#include "support/qt/editor_driver.h"
#include "support/qt/in_language.h"
#include "support/qt/named.h"
#include "support/qt/property_driver.h"
#include "widgets/list_editor_panel.h"
#include "widgets/number_spin.h"
#include "widgets/property_editor.h"
// map animations
#include "core/world/map_animation.h"
#include "editors/scenes/map_animation_list_editor.h"
#include "editors/scenes/scene_list_editor.h"
#include "support/core/scene_makers.h"
#include "support/core/village_makers.h"
#include "widgets/preview_step_dialog.h"

namespace lw {
namespace {

using namespace test;

struct UnchangedCase {
    const char* name;
    std::string_view fileName;
    // Puts what the editor needs beside its file (pictures, sounds) and returns the file's bytes.
    std::function<std::string(const TempProject&)> prepare;
    // Opens the editor, opens every record and confirms it untouched, then confirms the editor.
    std::function<void(EditorContext&)> confirmUnchanged;
    // The files the editor writes, each after its overwrite question.
    std::size_t files = 1;
    // The hub button of an editor that a change and Escape leave without writing.
    std::optional<HubEditor> cancelFrom;
};

// Runs the list editor with `run` and opens every row with "編集...", `arm` watching for its
// dialogs and setting `reached` once the last one was confirmed; then confirms the editor.
void ConfirmEveryRow(int (*run)(EditorContext&, QWidget*), EditorContext& context,
                     const std::function<void(bool& reached)>& arm) {
    InDialog<PreviewListDialog>([&] { run(context, nullptr); }, [&](PreviewListDialog* editor) {
        for (int row = 0; row < editor->panel()->rowCount(); ++row) {
            bool reached = false;
            arm(reached);
            test::ClickRow(editor->panel(), row);
            QTest::mouseClick(editor->panel()->editButton(), Qt::LeftButton);
            test::CancelPendingModalWatches();
            EXPECT_TRUE(reached) << "row " << row;
        }
        QTest::mouseClick(editor->okButton(), Qt::LeftButton);
    });
}

// ---- effect animations: "編集...", then "次へ", "次へ", "OK" in the three steps -----------------

std::vector<EffectAnimation> StressedEffects() {
    EffectAnimation a{.reserved1 = -7,
        .drawMode = 7,  // no such radio button
        .colorKey = 2, .keyRed = 300, .keyGreen = -5, .keyBlue = 256,
        .name = std::string("\x85\x40\x79", 3),  // bytes that are no CP932 text
        .imageFile = "wide.bmp",  // 320 x 64
        .reserved2 = 123456, .reserved3 = -1,
        .areaLeft = 400,  // the area and cells lie outside the picture
        .areaTop = -3, .areaWidth = 1000, .areaHeight = 500, .cellWidth = 500, .cellHeight = 100,
        .speed = 150,  // the spin runs 1..100
        .frameCount = 2};
    a.frames[0] = {99, -1, 500, -3};  // a chip off the grid, a position off the screen
    a.frames[1] = {0, 0, 320, 240};

    EffectAnimation b{
        .name = "\x89\xce\x82\xcc\x8b\xca",  // 火の玉
        .imageFile = "wide.bmp",
        .areaWidth = 0,  // shown as the picture's size
        .areaHeight = 0, .cellWidth = 32, .cellHeight = 32, .speed = 0};

    EffectAnimation c = b;
    c.name.clear();
    c.imageFile = "gone.bmp";  // no longer in the image folder
    c.speed = -4;
    c.cellWidth = 1;
    c.cellHeight = 2147483647;
    return {a, b, c};
}

void ConfirmEveryEffectUnchanged(EditorContext& context) {
    ConfirmEveryRow(RunPreviewList<EffectListEditor>, context, [](bool& reached) {
        OnNextModal<QDialog>([&](QDialog* s) {
            OnNextModal<QDialog>([&](QDialog* o) {
                OnNextModal<QDialog>([&](QDialog* p) {
                    reached = true;
                    // "更新" with the fields untouched changes nothing either.
                    test::Press(p, QCoreApplication::translate("lw::EffectPositionStep", "更新"));
                    test::Click(test::ConfirmButton(p));
                }, o);
                test::Click(test::ConfirmButton(o));
            }, s);
            test::Click(test::ConfirmButton(s));
        });
    });
}

// ---- the BGM list: names are kept as their bytes ------------------------------------------------

void ConfirmBgmListUnchanged(EditorContext& context) {
    OnNextModal<QDialog>([](QDialog* d) { test::Click(test::ConfirmButton(d)); });
    RunAudioListEditor(context, AudioList::Bgm, nullptr);
}

// ---- the magic list: "編集..." on every spell, every row visited, "OK" --------------------------

std::vector<Magic> StressedSpells() {
    Magic a{.learnable = 2, .allTargets = -3,
        .damage = 9999999,  // beyond the game's maximum ability value
        .agility = -40,
        .healthState = 7,  // no such entry
        .cost = -1, .level = 300,
        .attackAnimation = 40,  // no such animation
        .sound = -1,
        .name = std::string("\x85\x40\x79", 3),  // bytes that are no CP932 text
        .description = "one#two##"};  // written as read: "#" stands for a line break
    Magic b;                 // a new spell: no name, no description
    b.attackAnimation = -1;  // no damage: the animation row is disabled and keeps its value
    b.sound = 99;
    Magic c{.damage = 3, .attackAnimation = 0, .name = "\x89\xce", .description = "x"};
    return {a, b, c};
}

void ConfirmEverySpellUnchanged(EditorContext& context) {
    ConfirmEveryRow(RunMagicListEditor, context, [](bool& reached) {
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* d) {
            reached = true;
            test::EnterAndLeaveEveryField(d->findChild<PropertyEditor*>());
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
    });
}

// ---- narrations: "編集...", then "OK" in the narration dialog -----------------------------------

std::vector<Narration> StressedNarrations() {
    Narration a{
        .text = 99,  // no such text
        .left = -20, .top = -2147483647 - 1, .right = 400, .bottom = 2147483647, .size = 500, .speed = 150,
        .wait = 2550,  // not a whole tenth
        .lastPageTime = -100, .red = 300, .green = -1, .blue = 256,
        .image = "sk",  // begins an entry: that entry is shown
        .bgm = 57};  // no such music
    Narration b = a;
    b.image = std::string("\x85\x40\x79", 3);  // bytes that are no CP932 text
    b.text = 0;
    b.bgm = 2147483647;
    b.speed = 0;
    Narration c{.text = -5,
        .image = "gone.bmp",  // no longer in the image folder
        .bgm = -9};
    return {a, b, c};
}

void ConfirmEveryNarrationUnchanged(EditorContext& context) {
    ConfirmEveryRow(RunPreviewList<NarrationListEditor>, context, [](bool& reached) {
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* d) {
            reached = true;
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
    });
}

// ---- monsters: "編集...", every row selected, "次へ", "OK" in the focus dialog ---------------------

std::vector<Monster> StressedMonsters() {
    Monster a{
        .agility = 123456,  // beyond the maximum ability value
        .reserved = -9, .experience = 2000000,
        .specialRate = 12.5f,  // not a whole percent
        .specialSuccess = 250, .specialKind = kSpecialPoison, .specialDamage = -4, .normalKind = 5,
        .normalSound = 40,  // beyond the sound list
        .name = std::string("\x85\x40\x79", 3),  // bytes that are no CP932 text
        .focusX = 999, .picture = "wide.bmp", .drawMode = 7, .keyOn = 2, .keyRed = 300};
    Monster b{.specialRate = 33.3f, .specialKind = 9,
        .specialDamage = 70000,  // beyond the maximum ability value
        .name = "\x89\xce", .picture = "gone.bmp"};
    return {a, b};
}

void ConfirmEveryMonsterUnchanged(EditorContext& context) {
    ConfirmEveryRow(RunMonsterListEditor, context, [](bool& reached) {
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* d) {
            auto* p = d->findChild<PropertyEditor*>();
            for (int i = 0; i < p->rowCount(); ++i) p->SelectRow(i);
            OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* f) {
                reached = true;
                QTest::mouseClick(f->okButton(), Qt::LeftButton);
            }, d);
            QTest::mouseClick(d->nextButton(), Qt::LeftButton);
        });
    });
}

// ---- enemy units: "編集...", every formation "編集..." and "OK", "次へ", "次へ", "OK" --------------

std::vector<EnemyUnit> StressedUnits() {
    Formation a = NewFormation();
    a.monster = {1, 0, 77, 0, -2, 0};  // a monster beyond the table, a negative choice
    a.x = {0, 500, 3, 0, 0, 0};
    a.y = {-1, 0, 250, 0, 0, 0};
    a.boss = 9;
    a.rate = 0.60f;
    a.itemRate = 0.125f;
    a.item = 30;
    a.itemCount = 5000;
    a.bgm = 99;
    Formation b = NewFormation();
    b.monster = {0, 0, 0, 0, 0, 1};
    b.rate = 0.40f;
    EnemyUnit u;
    u.name = "a name with blanks";
    SetUnitFormations(u, {a, b});
    EnemyUnit unnamed;
    unnamed.name = std::string("\x85\x40\x79", 3);
    Formation c = NewFormation();
    c.rate = 1.0f;
    SetUnitFormations(unnamed, {c});
    return {u, unnamed};
}

void ConfirmEveryUnitUnchanged(EditorContext& context) {
    ConfirmEveryRow(RunEnemyUnitListEditor, context, [](bool& reached) {
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* list) {
            auto* panel = list->findChild<ListEditorPanel*>();
            for (int f = 0; f < panel->rowCount(); ++f) {
                OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* d) { QTest::mouseClick(d->okButton(), Qt::LeftButton); }, list);
                test::ClickRow(panel, f);
                QTest::mouseClick(panel->editButton(), Qt::LeftButton);
                test::CancelPendingModalWatches();
            }
            OnNextModal<QDialog>([&](QDialog* rates) {
                OnNextModal<QDialog>([&](QDialog* name) {
                    reached = true;
                    test::Click(test::ConfirmButton(name));
                }, rates);
                test::Click(test::ConfirmButton(rates));
            }, list);
            QTest::mouseClick(list->nextButton(), Qt::LeftButton);
        });
    });
}

// ---- placement hub: field battles ("更新" on every row, "次へ", "OK") and inn positions ----------

Scene StressedPlacementScene() {
    Scene s = NewScene();
    s.mapDataFile = "small.bin";  // 5 x 4 cells
    s.backgroundChipSet = "chips.bmp";
    s.battles = {{99, 12.75f, std::string("\x85\x40\x79.bmp", 7)}, {-3, 250.0f, "cave.bmp"}, {1, 0.0f, ""}};
    s.terrainBattle[0][1] = 7;
    s.terrainBattle[15][15] = 2;
    // (The inns follow the other kinds: the list puts the rows of its kind after the others.)
    s.eventPositions = {{kShopPosition, 1, 1, 0, 2, 5},
                        {kInnPosition, 500, -2, 9, 300, 0},
                        {kInnPosition, 4, 3, 4, -1, 0}};
    return s;
}

std::string PreparePlacementScene(const TempProject& tp) {
    tp.WriteData("small.bin", test::MakeMapBytes(5, 4));
    test::WriteBytes(ImageFilePath(tp.project, "chips.bmp"), test::MakeSolidBmp24(64, 64, 0x208020));
    return SceneBytes(StressedPlacementScene());
}

void ConfirmEveryFieldBattleUnchanged(EditorContext& context) {
    PlacementHub hub(context, 5, PlacementSteps{});
    OnNextModal<QDialog>([](QDialog* d) {
        auto* panel = d->findChild<ListEditorPanel*>();
        for (int row = 0; row < panel->rowCount(); ++row) {
            test::ClickRow(panel, row);
            Press(d, QCoreApplication::translate("lw::FieldBattleDialog", "更新"));
        }
        OnNextModal<QDialog>([](QDialog* t) { ConfirmButton(t)->click(); }, d);
        ConfirmButton(d)->click();
    });
    hub.editButton()->click();
    hub.okButton()->click();
}

void ConfirmEveryInnUnchanged(EditorContext& context) {
    PlacementSteps steps;
    steps.ownerForm = [](SceneCatalog&, EventOwner, int, int group, QWidget*) { return std::optional<int>(group); };
    PlacementHub hub(context, 2, steps);
    hub.show();
    OnNextModal<QDialog>([](QDialog* list) {
        auto* panel = list->findChild<ListEditorPanel*>();
        for (int row = 0; row < panel->rowCount(); ++row) {
            test::ClickRow(panel, row);
            OnNextModal<QDialog>([](QDialog* d) { ConfirmButton(d)->click(); }, list);
            panel->editButton()->click();
        }
        ConfirmButton(list)->click();
    }, &hub);
    hub.editButton()->click();
    hub.okButton()->click();
}
// ---- map animations: "編集...", "次へ", every animation "編集..." and "OK", "OK" -----------------------

MapAnimation StressedMapAnimation() {
    MapAnimation a{
        .imageFile = "wide.bmp",  // 320 x 64
        .frameWidth = 32,
        .frameHeight = 100,  // taller than the bitmap
        .speed = 150};  // the spin runs 1..100
    a.animations = {{{{40, 8}, {-7, 3}, {0, 0}}},  // frames off the grid and off the bitmap
                    {},                           // no frames
                    {{{2147483647, -2147483647}}}};
    return a;
}

void ConfirmMapAnimationUnchanged(EditorContext& context) {
    MapAnimationListEditor editor(context, nullptr);
    bool reachedAnimations = false;
    OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* s) {
        OnNextModal<PreviewStepDialog>([&](PreviewStepDialog* q) {
            reachedAnimations = true;
            auto* panel = q->findChild<ListEditorPanel*>();
            for (int row = 0; row < panel->rowCount(); ++row) {
                OnNextModal<QDialog>([&](QDialog* o) { test::Click(test::ConfirmButton(o)); }, q);
                test::ClickRow(panel, row);
                QTest::mouseClick(panel->editButton(), Qt::LeftButton);
            }
            QTest::mouseClick(q->okButton(), Qt::LeftButton);
        });
        QTest::mouseClick(s->nextButton(), Qt::LeftButton);
    });
    editor.SelectRow(0);
    QTest::mouseClick(editor.editButton(), Qt::LeftButton);
    test::CancelPendingModalWatches();
    EXPECT_TRUE(reachedAnimations);
    QTest::mouseClick(editor.okButton(), Qt::LeftButton);
}

// ---- end of map animations ------------------------------------------------------------------------

// ---- editors of one dialog opened from the hub: `visit` looks at every record, then "OK" -------

// Opens the editor of the hub's `button` as the hub does and runs `inEditor` on it once shown.
void OpenFromHub(HubEditor button, EditorContext& context, const std::function<void(QDialog*)>& inEditor) {
    EditorRegistry registry;
    RegisterEditors(registry);
    InDialog<QDialog>([&] { ASSERT_TRUE(registry.Open(button, context, nullptr)); }, [&](QDialog* e) {
        QApplication::setActiveWindow(e);
        inEditor(e);
    });
}

void ConfirmFromHub(HubEditor button, EditorContext& context, const std::function<void(QDialog*)>& visit = {}) {
    OpenFromHub(button, context, [&](QDialog* e) {
        if (visit) visit(e);
        if (e->isVisible()) test::Click(test::ConfirmButton(e));
    });
}

// The title screen: values it would clamp, an entry of a slot it does not show, music beyond the
// list; beside it a background table with a drawn slot and slots beyond the preset count.
std::string PrepareTitle(const TempProject& tp) {
    tp.WriteData("midi_list.txt", AudioListBytes(AudioList::Bgm, {"opening.mid", "field.mid"}));
    test::WriteBytes(ImageFilePath(tp.project, "title.bmp"), test::MakeSolidBmp24(320, 240, 0x283C8C));
    ImageTable back;
    PresetImageTable(ImageTableKind::Back, back);
    back.count = 25;
    back.entries[1] = ImageEntry{"title.bmp", 2, 1, 10, 20, 30};
    back.entries[24].fileName = "late.bmp";
    tp.WriteData("image_back.txt", ImageTableBytes(ImageTableKind::Back, back));
    return ToCp932(QStringLiteral("<midi_index>\r\n7\r\n</midi_index>\r\n<menu_pos>\r\n500 -3\r\n</menu_pos>\r\n"
                                  "<menu_item_height>\r\n300\r\n</menu_item_height>\r\n<font_size>\r\n3\r\n</font_size>\r\n"
                                  "<font_color>\r\n1 2 3 4 5 6 7 8 9 10 11 12\r\n</font_color>\r\n"
                                  "<menu_item_number>\r\n3\r\n</menu_item_number>\r\n"
                                  "<menu_item_data>\r\n1 0 New\r\n1 2 ロード\r\n6 5 Extra\r\n</menu_item_data>"))
        .value();
}

// The background pictures, slot by slot: slots beyond the preset count, values outside the
// controls' ranges, a name that only begins a file's name, a name whose file is missing.
std::string PrepareBackImages(const TempProject& tp) {
    test::WriteBytes(ImageFilePath(tp.project, "sky.bmp"), test::MakeSolidBmp24(320, 240, 0x5080C0));
    ImageTable odd;
    PresetImageTable(ImageTableKind::Back, odd);
    odd.count = 25;
    odd.entries[0] = ImageEntry{"hidden.bmp", 1, 0, 0, 0, 0};
    odd.entries[2] = ImageEntry{"sky.bmp", 7, 2, 300, -1, 1000};
    odd.entries[3] = ImageEntry{"sk", 0, 0, 0, 0, 0};  // begins "sky.bmp": shown as it, kept as "sk"
    odd.entries[4] = ImageEntry{"gone.bmp", 2, 1, 1, 2, 3};
    odd.entries[24] = ImageEntry{"late.bmp", 0, 1, 9, 9, 9};
    return ImageTableBytes(ImageTableKind::Back, odd);
}

void VisitEverySlot(QDialog* e) {
    auto* list = e->findChild<QListWidget*>();
    for (int row = 0; row < list->count(); ++row) {
        list->scrollToItem(list->item(row));
        test::ClickRow(list, row);
    }
}

// The faces, row by row: reserved fields, a face whose picture is missing, two faces of one
// picture, values no face dialog would make.
std::string PrepareFaces(const TempProject& tp) {
    test::WriteBytes(ImageFilePath(tp.project, "faces.bmp"), test::MakeSolidBmp24(128, 32, 0xF0C080));
    return "<image_face_number>\r\n3\r\n</image_face_number>\r\n<image_face_data>\r\n"
           "7 -2 faces.bmp 7 2 300 -1 0 0 0 32 32\r\n0 0 gone.bmp 0 0 0 0 0 5 5 0 -3\r\n"
           "1 1 faces.bmp 2 0 0 0 0 96 0 64 64\r\n</image_face_data>";
}

void VisitEveryRow(QDialog* e) {
    auto* panel = e->findChild<ListEditorPanel*>();
    for (int row = 0; row < panel->rowCount(); ++row) test::ClickRow(panel, row);
}

// The basic settings, every row entered and left with "画像表示" checked: a name ending in a lone
// lead byte, indices beyond their lists, values beyond their ranges, rates and waits the drop-downs
// do not offer.
std::string PrepareBasicSettings(const TempProject& tp) {
    tp.WriteData("wave_list.txt", AudioListBytes(AudioList::Sound, {"hit.wav"}));
    test::WriteBytes(ImageFilePath(tp.project, "wide.bmp"), test::MakeSolidBmp24(320, 64, 0x008080));
    tp.WriteData(kEffectFile, EffectFileBytes(StressedEffects()));
    GameSettings odd{.title = "A\x82", .focusImage = "nofile.bmp", .focusSpec = DrawSpec{5, 2, {300, -1, 7}},
        .effectArrowTalk = -1, .effectBareHand = 40, .soundBareHand = 300, .bgmGameOver = -2, .lineThickness = 150,
        .battleMenuTranslucent = 4, .talkBackColour = Rgb{999, -3, 256}, .talkFace = 9, .moveIntervalPc = 3};
    odd.fontColours[6] = Rgb{1000, 0, 0};
    odd.font.weight = 300;
    odd.itemSellRate = 0.29f;
    odd.battleWaitTalk = 1050;
    odd.battleWaitMagicItems = 20000;
    odd.fadeStepTalk = 5;
    odd.volumeAll = 5;
    odd.criticalSoundEffect = 10;
    return GameSettingsBytes(odd);
}

void VisitEverySetting(QDialog* e) {
    auto* p = e->findChild<PropertyEditor*>();
    test::Click(test::ShowImageBox(p));
    test::EnterAndLeaveEveryField(p);
}

// The items, every row shown and "更新" untouched: a kind beyond the table, abilities above the
// maximum and below 0, an animation and a sound beyond their lists, a helmet carrying an animation
// and a health state, a state the drop-down does not offer, a no-discard flag of 2, a price above
// 999999, name bytes that do not decode, "#" line breaks.
std::string PrepareItems(const TempProject& tp) {
    tp.WriteData("wave_list.txt", AudioListBytes(AudioList::Sound, {"cut.wav", "heal.wav"}));
    test::WriteBytes(ImageFilePath(tp.project, "wide.bmp"), test::MakeSolidBmp24(320, 64, 0x008080));
    tp.WriteData(kEffectFile, EffectFileBytes(StressedEffects()));
    GameSettings settings;
    ResetGameSettings(settings);
    settings.abilityMax = 500;
    tp.WriteData("setting.txt", GameSettingsBytes(settings));
    return "<item_number>\r\n5\r\n</item_number>\r\n<item_data>\r\n"
           "12 2 600 -5 1 2 3 4 5 6 7 8 0 -1 -2 0 Strange \x81\x40\r\n"
           "1 0 0 0 0 0 0 0 0 0 0 0 4 7 1 10 Helm# ##\r\n"
           "0 1 9 9 9 9 9 9 9 9 9 9 0 77 300 1500000 \x85\x40\x85\x41 line#two\r\n"
           "5 0 0 0 0 0 0 0 0 0 50 0 8 -1 -1 20 Sleepaway \r\n"
           "0 0 0 0 1 0 0 0 0 0 0 0 0 1 0 5 Dagger \r\n</item_data>";
}

// Every row shown and "更新" (of the editor class `owner`) pressed untouched.
void UpdateEveryRow(QDialog* e, const char* owner) {
    auto* panel = e->findChild<ListEditorPanel*>();
    for (int row = 0; row < panel->rowCount(); ++row) {
        test::ClickRow(panel, row);
        test::Press(e, QCoreApplication::translate(owner, "更新"));
    }
}

// The texts: bytes that do not decode, a "#" line break.
std::string PrepareTalks(const TempProject&) {
    return "<talk_number>\r\n2\r\n</talk_number>\r\n<talk_data>\r\nA\x82\x20\xFF\x85#B\r\n\r\n</talk_data>";
}

// The scenes, each opened in "場面設定2" and confirmed there: a rich one, and one with values no
// control can show (kind 7, BGM 42 of no list, draw mode 5, key flag 2, colours out of range, a
// name whose bytes do not decode, files that do not exist).
std::string PrepareScenes(const TempProject& tp) {
    tp.WriteData("scene0.txt", SceneBytes(test::MakeRichScene()));
    test::WriteBytes(ImageFilePath(tp.project, "ground.bmp"), test::VillageGroundBmp());
    Scene odd = test::MakeRichScene();
    odd.kind = 7;
    odd.bgmIndex = 42;
    odd.layerDrawMode = 5;
    odd.layerColourKey = 2;
    odd.layerKeyRed = 300;
    odd.layerKeyGreen = -4;
    odd.layerKeyBlue = 1000;
    odd.name = "\x81\x7F odd \xFF";
    odd.mapDataFile = "gone.bin";
    odd.backgroundChipSet = "?.bmp";
    odd.layerChipSet = "nothing.bmp";
    return SceneBytes(odd);
}

void ConfirmEveryScene(QDialog* e) {
    auto* scenes = dynamic_cast<SceneListEditor*>(e);
    for (int row = 0; row < scenes->list()->count(); ++row) {
        scenes->list()->setCurrentRow(row);
        OnNextModal<QDialog>([](QDialog* d) { test::Click(test::ConfirmButton(d)); }, e);
        test::Click(scenes->editButton());
        test::CancelPendingModalWatches();
    }
}

const UnchangedCase kCases[] = {
    {"EffectAnimations", kEffectFile,
     [](const TempProject& tp) {
         test::WriteBytes(ImageFilePath(tp.project, "wide.bmp"), test::MakeSolidBmp24(320, 64, 0x008080));
         return EffectFileBytes(StressedEffects());
     },
     ConfirmEveryEffectUnchanged, 1, HubEditor::AnimeList},
    {"BgmList", "midi_list.txt",
     [](const TempProject&) {
         return AudioListBytes(AudioList::Bgm, {std::string("\x85\x40\x79.mid", 7), "with blank.mid", "", "\x8b\xc8.mid"});
     },
     ConfirmBgmListUnchanged, 1, HubEditor::BgmList},
    {"MagicList", kMagicFile,
     [](const TempProject& tp) {
         test::WriteBytes(ImageFilePath(tp.project, "wide.bmp"), test::MakeSolidBmp24(320, 64, 0x008080));
         tp.WriteData(kEffectFile, EffectFileBytes(StressedEffects()));
         tp.WriteData("wave_list.txt", AudioListBytes(AudioList::Sound, {"hit.wav"}));
         return MagicListBytes(StressedSpells());
     },
     ConfirmEverySpellUnchanged, 1, HubEditor::MagicList},
    {"Narrations", kNarrationFile,
     [](const TempProject& tp) {
         test::WriteBytes(ImageFilePath(tp.project, "sky.bmp"), test::MakeSolidBmp24(32, 24, 0x203040));
         tp.WriteData("midi_list.txt", AudioListBytes(AudioList::Bgm, {"a.mid"}));
         tp.WriteData("talk_list.txt", "<talk_number>\r\n1\r\n</talk_number>\r\n<talk_data>\r\nhello\r\n</talk_data>");
         return NarrationListBytes(StressedNarrations());
     },
     ConfirmEveryNarrationUnchanged, 1, HubEditor::NarrationList},
    {"Monsters", kMonsterFile,
     [](const TempProject& tp) {
         test::WriteBytes(ImageFilePath(tp.project, "wide.bmp"), test::MakeSolidBmp24(320, 64, 0x008080));
         return MonsterListBytes(StressedMonsters());
     },
     ConfirmEveryMonsterUnchanged, 1, HubEditor::MonsterList},
    {"EnemyUnits", kEnemyFile,
     [](const TempProject& tp) {
         Monster m;
         m.name = "m";
         m.picture = "wide.bmp";
         tp.WriteData(kMonsterFile, MonsterListBytes({m}));
         test::WriteBytes(ImageFilePath(tp.project, "wide.bmp"), test::MakeSolidBmp24(320, 64, 0x008080));
         return EnemyListBytes(StressedUnits());
     },
     ConfirmEveryUnitUnchanged, 1, HubEditor::EnemyUnitList},
    // placement hub
    {"FieldBattles", "scene0.txt", PreparePlacementScene, ConfirmEveryFieldBattleUnchanged},
    {"InnPositions", "scene0.txt", PreparePlacementScene, ConfirmEveryInnUnchanged},
    // map animations
    {"MapAnimations", "map_anim0.txt",
     [](const TempProject& tp) {
         test::WriteBytes(ImageFilePath(tp.project, "wide.bmp"), test::MakeSolidBmp24(320, 64, 0x008080));
         return MapAnimationBytes(StressedMapAnimation());
     },
     ConfirmMapAnimationUnchanged},
    {"TitleScreen", "title.txt", PrepareTitle, [](EditorContext& c) { ConfirmFromHub(HubEditor::Title, c); }, 2,
     HubEditor::Title},
    {"BackImages", "image_back.txt", PrepareBackImages,
     [](EditorContext& c) { ConfirmFromHub(HubEditor::BackImages, c, VisitEverySlot); }, 1, HubEditor::BackImages},
    {"Faces", "image_face.txt", PrepareFaces, [](EditorContext& c) { ConfirmFromHub(HubEditor::FaceImages, c, VisitEveryRow); },
     1, HubEditor::FaceImages},
    {"BasicSettings", "setting.txt", PrepareBasicSettings,
     [](EditorContext& c) { ConfirmFromHub(HubEditor::BasicSettings, c, VisitEverySetting); }, 1, HubEditor::BasicSettings},
    {"Items", "item_list.txt", PrepareItems,
     [](EditorContext& c) { ConfirmFromHub(HubEditor::ItemList, c, [](QDialog* e) { UpdateEveryRow(e, "lw::ItemListEditor"); }); },
     1, HubEditor::ItemList},
    {"Talks", "talk_list.txt", PrepareTalks,
     [](EditorContext& c) {
         ConfirmFromHub(HubEditor::TextList, c, [](QDialog* e) {
             UpdateEveryRow(e, "lw::TalkListEditor");
             test::Press(e, "OK");  // (no default button: Return is a line break of the text)
         });
     },
     1, HubEditor::TextList},
    {"Scenes", "scene5.txt", PrepareScenes, [](EditorContext& c) { ConfirmFromHub(HubEditor::SceneSettings, c, ConfirmEveryScene); },
     2},
};

void PrintTo(const UnchangedCase& c, std::ostream* os) { *os << c.name; }

class UnchangedConfirm : public test::EditorTest, public ::testing::WithParamInterface<UnchangedCase> {
protected:
    void ConfirmEveryRecordUnchanged(const UnchangedCase& c);
};

void UnchangedConfirm::ConfirmEveryRecordUnchanged(const UnchangedCase& c) {
    const std::string bytes = c.prepare(tp);
    tp.WriteData(c.fileName, bytes);
    const auto before = test::FolderFiles(tp.dir.path());

    c.confirmUnchanged(context);

    EXPECT_EQ(tp.ReadData(c.fileName), bytes);
    // The files beside it, which it may write too, are kept as well.
    for (const auto& [name, was] : before) EXPECT_TRUE(test::ReadBytes(tp.dir.path() / name) == was) << name;
    // The only messages are the overwrite questions of the save itself.
    ASSERT_EQ(services.messages.size(), c.files) << services.texts().join("\n").toStdString();
    for (const auto& m : services.messages) EXPECT_EQ(m.text, QObject::tr("同名のファイルが存在しますが、上書きしますか？"));
}

TEST_P(UnchangedConfirm, WritesEveryRecordBackByteForByte) { ConfirmEveryRecordUnchanged(GetParam()); }

// The interface language changes no byte: the same run with the English interface.
TEST_P(UnchangedConfirm, WritesTheSameBytesWithTheEnglishInterface) {
    test::InLanguage english(UiLanguage::English);
    ASSERT_NE(QObject::tr("同名のファイルが存在しますが、上書きしますか？"),
              QStringLiteral("同名のファイルが存在しますが、上書きしますか？"));
    ConfirmEveryRecordUnchanged(GetParam());
}

// The same drivers on the sample game: every record of its lists opened and confirmed unchanged
// leaves every file of the project as it was.
TEST_P(UnchangedConfirm, SampleGameWrittenBackByteForByte) {
    const UnchangedCase& c = GetParam();
    test::SampleProject sample;
    context.project = sample.project;
    context.flagsRead = LoadFlagExplanations(context.project, context.flags);  // as the hub does
    const auto before = sample.Files();

    c.confirmUnchanged(context);

    EXPECT_EQ(sample.ChangedSince(before), std::vector<std::string>{});
    ASSERT_FALSE(services.messages.empty());
    for (const auto& m : services.messages) {
        EXPECT_EQ(m.text, QStringLiteral("同名のファイルが存在しますが、上書きしますか？")) << m.text.toStdString();
    }
}

std::string CaseName(const ::testing::TestParamInfo<UnchangedCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(EveryEditor, UnchangedConfirm, ::testing::ValuesIn(kCases), CaseName);

// Escape after a change writes nothing: a row deleted, every number stepped up, every text field
// replaced, every box toggled. (No window asks the discard question here; the guard's own test
// asks it.) For each editor with a hub button of its own.
class EscapeAfterAChange : public UnchangedConfirm {};

TEST_P(EscapeAfterAChange, WritesNothing) {
    const UnchangedCase& c = GetParam();
    tp.WriteData(c.fileName, c.prepare(tp));
    const auto before = test::FolderFiles(tp.dir.path());
    OpenFromHub(*c.cancelFrom, context, [](QDialog* e) {
        if (auto* panel = e->findChild<ListEditorPanel*>(); panel != nullptr && panel->rowCount() > 0) {
            test::ClickRow(panel, 0);
            test::Click(panel->deleteButton());
        }
        for (QSpinBox* spin : e->findChildren<QSpinBox*>())
            if (spin->isVisible() && spin->isEnabled()) spin->stepUp();
        for (QLineEdit* edit : e->findChildren<QLineEdit*>())
            if (edit->isVisible() && edit->isEnabled() && !edit->isReadOnly()) edit->setText("changed");
        for (QCheckBox* box : e->findChildren<QCheckBox*>())
            if (box->isVisible() && box->isEnabled()) box->toggle();
        QTest::keyClick(e, Qt::Key_Escape);
        EXPECT_FALSE(e->isVisible());
    });
    EXPECT_EQ(test::FolderFiles(tp.dir.path()), before);
    EXPECT_TRUE(services.messages.empty()) << services.texts().join("\n").toStdString();
    // The settings the editors share are at most read, never changed.
    GameSettings read;
    LoadGameSettings(tp.project, read);
    EXPECT_TRUE(context.settings == read || context.settings == GameSettings{});
}

std::vector<UnchangedCase> CasesWithAHubEditor() {
    std::vector<UnchangedCase> out;
    for (const UnchangedCase& c : kCases)
        if (c.cancelFrom) out.push_back(c);
    return out;
}

INSTANTIATE_TEST_SUITE_P(EveryHubEditor, EscapeAfterAChange, ::testing::ValuesIn(CasesWithAHubEditor()), CaseName);

}  // namespace
}  // namespace lw
