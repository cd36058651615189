// The list editor shared by every list: ListEditor driving a ListEditorPanel through its buttons,
// and the rules of RecordList the buttons cannot reach (they are disabled there).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "widgets/list_editor.h"

namespace lw {
namespace {

TEST(RecordList, MovesAndDeleteDoNothingWithoutASelectionOrAtTheEnds) {
    RecordList<int> list({1, 2, 3});
    EXPECT_FALSE(list.MoveSelectedUp());
    EXPECT_FALSE(list.MoveSelectedDown());
    EXPECT_FALSE(list.RemoveSelected());
    list.Select(0);
    EXPECT_FALSE(list.MoveSelectedUp());
    list.Select(2);
    EXPECT_FALSE(list.MoveSelectedDown());
    EXPECT_EQ(list.rows(), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(list.Select(3));
    EXPECT_EQ(list.selected(), 2);
}

struct Pair {
    std::string name;
    int count = 0;
};

class ListEditorTest : public ::testing::Test {
protected:
    ListEditorPanel panel{ListEditorOptions{.headers = {"名前", "個数"}, .addLabel = "追加...", .editButton = true}};
    ListEditor<Pair> editor{&panel, [](const Pair& p) { return QStringList{QString::fromStdString(p.name), QString::number(p.count)}; }};
    QCheckBox outside{"表示"};

    void SetUp() override {
        panel.EnableBy(&outside, ListEditorPanel::Enable::WithRows);
        panel.show();
    }
    void ClickRow(int row, bool dclick = false) {
        QTreeWidget* view = panel.view();
        QPoint at = view->visualItemRect(view->topLevelItem(row)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        if (dclick) QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    void Click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
};

TEST_F(ListEditorTest, ButtonsFollowTheRowsAndTheSelection) {
    for (QPushButton* b : {panel.editButton(), panel.deleteButton(), panel.upButton(), panel.downButton()}) {
        EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    }
    EXPECT_TRUE(panel.addButton()->isEnabled());
    EXPECT_FALSE(outside.isEnabled());

    editor.SetRecords({{"a", 1}, {"b", 2}, {"c", 3}});
    EXPECT_TRUE(outside.isEnabled());
    EXPECT_FALSE(panel.deleteButton()->isEnabled());  // rows but no selection
    EXPECT_EQ(panel.rowText(1, 1), QStringLiteral("2"));

    ClickRow(0);
    EXPECT_FALSE(panel.upButton()->isEnabled());
    Click(panel.downButton());
    Click(panel.downButton());
    EXPECT_EQ(panel.rowText(2), QStringLiteral("a"));
    EXPECT_EQ(editor.selected(), 2);
    EXPECT_EQ(panel.selectedRow(), 2);
    EXPECT_FALSE(panel.downButton()->isEnabled());
    EXPECT_TRUE(panel.upButton()->isEnabled());

    // Deleting the last row leaves nothing selected; deleting another selects its successor. The
    // Delete key does what "削除" does, and nothing without a selection.
    Click(panel.deleteButton());
    EXPECT_EQ(panel.selectedRow(), -1);
    EXPECT_FALSE(panel.deleteButton()->isEnabled());
    QTest::keyClick(panel.view(), Qt::Key_Delete);
    EXPECT_EQ(editor.records().size(), 2u);
    ClickRow(0);
    QTest::keyClick(panel.view(), Qt::Key_Delete);
    ASSERT_EQ(editor.records().size(), 1u);
    EXPECT_EQ(editor.records()[0].name, "c");
    EXPECT_EQ(panel.selectedRow(), 0);
    Click(panel.deleteButton());
    EXPECT_FALSE(outside.isEnabled());
}

TEST_F(ListEditorTest, AddEditAndCapacityGoThroughTheHooks) {
    std::optional<Pair> next;
    int full = 0, changed = 0;
    editor.OnAdd([&] { return next; });
    editor.OnEdit([](Pair& p) {
        p.count += 10;
        return p.name != "keep";  // false: the edit was cancelled
    });
    editor.AddSelectsEqual([](const Pair& a, const Pair& b) { return a.name == b.name; });
    editor.SetCapacity(2, [&] { ++full; });
    editor.OnChanged([&] { ++changed; });

    Click(panel.addButton());  // the hook gave nothing
    EXPECT_TRUE(editor.records().empty());
    next = Pair{"x", 1};
    Click(panel.addButton());
    Click(panel.addButton());  // equal: selected, not added
    EXPECT_EQ(editor.records().size(), 1u);
    next = Pair{"keep", 2};
    Click(panel.addButton());
    EXPECT_EQ(panel.selectedRow(), 1);
    Click(panel.addButton());  // full: refused before the hook runs
    EXPECT_EQ(full, 1);
    EXPECT_EQ(editor.records().size(), 2u);

    ClickRow(0, true);  // a double click edits
    EXPECT_EQ(editor.records()[0].count, 11);
    EXPECT_EQ(panel.rowText(0, 1), QStringLiteral("11"));
    EXPECT_EQ(panel.selectedRow(), 0);
    ClickRow(1);
    Click(panel.editButton());
    EXPECT_EQ(editor.records()[1].count, 2);
    EXPECT_EQ(changed, 3);  // two additions and one edit
}

}  // namespace
}  // namespace lw
