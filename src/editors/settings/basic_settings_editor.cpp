#include "editors/settings/basic_settings_editor.h"

#include <QCoreApplication>
#include <QListWidget>

#include "app/editor_context.h"
#include "app/services.h"
#include "audio/music_player.h"
#include "core/media/audio_lists.h"
#include "core/media/effect_animation.h"
#include "core/settings/basic_settings_rows.h"
#include "core/settings/game_settings.h"
#include "core/tagfile/file_io.h"
#include "previews/image_view.h"
#include "widgets/image_chooser.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/property_dialog.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

class BasicSettingsEditor : public PreviewStepDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::BasicSettingsEditor)
public:
    BasicSettingsEditor(EditorContext& context, QWidget* parent) : PreviewStepDialog(context, parent) {
        setWindowTitle(tr("基本設定"));

        // The settings and the three lists the rows choose from.
        loadStatus_ = LoadGameSettings(context_.project, settings_);
        context_.settings = settings_;
        LoadEffectTable(context_.project, context_.effects);
        const PropertyDialogParts parts = AddPropertyEditor(
            this, context_, BasicSettingsRows(settings_),
            {.lists = {{RowKind::Effect, EffectComboItems(context_.effects)},
                       {RowKind::Sound, LoadTableNames(context_.project, AudioList::Sound)},
                       {RowKind::Bgm, LoadTableNames(context_.project, AudioList::Bgm)}},
             .preview = [this](int row) { ShowPreview(row); },
             .pickColours = true});
        properties_ = parts.properties;
        ok_ = parts.confirm;
        cancel_ = parts.cancel;
    }

    // How reading setting.txt went.
    ReadStatus loadStatus() const { return loadStatus_; }

private:
    void OpenPreview() override {
        ImageView& v = view();
        v.Open(this);
        v.SetMode(ViewMode::SettingsColour, this);
        ShowPreview(properties_->currentRow());
    }
    void ShowPreview(int row) {
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
            PlayEffectInPreview(v, this, context_.effects.records[static_cast<std::size_t>(index)]);
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
    void Leave() override {
        ReleaseEffectTable(context_.effects);
        properties_->StopPlayback();
        ImageView& v = view();
        v.state().animate = false;
        v.Close();
        v.SetMode(ViewMode::None);
    }
    void accept() override {
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

    GameSettings settings_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    PropertyEditor* properties_;
};

}  // namespace

int RunBasicSettingsEditor(EditorContext& context, QWidget* parent) {
    BasicSettingsEditor editor(context, parent);
    if (ReportUnreadable(context, parent, kSettingFile, editor.loadStatus())) {
        ReleaseEffectTable(context.effects);
        return QDialog::Rejected;
    }
    return editor.exec();
}

}  // namespace lw
