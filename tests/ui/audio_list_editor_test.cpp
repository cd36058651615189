// The BGM and sound-effect list editor end to end through its widgets, with a real music player
// on SDL's dummy driver, and the hub unlocking "場面設定" once midi_list.txt is saved.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "app/app_controller.h"
#include "app/hub_dialog.h"
#include "editors/media/audio_list_editor.h"
#include "support/core/media_makers.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"

namespace lw {
namespace {

using namespace test;
using Names = std::vector<std::string>;

const std::string kMidiFile = "<midi_number>\r\n5\r\n</midi_number>\r\n<midi_data>\r\nbattle.wav\r\n\r\ntown.wav\r\n</midi_data>";

const char* const kTownCp932 = "\x92\xAC.wav";  // "町.wav"

class AudioListEditorTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        StartPlayer();
        for (const char* name : {"town.wav", "Battle.wav", "battle.wav", "field.wav", kTownCp932}) Audio(name, MakeWav({{1000, 3000}}));
        std::filesystem::create_directories(tp.dir.path() / "audio" / "sub.wav");
    }

    std::filesystem::path Audio(const char* name, const std::string& bytes) {
        auto p = AudioFilePath(tp.project, name);
        test::WriteBytes(p, bytes);
        return p;
    }
    // The drop-down of the folder's files and "再生", by their names (the editor must be shown).
    static QComboBox* Files(AudioListEditor& e) { return NamedControl<QComboBox>(&e, "ﾌｧｲﾙ"); }
    static QCheckBox* Play(AudioListEditor& e) { return NamedControl<QCheckBox>(&e, "再生"); }
    static void Choose(AudioListEditor& e, const QString& name) {
        QComboBox* c = Files(e);
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Home);
        while (c->currentText() != name && c->currentIndex() < c->count() - 1) QTest::keyClick(c, Qt::Key_Down);
        ASSERT_EQ(c->currentText(), name);
    }
};

TEST_F(AudioListEditorTest, OpensWithTheFolderSortedTheFileListedAndPlaybackStopped) {
    tp.WriteData("midi_list.txt", kMidiFile);
    ASSERT_TRUE(player->PlayMusicFile(0, AudioFilePath(tp.project, "town.wav"), 0));

    AudioListEditor editor(context, AudioList::Bgm);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("BGM ﾘｽﾄ"));
    EXPECT_FALSE(player->MusicPlaying());
    // Files only (no folder), ASCII case folded, the first chosen.
    EXPECT_EQ(Items(Files(editor)), (QStringList{"Battle.wav", "battle.wav", "field.wav", "town.wav", "町.wav"}));
    EXPECT_EQ(Files(editor)->currentIndex(), 0);
    // The list is the file's data lines (its count of 5 ignored), the empty line an empty entry.
    EXPECT_EQ(Rows(editor.panel()), (QStringList{"battle.wav", "", "town.wav"}));
    EXPECT_EQ(editor.panel()->selectedRow(), -1);
    EXPECT_FALSE(Play(editor)->isChecked());

    AudioListEditor sounds(context, AudioList::Sound);
    EXPECT_EQ(sounds.windowTitle(), QStringLiteral("効果音ﾘｽﾄ"));
    EXPECT_EQ(sounds.panel()->rowCount(), 0);  // no wave_list.txt
}

TEST_F(AudioListEditorTest, BgmEditorFlowPlaysEachChoiceAndSavesWithOk) {
    AudioListEditor editor(context, AudioList::Bgm);
    editor.show();

    // "再生": the chosen file is heard at once, and each new choice replaces the one before.
    Click(Play(editor));
    EXPECT_TRUE(player->MusicPlaying());
    EXPECT_EQ(player->MusicSlotFile(0), AudioFilePath(tp.project, "Battle.wav"));
    Choose(editor, "field.wav");
    EXPECT_EQ(player->MusicSlotFile(0), AudioFilePath(tp.project, "field.wav"));
    EXPECT_TRUE(player->MusicPlaying());
    Click(Play(editor));
    EXPECT_FALSE(player->MusicPlaying());
    Choose(editor, "town.wav");  // unchecked: choosing plays nothing
    EXPECT_FALSE(player->MusicPlaying());

    // Adding: appended and selected; a name already there is selected instead of added again.
    Click(editor.panel()->addButton());
    Choose(editor, "battle.wav");
    Click(editor.panel()->addButton());
    Choose(editor, "Battle.wav");
    Click(editor.panel()->addButton());
    EXPECT_EQ(Rows(editor.panel()), (QStringList{"town.wav", "battle.wav", "Battle.wav"}));
    Choose(editor, "town.wav");
    Click(editor.panel()->addButton());
    EXPECT_EQ(editor.panel()->rowCount(), 3);
    EXPECT_EQ(editor.panel()->selectedRow(), 0);

    // OK stops playback and writes the file; no file existed, so nothing was asked.
    Click(Play(editor));
    EXPECT_TRUE(player->MusicPlaying());
    Click(editor.okButton());
    EXPECT_FALSE(player->MusicPlaying());
    EXPECT_EQ(editor.result(), 1);
    EXPECT_EQ(tp.ReadData("midi_list.txt"),
              "<midi_number>\r\n3\r\n</midi_number>\r\n<midi_data>\r\ntown.wav\r\nbattle.wav\r\nBattle.wav\r\n</midi_data>");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(AudioListEditorTest, SoundEditorPlaysOnceKindAndCancelWritesNothing) {
    tp.WriteData("wave_list.txt", "<wave_number>\r\n1\r\n</wave_number>\r\n<wave_data>\r\nfield.wav\r\n</wave_data>");
    AudioListEditor editor(context, AudioList::Sound);
    editor.show();
    Choose(editor, QStringLiteral("町.wav"));
    Click(Play(editor));
    EXPECT_TRUE(player->SoundPlaying());
    EXPECT_FALSE(player->MusicPlaying());
    EXPECT_EQ(player->SoundSlotFile(0), AudioFilePath(tp.project, kTownCp932));
    Click(editor.panel()->addButton());
    EXPECT_EQ(Rows(editor.panel()), (QStringList{"field.wav", "町.wav"}));

    Click(editor.cancelButton());
    EXPECT_EQ(editor.result(), 0);
    EXPECT_FALSE(player->SoundPlaying());
    EXPECT_EQ(tp.ReadData("wave_list.txt"), "<wave_number>\r\n1\r\n</wave_number>\r\n<wave_data>\r\nfield.wav\r\n</wave_data>");
}

TEST_F(AudioListEditorTest, OkRewritesAnUnchangedListAfterTheQuestionAndClosesEvenWhenDeclined) {
    tp.WriteData("midi_list.txt", kMidiFile);
    const std::string kRewritten = "<midi_number>\r\n3\r\n</midi_number>\r\n<midi_data>\r\nbattle.wav\r\n\r\ntown.wav\r\n</midi_data>";
    {
        AudioListEditor editor(context, AudioList::Bgm);
        Click(editor.okButton());
        EXPECT_EQ(editor.result(), 1);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, QStringLiteral("同名のファイルが存在しますが、上書きしますか？"));
        EXPECT_EQ(services.messages[0].caption, QStringLiteral(".\\data\\midi_list.txt"));
        // Rewritten in the writer's form: the count now matches the names.
        EXPECT_EQ(tp.ReadData("midi_list.txt"), kRewritten);
    }
    {
        AudioListEditor editor(context, AudioList::Bgm);
        ClickRow(editor.panel(), 0);
        Click(editor.panel()->deleteButton());
        services.answers.push_back(MessageAnswer::No);
        Click(editor.okButton());
        EXPECT_EQ(editor.result(), 1);
        EXPECT_EQ(tp.ReadData("midi_list.txt"), kRewritten);  // declined: kept
    }
}

TEST_F(AudioListEditorTest, AFileThePlayerCannotLoadIsAnErrorBoxAndAnEmptyFolderOffersNothing) {
    Audio("broken.wav", "not a sound");
    {
        AudioListEditor editor(context, AudioList::Sound);
        editor.show();
        Choose(editor, "broken.wav");
        Click(Play(editor));
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, QStringLiteral("Soundの読み込みに失敗しました。"));
        EXPECT_EQ(services.messages[0].caption, QStringLiteral("DMusic8"));
        EXPECT_EQ(services.messages[0].icon, MessageIcon::Error);
        EXPECT_TRUE(editor.isVisible());  // the error does not close the editor
    }
    services.messages.clear();
    for (const auto& entry : std::filesystem::directory_iterator(tp.dir.path() / "audio")) std::filesystem::remove_all(entry.path());
    AudioListEditor editor(context, AudioList::Bgm);
    editor.show();
    EXPECT_EQ(Files(editor)->count(), 0);
    Click(Play(editor));
    Click(editor.panel()->addButton());
    EXPECT_EQ(editor.panel()->rowCount(), 0);
    EXPECT_FALSE(player->MusicPlaying());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(AudioListEditorTest, SavingTheBgmListFromTheHubEnablesSceneSettings) {
    AppController controller(services);
    controller.context().project = tp.project;
    controller.context().player = &*player;
    HubDialog hub(controller, nullptr);
    hub.show();
    EXPECT_FALSE(hub.button(HubEditor::SceneSettings)->isEnabled());

    InDialog<AudioListEditor>([&] { Click(hub.button(HubEditor::BgmList)); }, [](AudioListEditor* editor) {
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("BGM ﾘｽﾄ"));
        Click(editor->panel()->addButton());
        Click(editor->okButton());
    });
    EXPECT_TRUE(DataFileExists(tp.project, "midi_list.txt"));
    EXPECT_TRUE(hub.button(HubEditor::SceneSettings)->isEnabled());

    // The sound list button opens the same editor for wave_list.txt; Cancel writes nothing.
    test::OnNextModal<AudioListEditor>([&](AudioListEditor* editor) {
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("効果音ﾘｽﾄ"));
        Click(editor->cancelButton());
    });
    Click(hub.button(HubEditor::SoundList));
    EXPECT_FALSE(DataFileExists(tp.project, "wave_list.txt"));
}

}  // namespace
}  // namespace lw
