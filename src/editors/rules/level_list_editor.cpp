#include "editors/rules/level_list_editor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "widgets/dialog_buttons.h"
#include "widgets/kept_value.h"
#include "widgets/read_guard.h"
#include "widgets/number_spin.h"

namespace lw {

LevelListEditor::LevelListEditor(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setWindowTitle(tr("ﾚﾍﾞﾙﾘｽﾄ"));
    auto* layout = new QVBoxLayout(this);

    // The table alone: rows are neither added nor deleted one by one here, the maximum level
    // decides how many there are.
    panel_ = new ListEditorPanel({.headers = QStringList{tr("ﾚﾍﾞﾙ"), tr("経験点")}, .moveButtons = false}, this);
    panel_->addButton()->hide();
    panel_->deleteButton()->hide();
    panel_->view()->setMinimumSize(220, 280);
    panel_->view()->header()->setStretchLastSection(true);
    layout->addWidget(panel_, 1);

    auto* fields = new QGridLayout();
    experience_ = new NumberSpin(this);
    experience_->setRange(0, kExperienceMax);
    experience_->setSingleStep(100);
    auto* experienceUpdate = new QPushButton(tr("更新"), this);
    maxLevel_ = new NumberSpin(this);
    maxLevel_->setRange(0, kLevelCapacity);
    auto* maxLevelUpdate = new QPushButton(tr("更新"), this);
    fields->addWidget(new QLabel(tr("必要経験点"), this), 0, 0);
    fields->addWidget(experience_, 0, 1);
    fields->addWidget(experienceUpdate, 0, 2);
    fields->addWidget(new QLabel(tr("最大ﾚﾍﾞﾙ"), this), 1, 0);
    fields->addWidget(maxLevel_, 1, 1);
    fields->addWidget(maxLevelUpdate, 1, 2);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    auto* buttonRow = new QHBoxLayout();
    ok_ = AddDialogButtons(this, buttonRow).first;
    layout->addLayout(buttonRow);

    list_ = std::make_unique<ListEditor<LevelRow>>(panel_, [](const LevelRow& r) {
        return QStringList{QString::number(r.level), QString::number(r.experience)};
    });
    list_->OnSelectionChanged([this](int) { ShowSelection(); });

    LevelTable table;
    loadStatus_ = LoadLevelTable(context_.project, table);
    list_->SetRecords(LevelListRows(table), 0);
    LoadSpin(maxLevel_, InitialMaxLevel(table));
    ShowSelection();

    connect(experienceUpdate, &QPushButton::clicked, this, [this] { UpdateExperience(); });
    connect(maxLevelUpdate, &QPushButton::clicked, this, [this] { UpdateMaxLevel(); });
}

void LevelListEditor::ShowSelection() {
    const int row = list_->selected();
    if (row >= 0) LoadSpin(experience_, list_->records()[static_cast<std::size_t>(row)].experience);
}

void LevelListEditor::UpdateExperience() {
    const int row = list_->selected();
    if (row < 0) return;
    list_->model().at(row).experience = SpinValue(experience_);
    list_->Refresh();
}

void LevelListEditor::UpdateMaxLevel() {
    std::vector<LevelRow> rows = list_->records();
    ResizeLevelRows(rows, SpinValue(maxLevel_));
    list_->SetRecords(std::move(rows), list_->selected());
    ShowSelection();
}

void LevelListEditor::accept() {
    // Something could not be written: the editor stays open with the author's work.
    if (SaveUnlessUnreadable(context_, this, loadStatus_,
                             [this](SaveUi& ui) { SaveLevelList(context_.project, list_->records(), ui); }))
        done(QDialog::Accepted);
}

int RunLevelListEditor(EditorContext& context, QWidget* parent) {
    return RunUnlessUnreadable<LevelListEditor>(context, parent, kLevelFile);
}

}  // namespace lw
