#include "core/hub/hub_rules.h"
#include "core/text/ui_text.h"

#include <initializer_list>

namespace lw {

namespace fs = std::filesystem;

std::string_view HubEditorLabel(HubEditor editor) {
    static constexpr std::array<std::string_view, kHubEditorCount> kLabels = {
        LW_UI_TEXT("lw", "BGM ﾘｽﾄ"), LW_UI_TEXT("lw", "効果音 ﾘｽﾄ"), LW_UI_TEXT("lw", "文章 ﾘｽﾄ"), LW_UI_TEXT("lw", "ｱﾆﾒ ﾘｽﾄ"), LW_UI_TEXT("lw", "ｱｲﾃﾑ ﾘｽﾄ"), LW_UI_TEXT("lw", "背景画像"), LW_UI_TEXT("lw", "選択画像"), LW_UI_TEXT("lw", "ﾚﾍﾞﾙ ﾘｽﾄ"),
        LW_UI_TEXT("lw", "ﾚﾍﾞﾙ ｱｯﾌﾟ"), LW_UI_TEXT("lw", "魔法 ﾘｽﾄ"), LW_UI_TEXT("lw", "顔画像 ﾘｽﾄ"), LW_UI_TEXT("lw", "ﾅﾚｰｼｮﾝ ﾘｽﾄ"), LW_UI_TEXT("lw", "ﾀｲﾄﾙ"), LW_UI_TEXT("lw", "基本設定"), LW_UI_TEXT("lw", "場面設定"),
        LW_UI_TEXT("lw", "ﾏｯﾌﾟ ｱﾆﾒ ﾘｽﾄ"), LW_UI_TEXT("lw", "ﾏｯﾌﾟ ｱﾆﾒ配置"), "PC", "NPC", LW_UI_TEXT("lw", "場面変更"), LW_UI_TEXT("lw", "宝箱"), LW_UI_TEXT("lw", "店"), LW_UI_TEXT("lw", "宿屋"), LW_UI_TEXT("lw", "立て札"),
        LW_UI_TEXT("lw", "怪物 ﾘｽﾄ"), LW_UI_TEXT("lw", "敵ﾕﾆｯﾄ ﾘｽﾄ"), LW_UI_TEXT("lw", "定位置戦闘"), LW_UI_TEXT("lw", "ﾌｨｰﾙﾄﾞ戦闘"), LW_UI_TEXT("lw", "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"),
        LW_UI_TEXT("lw", "ﾏｯﾌﾟ編集")};
    return kLabels[static_cast<std::size_t>(editor)];
}

int PlacementMode(HubEditor editor) {
    switch (editor) {
    case HubEditor::MapAnimePlacement: return 0;
    case HubEditor::SceneChange: return 1;
    case HubEditor::Inn: return 2;
    case HubEditor::Signboard: return 3;
    case HubEditor::FixedBattle: return 4;
    case HubEditor::FieldBattle: return 5;
    default: return -1;
    }
}

HubFiles ProbeHubFiles(const Project& project) {
    HubFiles files;
    files.dataFileExists = [&project](std::string_view name) { return DataFileExists(project, name); };
    files.sceneFileExists = CountDataFiles(project, project.dataFolder, "scene*.txt") != 0;
    std::error_code ec;
    files.prepareFileExists = fs::exists(project.root / "prepare.txt", ec);
    return files;
}

HubNeeds ComputeHubNeeds(const HubFiles& files) {
    using E = HubEditor;
    HubNeeds needs;
    auto need = [&needs](bool present, std::string_view file, std::initializer_list<E> editors) {
        if (present) return;
        for (E e : editors) needs[static_cast<std::size_t>(e)].emplace_back(file);
    };
    auto has = [&files](std::string_view name) { return files.dataFileExists && files.dataFileExists(name); };

    need(has("setting.txt"), "setting.txt",
         {E::ItemList, E::LevelUp, E::MagicList, E::PlayerCharacter, E::Npc, E::SceneChange, E::TreasureChest,
          E::Shop, E::Inn, E::Signboard, E::MonsterList, E::EnemyUnitList, E::FixedBattle, E::FieldBattle,
          E::EventCommands});
    need(files.sceneFileExists, "scene*.txt",
         {E::MapAnimePlacement, E::PlayerCharacter, E::Npc, E::SceneChange, E::TreasureChest, E::Shop, E::Inn,
          E::Signboard, E::FixedBattle, E::EventCommands});
    need(has("pc.txt"), "pc.txt", {E::SceneChange, E::Shop, E::Inn, E::Signboard, E::FixedBattle});
    need(has("midi_list.txt"), "midi_list.txt",
         {E::NarrationList, E::Title, E::BasicSettings, E::SceneSettings, E::Npc, E::SceneChange, E::TreasureChest,
          E::Shop, E::Inn, E::Signboard, E::EnemyUnitList, E::FixedBattle, E::EventCommands});
    need(has("wave_list.txt"), "wave_list.txt",
         {E::TextList, E::ItemList, E::MagicList, E::BasicSettings, E::Npc, E::SceneChange, E::TreasureChest,
          E::Shop, E::Inn, E::Signboard, E::MonsterList, E::FixedBattle, E::EventCommands});
    need(has("image_back.txt"), "image_back.txt", {E::Title});
    need(has("image_face.txt"), "image_face.txt",
         {E::TextList, E::Npc, E::SceneChange, E::TreasureChest, E::Shop, E::Inn, E::Signboard, E::FixedBattle,
          E::EventCommands});
    need(has("talk_list.txt"), "talk_list.txt",
         {E::NarrationList, E::Npc, E::SceneChange, E::TreasureChest, E::Shop, E::Inn, E::Signboard, E::FixedBattle,
          E::EventCommands});
    need(has("image_effect.txt"), "image_effect.txt",
         {E::ItemList, E::MagicList, E::BasicSettings, E::Npc, E::SceneChange, E::TreasureChest, E::Shop, E::Inn,
          E::Signboard, E::FixedBattle, E::EventCommands});
    need(has("item_list.txt"), "item_list.txt",
         {E::PlayerCharacter, E::Npc, E::SceneChange, E::TreasureChest, E::Shop, E::Inn, E::Signboard,
          E::EnemyUnitList, E::FixedBattle, E::EventCommands});
    need(has("monster_list.txt"), "monster_list.txt", {E::EnemyUnitList, E::FixedBattle, E::FieldBattle});
    need(has("enemy_list.txt"), "enemy_list.txt", {E::FixedBattle, E::FieldBattle});
    need(files.prepareFileExists, "prepare.txt", {E::PlayerCharacter});
    const std::initializer_list<E> eventEditors = {E::Npc,  E::SceneChange, E::TreasureChest, E::Shop,
                                                   E::Inn,  E::Signboard,   E::FixedBattle,   E::EventCommands};
    need(has("narration_list.txt"), "narration_list.txt", eventEditors);
    need(has("magic_list.txt"), "magic_list.txt", eventEditors);
    return needs;
}

HubEnabling ComputeHubEnabling(const HubFiles& files) {
    const HubNeeds needs = ComputeHubNeeds(files);
    HubEnabling enabled;
    for (std::size_t i = 0; i < enabled.size(); ++i) enabled[i] = needs[i].empty();
    return enabled;
}

}  // namespace lw
