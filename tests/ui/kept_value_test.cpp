// Controls give back the record's own value until they change, and their own value after.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTest>

#include "widgets/cp932_validator.h"
#include "widgets/kept_value.h"

namespace lw {
namespace {

TEST(KeptValue, SpinKeepsAValueItCannotShowUntilItChanges) {
    QSpinBox spin;
    spin.setRange(1, 100);
    LoadSpin(&spin, 150);
    EXPECT_EQ(spin.value(), 100);
    EXPECT_EQ(SpinValue(&spin), 150);
    EXPECT_FALSE(ChangedSinceLoad(&spin));
    // Stepping up at the top changes nothing.
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(SpinValue(&spin), 150);
    // Down and up again: the author has chosen 100.
    QTest::keyClick(&spin, Qt::Key_Down);
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.value(), 100);
    EXPECT_EQ(SpinValue(&spin), 100);
    EXPECT_TRUE(ChangedSinceLoad(&spin));

    // Loading again forgets the change; 0 below the range is kept the same way.
    LoadSpin(&spin, 0);
    EXPECT_EQ(spin.value(), 1);
    EXPECT_EQ(SpinValue(&spin), 0);
    // A change made with the signals blocked is seen by comparison.
    {
        QSignalBlocker block(&spin);
        spin.setValue(7);
    }
    EXPECT_EQ(SpinValue(&spin), 7);

    // KeepRange: an untouched value survives a range that moves what the spin shows.
    LoadSpin(&spin, 80);
    KeepRange(&spin, 0, 32);
    EXPECT_EQ(spin.value(), 32);
    EXPECT_EQ(SpinValue(&spin), 80);
    KeepRange(&spin, 0, 500);
    EXPECT_EQ(SpinValue(&spin), 80);
    // A touched one is the spin's (held to the new range).
    spin.setValue(400);
    KeepRange(&spin, 0, 300);
    EXPECT_EQ(SpinValue(&spin), 300);

    // Showing one value and keeping another (a picture's width for a stored 0).
    LoadSpinShowing(&spin, 0, 256);
    EXPECT_EQ(spin.value(), 256);
    EXPECT_EQ(SpinValue(&spin), 0);
    spin.setValue(255);
    EXPECT_EQ(SpinValue(&spin), 255);
}

TEST(KeptValue, DoubleSpinComboAndCheckBox) {
    QDoubleSpinBox d;
    d.setDecimals(1);
    d.setRange(0.0, 10.0);
    LoadDoubleSpin(&d, 12.34f);
    EXPECT_EQ(d.value(), 10.0);
    EXPECT_EQ(DoubleSpinValue(&d), 12.34f);
    LoadDoubleSpin(&d, 0.25f);  // shown rounded to one decimal, kept exactly
    EXPECT_EQ(DoubleSpinValue(&d), 0.25f);
    d.setValue(2.5);
    EXPECT_EQ(DoubleSpinValue(&d), 2.5f);

    QComboBox combo;
    combo.addItems({"a", "b", "c"});
    LoadComboIndex(&combo, 5);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(ComboIndexValue(&combo), 5);
    LoadComboIndex(&combo, -3);
    EXPECT_EQ(ComboIndexValue(&combo), -3);
    combo.setCurrentIndex(1);
    EXPECT_EQ(ComboIndexValue(&combo), 1);
    LoadComboIndex(&combo, 2);
    EXPECT_EQ(ComboIndexValue(&combo), 2);

    QCheckBox box;
    LoadCheck(&box, 2);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(CheckValue(&box), 2);
    box.setChecked(false);
    box.setChecked(true);  // off and on again: the author's 1
    EXPECT_EQ(CheckValue(&box), 1);
    LoadCheck(&box, -1);
    EXPECT_EQ(CheckValue(&box), -1);
    box.setChecked(false);
    EXPECT_EQ(CheckValue(&box), 0);
}

TEST(KeptValue, TextKeepsBytesThatDoNotDecode) {
    QLineEdit edit;
    LimitToCp932(&edit, 63);
    const std::string undecodable("\x85\x40\x79", 3);  // 0x85 0x40 is no CP932 character
    LoadText(&edit, undecodable);
    EXPECT_EQ(TextValue(&edit), undecodable);
    // The author replaces the text: its CP932 bytes.
    edit.selectAll();
    QTest::keyClicks(&edit, "fire");
    EXPECT_EQ(TextValue(&edit), "fire");
    // A name that decodes comes back as its bytes; a changed one as the CP932 of its text.
    LoadText(&edit, "\x89\xce");  // 火
    EXPECT_EQ(TextValue(&edit), "\x89\xce");
    edit.setText(QStringLiteral("火の玉"));
    EXPECT_EQ(TextValue(&edit), "\x89\xce\x82\xcc\x8b\xca");
    // A text CP932 cannot hold, set past the validator, never empties the record.
    LoadText(&edit, undecodable);
    edit.setText(QStringLiteral("\U0001F600"));
    EXPECT_EQ(TextValue(&edit), undecodable);
}

}  // namespace
}  // namespace lw
