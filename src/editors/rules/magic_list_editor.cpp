#include "editors/rules/magic_list_editor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "editors/rules/magic_property_editor.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/read_guard.h"

namespace lw {

MagicListEditor::MagicListEditor(EditorContext& context, QWidget* parent) : PreviewDialog(context, parent) {
    setWindowTitle(tr("魔法ﾘｽﾄ1"));
    auto* layout = new QVBoxLayout(this);

    ListEditorOptions options;
    options.addLabel = tr("追加...");
    options.editButton = true;
    panel_ = new ListEditorPanel(options, this);
    panel_->AddUsagesButton(context.project, RefTarget::Magic);
    panel_->view()->setMinimumSize(240, 320);
    layout->addWidget(panel_, 1);

    auto* bottom = new QHBoxLayout();
    show_ = new QCheckBox(tr("表示"), this);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    bottom->addWidget(show_);
    std::tie(ok_, cancel_) = AddDialogButtons(this, bottom);
    layout->addLayout(bottom);
    panel_->EnableBy(ok_, ListEditorPanel::Enable::WithRows);
    panel_->EnableBy(show_, ListEditorPanel::Enable::WithRows);

    // The game's limits and the animations the spells choose from, as they are on disk now.
    LoadGameSettings(context_.project, context_.settings);
    abilityMax_ = MagicAbilityMaximum(context_.settings.abilityMax);
    LoadEffectTable(context_.project, context_.effects);

    list_ = std::make_unique<ListEditor<Magic>>(panel_, [](const Magic& m) { return QStringList{FromCp932(m.name)}; });
    list_->OnAdd([this]() -> std::optional<Magic> {
        Magic magic;
        if (!EditSpell(magic)) return std::nullopt;
        return magic;
    });
    list_->OnEdit([this](Magic& magic) { return EditSpell(magic); });
    list_->OnSelectionChanged([this](int) { RefreshPreview(); });
    list_->OnChanged([this] { RefreshPreview(); });

    std::vector<Magic> spells;
    loadStatus_ = LoadMagicList(context_.project, spells);
    const int first = spells.empty() ? -1 : 0;
    list_->SetRecords(std::move(spells), first);
    show_->setChecked(true);
    connect(show_, &QCheckBox::toggled, this, [this] { RefreshPreview(); });
}

MagicListEditor::~MagicListEditor() = default;

void MagicListEditor::OpenPreview() {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::Animation, this);
    v.SetCursorShape(Qt::ArrowCursor);
    RefreshPreview();
}

void MagicListEditor::RefreshPreview() {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    const int row = list_->selected();
    const Magic* magic = row >= 0 ? &list_->records()[static_cast<std::size_t>(row)] : nullptr;
    const bool show = show_->isChecked() && magic != nullptr && MagicUsesDamageFields(*magic) &&
                      magic->attackAnimation >= 0 && magic->attackAnimation < context_.effects.count();
    v.StopAnimation();
    if (!show) {
        v.state().animate = false;
        v.Hide();
        return;
    }
    v.state().animate = true;
    v.state().animation = context_.effects.records[static_cast<std::size_t>(magic->attackAnimation)];
    v.RestartAnimation();
    v.ShowAnimationCell(this, v.state().animation.imageFile);
    v.SetCaption(FromCp932(EffectDisplayName(v.state().animation)));
}

bool MagicListEditor::EditSpell(Magic& magic) {
    MagicPropertyEditor editor(context_, magic, abilityMax_, this);
    if (editor.exec() != QDialog::Accepted) {
        RefreshPreview();
        return false;
    }
    magic = editor.record();
    return true;
}

void MagicListEditor::Leave() {
    ReleaseEffectTable(context_.effects);
    ImageView& v = view();
    v.StopAnimation();
    v.state().animate = false;
    v.Close();
    v.SetMode(ViewMode::None);
}

void MagicListEditor::accept() {
    if (list_->records().empty()) return;  // OK is disabled: an empty list is never written
    if (context_.services && loadStatus_ != ReadStatus::Unreadable) {
        DialogSaveUi ui(*context_.services, this);
        SaveMagicList(context_.project, list_->records(), ui);
        // Something could not be written: the editor stays open with the author's work.
        if (ui.failed()) return;
    }
    Leave();
    done(QDialog::Accepted);
}

void MagicListEditor::reject() {
    Leave();
    done(QDialog::Rejected);
}

int RunMagicListEditor(EditorContext& context, QWidget* parent) {
    MagicListEditor editor(context, parent);
    if (ReportUnreadable(context, parent, kMagicFile, editor.loadStatus())) {
        ReleaseEffectTable(context.effects);
        return QDialog::Rejected;
    }
    return editor.exec();
}

}  // namespace lw
