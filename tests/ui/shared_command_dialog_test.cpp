// The command dialogs shared by the event command editor and the text-list editor, driven through
// their widgets in both modes: event mode builds the exact event command line, talk mode the
// markup of the same command.
#include <gtest/gtest.h>

#include <QLabel>

#include "editors/events/shared_command_dialogs.h"
#include "support/qt/command_dialog_driver.h"

namespace lw {
namespace {

class SharedCommandDialogTest : public test::CommandDialogTest {};

TEST_F(SharedCommandDialogTest, MusicDialogInBothModes) {
    tp.WriteData("midi_list.txt", "<midi_number>\r\n9\r\n</midi_number>\r\n<midi_data>\r\ntitle.mid\r\ntown.mid\r\n</midi_data>");
    for (CommandDialogMode mode : {CommandDialogMode::Talk, CommandDialogMode::Event}) {
        AudioCommandDialog d(context, AudioList::Bgm, mode);
        d.show();
        EXPECT_EQ(d.windowTitle(), mode == CommandDialogMode::Talk ? QStringLiteral("会話ｺﾏﾝﾄﾞ(BGM再生)")
                                                                    : QStringLiteral("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(BGM再生)"));
        ASSERT_EQ(d.choice()->count(), 3);
        EXPECT_EQ(d.choice()->itemText(0), QStringLiteral("なし"));
        EXPECT_EQ(d.choice()->currentIndex(), 0);
        EXPECT_FALSE(Button(&d, "再生")->isChecked());
        Choose(d.choice(), 2);
        EXPECT_EQ(Confirmed(d), mode == CommandDialogMode::Talk ? "<midi 1>" : "midi 1");
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
}

TEST_F(SharedCommandDialogTest, FaceDialogPreviewsTheFaceRectangleAndBuildsBothForms) {
    test::WriteBytes(ImageFilePath(tp.project, "faces.bmp"), test::MakeSolidBmp24(96, 48, 0x3080C0));
    tp.WriteData("image_face.txt",
                 "<image_face_number>\r\n2\r\n</image_face_number>\r\n<image_face_data>\r\n"
                 "0 0 faces.bmp 0 0 0 0 0 0 0 48 48\r\n0 0 faces.bmp 1 1 255 0 255 48 0 40 44\r\n</image_face_data>");
    FaceCommandDialog d(context, CommandDialogMode::Talk);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("会話ｺﾏﾝﾄﾞ(顔画像)"));
    ASSERT_EQ(d.faceChoice()->count(), 3);
    EXPECT_EQ(d.faceChoice()->itemText(0), QStringLiteral("なし"));
    EXPECT_EQ(d.faceChoice()->itemText(2), QStringLiteral("faces.bmp 48 0"));
    EXPECT_EQ(d.faceChoice()->currentIndex(), -1);
    ImageView& view = *context.imageView;
    ASSERT_TRUE(view.IsOpen());
    EXPECT_FALSE(view.IsShown());

    Choose(d.faceChoice(), 2);
    EXPECT_EQ(view.state().mode, ViewMode::Animation);
    EXPECT_TRUE(view.IsShown());
    EXPECT_EQ(view.state().animation.areaLeft, 48);
    EXPECT_EQ(view.state().main.width, 40);  // one cell: the face rectangle
    EXPECT_EQ(view.state().main.height, 44);
    EXPECT_EQ(view.state().animation.drawMode, 1);
    Choose(d.faceChoice(), 0);
    EXPECT_FALSE(view.IsShown());
    Choose(d.faceChoice(), 2);
    EXPECT_EQ(Confirmed(d), "<face 1>");
    EXPECT_FALSE(view.IsOpen());
    EXPECT_EQ(view.state().mode, ViewMode::None);
}

TEST_F(SharedCommandDialogTest, NumberDialogClampsTypedValues) {
    struct Case {
        NumberCommand command;
        QString caption;
        QString label;
        QString typed;  // "" types nothing
        Qt::Key key;    // pressed after typing; Return confirms by itself
        std::string line;
    };
    const Case cases[] = {
        {NumberCommand::TalkSpeed, "会話ｺﾏﾝﾄﾞ(文字速度)", "速度", "250", Qt::Key_unknown, "<speed 100>"},
        {NumberCommand::TalkDeleteAnimation, "会話ｺﾏﾝﾄﾞ(ｱﾆﾒ削除)", "ｱﾆﾒ識別番号", "42", Qt::Key_Up, "<del_anim 43>"},
        {NumberCommand::TalkWait, "会話ｺﾏﾝﾄﾞ(待ちj時間)", "待ち時間", "15", Qt::Key_Return, "<wait 1500>"},
        // Event mode: experience, -999999..999999, the spin stepping by 100.
        {NumberCommand::ExperienceUp, "ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ(経験点ｱｯﾌﾟ)", "上昇値", "", Qt::Key_Up, "exp 100"},
        // Letters are refused as they are typed.
        {NumberCommand::TalkSpeed, "会話ｺﾏﾝﾄﾞ(文字速度)", "速度", "7x", Qt::Key_unknown, "<speed 7>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        NumberCommandDialog d(context, c.command);
        d.show();
        EXPECT_EQ(d.windowTitle(), c.caption);
        EXPECT_EQ(Spin(&d, c.label), d.numberField());
        if (!c.typed.isEmpty()) Type(d.numberField(), c.typed);
        if (c.key != Qt::Key_unknown) QTest::keyClick(d.numberField(), c.key);
        if (c.key != Qt::Key_Return) EXPECT_EQ(Confirmed(d), c.line);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        const QList<QLabel*> unit = d.findChildren<QLabel*>();
        EXPECT_EQ(unit.size() == 1 && unit[0]->text() == QStringLiteral("/10秒"), c.command == NumberCommand::TalkWait);
    }
}

TEST_F(SharedCommandDialogTest, EarthquakeDialogBuildsTheThreeFormsInBothModes) {
    EarthquakeCommandDialog talk(context, CommandDialogMode::Talk, TalkModeGroups());
    talk.show();
    EXPECT_EQ(talk.windowTitle(), QStringLiteral("会話ｺﾏﾝﾄﾞ(地震)"));
    EXPECT_EQ(Combo(&talk, "地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ")->count(), 257);  // "なし" and every group number a scene can have
    EXPECT_EQ(Confirmed(talk), "<quake 3 5 0>");

    EarthquakeCommandDialog twice(context, CommandDialogMode::Talk, TalkModeGroups());
    twice.show();
    Type(twice.countField(), "2");
    Type(Spin(&twice, "X"), "-500");  // beyond -320
    EXPECT_EQ(Confirmed(twice), "<quake 3 -320 0 2>");
}

}  // namespace
}  // namespace lw
