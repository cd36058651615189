#include "editors/media/effect_list_editor.h"

#include <tuple>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/read_guard.h"
#include "previews/image_view.h"
#include "editors/media/effect_settings_step.h"

namespace lw {

EffectListEditor::EffectListEditor(EditorContext& context, QWidget* parent) : PreviewDialog(context, parent) {
    setWindowTitle(tr("ｱﾆﾒ ﾘｽﾄ1"));
    ReopenPreviewOnActivation();
    auto* layout = new QVBoxLayout(this);

    ListEditorOptions options;
    options.addLabel = tr("追加...");
    options.editButton = true;
    panel_ = new ListEditorPanel(options, this);
    panel_->AddUsagesButton(context.project, RefTarget::Effect);
    panel_->view()->setMinimumSize(240, 260);
    layout->addWidget(panel_, 1);

    auto* bottom = new QHBoxLayout();
    show_ = new QCheckBox(tr("表示"), this);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    bottom->addWidget(show_);
    std::tie(ok_, cancel_) = AddDialogButtons(this, bottom);
    layout->addLayout(bottom);
    // An empty list can be neither saved nor shown.
    panel_->EnableBy(ok_, ListEditorPanel::Enable::WithRows);
    panel_->EnableBy(show_, ListEditorPanel::Enable::WithRows);

    list_ = std::make_unique<ListEditor<EffectAnimation>>(
        panel_, [](const EffectAnimation& a) { return QStringList{FromCp932(EffectDisplayName(a))}; });
    list_->SetCapacity(kEffectTableCapacity, [this] {
        if (context_.services) context_.services->Inform(this, tr("これ以上、追加できません"));
    });
    list_->OnAdd([this]() -> std::optional<EffectAnimation> {
        EffectAnimation working;
        const bool ok = RunSteps(working, true);
        if (!ok) return std::nullopt;
        return working;
    });
    list_->OnEdit([this](EffectAnimation& copy) { return RunSteps(copy, false); });
    list_->OnSelectionChanged([this](int) { ShowSelection(); });
    list_->OnChanged([this] { ShowSelection(); });

    std::vector<EffectAnimation> animations;
    loadStatus_ = LoadEffectList(context_.project, animations);
    list_->SetRecords(std::move(animations), 0);
    show_->setChecked(true);
    connect(show_, &QCheckBox::toggled, this, [this] { ShowSelection(); });
}

EffectListEditor::~EffectListEditor() = default;

void EffectListEditor::OpenPreview() {
    ImageView& v = view();
    if (!v.IsOpen()) {
        v.Open(this);
        v.SetMode(ViewMode::Animation, this);
        v.SetCursorShape(Qt::ArrowCursor);
    }
    ShowSelection();
}

void EffectListEditor::ShowSelection() {
    ImageView& v = view();
    const int row = list_->selected();
    v.state().animation = row >= 0 ? list_->records()[static_cast<std::size_t>(row)] : EffectAnimation{};
    if (!v.IsOpen()) return;
    v.RestartAnimation();
    if (row >= 0 && show_->isChecked()) {
        v.ShowAnimationCell(this, v.state().animation.imageFile);
    } else {
        v.Hide();
    }
    panel_->view()->setFocus();
}

bool EffectListEditor::RunSteps(EffectAnimation& working, bool isNew) {
    view().Close();
    EffectSettingsStep settings(context_, working, isNew, this);
    const bool ok = settings.exec() == QDialog::Accepted;
    OpenPreview();
    return ok;
}

void EffectListEditor::Leave() {
    view().Close();
    view().SetMode(ViewMode::None);
}

void EffectListEditor::accept() {
    if (context_.services && loadStatus_ != ReadStatus::Unreadable) {
        DialogSaveUi ui(*context_.services, this);
        SaveEffectList(context_.project, list_->records(), ui);
        // Something could not be written: the editor stays open with the author's work.
        if (ui.failed()) return;
    }
    Leave();
    done(QDialog::Accepted);
}

void EffectListEditor::reject() {
    Leave();
    done(QDialog::Rejected);
}

int RunEffectListEditor(EditorContext& context, QWidget* parent) {
    EffectListEditor editor(context, parent);
    if (ReportUnreadable(context, parent, kEffectFile, editor.loadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw
