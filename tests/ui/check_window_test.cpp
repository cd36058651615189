// The project check as the author meets it: the hub's "ﾌﾟﾛｼﾞｪｸﾄ検査" window (grouping, filters,
// a double click opening the owning editor at the record), and "使用箇所..." in a list editor panel
// and in the flag chooser.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/app_controller.h"
#include "app/check_window.h"
#include "app/hub_dialog.h"
#include "editors/events/flag_chooser.h"
#include "support/core/linked_project.h"
#include "support/core/temp_dir.h"
#include "support/qt/fake_services.h"
#include "support/qt/modal.h"
#include "widgets/list_editor_panel.h"
#include "widgets/usages_dialog.h"

namespace lw {
namespace {

using namespace test;

// The rows of a usages dialog: "file | place".
QStringList UsageRows(UsagesDialog* d) {
    QStringList rows;
    for (int i = 0; i < d->view()->topLevelItemCount(); ++i)
        rows << d->view()->topLevelItem(i)->text(0) + " | " + d->view()->topLevelItem(i)->text(1);
    return rows;
}

// Presses `button` and returns the rows of the usages dialog it opens.
QStringList UsagesFrom(QPushButton* button) {
    QStringList rows;
    OnNextModal<UsagesDialog>([&](UsagesDialog* d) {
        rows = UsageRows(d);
        d->reject();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    test::CancelPendingModalWatches();
    return rows;
}

class CheckWindowTest : public ::testing::Test {
protected:
    TempProject t;
    test::FakeServices services;
    AppController controller{services};
    void SetUp() override {
        controller.context().project = t.project;
        controller.context().services = &services;
    }
};

TEST_F(CheckWindowTest, HubButtonListsProblemsByFileFiltersAndOpensTheOwnerAtTheRecord) {
    LinkedProject p;
    p.items[1].sound = 4;                                         // error in item_list.txt, record 1
    p.npcs[0].speed = 0;                                          // warning in npc_list.txt
    p.scene1.groups[4].commands.Set(0, "? flag9999 == 1");       // error in scene1.txt
    p.Write(t.project);

    HubDialog hub(controller, nullptr);
    ASSERT_EQ(hub.checkButton()->text(), QStringLiteral("ﾌﾟﾛｼﾞｪｸﾄ検査"));
    bool opened = false;
    OnNextModal<CheckWindow>([&](CheckWindow* w) {
        opened = true;
        w->reject();
    });
    QTest::mouseClick(hub.checkButton(), Qt::LeftButton);
    test::CancelPendingModalWatches();
    EXPECT_TRUE(opened);

    // The window is up at once; the check runs once it is shown.
    CheckWindow w(controller, nullptr);
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.problems().size() == 3; }, 10000)) << w.summary()->text().toStdString();
    QTreeWidget* v = w.view();
    ASSERT_EQ(v->topLevelItemCount(), 3);
    EXPECT_EQ(v->topLevelItem(0)->text(0), QStringLiteral(".\\data\\item_list.txt"));
    EXPECT_EQ(v->topLevelItem(0)->child(0)->text(0), QStringLiteral("record 1 sound"));
    EXPECT_EQ(v->topLevelItem(0)->child(0)->text(1), QStringLiteral("ｴﾗｰ"));
    EXPECT_EQ(v->topLevelItem(2)->text(0), QStringLiteral(".\\data\\scene1.txt"));
    EXPECT_EQ(w.summary()->text(), QStringLiteral("ｴﾗｰ 2 件、警告 1 件（表示 3 件）"));

    w.severityFilter()->setCurrentIndex(2);  // warnings only
    ASSERT_EQ(v->topLevelItemCount(), 1);
    EXPECT_EQ(v->topLevelItem(0)->text(0), QStringLiteral(".\\data\\npc_list.txt"));
    w.severityFilter()->setCurrentIndex(0);
    QTest::keyClicks(w.textFilter(), "flag");
    ASSERT_EQ(v->topLevelItemCount(), 1);
    EXPECT_EQ(v->topLevelItem(0)->child(0)->text(0), QStringLiteral("group 4 line 1"));
    w.textFilter()->clear();

    // Enter (as a double click) on the item's problem opens the item list with record 1 selected; the check
    // runs again when it closes.
    int selected = -2;
    OnNextModal<QDialog>([&](QDialog* editor) {
        auto* panel = editor->findChild<ListEditorPanel*>();
        (void)QTest::qWaitFor([&] { return panel->selectedRow() == 1; }, 5000);
        selected = panel->selectedRow();
        editor->reject();
    });
    QTreeWidgetItem* item = v->topLevelItem(0)->child(0);
    v->setCurrentItem(item);
    QTest::keyClick(v, Qt::Key_Return);
    test::CancelPendingModalWatches();
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(w.problems().size(), 3u);
}

TEST_F(CheckWindowTest, UsagesOfAListRowAndOfAFlag) {
    LinkedProject().Write(t.project);
    ListEditorPanel panel;
    panel.ShowRows({{"sword"}, {"herb"}}, -1);
    QPushButton* usages = panel.AddUsagesButton(t.project, RefTarget::Item);
    EXPECT_EQ(usages->text(), QStringLiteral("使用箇所..."));
    EXPECT_FALSE(usages->isEnabled());  // nothing selected
    panel.ChooseRow(1);
    EXPECT_EQ(UsagesFrom(usages),
              (QStringList{".\\data\\enemy_list.txt | record 0 formation item", ".\\data\\shop_list.txt | record 0 goods",
                           ".\\data\\pc.txt | belongings", ".\\data\\scene1.txt | group 4 line 5"}));

    FlagExplanations flags;
    FlagChooser chooser(flags, FlagChooser::Explanation::ReadOnly);
    chooser.AddUsagesButton(t.project);
    EXPECT_FALSE(chooser.usagesButton()->isEnabled());
    chooser.setFlag(6);
    EXPECT_EQ(UsagesFrom(chooser.usagesButton()), QStringList{".\\data\\scene1.txt | group 4 line 6"});
    chooser.setFlag(7);
    EXPECT_EQ(UsagesFrom(chooser.usagesButton()), QStringList{});
}

}  // namespace
}  // namespace lw
