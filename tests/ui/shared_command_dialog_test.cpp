// The command dialogs shared by the event command editor and the text-list editor, driven through
// their widgets in both modes: event mode builds the exact event command line, talk mode the
// markup of the same command.
#include <gtest/gtest.h>

#include <QLabel>

#include "editors/events/shared_command_dialogs.h"
#include "support/qt/command_dialog_driver.h"

namespace lw {
namespace {

// (The music dialog's lines in both modes are among the authored lines of every dialog.)
class SharedCommandDialogTest : public test::CommandDialogTest {};

TEST_F(SharedCommandDialogTest, FaceDialogPreviewsTheFaceRectangleAndBuildsBothForms) {
    test::WriteBytes(ImageFilePath(tp.project, "faces.bmp"), test::MakeSolidBmp24(96, 48, 0x3080C0));
    tp.WriteData("image_face.txt",
                 "<image_face_number>\r\n2\r\n</image_face_number>\r\n<image_face_data>\r\n"
                 "0 0 faces.bmp 0 0 0 0 0 0 0 48 48\r\n0 0 faces.bmp 1 1 255 0 255 48 0 40 44\r\n</image_face_data>");
    ImageView& view = *context.imageView;
    const auto line = Run([&] { return RunFaceCommand(context, CommandDialogMode::Talk, nullptr); }, [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("会話ｺﾏﾝﾄﾞ(顔画像)"));
        QComboBox* face = Combo(d, "顔画像");
        EXPECT_EQ(Items(face), (QStringList{"なし", "faces.bmp 0 0", "faces.bmp 48 0"}));
        EXPECT_EQ(face->currentIndex(), -1);
        ASSERT_TRUE(view.IsOpen());
        EXPECT_FALSE(view.IsShown());

        Choose(face, 2);
        EXPECT_EQ(view.state().mode, ViewMode::Animation);
        EXPECT_TRUE(view.IsShown());
        EXPECT_EQ(view.state().animation.areaLeft, 48);
        EXPECT_EQ(view.state().main.width, 40);  // one cell: the face rectangle
        EXPECT_EQ(view.state().main.height, 44);
        EXPECT_EQ(view.state().animation.drawMode, 1);
        Choose(face, 0);
        EXPECT_FALSE(view.IsShown());
        Choose(face, 2);
        Ok(d);
    });
    EXPECT_EQ(line, "<face 1>");
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
        const auto line = Run([&] { return RunNumberCommand(context, c.command, nullptr); }, [&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), c.caption);
            QSpinBox* number = Spin(d, c.label);
            ASSERT_NE(number, nullptr);
            if (!c.typed.isEmpty()) Type(number, c.typed);
            if (c.key != Qt::Key_unknown) QTest::keyClick(number, c.key);
            const QList<QLabel*> unit = d->findChildren<QLabel*>();
            EXPECT_EQ(unit.size() == 1 && unit[0]->text() == QStringLiteral("/10秒"), c.command == NumberCommand::TalkWait);
            if (c.key != Qt::Key_Return) Ok(d);
        });
        EXPECT_EQ(line, c.line);
    }
}

TEST_F(SharedCommandDialogTest, EarthquakeDialogBuildsTheThreeFormsInBothModes) {
    const auto run = [&] { return RunEarthquakeCommand(context, CommandDialogMode::Talk, TalkModeGroups(), nullptr); };
    EXPECT_EQ(Run(run, [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("会話ｺﾏﾝﾄﾞ(地震)"));
        EXPECT_EQ(Combo(d, "地震後のｲﾍﾞﾝﾄｺﾏﾝﾄﾞ")->count(), 257);  // "なし" and every group number a scene can have
        Ok(d);
    }), "<quake 3 5 0>");
    EXPECT_EQ(Run(run, [&](QDialog* d) {
        Type(Spin(d, "回数"), "2");
        Type(Spin(d, "X"), "-500");  // beyond -320
        Ok(d);
    }), "<quake 3 -320 0 2>");
}

}  // namespace
}  // namespace lw
