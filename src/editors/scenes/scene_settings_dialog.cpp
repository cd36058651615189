#include "editors/scenes/scene_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/tagfile/record_format.h"
#include "editors/maps/map_editor.h"
#include "widgets/audio_glue.h"
#include "widgets/cp932_validator.h"
#include "widgets/dialog_buttons.h"
#include "widgets/drawing_group.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/play_on_select.h"
#include "widgets/read_guard.h"
#include "widgets/preview_box.h"

namespace lw {

namespace {

class SceneSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `scene` null: a new scene (every field empty, the four default groups).
    SceneSettingsDialog(EditorContext& context, const Scene* scene, QWidget* parent)
        : QDialog(parent), context_(context), buffer_(scene ? *scene : NewScene()) {
        setWindowTitle(tr("場面設定2"));
        auto* layout = new QVBoxLayout(this);
        auto* form = new QFormLayout();

        kind_ = new QComboBox(this);
        kind_->addItems({tr("外"), tr("ダンジョン"), tr("街"), tr("その他")});
        name_ = new QLineEdit(this);
        LimitToCp932(name_, static_cast<int>(kSceneNameBytes));
        name_->setMinimumWidth(220);
        map_ = new ImageChooser(this);
        background_ = new ImageChooser(this);
        layer_ = new ImageChooser(this);
        bgm_ = new QComboBox(this);
        form->addRow(tr("場面種別"), kind_);
        form->addRow(tr("場面名"), name_);
        auto* mapRow = new QHBoxLayout();
        editMap_ = new QPushButton(tr("ﾏｯﾌﾟ編集..."), this);
        editMap_->setAccessibleName(tr("ﾏｯﾌﾟ編集"));
        editMap_->setAutoDefault(false);
        mapRow->addWidget(map_, 1);
        mapRow->addWidget(editMap_);
        form->addRow(tr("ﾏｯﾌﾟ ﾌｧｲﾙ名"), mapRow);
        form->addRow(tr("背景ﾁｯﾌﾟｾｯﾄ名"), background_);
        form->addRow(tr("ﾚｲﾔｰﾁｯﾌﾟｾｯﾄ名"), layer_);
        auto* bgmRow = new QHBoxLayout();
        play_ = NewPreviewBox(tr("MIDI・WAVE再生"), this);
        bgmRow->addWidget(bgm_, 1);
        bgmRow->addWidget(play_);
        form->addRow(tr("BGM"), bgmRow);
        layout->addLayout(form);

        auto* layerGroup = new QGroupBox(tr("ﾚｲﾔｰﾁｯﾌﾟｾｯﾄ設定"), this);
        auto* layerLayout = new QVBoxLayout(layerGroup);
        drawing_ = new DrawingGroup(layerGroup);
        layerLayout->addWidget(drawing_);
        layout->addWidget(layerGroup);

        auto* buttonRow = new QHBoxLayout();
        showImage_ = NewPreviewBox(tr("画像表示"), this);
        showImage_->setChecked(true);
        buttonRow->addWidget(showImage_);
        AddDialogButtons(this, buttonRow);
        layout->addLayout(buttonRow);

        // The choices, then the scene's values (nothing is stored by loading).
        map_->SetEntries(ListFolderFiles(context_.project, context_.project.dataFolder, "*.bin"));
        background_->Fill(context_.project);
        layer_->Fill(context_.project);
        LoadAudioListIntoCombo(bgm_, context_.project, AudioList::Bgm);
        LoadComboIndex(kind_, buffer_.kind);
        LoadText(name_, buffer_.name);
        map_->LoadName(buffer_.mapDataFile);
        background_->LoadName(buffer_.backgroundChipSet);
        layer_->LoadName(buffer_.layerChipSet);
        LoadComboIndex(bgm_, buffer_.bgmIndex);
        drawing_->LoadSpec(LayerDrawSpec(buffer_));
        playOnSelect_ = new PlayOnSelect(bgm_, play_, context_, AudioKind::Bgm);
        playOnSelect_->Reset();

        // Every change redraws the map at once.
        MapView* view = context_.mapView.get();
        connect(map_, &QComboBox::currentIndexChanged, this, [this, view] {
            view->LoadMap(map_->ChosenName());
            view->Repaint();
        });
        connect(background_, &QComboBox::currentIndexChanged, this, [this, view] {
            view->LoadChipSet(0, background_->ChosenName());
            view->Repaint();
        });
        connect(layer_, &QComboBox::currentIndexChanged, this, [this, view] {
            view->LoadChipSet(1, layer_->ChosenName());
            view->Repaint();
        });
        connect(drawing_, &DrawingGroup::specEdited, this, [this, view] {
            view->SetLayerSpec(drawing_->Spec());
            view->Repaint();
        });
        connect(editMap_, &QPushButton::clicked, this, &SceneSettingsDialog::EditMap);
        connect(showImage_, &QCheckBox::toggled, this, [view](bool on) { on ? view->Show() : view->Hide(); });
    }

    // The edit buffer; after OK it holds what the controls show.
    const Scene& scene() const { return buffer_; }

    // OK: refuses a chosen file name holding a blank (it would split its line of the scene file),
    // else fills the buffer and closes.
    void accept() override {
        // A file name is one token of its line: a chosen name holding a blank would shift the fields
        // after it when the scene is read back. Names kept as read are written as they were.
        const std::pair<ImageChooser*, const std::string*> choices[] = {
            {map_, &buffer_.mapDataFile}, {background_, &buffer_.backgroundChipSet}, {layer_, &buffer_.layerChipSet}};
        for (auto [chooser, stored] : choices) {
            if (chooser->ChosenName() == *stored) continue;
            if (CheckTokenField(chooser->ChosenName()) == FieldProblem::HasBlank) {
                Warn(context_, this, tr("空白を含むファイル名は使えません。\n%1").arg(FromCp932(chooser->ChosenName())));
                chooser->setFocus();
                return;
            }
        }
        Gather();
        QDialog::accept();
    }

    // OK and Cancel stop the BGM played.
    void done(int result) override {
        playOnSelect_->Stop();
        QDialog::done(result);
    }

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        if (!mapOpened_) OpenMapView();
    }

private:
    void OpenMapView() {
        mapOpened_ = true;
        MapView& view = *context_.mapView;
        view.Open(this);
        view.SetMode(MapViewMode::Settings, this);
        Scene shown = buffer_;
        shown.mapDataFile = map_->ChosenName();
        shown.backgroundChipSet = background_->ChosenName();
        shown.layerChipSet = layer_->ChosenName();
        view.ShowScene(SceneOnMap(shown));
        view.SetLayerSpec(drawing_->Spec());
        view.Repaint();
        if (showImage_->isChecked()) view.Show();
    }

    void EditMap() {
        MapEditorStart start{.mapFile = map_->ChosenName(),
                             .fromScene = true,
                             .backgroundChipSet = background_->ChosenName(),
                             .layerChipSet = layer_->ChosenName(),
                             .layerSpec = drawing_->Spec()};
        const std::string saved = RunMapEditor(context_, this, start);
        if (saved.empty()) return;
        // A scene without a map takes the one just made; otherwise the map shown is read again.
        if (map_->ChosenName().empty()) {
            map_->SetEntries(ListFolderFiles(context_.project, context_.project.dataFolder, "*.bin"));
            map_->SelectByPrefix(saved);
        } else {
            context_.mapView->LoadMap(map_->ChosenName());
        }
    }

    void Gather() {
        drawing_->InterpretTyped();
        buffer_.kind = ComboIndexValue(kind_);
        buffer_.name = TextValue(name_);
        buffer_.mapDataFile = map_->ChosenName();
        buffer_.backgroundChipSet = background_->ChosenName();
        buffer_.layerChipSet = layer_->ChosenName();
        buffer_.bgmIndex = ComboIndexValue(bgm_);
        const DrawSpec spec = drawing_->Spec();
        buffer_.layerDrawMode = spec.mode;
        buffer_.layerColourKey = spec.keyOn;
        buffer_.layerKeyRed = spec.key.red;
        buffer_.layerKeyGreen = spec.key.green;
        buffer_.layerKeyBlue = spec.key.blue;
    }

    EditorContext& context_;
    Scene buffer_;
    bool mapOpened_ = false;
    QComboBox* kind_;
    QLineEdit* name_;
    ImageChooser* map_;
    QPushButton* editMap_;
    ImageChooser* background_;
    ImageChooser* layer_;
    QComboBox* bgm_;
    QCheckBox* play_;
    QCheckBox* showImage_;
    DrawingGroup* drawing_;
    PlayOnSelect* playOnSelect_;
};

}  // namespace

std::optional<Scene> EditSceneSettings(EditorContext& context, const Scene* scene, QWidget* parent) {
    SceneSettingsDialog dialog(context, scene, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.scene();
}

}  // namespace lw

#include "scene_settings_dialog.moc"
