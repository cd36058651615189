// The item editor "ｱｲﾃﾑ ﾘｽﾄ" end to end through its widgets: a project with two effect animations
// (a chip sheet made in code), two sound effects played by a real player on SDL's dummy driver and
// a maximum ability value of its own.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPlainTextEdit>

#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "support/core/bmp_makers.h"
#include "support/core/media_makers.h"
#include "support/qt/editor_test.h"
#include "support/qt/named.h"
#include "widgets/accessible_names.h"

namespace lw {
namespace {

using namespace test;

constexpr const char* kHead = "<item_number>\r\n";
// The ability spins, in the order of the record.
constexpr const char* kAbilities[] = {"敏捷度", "回避力", "攻撃力", "魔力",   "肉体防御",
                                     "精神防御", "最大HP", "最大MP", "HP", "MP"};

std::string Cp932(const QString& text) { return ToCp932(text).value(); }

std::string ItemFile(const std::vector<std::string>& lines, int count = -1) {
    std::string out = kHead;
    out += std::to_string(count < 0 ? static_cast<int>(lines.size()) : count);
    out += "\r\n</item_number>\r\n<item_data>";
    for (const std::string& line : lines) out += "\r\n" + line;
    out += "\r\n</item_data>";
    return out;
}

class ItemListEditorTest : public test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        StartPlayer();
        // Drop-downs are named by their labels from the first dialog of a session on; this editor
        // chooses entries before its buttons (and so that naming) are set up.
        NameControlsWhenShown(nullptr);

        // A 4 x 1 sheet of 48 x 48 chips, each of its own colour.
        test::WriteBytes(ImageFilePath(tp.project, "slash.bmp"),
                         test::MakeBmp24(192, 48, [](int x, int) { return 0x402000u * static_cast<std::uint32_t>(x / 48 + 1); }));
        EffectAnimation swing{.colorKey = 1, .keyRed = 255, .keyBlue = 255, .name = "swing",
            .imageFile = "slash.bmp"};
        swing.cellWidth = swing.cellHeight = 48;
        swing.areaWidth = 192;
        swing.areaHeight = 48;
        swing.speed = 3;
        swing.frameCount = 4;
        for (int i = 0; i < 4; ++i) swing.frames[static_cast<std::size_t>(i)] = {i, 0, 0, 0};
        EffectAnimation unnamed = swing;
        unnamed.name.clear();
        unnamed.frameCount = 1;
        tp.WriteData("image_effect.txt", EffectFileBytes({swing, unnamed}));

        for (const char* name : {"cut.wav", "heal.wav"}) test::WriteBytes(AudioFilePath(tp.project, name), test::MakeWav({{1000, 3000}}));
        tp.WriteData("wave_list.txt", AudioListBytes(AudioList::Sound, {"cut.wav", "heal.wav"}));

        GameSettings settings;
        ResetGameSettings(settings);
        settings.abilityMax = 500;
        tp.WriteData("setting.txt", GameSettingsBytes(settings));
    }

    // Lines typed into the description, each ended by Return except the last.
    static void TypeDescription(QPlainTextEdit* edit, const QStringList& lines) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(edit, Qt::Key_Return);
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, lines[i], Qt::NoModifier);
        }
    }
    // Opens the editor as the hub does and runs `drive` on it and its list; `drive` closes it.
    void RunEditor(const std::function<void(QDialog*, ListEditorPanel*)>& drive) {
        RunFromHub<QDialog>(HubEditor::ItemList, [&](QDialog* e) { drive(e, e->findChild<ListEditorPanel*>()); });
    }
};

TEST_F(ItemListEditorTest, NewProjectAddsItemsOfSeveralKindsAndOkWritesThem) {
    RunEditor([&](QDialog* e, ListEditorPanel* panel) {
        EXPECT_EQ(e->windowTitle(), "ｱｲﾃﾑ ﾘｽﾄ");
        EXPECT_EQ(panel->rowCount(), 0);
        EXPECT_EQ(Items(Control<QComboBox>("種別")), (QStringList{"武器", "兜", "鎧", "盾", "その他の装備品", "回復系消耗品",
                                                                  "能力値上昇系消耗品", "その他の消耗品", "その他"}));
        EXPECT_EQ(Items(Control<QComboBox>("健康状態")), (QStringList{"正常", "毒"}));
        EXPECT_EQ(Items(Control<QComboBox>("武器ｱﾆﾒ")), (QStringList{"swing", "slash.bmp"}));  // unnamed: its image file
        EXPECT_EQ(Items(Control<QComboBox>("効果音")), (QStringList{"なし", "cut.wav", "heal.wav"}));
        EXPECT_EQ(Control<QComboBox>("種別")->currentIndex(), -1);
        EXPECT_EQ(Control<QComboBox>("効果音")->currentIndex(), -1);
        EXPECT_TRUE(Control<QCheckBox>("画像表示")->isChecked());
        EXPECT_TRUE(Control<QCheckBox>("MIDI・WAVE再生")->isChecked());
        EXPECT_EQ(Control<QCheckBox>("MIDI・WAVE再生")->text(), "MIDI・WAVE再生");
        // The abilities run to the game's maximum ability value, the price to 999999.
        for (const char* ability : kAbilities) EXPECT_EQ(Control<QSpinBox>(ability)->maximum(), 500) << ability;
        EXPECT_EQ(Control<QSpinBox>("金額")->maximum(), 999999);
        EXPECT_EQ(view().state().mode, ViewMode::ItemAnimation);
        EXPECT_FALSE(view().IsShown());

        // Refused: no name, then no kind.
        Click(panel->addButton());
        TypeText(Control<QLineEdit>("ｱｲﾃﾑ名"), QStringLiteral("銅の剣"));
        Click(panel->addButton());
        EXPECT_EQ(services.texts(), (QStringList{"ｱｲﾃﾑ名がありません", "[種別]を指定してください"}));
        EXPECT_EQ(services.messages.back().caption, "Lorewright");
        EXPECT_EQ(services.messages.back().buttons, MessageButtons::Ok);
        EXPECT_EQ(panel->rowCount(), 0);

        // A weapon: its animation plays beside the dialog, its sound is heard when chosen.
        SelectText(Control<QComboBox>("種別"), "武器");
        SelectText(Control<QComboBox>("武器ｱﾆﾒ"), "swing");
        EXPECT_TRUE(view().IsShown());
        EXPECT_EQ(view().state().animation.name, "swing");
        EXPECT_EQ(view().window()->size(), QSize(48, 48));
        EXPECT_TRUE(view().IsAnimating());
        EXPECT_EQ(view().window()->frameGeometry().left(), e->frameGeometry().right() + 1);
        SelectText(Control<QComboBox>("効果音"), "cut.wav");
        EXPECT_TRUE(player->SoundPlaying());
        EXPECT_EQ(player->SoundSlotFile(0), AudioFilePath(tp.project, "cut.wav"));
        Enter(Control<QSpinBox>("攻撃力"), 12);
        Enter(Control<QSpinBox>("金額"), 120);
        TypeDescription(Control<QPlainTextEdit>("説明"), {"A", QStringLiteral("plain　blade")});  // a full-width blank
        Click(panel->addButton());
        EXPECT_EQ(Rows(panel), QStringList{"銅の剣"});
        EXPECT_EQ(panel->selectedRow(), -1);  // adding does not move the selection

        // Kind 0 and an animation, then a shield: no animation is stored (the controls a kind
        // enables: TheKindEnablesTheWeaponAnimationAndTheHealthState), the preview hides.
        TypeText(Control<QLineEdit>("ｱｲﾃﾑ名"), QStringLiteral("木の盾"));
        SelectText(Control<QComboBox>("種別"), "盾");
        EXPECT_FALSE(view().IsShown());
        Enter(Control<QSpinBox>("攻撃力"), 0);
        Enter(Control<QSpinBox>("肉体防御"), 5);
        Control<QSpinBox>("回避力")->setValue(900);  // held to the maximum ability value
        SelectText(Control<QComboBox>("効果音"), "なし");
        EXPECT_FALSE(player->SoundPlaying());
        Click(Control<QCheckBox>("廃棄・売却不可"));
        TypeDescription(Control<QPlainTextEdit>("説明"), {});
        Click(panel->addButton());

        // A recovery item that cures poison, with three lines of description.
        TypeText(Control<QLineEdit>("ｱｲﾃﾑ名"), "Antidote");
        SelectText(Control<QComboBox>("種別"), "回復系消耗品");
        EXPECT_TRUE(Control<QComboBox>("健康状態")->isEnabled());
        SelectText(Control<QComboBox>("健康状態"), "毒");
        Click(Control<QCheckBox>("廃棄・売却不可"));
        Enter(Control<QSpinBox>("肉体防御"), 0);
        Enter(Control<QSpinBox>("回避力"), 0);
        Enter(Control<QSpinBox>("HP"), 30);
        Control<QSpinBox>("金額")->setValue(1500000);  // held to 999999
        SelectText(Control<QComboBox>("効果音"), "heal.wav");
        TypeDescription(Control<QPlainTextEdit>("説明"), {"Cures", "poison", "#now"});
        Click(panel->addButton());
        EXPECT_EQ(Rows(panel), (QStringList{"銅の剣", "木の盾", "Antidote"}));
        EXPECT_EQ(services.messages.size(), 2u);

        Press(e, "OK");
    });
    EXPECT_FALSE(player->SoundPlaying());
    EXPECT_FALSE(view().IsOpen());
    EXPECT_EQ(view().state().mode, ViewMode::None);
    EXPECT_EQ(services.messages.size(), 2u);  // no overwrite question: there was no file
    EXPECT_EQ(tp.ReadData("item_list.txt"),
              ItemFile({"0 0 0 0 12 0 0 0 0 0 0 0 0 0 0 120 " + Cp932("銅の剣") + " A#plain" + Cp932("　") + "blade",
                        "3 1 0 500 0 0 5 0 0 0 0 0 0 -1 -1 120 " + Cp932("木の盾") + " ",
                        "5 0 0 0 0 0 0 0 0 0 30 0 1 -1 1 999999 Antidote Cures#poison##now"}));
}

TEST_F(ItemListEditorTest, TheKindEnablesTheWeaponAnimationAndTheHealthState) {
    tp.WriteData("item_list.txt", ItemFile({
                                      "0 0 0 0 3 0 0 0 0 0 0 0 0 1 -2 5 Club ",
                                      "5 0 0 0 0 0 0 0 0 0 10 0 1 -1 -1 5 Antidote ",
                                      "5 0 0 0 0 0 0 0 0 0 10 0 4 -1 -1 5 Smelling_salts ",
                                      "2 0 0 0 0 0 0 0 0 0 0 0 0 -1 1 5 Mail ",
                                  }));
    RunEditor([&](QDialog* e, ListEditorPanel* panel) {
        // The weapon: its animation chosen and shown; no health state.
        ClickRow(panel, 0);
        EXPECT_EQ(Control<QLineEdit>("ｱｲﾃﾑ名")->text(), "Club");
        EXPECT_TRUE(Control<QComboBox>("武器ｱﾆﾒ")->isEnabled());
        EXPECT_TRUE(Control<QCheckBox>("画像表示")->isEnabled());
        EXPECT_EQ(Control<QComboBox>("武器ｱﾆﾒ")->currentText(), "slash.bmp");
        EXPECT_FALSE(Control<QComboBox>("健康状態")->isEnabled());
        EXPECT_EQ(Control<QComboBox>("健康状態")->currentIndex(), -1);
        EXPECT_EQ(Control<QComboBox>("効果音")->currentIndex(), -1);
        EXPECT_TRUE(view().IsShown());
        EXPECT_EQ(view().state().animation.frameCount, 1);
        // "画像表示" hides and shows the preview.
        Click(Control<QCheckBox>("画像表示"));
        EXPECT_FALSE(view().IsShown());
        Click(Control<QCheckBox>("画像表示"));
        EXPECT_TRUE(view().IsShown());

        // A recovery item: the health state shown, the weapon animation off and the preview hidden.
        ClickRow(panel, 1);
        EXPECT_FALSE(Control<QComboBox>("武器ｱﾆﾒ")->isEnabled());
        EXPECT_FALSE(Control<QCheckBox>("画像表示")->isEnabled());
        EXPECT_EQ(Control<QComboBox>("武器ｱﾆﾒ")->currentIndex(), -1);
        EXPECT_TRUE(Control<QComboBox>("健康状態")->isEnabled());
        EXPECT_EQ(Control<QComboBox>("健康状態")->currentText(), "毒");
        EXPECT_EQ(Control<QComboBox>("効果音")->currentText(), "なし");
        EXPECT_FALSE(view().IsShown());
        // A state the drop-down does not offer shows no row.
        ClickRow(panel, 2);
        EXPECT_EQ(Control<QComboBox>("健康状態")->currentIndex(), -1);
        // Armour: neither.
        ClickRow(panel, 3);
        EXPECT_FALSE(Control<QComboBox>("武器ｱﾆﾒ")->isEnabled());
        EXPECT_FALSE(Control<QComboBox>("健康状態")->isEnabled());
        EXPECT_EQ(Control<QComboBox>("効果音")->currentText(), "heal.wav");

        // Changing the kind of the recovery item clears its state; back to a weapon enables the
        // animation again, empty.
        ClickRow(panel, 1);
        SelectText(Control<QComboBox>("種別"), "その他");
        EXPECT_FALSE(Control<QComboBox>("健康状態")->isEnabled());
        EXPECT_EQ(Control<QComboBox>("健康状態")->currentIndex(), -1);
        SelectText(Control<QComboBox>("種別"), "武器");
        EXPECT_TRUE(Control<QComboBox>("武器ｱﾆﾒ")->isEnabled());
        EXPECT_EQ(Control<QComboBox>("武器ｱﾆﾒ")->currentIndex(), -1);
        EXPECT_FALSE(view().IsShown());
        SelectText(Control<QComboBox>("武器ｱﾆﾒ"), "swing");
        EXPECT_TRUE(view().IsShown());
        Click(Control<QPushButton>("更新"));
        Press(e, "OK");
    });
    const std::string written = tp.ReadData("item_list.txt");
    EXPECT_NE(written.find("\r\n0 0 0 0 0 0 0 0 0 0 10 0 0 0 -1 5 Antidote \r\n"), std::string::npos) << written;
}

TEST_F(ItemListEditorTest, RowsAreShownUpdatedAndDeletedWithoutPlaying) {
    tp.WriteData("item_list.txt", ItemFile({
                                      "8 0 0 0 0 0 0 0 0 0 0 0 0 -1 0 1 Alpha ",
                                      "8 0 0 0 0 0 0 0 0 0 0 0 0 -1 1 2 Beta ",
                                      "8 0 0 0 0 0 0 0 0 0 0 0 0 -1 0 3 Gamma ",
                                  }));
    RunEditor([&](QDialog* e, ListEditorPanel* panel) {
        EXPECT_FALSE(Control<QPushButton>("更新")->isEnabled());  // nothing selected
        // Showing a record chooses its sound without playing it; choosing one plays.
        ClickRow(panel, 1);
        EXPECT_EQ(Control<QComboBox>("効果音")->currentText(), "heal.wav");
        EXPECT_FALSE(player->SoundPlaying());
        SelectText(Control<QComboBox>("効果音"), "cut.wav");
        EXPECT_TRUE(player->SoundPlaying());
        Click(Control<QCheckBox>("MIDI・WAVE再生"));  // unchecked: stops, and choosing plays nothing
        EXPECT_FALSE(player->SoundPlaying());
        SelectText(Control<QComboBox>("効果音"), "heal.wav");
        EXPECT_FALSE(player->SoundPlaying());

        // "更新" replaces the selected row with the form, under its new name.
        TypeText(Control<QLineEdit>("ｱｲﾃﾑ名"), "Beta2");
        Enter(Control<QSpinBox>("金額"), 22);
        Click(Control<QPushButton>("更新"));
        EXPECT_EQ(Rows(panel), (QStringList{"Alpha", "Beta2", "Gamma"}));
        EXPECT_EQ(panel->selectedRow(), 1);
        Click(panel->downButton());  // the moves are the shared list's
        EXPECT_EQ(Rows(panel), (QStringList{"Alpha", "Gamma", "Beta2"}));
        // Deleting selects the row that took its place and shows it; after the last row, none.
        ClickRow(panel, 1);
        Click(panel->deleteButton());
        EXPECT_EQ(Rows(panel), (QStringList{"Alpha", "Beta2"}));
        EXPECT_EQ(panel->selectedRow(), 1);
        EXPECT_EQ(Control<QLineEdit>("ｱｲﾃﾑ名")->text(), "Beta2");
        Click(panel->deleteButton());
        EXPECT_EQ(panel->selectedRow(), -1);
        EXPECT_EQ(Control<QLineEdit>("ｱｲﾃﾑ名")->text(), "");
        EXPECT_EQ(Control<QComboBox>("種別")->currentIndex(), -1);
        EXPECT_EQ(Control<QSpinBox>("金額")->value(), 0);
        Press(e, "OK");
    });
    EXPECT_EQ(tp.ReadData("item_list.txt"), ItemFile({"8 0 0 0 0 0 0 0 0 0 0 0 0 -1 0 1 Alpha "}));
}

TEST_F(ItemListEditorTest, NamesAndDescriptionsTheLineCannotCarryAreRefusedAtEntry) {
    tp.WriteData("item_list.txt", ItemFile({"1 0 0 0 0 0 0 0 0 0 0 0 0 -1 -2 40 Cap "}));
    RunEditor([&](QDialog* e, ListEditorPanel* panel) {
        SelectText(Control<QComboBox>("種別"), "兜");
        TypeText(Control<QLineEdit>("ｱｲﾃﾑ名"), "Short Sword");
        Click(panel->addButton());
        EXPECT_EQ(services.texts().value(0), "ｱｲﾃﾑ名に空白は使えません");
        EXPECT_EQ(panel->rowCount(), 1);

        // "更新" refuses a blank or an empty name too: the line would read back shifted.
        ClickRow(panel, 0);
        TypeText(Control<QLineEdit>("ｱｲﾃﾑ名"), "");
        Click(Control<QPushButton>("更新"));
        EXPECT_EQ(services.texts().value(1), "ｱｲﾃﾑ名がありません");
        EXPECT_EQ(Rows(panel), QStringList{"Cap"});

        // A half-width blank in the description is refused (a full-width one is kept: above).
        TypeText(Control<QLineEdit>("ｱｲﾃﾑ名"), "Cap");
        TypeDescription(Control<QPlainTextEdit>("説明"), {"warm cap"});
        Click(Control<QPushButton>("更新"));
        EXPECT_EQ(services.texts().size(), 3);
        EXPECT_TRUE(services.texts().value(2).startsWith("説明に半角の空白"));
        // So are characters the file cannot hold, and more than 255 bytes.
        TypeDescription(Control<QPlainTextEdit>("説明"), {QStringLiteral("snow\u2603")});
        Click(Control<QPushButton>("更新"));
        EXPECT_EQ(services.texts().value(3), "説明に使えない文字があります");
        TypeDescription(Control<QPlainTextEdit>("説明"), {QString(128, QChar(0x3042))});  // 256 bytes
        Click(Control<QPushButton>("更新"));
        EXPECT_EQ(services.texts().value(4), "説明が長すぎます（255ﾊﾞｲﾄまで）");
        Press(e, "OK");
    });
    // Nothing refused was stored.
    EXPECT_EQ(tp.ReadData("item_list.txt"), ItemFile({"1 0 0 0 0 0 0 0 0 0 0 0 0 -1 -2 40 Cap "}));
}

}  // namespace
}  // namespace lw
