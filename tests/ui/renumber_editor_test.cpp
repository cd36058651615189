// Deleting and moving a row that other files refer to, through the item list editor on the linked
// project: the question and each of its answers, and what OK then writes.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "app/services.h"
#include "core/check/project_check.h"
#include "editors/rules/item_list_editor.h"
#include "support/core/linked_project.h"
#include "support/qt/editor_test.h"
#include "widgets/usages_dialog.h"

namespace lw {
namespace {

using namespace test;

struct RenumberCase {
    const char* name;
    bool deleteRow;  // else "下へ移動"
    std::vector<MessageAnswer> answers;
    QStringList rows;                  // after the change
    std::vector<std::string> changed;  // the data files OK changed
};
void PrintTo(const RenumberCase& c, std::ostream* os) { *os << c.name; }

const QStringList kMoved = {"herb", "sword"};
const QStringList kKept = {"sword", "herb"};
const RenumberCase kCases[] = {
    {"MoveUpdate", false, {MessageAnswer::Usages, MessageAnswer::Update}, kMoved,
     {"enemy_list.txt", "item_list.txt", "pc.txt", "scene1.txt", "shop_list.txt"}},
    {"MoveKeep", false, {MessageAnswer::Keep}, kMoved, {"item_list.txt"}},
    {"MoveCancel", false, {MessageAnswer::Cancel}, kKept, {}},
    // The shop sells the sword and cannot sell "none": the delete is refused.
    {"DeleteUpdateRefused", true, {MessageAnswer::Update}, kKept, {}},
    {"DeleteKeep", true, {MessageAnswer::Keep}, {"herb"}, {"item_list.txt"}},
};

class RenumberEditorTest : public EditorTest, public ::testing::WithParamInterface<RenumberCase> {};

TEST_P(RenumberEditorTest, TheQuestionsAnswerDecidesWhatOkWrites) {
    const RenumberCase& c = GetParam();
    LinkedProject().Write(tp.project);
    const auto before = FolderFiles(tp.dir.path());
    services.answers.assign(c.answers.begin(), c.answers.end());
    bool usagesShown = false;
    if (c.answers.front() == MessageAnswer::Usages)
        OnNextModal<UsagesDialog>([&](UsagesDialog* d) {
            usagesShown = d->view()->topLevelItemCount() == 5;
            d->reject();
        });
    RunFromHub<ItemListEditor>(HubEditor::ItemList, [&](ItemListEditor* e) {
        ClickRow(e->panel(), 0);
        Click(c.deleteRow ? e->panel()->deleteButton() : e->panel()->downButton());
        EXPECT_EQ(Rows(e->panel()), c.rows);
        e->accept();
    });
    EXPECT_EQ(usagesShown, c.answers.front() == MessageAnswer::Usages);
    ASSERT_FALSE(services.messages.empty());
    EXPECT_EQ(services.messages.front().text.section('\n', 0, 1),
              "この項目は 5 か所で使われています。\n番号の変わる他の項目が 4 か所で使われています。");

    std::vector<std::string> changed;
    for (const auto& [path, bytes] : FolderFiles(tp.dir.path()))
        if (!before.contains(path) || before.at(path) != bytes)
            changed.push_back(std::filesystem::path(path).filename().string());
    EXPECT_EQ(changed, c.changed);
    if (c.answers.back() == MessageAnswer::Update && !c.deleteRow)
        EXPECT_TRUE(CheckIndex(BuildProjectIndex(tp.project)).empty());
}

INSTANTIATE_TEST_SUITE_P(EveryAnswer, RenumberEditorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The program's own question: each button gives its answer (Escape cancels).
TEST(RenumberQuestion, EachButtonGivesItsAnswer) {
    QtServices services;
    Message m;
    m.text = QStringLiteral("この項目は 5 か所で使われています。");
    m.buttons = MessageButtons::UpdateKeepCancel;
    m.icon = MessageIcon::Question;
    const QString shots = ScreenshotDir();
    const std::pair<QString, MessageAnswer> kButtons[] = {{"参照を更新", MessageAnswer::Update},
                                                          {"そのまま", MessageAnswer::Keep},
                                                          {"ｷｬﾝｾﾙ", MessageAnswer::Cancel},
                                                          {"使用箇所...", MessageAnswer::Usages}};
    for (const auto& [label, answer] : kButtons) {
        OnNextModal<QMessageBox>([&, label = label](QMessageBox* box) {
            if (!shots.isEmpty() && label == kButtons[0].first)
                SaveScreenArea(box->frameGeometry(), shots + "/renumber_question.png");
            for (QAbstractButton* b : box->buttons())
                if (b->text() == label) b->click();
        });
        EXPECT_EQ(services.ShowMessage(nullptr, m), answer) << label.toStdString();
    }
    OnNextModal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(services.ShowMessage(nullptr, m), MessageAnswer::Cancel);
}

}  // namespace
}  // namespace lw
