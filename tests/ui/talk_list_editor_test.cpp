// The text-list editor "文章 ﾘｽﾄ" end to end through its widgets: the list, the text edit with
// its byte count, every command of the command menu through its dialog, and what OK and Cancel
// leave on disk.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "core/media/talk_list.h"
#include "core/media/talk_markup.h"
#include "editors/media/talk_list_editor.h"
#include "support/core/bmp_makers.h"
#include "support/qt/editor_driver.h"
#include "support/qt/named.h"

namespace lw {
namespace {

using namespace test;

const std::string kFile =
    "<talk_number>\r\n7\r\n</talk_number>\r\n<talk_data>\r\nGood morning.#<face 0>How are you?*\r\n\r\n"
    "\x82\xA8\x82\xCD\x82\xE6\x82\xA4\r\n</talk_data>";  // "おはよう"

class TalkListEditorTest : public EditorTest {
protected:
    // The controls by their names: the text, the command menu, "更新"; and the byte count shown.
    static QPlainTextEdit* Edit(QDialog& e) { return NamedControl<QPlainTextEdit>(&e, "文章内容"); }
    static QComboBox* Menu(QDialog& e) { return NamedControl<QComboBox>(&e, "ｺﾏﾝﾄﾞ"); }
    static QPushButton* Update(QDialog& e) { return NamedControl<QPushButton>(&e, "更新"); }
    static QString Size(QDialog& e) {
        for (QLabel* l : e.findChildren<QLabel*>())
            if (l->text().contains(QStringLiteral("ﾊﾞｲﾄ"))) return l->text();
        return {};
    }
    static QString Text(QDialog& e) { return Edit(e)->toPlainText(); }
    static ListEditorPanel* Panel(QDialog& e) { return e.findChild<ListEditorPanel*>(); }
    // Runs the editor as the hub does; `author` works it once it is shown, and it is cancelled when
    // still open. Returns what the editor returned.
    int Run(const std::function<void(QDialog&)>& author) {
        OnNextModal<QDialog>([&](QDialog* e) {
            author(*e);
            if (e->isVisible()) e->reject();
        });
        const int result = RunTalkListEditor(context, nullptr);
        CancelPendingModalWatches();
        return result;
    }
    // Chooses the command menu's item; `drive` runs on the dialog it opens (if any).
    static void Choose(QDialog& e, TalkCommand command, std::function<void(QDialog*)> drive = {}) {
        if (drive) OnNextModal<QDialog>([drive](QDialog* d) { drive(d); }, &e);
        QComboBox* menu = Menu(e);
        menu->setFocus();
        menu->setCurrentIndex(static_cast<int>(command));
        emit menu->activated(static_cast<int>(command));
        test::CancelPendingModalWatches();
    }
};

TEST_F(TalkListEditorTest, OpensTheListAndShowsTheSelectedTextWhole) {
    tp.WriteData("talk_list.txt", kFile);
    Run([&](QDialog& e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("文章 ﾘｽﾄ"));
        // Every data line is a text (the count of 7 is not used); each row shows 31 bytes.
        EXPECT_EQ(Rows(Panel(e)), (QStringList{"Good morning.#<face 0>How are y", "", "おはよう"}));
        EXPECT_EQ(Panel(e)->selectedRow(), -1);
        EXPECT_EQ(Text(e), "");
        EXPECT_EQ(e.focusWidget(), Edit(e));
        ASSERT_EQ(Menu(e)->count(), kTalkCommandCount);
        EXPECT_EQ(Menu(e)->itemText(0), QStringLiteral("改行"));
        EXPECT_EQ(Menu(e)->itemText(12), QStringLiteral("待ち時間"));
        EXPECT_EQ(Menu(e)->currentIndex(), -1);

        ClickRow(Panel(e), 0);
        EXPECT_EQ(Text(e), "Good morning.#<face 0>How are you?*");  // "#" stays "#"
        ClickRow(Panel(e), 2);
        EXPECT_EQ(Text(e), "おはよう");
        EXPECT_EQ(Size(e), QStringLiteral("8 / 4095ﾊﾞｲﾄ"));
    });
}

TEST_F(TalkListEditorTest, TwoLinesAreSavedAsOneWithHashAndReopenShowingIt) {
    EXPECT_EQ(QDialog::Accepted, Run([&](QDialog& e) {
        Edit(e)->setFocus();
        QTest::keyClicks(Edit(e), "Hello");
        QTest::keyClick(Edit(e), Qt::Key_Return);
        QTest::keyClicks(Edit(e), "world");
        EXPECT_EQ(Size(e), QStringLiteral("11 / 4095ﾊﾞｲﾄ"));
        Click(Panel(e)->addButton());
        EXPECT_EQ(Rows(Panel(e)), QStringList{"Hello#world"});
        EXPECT_EQ(Panel(e)->selectedRow(), 0);
        // Adding the same text again selects it.
        ClickRow(Panel(e), 0);
        Click(Panel(e)->addButton());
        EXPECT_EQ(Panel(e)->rowCount(), 1);
        Press(&e, "OK");
    }));
    EXPECT_EQ(tp.ReadData("talk_list.txt"),
              "<talk_number>\r\n1\r\n</talk_number>\r\n<talk_data>\r\nHello#world\r\n</talk_data>");
    Run([&](QDialog& again) {
        ClickRow(Panel(again), 0);
        EXPECT_EQ(Text(again), "Hello#world");
    });
}

TEST_F(TalkListEditorTest, UpdateDeleteAndMovesKeepTextsWithTheirRows) {
    tp.WriteData("talk_list.txt", kFile);
    EXPECT_EQ(QDialog::Rejected, Run([&](QDialog& e) {
        EXPECT_FALSE(Update(e)->isEnabled());  // nothing selected
        ClickRow(Panel(e), 1);
        Edit(e)->setFocus();
        QTest::keyClicks(Edit(e), "Good morning.#<face 0>How are you?*");
        Click(Update(e));  // no duplicate check: two equal texts now
        EXPECT_EQ(Rows(Panel(e))[1], Rows(Panel(e))[0]);
        EXPECT_EQ(Panel(e)->selectedRow(), 1);

        Click(Panel(e)->downButton());
        EXPECT_EQ(Panel(e)->selectedRow(), 2);
        EXPECT_EQ(Rows(Panel(e))[1], "おはよう");
        Click(Panel(e)->deleteButton());  // the last row: nothing selected after it
        EXPECT_EQ(Panel(e)->selectedRow(), -1);
        EXPECT_EQ(Text(e), "");
        ClickRow(Panel(e), 0);
        Click(Panel(e)->deleteButton());  // the row that moved up is selected and shown
        EXPECT_EQ(Panel(e)->selectedRow(), 0);
        EXPECT_EQ(Text(e), "おはよう");
        Press(&e, "ｷｬﾝｾﾙ");
    }));
}

TEST_F(TalkListEditorTest, OverlongTextsAreFlaggedAndCutOnlyWhenTheAuthorAgrees) {
    Run([&](QDialog& e) {
        // 4998 letters and a double-byte character: 5000 bytes.
        Edit(e)->setFocus();
        Edit(e)->insertPlainText(QString(4998, QLatin1Char('a')) + QStringLiteral("漢"));
        EXPECT_EQ(Size(e), QStringLiteral("5000 / 4095ﾊﾞｲﾄ（超えた部分は保存されません）"));

        services.answers.push_back(MessageAnswer::No);
        Click(Panel(e)->addButton());
        EXPECT_EQ(Panel(e)->rowCount(), 0);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(Text(e).size(), 4999);  // nothing of the typed text lost

        services.answers.push_back(MessageAnswer::Yes);
        Click(Panel(e)->addButton());
        ASSERT_EQ(Panel(e)->rowCount(), 1);
        EXPECT_EQ(Text(e).size(), 4095);  // the edit shows what was kept
        Press(&e, "OK");
        std::vector<std::string> texts;
        ASSERT_EQ(LoadTalkList(tp.project, texts), ReadStatus::Ok);
        EXPECT_EQ(texts, std::vector<std::string>{std::string(4095, 'a')});
    });
}

TEST_F(TalkListEditorTest, RefusesCharactersAndTextsTheFileCannotHold) {
    Run([&](QDialog& e) {
        Edit(e)->setFocus();
        QTest::keyClicks(Edit(e), "A");
        QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("€"));  // not in CP932
        QApplication::sendEvent(Edit(e), &euro);
        QKeyEvent kanji(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("漢"));
        QApplication::sendEvent(Edit(e), &kanji);
        QTest::keyClicks(Edit(e), "B");
        EXPECT_EQ(Text(e), "A漢B");
        Edit(e)->setPlainText("</talk_data>");
        Click(Panel(e)->addButton());
        EXPECT_EQ(Panel(e)->rowCount(), 0);
        EXPECT_EQ(services.texts().size(), 1);
    });
}

TEST_F(TalkListEditorTest, CommandsAreInsertedAtTheCaretOrInPlaceOfTheSelection) {
    tp.WriteData("midi_list.txt", "<midi_number>\r\n1\r\n</midi_number>\r\n<midi_data>\r\ntown.mid\r\n</midi_data>");
    Run([&](QDialog& e) {
        Edit(e)->setFocus();
        QTest::keyClicks(Edit(e), "AB");
        QTest::keyClick(Edit(e), Qt::Key_Left);
        Choose(e, TalkCommand::NewLine);
        EXPECT_EQ(Text(e), "A#B");
        EXPECT_EQ(Menu(e)->currentIndex(), -1);
        EXPECT_EQ(e.focusWidget(), Edit(e));
        Choose(e, TalkCommand::NewPage);
        EXPECT_EQ(Text(e), "A#*B");

        // BGM, "なし", OK: the music command with -1, in place of the selected "B".
        QTest::keyClick(Edit(e), Qt::Key_Right, Qt::ShiftModifier);
        Choose(e, TalkCommand::Bgm, [](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("会話ｺﾏﾝﾄﾞ(BGM再生)"));
            ConfirmButton(d)->click();
        });
        EXPECT_EQ(Text(e), "A#*<midi -1>");

        // A cancelled dialog inserts nothing.
        Choose(e, TalkCommand::Bgm, [](QDialog* d) { d->reject(); });
        EXPECT_EQ(Text(e), "A#*<midi -1>");
    });
}

TEST_F(TalkListEditorTest, EveryDialogOfTheMenuInsertsItsMarkup) {
    test::WriteBytes(ImageFilePath(tp.project, "back.bmp"), test::MakeSolidBmp24(320, 240, 0x204060));
    test::WriteBytes(ImageFilePath(tp.project, "faces.bmp"), test::MakeSolidBmp24(96, 48, 0x3080C0));
    EffectAnimation fire;
    fire.name = "fire";
    fire.imageFile = "faces.bmp";
    fire.areaWidth = fire.cellWidth = 48;
    fire.areaHeight = fire.cellHeight = 48;
    fire.frameCount = 1;
    tp.WriteData("image_effect.txt", EffectFileBytes({fire, fire}));

    Run([&](QDialog& e) {
        Edit(e)->setFocus();
        auto insert = [&](TalkCommand command, std::function<void(QDialog*)> drive) {
            Edit(e)->clear();
            Choose(e, command, drive);
            return Text(e);
        };

        // Each command of the menu through its dialog, its controls found by their names.
        auto ok = [](QDialog* d) { Click(NamedControl<QPushButton>(d, "OK")); };
        auto spin = [](QDialog* d, const char* name) { return NamedControl<QSpinBox>(d, name); };

        // A position picked on the reference picture in the preview.
        EXPECT_EQ(insert(TalkCommand::FacePosition,
                         [&](QDialog* d) {
                             EXPECT_EQ(d->windowTitle(), QStringLiteral("会話ｺﾏﾝﾄﾞ(顔画像位置)"));
                             test::Choose(NamedControl<QComboBox>(d, "参照画像"), "back.bmp");
                             ImageView& view = *context.imageView;
                             EXPECT_EQ(view.state().mode, ViewMode::TalkPoint);
                             EXPECT_TRUE(view.IsShown());
                             view.HandleLeftButton(QPoint(123, 45));
                             EXPECT_EQ(spin(d, "X")->value(), 123);
                             ok(d);
                             EXPECT_FALSE(view.IsOpen());
                             EXPECT_EQ(view.state().mode, ViewMode::None);
                         }),
                  "<pos_face 123 45>");
        EXPECT_EQ(insert(TalkCommand::TextPosition,
                         [&](QDialog* d) {
                             EXPECT_EQ(d->windowTitle(), QStringLiteral("会話ｺﾏﾝﾄﾞ(文字位置)"));
                             Type(spin(d, "X"), "400");
                             Type(spin(d, "Y"), "7");
                             ok(d);
                         }),
                  "<pos_talk 320 7>");
        EXPECT_EQ(insert(TalkCommand::Background,
                         [&](QDialog* d) {
                             test::Choose(NamedControl<QComboBox>(d, "背景画像"), "back.bmp");
                             ok(d);
                         }),
                  "<name_back back.bmp>");
        EXPECT_EQ(insert(TalkCommand::Background, ok), "<name_back >");
        EXPECT_EQ(insert(TalkCommand::ShowAnimation,
                         [&](QDialog* d) {
                             EXPECT_EQ(d->windowTitle(), QStringLiteral("会話ｺﾏﾝﾄﾞ(ｱﾆﾒ表示)"));
                             EXPECT_TRUE(NamedControl<QCheckBox>(d, "画像表示")->isChecked());
                             const QList<QRadioButton*> radios = d->findChildren<QRadioButton*>();
                             ASSERT_EQ(radios.size(), 5);  // three kinds, then two ways of the text
                             EXPECT_TRUE(radios[0]->isChecked());
                             EXPECT_TRUE(radios[3]->isChecked());
                             ok(d);  // no animation chosen: refused
                             EXPECT_TRUE(d->isVisible());
                             EXPECT_EQ(services.texts().value(0), QStringLiteral("ｱﾆﾒ番号を選択してください"));
                             EXPECT_EQ(context.effects.count(), 2);
                             NamedControl<QComboBox>(d, "ｱﾆﾒ番号")->setCurrentIndex(1);
                             EXPECT_TRUE(context.imageView->IsShown());
                             Type(spin(d, "ｱﾆﾒ識別番号"), "7");
                             radios[1]->click();
                             radios[4]->click();
                             ok(d);
                         }),
                  "<anim 7 1 1 1>");
        EXPECT_EQ(context.effects.count(), 0);  // released on closing
        // The dialogs shared with the event command editor (their lines: shared_command_dialog_test)
        // open from their items in the talk form; the earthquake with the talk form's groups.
        const std::pair<TalkCommand, const char*> shared[] = {
            {TalkCommand::Sound, "会話ｺﾏﾝﾄﾞ(効果音再生)"}, {TalkCommand::Face, "会話ｺﾏﾝﾄﾞ(顔画像)"},
            {TalkCommand::Speed, "会話ｺﾏﾝﾄﾞ(文字速度)"}, {TalkCommand::DeleteAnimation, "会話ｺﾏﾝﾄﾞ(ｱﾆﾒ削除)"},
            {TalkCommand::Earthquake, "会話ｺﾏﾝﾄﾞ(地震)"},   {TalkCommand::Wait, "会話ｺﾏﾝﾄﾞ(待ちj時間)"}};
        for (auto [command, title] : shared) {
            EXPECT_EQ(insert(command, [title = title](QDialog* d) {
                          EXPECT_EQ(d->windowTitle(), QString::fromUtf8(title));
                          d->reject();
                      }),
                      "");
        }
        EXPECT_EQ(insert(TalkCommand::Earthquake, ok), "<quake 3 5 0>");
    });
}

}  // namespace
}  // namespace lw
