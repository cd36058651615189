// The filter box of long lists and drop-downs: shown from 21 rows, narrowing by CP932 text (kana of
// either width) and by number, saying when nothing is left, and hiding rows without renumbering
// them or losing the selection.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/list_editor.h"
#include "widgets/list_filter.h"
#include "widgets/record_names_ui.h"
#include "support/qt/editor_test.h"

namespace lw {
namespace {

std::vector<QString> Rows(int count) {
    std::vector<QString> rows;
    for (int i = 0; i < count; ++i) rows.push_back(i == 7 ? QStringLiteral("ﾌﾗｸﾞ屋") : QStringLiteral("草%1").arg(i));
    return rows;
}

std::vector<int> Shown(const ListFilter& filter, int count) {
    std::vector<int> rows;
    for (int i = 0; i < count; ++i)
        if (filter.IsShown(i)) rows.push_back(i);
    return rows;
}

TEST(ListFilterBox, NarrowsListsAndDropDownsByTextAndNumberKeepingRowsAndSelection) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* panel = new ListEditorPanel({}, &dialog);
    layout->addWidget(panel);
    auto* combo = new QComboBox(&dialog);
    layout->addWidget(combo);
    ListEditor<QString> list(panel, [](const QString& s) { return QStringList{s}; });
    ListFilter* listFilter = panel->findChild<ListFilter*>();
    ListFilter* comboFilter = AddComboFilter(combo, QStringLiteral("ｱｲﾃﾑ"), -1);  // "なし" first
    ASSERT_NE(comboFilter, nullptr);
    EXPECT_EQ(layout->indexOf(comboFilter), layout->indexOf(combo) - 1);  // just before it
    EXPECT_EQ(comboFilter->field()->accessibleName(), QStringLiteral("ｱｲﾃﾑの絞り込み"));
    dialog.show();

    // A short list has no box; from 21 rows it has one.
    list.SetRecords(Rows(20), 3);
    EXPECT_FALSE(listFilter->isVisible());
    list.SetRecords(Rows(30), 3);
    EXPECT_TRUE(listFilter->isVisible());
    combo->addItem(QStringLiteral("なし"));
    for (const QString& s : Rows(30)) combo->addItem(s);
    combo->setCurrentIndex(4);
    QCoreApplication::processEvents();  // the drop-down's rows came one by one
    EXPECT_TRUE(comboFilter->isVisible());

    struct Case {
        QString typed;
        std::vector<int> listRows;   // rows of the list shown
        std::vector<int> comboRows;  // entries of the drop-down shown (numbered from -1)
    };
    for (const Case& c : {Case{QStringLiteral("フラグ"), {7}, {8}},    // full-width finds half-width
                          Case{QStringLiteral("ﾌﾗｸﾞ"), {7}, {8}},
                          Case{QStringLiteral("12"), {12}, {13}},  // the row numbered 12 ("草12")
                          Case{QStringLiteral("草2"), {2, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29},
                               {3, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}}}) {
        test::TypeText(listFilter->field(), c.typed);
        test::TypeText(comboFilter->field(), c.typed);
        EXPECT_EQ(Shown(*listFilter, 30), c.listRows) << c.typed.toStdString();
        EXPECT_EQ(Shown(*comboFilter, 31), c.comboRows) << c.typed.toStdString();
        EXPECT_FALSE(listFilter->emptyNote()->isVisible());
    }
    // Hidden rows keep their numbers and the selection; nothing found says so.
    EXPECT_EQ(panel->selectedRow(), 3);
    EXPECT_EQ(combo->currentIndex(), 4);
    test::TypeText(listFilter->field(), QStringLiteral("存在しない"));
    EXPECT_TRUE(Shown(*listFilter, 30).empty());
    EXPECT_TRUE(listFilter->emptyNote()->isVisible());
    EXPECT_EQ(list.selected(), 3);

    // Enter in the box takes the first row shown, and leaves the dialog open.
    test::TypeText(comboFilter->field(), QStringLiteral("ﾌﾗｸﾞ"));
    QTest::keyClick(comboFilter->field(), Qt::Key_Return);
    EXPECT_EQ(combo->currentIndex(), 8);
    EXPECT_TRUE(dialog.isVisible());
    // Rows changed by the list are filtered as they come.
    test::TypeText(listFilter->field(), QStringLiteral("ﾌﾗｸﾞ"));
    list.SetRecords(Rows(25), -1);
    EXPECT_EQ(Shown(*listFilter, 25), std::vector<int>{7});
}

}  // namespace
}  // namespace lw
