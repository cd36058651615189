#include "editors/settings/basic_settings_editor.h"

#include <algorithm>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "audio/music_player.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/settings/basic_settings_rows.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"
#include "widgets/image_chooser.h"
#include "widgets/property_editor.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

// The names of an audio table as its drop-down lists them: the first `count` entries.
std::vector<std::string> TableNames(const AudioTable& table) {
    std::vector<std::string> names;
    const int count = std::clamp(table.count, 0, kAudioTableCapacity);
    for (int i = 0; i < count; ++i) names.emplace_back(table.Name(i));
    return names;
}

}  // namespace

BasicSettingsEditor::BasicSettingsEditor(EditorContext& context, QWidget* parent) : PreviewDialog(context, parent) {
    setWindowTitle(tr("基本設定"));

    // The settings and the three lists the rows choose from.
    loadStatus_ = LoadGameSettings(context_.project, settings_);
    context_.settings = settings_;
    LoadEffectTable(context_.project, context_.effects);
    AudioTable sounds, bgm;
    LoadWaveTable(context_.project, sounds);
    LoadMidiTable(context_.project, bgm);

    auto* layout = new QVBoxLayout(this);
    properties_ = new PropertyEditor(context_, BasicSettingsRows(settings_), this);
    properties_->SetListNames(RowKind::Effect, EffectComboItems(context_.effects));
    properties_->SetListNames(RowKind::Sound, TableNames(sounds));
    properties_->SetListNames(RowKind::Bgm, TableNames(bgm));
    properties_->ResetChecks();
    layout->addWidget(properties_, 1);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    connect(properties_, &PropertyEditor::previewNeeded, this, [this](int row) { ShowPreview(row); });
    connect(&view(), &ImageView::colourPicked, this, [this](QWidget* owner, QColor colour) {
        if (owner == this) properties_->PickColour(colour);
    });
    properties_->SelectRow(0);
}

BasicSettingsEditor::~BasicSettingsEditor() = default;

void BasicSettingsEditor::OpenPreview() {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::SettingsColour, this);
    ShowPreview(properties_->currentRow());
}

void BasicSettingsEditor::ShowPreview(int row) {
    ImageView& v = view();
    if (!v.IsOpen()) return;
    const RowKind kind = row >= 0 && row < properties_->rowCount() ? properties_->row(row).kind : RowKind::Text;
    v.StopAnimation();
    switch (kind) {
    case RowKind::Effect: {
        // The animation runs in the preview; its clicks pick nothing.
        const int index = properties_->choice()->currentIndex();
        if (!properties_->showImage() || index < 0 || index >= context_.effects.count()) {
            v.Hide();
            return;
        }
        v.state().animate = true;
        v.state().animation = context_.effects.records[static_cast<std::size_t>(index)];
        v.SetCursorShape(Qt::ArrowCursor);
        v.RestartAnimation();
        v.ShowAnimationCell(this, v.state().animation.imageFile);
        v.SetCaption(FromCp932(EffectDisplayName(v.state().animation)));
        return;
    }
    case RowKind::Image:
        // The battle focus picture; a click on it picks the key colour.
        v.state().animate = false;
        v.SetCursorShape(Qt::CrossCursor);
        v.ShowOrHideComboImage(this, properties_->choice(), true);
        return;
    case RowKind::Colour:
        v.state().animate = false;
        v.SetCursorShape(Qt::CrossCursor);
        v.ShowPalettePicker(this, properties_->labelList()->hasFocus() ? properties_->labelList() : nullptr);
        return;
    default:
        v.state().animate = false;
        v.Hide();
        return;
    }
}

void BasicSettingsEditor::Leave() {
    ReleaseEffectTable(context_.effects);
    properties_->StopPlayback();
    ImageView& v = view();
    v.state().animate = false;
    v.Close();
    v.SetMode(ViewMode::None);
}

void BasicSettingsEditor::accept() {
    properties_->Commit();
    if (context_.services && loadStatus_ != ReadStatus::Unreadable) {
        DialogSaveUi ui(*context_.services, this);
        SaveGameSettings(context_.project, settings_, ui);
        // Something could not be written: the editor stays open with the author's work.
        if (ui.failed()) return;
    }
    context_.settings = settings_;
    Leave();
    done(QDialog::Accepted);
}

void BasicSettingsEditor::reject() {
    Leave();
    done(QDialog::Rejected);
}

int RunBasicSettingsEditor(EditorContext& context, QWidget* parent) {
    BasicSettingsEditor editor(context, parent);
    if (ReportUnreadable(context, parent, kSettingFile, editor.loadStatus())) {
        ReleaseEffectTable(context.effects);
        return QDialog::Rejected;
    }
    return editor.exec();
}

}  // namespace lw
