// The drawing group: the "描画" radios, "ｶﾗｰｷｰあり" and the key colour, bound to a DrawSpec, with
// the key colour picked from the real preview window; and the image file chooser.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "app/editor_context.h"
#include "previews/image_view.h"
#include "support/core/bmp_makers.h"
#include "support/core/temp_dir.h"
#include "support/qt/editor_driver.h"
#include "widgets/drawing_group.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

using test::Click;
using test::Then;
using test::Type;

TEST(DrawingGroup, ShowsAndEditsADrawSpec) {
    QDialog dialog;
    auto* group = new DrawingGroup(&dialog);
    auto* other = new QSpinBox(&dialog);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy edited(group, &DrawingGroup::specEdited);

    group->LoadSpec(DrawSpec{kDrawAlpha, 0, {10, 20, 30}});
    EXPECT_TRUE(group->modeButton(kDrawAlpha)->isChecked());
    EXPECT_FALSE(group->keyBox()->isChecked());
    // The key colour is edited only while the key is on.
    EXPECT_FALSE(group->colourGroup()->isEnabled());
    EXPECT_EQ(edited.count(), 0);

    Click(group->keyBox());
    EXPECT_TRUE(group->colourGroup()->isEnabled());
    Click(group->modeButton(kDrawOpaque));
    Type(group->blueSpin(), "400", Then::Tab);
    EXPECT_EQ(group->Spec(), (DrawSpec{kDrawOpaque, 1, {10, 20, 255}}));
    Type(group->redSpin(), "-5", Then::Tab);
    EXPECT_EQ(group->Spec().key.red, 0);
    // Every change counts: the key, the mode, 4, 40 and (on leaving) 255 in blue, 0 in red.
    EXPECT_EQ(edited.count(), 6);

    // Values the author did not touch come back as they were loaded.
    group->LoadSpec(DrawSpec{5, 2, {300, -1, 7}});
    for (int mode = 0; mode < 3; ++mode) EXPECT_FALSE(group->modeButton(mode)->isChecked());
    EXPECT_EQ(group->redSpin()->value(), 255);
    group->redSpin()->setFocus();
    other->setFocus();
    group->InterpretTyped();
    EXPECT_EQ(group->Spec(), (DrawSpec{5, 2, {300, -1, 7}}));
    Click(group->modeButton(kDrawAdditive));
    EXPECT_EQ(group->Spec(), (DrawSpec{kDrawAdditive, 2, {300, -1, 7}}));
}

TEST(DrawingGroup, KeyColourPickedFromThePreview) {
    test::TempProject tp;
    // Left half magenta, right half dark green.
    test::WriteBytes(ImageFilePath(tp.project, "sprite.bmp"),
                     test::MakeBmp24(40, 20, [](int x, int) { return x < 20 ? 0xFF00FFu : 0x004000u; }));
    EditorContext context;
    context.project = tp.project;
    QDialog dialog;
    auto* group = new DrawingGroup(&dialog);
    group->LoadSpec(DrawSpec{});
    dialog.show();
    ImageView& view = *context.imageView;
    view.Open(&dialog);
    view.SetMode(ViewMode::ImageColour, &dialog);
    ASSERT_TRUE(view.ShowImageByName(&dialog, "sprite.bmp"));
    view.Show();
    QObject::connect(&view, &ImageView::colourPicked, group, [&](QWidget* owner, QColor c) {
        if (owner == &dialog) group->PickColour(c);
    });
    // Picks reach the group even while the key is off (its fields are greyed).
    QTest::mouseClick(view.window(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(group->Spec().key, (Rgb{255, 0, 255}));
    EXPECT_EQ(group->greenSpin()->value(), 0);
    QTest::mouseClick(view.window(), Qt::LeftButton, {}, QPoint(30, 5));
    EXPECT_EQ(group->Spec().key, (Rgb{0, 64, 0}));
    // Outside the picture nothing is picked.
    view.window()->setFixedSize(60, 20);
    QTest::mouseClick(view.window(), Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(group->Spec().key, (Rgb{0, 64, 0}));
    view.Close();
}

TEST(ImageChooser, SortedFilesNoneFirstAndFirstEntryByPrefix) {
    test::TempProject tp;
    for (const char* f : {"Title.bmp", "back2.bmp", "Back.bmp", "face.bmp"}) test::WriteBytes(ImageFilePath(tp.project, f), "x");
    ImageChooser chooser;
    QSignalSpy changed(&chooser, &QComboBox::currentIndexChanged);
    chooser.Fill(tp.project, true);
    EXPECT_EQ(test::Items(&chooser), (QStringList{"なし", "Back.bmp", "back2.bmp", "face.bmp", "Title.bmp"}));
    EXPECT_EQ(chooser.currentIndex(), -1);

    // A stored name selects the first entry that begins with it, ignoring case; nothing is signalled.
    chooser.LoadName("BACK");
    EXPECT_EQ(chooser.currentText(), "Back.bmp");
    EXPECT_EQ(chooser.ChosenName(), "BACK");  // kept as stored until the author chooses
    chooser.LoadName("?.bmp");
    EXPECT_EQ(chooser.currentIndex(), -1);
    EXPECT_EQ(chooser.ChosenName(), "?.bmp");
    EXPECT_EQ(changed.count(), 0);

    // Typing on the closed drop-down selects by what was typed, as a choice.
    chooser.show();
    QTest::keyClicks(&chooser, "ba");
    EXPECT_EQ(chooser.currentText(), "Back.bmp");
    QTest::keyClicks(&chooser, "ck2");
    EXPECT_EQ(chooser.currentText(), "back2.bmp");
    EXPECT_EQ(chooser.ChosenName(), "back2.bmp");
    EXPECT_GE(changed.count(), 1);
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(&chooser, "T");
    EXPECT_EQ(chooser.currentText(), "Title.bmp");
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(&chooser, "zz");  // no entry: the selection stays
    EXPECT_EQ(chooser.currentText(), "Title.bmp");
    chooser.setCurrentIndex(0);
    EXPECT_TRUE(chooser.NoneChosen());
    EXPECT_EQ(chooser.ChosenName(), "\x82\xC8\x82\xB5");
}

}  // namespace
}  // namespace lw
