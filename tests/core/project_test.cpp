#include <gtest/gtest.h>

#include <set>

#include "core/events/flag_explanations.h"
#include "core/hub/hub_rules.h"
#include "core/project/project.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
using namespace test;

TEST(PrepareFile, DefaultNamesByteForByte) {
    TempProject tp;
    ScriptedSaveUi ui;
    ASSERT_TRUE(SavePrepareFile(tp.project, ui));
    EXPECT_EQ(ReadBytes(tp.dir.path() / "prepare.txt"),
              "<folder_name_data>\r\n.\\data\r\n</folder_name_data>\r\n"
              "<folder_name_image>\r\n.\\image\r\n</folder_name_image>\r\n"
              "<folder_name_audio>\r\n.\\audio\r\n</folder_name_audio>\r\n"
              "<load_image>\r\n.\\image\\loading.bmp\r\n</load_image>");
    // Saving again asks with the project-relative caption.
    ui.answer = false;
    EXPECT_FALSE(SavePrepareFile(tp.project, ui));
    EXPECT_EQ(ui.lastCaption, ".\\prepare.txt");
}

// The project `bytes` as prepare.txt give, read over one that held other names.
Project Prepared(std::string_view bytes) {
    TempDir dir;
    WriteBytes(dir.path() / "prepare.txt", bytes);
    Project p{.gameFolder = "old", .dataFolder = "old", .imageFolder = "old", .audioFolder = "old", .waitImage = "old.bmp"};
    EXPECT_EQ(ReadStatus::Ok, LoadPrepareFile(p, dir.path() / "prepare.txt"));
    return p;
}

TEST(PrepareFile, OpenKeepsLastComponentAndClearsTheRest) {
    Project p = Prepared("<folder_name_data>\r\nC:\\games\\mine\\data_v2\r\n</folder_name_data>\r\n"
                         "<folder_name_image>\r\n..\\shared\\pictures\r\n</folder_name_image>\r\n"
                         "<folder_name_audio>\r\nsounds\r\n</folder_name_audio>\r\n"
                         "<load_image>\r\n.\\x\\y.bmp\r\n</load_image>");
    EXPECT_EQ(p.dataFolder, "data_v2");
    EXPECT_EQ(p.imageFolder, "pictures");
    EXPECT_EQ(p.audioFolder, "sounds");
    EXPECT_EQ(p.gameFolder, "");
    EXPECT_EQ(p.waitImage, "");
    EXPECT_TRUE(IsProjectOpen(p));

    // A name whose double-byte character ends in 0x5C ("ソ" is 0x83 0x5C) is not cut at that byte.
    EXPECT_EQ(Prepared("<folder_name_data>\r\n.\\\x83\x5C\x83\x74\r\n</folder_name_data>").dataFolder, "\x83\x5C\x83\x74");
}

TEST(PrepareFile, EmptyAudioSectionOrMissingFileMeansNoProject) {
    EXPECT_FALSE(IsProjectOpen(Prepared("<folder_name_data>\r\n.\\data\r\n</folder_name_data>\r\n<folder_name_image>\r\n"
                                        ".\\image\r\n</folder_name_image>\r\n<folder_name_audio>\r\n</folder_name_audio>")));
    TempDir dir;
    Project p{.dataFolder = "x", .imageFolder = "x", .audioFolder = "x"};
    EXPECT_EQ(ReadStatus::Missing, LoadPrepareFile(p, dir.path() / "missing.txt"));
    EXPECT_FALSE(IsProjectOpen(p));
}

TEST(StartGameFile, RoundTripAndMissingFileKeepsValue) {
    EXPECT_EQ(StartGameFileBytes(-1), "<start_scene_index>\r\n-1\r\n</start_scene_index>");
    // A file that is missing or cannot be read keeps the scene held before.
    CheckFileThroughProject(kStartGameFile, 5, StartGameFileBytes(5), LoadStartGameFile, SaveStartGameFile, 5);
}

TEST(ProjectFolders, CreatesFoldersAndReportsFailures) {
    TempDir dir;
    Project names{.gameFolder = "game", .dataFolder = "data", .imageFolder = "image", .audioFolder = "audio"};
    auto made = CreateProjectFolders(dir.path(), names);
    EXPECT_TRUE(made.failed.empty());
    EXPECT_TRUE(fs::is_directory(dir.path() / "game" / "data"));
    // Again: existing folders count as made.
    EXPECT_TRUE(CreateProjectFolders(dir.path(), names).failed.empty());

    // Empty game folder name: the folders go straight into the location.
    names.gameFolder.clear();
    made = CreateProjectFolders(dir.path(), names);
    EXPECT_EQ(made.projectPath, dir.path());
    EXPECT_TRUE(fs::is_directory(dir.path() / "image"));

    // A file standing where a folder should be is a failure, as is everything below it.
    WriteBytes(dir.path() / "blocked", "x");
    names.gameFolder = "blocked";
    made = CreateProjectFolders(dir.path(), names);
    ASSERT_EQ(made.failed.size(), 4u);
    EXPECT_EQ(made.failed[0], dir.path() / "blocked");
    EXPECT_EQ(made.failed[3], dir.path() / "blocked" / "data");
}

// Names staying inside the project: folder lines of prepare.txt, names read from lists, names
// typed for a new project.
TEST(NamesStayInside, FolderLinesTakeTheLastComponentOfTheWholeLine) {
    // A 288-byte line: the folder it ends in, not the first 259 bytes' last component.
    const std::string longLine = ".\\" + std::string(281, 'a') + "\\data";
    ASSERT_EQ(longLine.size(), 288u);
    EXPECT_EQ(FolderNameOfLine(longLine), "data");
    EXPECT_EQ(FolderNameOfLine(".\\" + std::string(300, 'b')), std::string(259, 'b'));  // then the width
    // Either separator; the later one counts.
    EXPECT_EQ(FolderNameOfLine("../../outside"), "outside");
    EXPECT_EQ(FolderNameOfLine("/elsewhere/abs"), "abs");
    EXPECT_EQ(FolderNameOfLine("a\\b/c"), "c");
    EXPECT_EQ(FolderNameOfLine("a/b\\c"), "c");
    EXPECT_EQ(FolderNameOfLine("plain"), "plain");
    // No name at all.
    for (const char* line : {"..", ".", ".\\..", "../..", "x/", ".\\", ""}) EXPECT_EQ(FolderNameOfLine(line), "") << line;

    const Project p = Prepared("<folder_name_data>\r\n../../outside\r\n</folder_name_data>\r\n<folder_name_image>\r\n"
                               ".\\image\r\n</folder_name_image>\r\n<folder_name_audio>\r\n..\r\n</folder_name_audio>");
    EXPECT_EQ(p.dataFolder, "outside");
    EXPECT_EQ(p.audioFolder, "");
    EXPECT_FALSE(IsProjectOpen(p));
}

TEST(NamesStayInside, NamesFromListsThatLeaveTheirFolderAreMissingFiles) {
    TempProject tp;
    Project& p = tp.project;
    WriteBytes(p.root / "prepare.txt", "outside the audio folder");
    WriteBytes(AudioFilePath(p, "ok.mid"), "in the audio folder");
    EXPECT_EQ(AudioFilePath(p, "ok.mid"), p.root / "audio" / "ok.mid");
    EXPECT_EQ(ReadFileBytes(AudioFilePath(p, "ok.mid"), kSmallFileCeiling).status, ReadStatus::Ok);
    const std::vector<std::string> names = {"../prepare.txt", "..\\prepare.txt", "..", ".", "", "sub/x.mid",
                                            std::string("a\0b", 3), (p.root / "prepare.txt").string()};
    for (const std::string& name : names) {
        EXPECT_TRUE(AudioFilePath(p, name).empty()) << name;
        EXPECT_TRUE(ImageFilePath(p, name).empty()) << name;
        EXPECT_TRUE(DataFilePath(p, name).empty()) << name;
        EXPECT_EQ(ReadFileBytes(AudioFilePath(p, name), kSmallFileCeiling).status, ReadStatus::Missing) << name;
        EXPECT_FALSE(DataFileExists(p, name)) << name;
    }
    // A 0x5C that is the second byte of a double-byte character is no separator ("ソ" is 83 5C).
    EXPECT_EQ(ImageFilePath(p, "\x83\x5C.bmp"), p.root / "image" / "\xe3\x82\xbd.bmp");
    // Folder names are held to the same rule, should a project hold a bad one.
    p.dataFolder = "..";
    EXPECT_TRUE(DataFilePath(p, "prepare.txt").empty());
    EXPECT_FALSE(DataFileExists(p, "prepare.txt"));
    EXPECT_TRUE(ListFolderFiles(p, "..", "*.*").empty());
    // Nothing can be written through such a path.
    ScriptedSaveUi ui;
    EXPECT_FALSE(SaveStartGameFile(p, 3, ui));
    EXPECT_EQ(ui.cannotCreate, 1);
    EXPECT_EQ(ReadBytes(p.root / "prepare.txt"), "outside the audio folder");
}

TEST(NamesStayInside, NewProjectNamesAreSingleFolders) {
    Project names{.gameFolder = "game", .dataFolder = "data", .imageFolder = "image", .audioFolder = "audio"};
    EXPECT_EQ(CheckNewProjectNames(names), NewProjectNames::Ok);
    names.gameFolder.clear();  // the folders go into the location itself
    EXPECT_EQ(CheckNewProjectNames(names), NewProjectNames::Ok);

    TempDir dir;
    const std::vector<std::string> bads = {(dir.path() / "elsewhere").string(), "..", ".", "a/b", "a\\b"};
    for (const std::string& bad : bads) {
        names.gameFolder = bad;
        EXPECT_EQ(CheckNewProjectNames(names), NewProjectNames::NotPlain) << bad;
        const ProjectFolders made = CreateProjectFolders(dir.path() / "location", names);
        EXPECT_TRUE(made.projectPath.empty());
    }
    EXPECT_FALSE(fs::exists(dir.path() / "elsewhere"));
    EXPECT_FALSE(fs::exists(dir.path() / "location"));
    names.gameFolder = "game";
    names.dataFolder = "../data";
    EXPECT_EQ(CheckNewProjectNames(names), NewProjectNames::NotPlain);
    names.dataFolder = "";
    EXPECT_EQ(CheckNewProjectNames(names), NewProjectNames::Missing);
}

// The trash is the desktop's trash, made when missing; a move that cannot be done says so.
TEST(Trash, MovesIntoTheFreedesktopTrashMakingItsFolders) {
    TempDir dir;
    const fs::path home = dir.path() / "home" / ".local" / "share";  // nothing of it exists yet
    fs::create_directories(dir.path() / "project" / "data");
    const fs::path scene = dir.path() / "project" / "data" / "scene 3.txt";
    WriteBytes(scene, "scene bytes");
    const fs::path cwd = fs::current_path();
    fs::current_path(dir.path() / "project");
    const bool moved = MoveFileToTrash(fs::path("data") / "scene 3.txt", home);
    fs::current_path(cwd);
    ASSERT_TRUE(moved);
    EXPECT_FALSE(fs::exists(scene));
    EXPECT_EQ(ReadBytes(home / "Trash" / "files" / "scene 3.txt"), "scene bytes");
    const std::string info = ReadBytes(home / "Trash" / "info" / "scene 3.txt.trashinfo");
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + (dir.path() / "project" / "data").string() + "/scene%203.txt\nDeletionDate=", 0), 0u)
        << info;
    // Nothing lands in the current folder.
    EXPECT_FALSE(fs::exists(dir.path() / "project" / "files"));
    EXPECT_FALSE(fs::exists(dir.path() / "project" / "info"));

    // A second file of the same name is kept beside the first.
    WriteBytes(scene, "second");
    ASSERT_TRUE(MoveFileToTrash(scene, home));
    EXPECT_EQ(ReadBytes(home / "Trash" / "files" / "scene 3.txt.2"), "second");
    EXPECT_TRUE(fs::exists(home / "Trash" / "info" / "scene 3.txt.2.trashinfo"));

    // Failures leave the file where it was.
    WriteBytes(scene, "third");
    const fs::path blocked = dir.path() / "blocked";
    WriteBytes(blocked, "a file where the data folder should be");
    EXPECT_FALSE(MoveFileToTrash(scene, blocked));
    EXPECT_FALSE(MoveFileToTrash(scene, fs::path("relative/share")));
    EXPECT_FALSE(MoveFileToTrash(scene, fs::path()));
    EXPECT_EQ(ReadBytes(scene), "third");
    EXPECT_FALSE(MoveFileToTrash(dir.path() / "missing.txt", home));
    EXPECT_FALSE(MoveFileToTrash(dir.path() / "project", home));  // folders are not trashed
}

TEST(ProjectFiles, PatternsAndFolderListing) {
    EXPECT_TRUE(MatchesPattern("Scene12.TXT", "scene*.txt"));
    EXPECT_FALSE(MatchesPattern("scene12.txt.bak", "scene*.txt"));
    EXPECT_TRUE(MatchesPattern("noext", "*.*"));
    EXPECT_TRUE(MatchesPattern("a.bin", "*.bin"));
    EXPECT_FALSE(MatchesPattern("a.bint", "*.bin"));

    TempProject tp;
    tp.WriteData("scene1.txt", "x");
    fs::create_directory(DataFilePath(tp.project, "scene2.txt"));  // a folder does not count
    tp.WriteData("\xE3\x81\x82.txt", "x");                          // UTF-8 name on disk: あ.txt
    auto all = ListFolderFiles(tp.project, "data", "*.*");
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], "scene1.txt");
    EXPECT_EQ(all[1], "\x82\xa0.txt");  // listed as CP932
    EXPECT_EQ(CountDataFiles(tp.project, "data", "scene*.txt"), 1);
    EXPECT_EQ(CountDataFiles(tp.project, "nothere", "*.*"), 0);
    EXPECT_EQ(CountDataFiles(tp.project, "", "*.*"), 0);
    EXPECT_TRUE(DataFileExists(tp.project, "\x82\xa0.txt"));
    EXPECT_EQ(DataFileDisplayPath(tp.project, "item_list.txt"), ".\\data\\item_list.txt");
}

TEST(FlagExplanations, CountBoundsLinesAndBlanksSurvive) {
    FlagExplanations t;
    t.text[20] = "kept";
    t.text[3] = "old";
    ParseFlagExplanations(
        "<flag_exp_number>\r\n10\r\n</flag_exp_number>\r\n<flag_exp_data>\r\na b\r\n\r\nc\r\n</flag_exp_data>", t);
    EXPECT_EQ(t.text[0], "a b");
    EXPECT_EQ(t.text[1], "");
    EXPECT_EQ(t.text[2], "c");
    EXPECT_EQ(t.text[3], "old");   // beyond the last line read: unchanged
    EXPECT_EQ(t.text[20], "kept");  // beyond the count: unchanged

    // A count above 4096 is clamped; lines are cut to 255 bytes.
    std::string big = "<flag_exp_number>\r\n99999\r\n</flag_exp_number>\r\n<flag_exp_data>\r\n" + std::string(300, 'x');
    ParseFlagExplanations(big, t);
    EXPECT_EQ(t.text[0].size(), 255u);

    // The whole table round-trips, with 4096 lines written.
    FlagExplanations w;
    w.text[4095] = "last one";
    w.text[1] = "with  two blanks";
    std::string bytes = FlagExplanationsBytes(w);
    EXPECT_EQ(bytes.rfind("<flag_exp_number>\r\n4096\r\n</flag_exp_number>", 0), 0u);
    FlagExplanations r;
    ParseFlagExplanations(bytes, r);
    EXPECT_EQ(r.text, w.text);
}

// Which hub buttons are on for a set of data files.
std::set<HubEditor> Enabled(std::set<std::string> files, bool scene, bool prepare = true) {
    HubFiles f;
    f.dataFileExists = [files](std::string_view n) { return files.count(std::string(n)) > 0; };
    f.sceneFileExists = scene;
    f.prepareFileExists = prepare;
    HubEnabling e = ComputeHubEnabling(f);
    std::set<HubEditor> on;
    for (int i = 0; i < kHubEditorCount; ++i)
        if (e[static_cast<std::size_t>(i)]) on.insert(static_cast<HubEditor>(i));
    return on;
}

const std::set<std::string> kAllLists = {"setting.txt",     "midi_list.txt",  "wave_list.txt",      "image_face.txt",
                                         "talk_list.txt",   "image_effect.txt", "item_list.txt",    "narration_list.txt",
                                         "magic_list.txt",  "pc.txt",         "monster_list.txt",   "enemy_list.txt",
                                         "image_back.txt"};

TEST(HubRules, EmptyProjectEnablesOnlyTheFirstEditors) {
    using E = HubEditor;
    EXPECT_EQ(Enabled({}, false), (std::set<E>{E::BgmList, E::SoundList, E::AnimeList, E::BackImages, E::SelectImages,
                                               E::LevelList, E::FaceImages, E::MapAnimeList, E::MapEditing}));
    // The BGM list alone unlocks the scene settings.
    EXPECT_TRUE(Enabled({"midi_list.txt"}, false).count(E::SceneSettings));
}

TEST(HubRules, EveryListButNoSceneFile) {
    using E = HubEditor;
    const auto on = Enabled(kAllLists, false);
    for (E off : {E::MapAnimePlacement, E::PlayerCharacter, E::Npc, E::SceneChange, E::TreasureChest, E::Shop, E::Inn,
                  E::Signboard, E::FixedBattle, E::EventCommands})
        EXPECT_FALSE(on.count(off)) << HubEditorLabel(off);
    EXPECT_TRUE(on.count(E::FieldBattle));
    EXPECT_EQ(on.size(), static_cast<std::size_t>(kHubEditorCount - 10));
    // With the scene files everything is on; without prepare.txt only "PC" goes off.
    EXPECT_EQ(Enabled(kAllLists, true).size(), static_cast<std::size_t>(kHubEditorCount));
    const auto noPrepare = Enabled(kAllLists, true, false);
    EXPECT_EQ(noPrepare.size(), static_cast<std::size_t>(kHubEditorCount - 1));
    EXPECT_FALSE(noPrepare.count(E::PlayerCharacter));
    // Without pc.txt the chests stay on and the shops go off.
    auto lists = kAllLists;
    lists.erase("pc.txt");
    const auto noPc = Enabled(lists, true);
    EXPECT_TRUE(noPc.count(E::TreasureChest));
    EXPECT_FALSE(noPc.count(E::Shop));
}

// What a disabled button waits for is exactly what keeps it off, in the order the rules name it.
TEST(HubRules, NeedsNameTheMissingFilesOfEveryDisabledEditor) {
    using E = HubEditor;
    HubFiles none;
    none.prepareFileExists = true;
    const HubNeeds empty = ComputeHubNeeds(none);
    const HubEnabling enabled = ComputeHubEnabling(none);
    for (std::size_t i = 0; i < empty.size(); ++i) EXPECT_EQ(empty[i].empty(), enabled[i]) << i;
    EXPECT_EQ(empty[static_cast<std::size_t>(E::Title)], (std::vector<std::string>{"midi_list.txt", "image_back.txt"}));
    EXPECT_EQ(empty[static_cast<std::size_t>(E::FieldBattle)],
              (std::vector<std::string>{"setting.txt", "monster_list.txt", "enemy_list.txt"}));

    HubFiles most;
    most.dataFileExists = [](std::string_view n) { return n != "magic_list.txt"; };
    const HubNeeds needs = ComputeHubNeeds(most);
    EXPECT_EQ(needs[static_cast<std::size_t>(E::Npc)], (std::vector<std::string>{"scene*.txt", "magic_list.txt"}));
    EXPECT_EQ(needs[static_cast<std::size_t>(E::PlayerCharacter)],
              (std::vector<std::string>{"scene*.txt", "prepare.txt"}));
    EXPECT_TRUE(needs[static_cast<std::size_t>(E::MagicList)].empty());
}

TEST(HubRules, ProbeSeesRealFilesAndIgnoresSceneFolders) {
    TempProject tp;
    fs::create_directory(DataFilePath(tp.project, "scene1.txt"));
    HubFiles files = ProbeHubFiles(tp.project);
    EXPECT_FALSE(files.sceneFileExists);
    EXPECT_FALSE(files.prepareFileExists);
    tp.WriteData("SCENE3.TXT", "");
    WriteBytes(tp.dir.path() / "prepare.txt", "");
    files = ProbeHubFiles(tp.project);
    EXPECT_TRUE(files.sceneFileExists);
    EXPECT_TRUE(files.prepareFileExists);
    EXPECT_FALSE(files.dataFileExists("setting.txt"));
    tp.WriteData("setting.txt", "");
    EXPECT_TRUE(files.dataFileExists("setting.txt"));
}

}  // namespace
}  // namespace lw
