#include "editors/rules/level_list_editor.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/rules/levels.h"
#include "widgets/dialog_buttons.h"
#include "widgets/kept_value.h"
#include "widgets/list_editor.h"
#include "widgets/read_guard.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

class LevelListEditor : public QDialog {
    Q_OBJECT
public:
    LevelListEditor(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
        setWindowTitle(tr("ﾚﾍﾞﾙﾘｽﾄ"));
        auto* layout = new QVBoxLayout(this);

        // The table alone: rows are neither added nor deleted one by one here, the maximum level
        // decides how many there are.
        auto* panel = new ListEditorPanel({.headers = QStringList{tr("ﾚﾍﾞﾙ"), tr("経験点")}, .moveButtons = false}, this);
        panel->addButton()->hide();
        panel->deleteButton()->hide();
        panel->view()->setMinimumSize(220, 280);
        panel->view()->header()->setStretchLastSection(true);
        layout->addWidget(panel, 1);

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
        AddDialogButtons(this, buttonRow);
        layout->addLayout(buttonRow);

        list_ = std::make_unique<ListEditor<LevelRow>>(panel, [](const LevelRow& r) {
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

    ReadStatus loadStatus() const { return loadStatus_; }

public slots:
    // OK: writes level_list.txt (unless it could not be read) and closes with 1 whatever the write
    // returned.
    void accept() override {
        // Something could not be written: the editor stays open with the author's work.
        if (SaveUnlessUnreadable(context_, this, loadStatus_,
                                 [this](SaveUi& ui) { SaveLevelList(context_.project, list_->records(), ui); }))
            done(QDialog::Accepted);
    }

private:
    void ShowSelection() {
        const int row = list_->selected();
        if (row >= 0) LoadSpin(experience_, list_->records()[static_cast<std::size_t>(row)].experience);
    }

    void UpdateExperience() {
        const int row = list_->selected();
        if (row < 0) return;
        list_->model().at(row).experience = SpinValue(experience_);
        list_->Refresh();
    }

    void UpdateMaxLevel() {
        std::vector<LevelRow> rows = list_->records();
        ResizeLevelRows(rows, SpinValue(maxLevel_));
        list_->SetRecords(std::move(rows), list_->selected());
        ShowSelection();
    }

    EditorContext& context_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    std::unique_ptr<ListEditor<LevelRow>> list_;
    QSpinBox* experience_;
    QSpinBox* maxLevel_;
};

}  // namespace

int RunLevelListEditor(EditorContext& context, QWidget* parent) {
    return RunUnlessUnreadable<LevelListEditor>(context, parent, kLevelFile);
}

}  // namespace lw

#include "level_list_editor.moc"
