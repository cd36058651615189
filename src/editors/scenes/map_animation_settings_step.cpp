#include "editors/scenes/map_animation_settings_step.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>
#include <optional>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/world/map_animation_steps.h"
#include "editors/media/effect_steps.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "widgets/field_grid.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/list_editor.h"
#include "widgets/number_spin.h"
#include "widgets/read_guard.h"
#include "widgets/preview_box.h"

namespace lw {

namespace {

// "ﾏｯﾌﾟｱﾆﾒ3": the animations of the file.
class MapAnimationSequenceStep : public PreviewStepDialog {
    Q_OBJECT
public:
    // The bitmap of `working` is imageWidth x imageHeight pixels (0 x 0 when it did not load).
    MapAnimationSequenceStep(EditorContext& context, MapAnimation& working, int imageWidth, int imageHeight,
                             QWidget* parent)
        : PreviewStepDialog(context, parent), working_(working), imageWidth_(imageWidth), imageHeight_(imageHeight) {
        setWindowTitle(tr("ﾏｯﾌﾟｱﾆﾒ3"));
        ReopenPreviewOnActivation();
        auto* layout = new QVBoxLayout(this);

        auto* panel = new ListEditorPanel({.addLabel = tr("追加..."), .editButton = true}, this);
        panel->view()->setMinimumSize(300, 240);
        layout->addWidget(panel, 1);

        auto* bottom = new QHBoxLayout();
        show_ = NewPreviewBox(tr("表示"), this);
        bottom->addWidget(show_);
        AddButtons(bottom);
        layout->addLayout(bottom);

        list_ = std::make_unique<ListEditor<MapAnimationSequence>>(
            panel, [](const MapAnimationSequence& s) { return QStringList{FromCp932(FrameListText(s))}; });
        // The editor adds no 64th animation (a file holding 64 keeps them all).
        list_->SetCapacity(kMapAnimationAddLimit, [this] {
            Inform(context_, this, tr("これ以上、追加できません"));
        });
        list_->AddSelectsEqual([](const MapAnimationSequence& a, const MapAnimationSequence& b) { return a == b; });
        list_->OnAdd([this] { return PickFrames({}); });
        list_->OnEdit([this](MapAnimationSequence& copy) {
            std::optional<MapAnimationSequence> picked = PickFrames(copy);
            if (picked) copy = std::move(*picked);
            return picked.has_value();
        });
        list_->OnSelectionChanged([this](int) { ShowSelection(); });
        list_->OnChanged([this] { ShowSelection(); });
        list_->SetRecords(working_.animations, working_.animations.empty() ? -1 : 0);

        show_->setChecked(true);
        connect(show_, &QCheckBox::toggled, this, [this] { ShowSelection(); });
    }

    void accept() override {
        working_.animations = list_->records();
        LeaveAccepted();
    }

private:
    void OpenPreview() override {
        if (!view().IsOpen()) OpenView(ViewMode::MapAnimation);
        ShowSelection();
    }

    // Closes the preview; the settings step opens its own.
    void Leave() override { view().Close(); }

    void ShowSelection() {
        ImageView& v = view();
        const int row = list_->selected();
        v.state().animation =
            row >= 0 ? PreviewRecord(working_, list_->records()[static_cast<std::size_t>(row)]) : EffectAnimation{};
        if (!v.IsOpen()) return;
        v.RestartAnimation();
        if (row >= 0 && show_->isChecked()) {
            v.ShowAnimationCell(this, working_.imageFile);
        } else {
            v.Hide();
        }
    }

    // Runs the frame order on `sequence`; its frames on OK, nullopt on Cancel.
    std::optional<MapAnimationSequence> PickFrames(const MapAnimationSequence& sequence) {
        view().Close();
        EffectAnimation order = FrameOrderRecord(working_, sequence, imageWidth_, imageHeight_);
        EffectOrderStep::Options options;
        options.defaultLabel = tr("OK");
        options.capacity = kMapAnimationFrameCapacity;
        EffectOrderStep step(context_, order, options, this);
        const bool ok = step.exec() == QDialog::Accepted;
        OpenPreview();
        if (!ok) return std::nullopt;
        return SequenceFromFrameOrder(FrameOrderOf(order), working_.frameWidth, working_.frameHeight, sequence);
    }

    MapAnimation& working_;
    int imageWidth_;
    int imageHeight_;
    std::unique_ptr<ListEditor<MapAnimationSequence>> list_;
    QCheckBox* show_;
};


// "ﾏｯﾌﾟｱﾆﾒ2": the bitmap, the frame size and the speed.
class MapAnimationSettingsStep : public PreviewStepDialog {
    Q_OBJECT
public:
    // `working` is edited in place; the caller keeps it only when the steps end with OK.
    MapAnimationSettingsStep(EditorContext& context, MapAnimation& working, QWidget* parent)
        : PreviewStepDialog(context, parent, ViewMode::MapAnimation), working_(working) {
        setWindowTitle(tr("ﾏｯﾌﾟｱﾆﾒ2"));
        auto* layout = new QVBoxLayout(this);

        auto* imageRow = new QHBoxLayout();
        image_ = new ImageChooser(this);
        show_ = NewPreviewBox(tr("表示"), this);
        imageRow->addWidget(new QLabel(tr("画像"), this));
        imageRow->addWidget(image_, 1);
        imageRow->addWidget(show_);
        layout->addLayout(imageRow);

        auto* sizeGroup = new QGroupBox(tr("1ｺﾏの画像ｻｲｽﾞ"), this);
        auto* sizeRow = new QHBoxLayout(sizeGroup);
        width_ = new NumberSpin(sizeGroup, 1, kMaxPictureSide);
        height_ = new NumberSpin(sizeGroup, 1, kMaxPictureSide);
        AddLabelledRow(sizeRow, {{tr("幅"), width_}, {tr("高さ"), height_}});
        layout->addWidget(sizeGroup);

        auto* speedRow = new QHBoxLayout();
        speed_ = new NumberSpin(this, 1, kMapAnimationMaxSpeed);
        speedRow->addWidget(new QLabel(tr("速度"), this));
        speedRow->addWidget(speed_);
        speedRow->addStretch(1);
        layout->addLayout(speedRow);
        layout->addStretch(1);

        auto* buttons = new QHBoxLayout();
        AddButtons(buttons, tr("次へ"));
        layout->addLayout(buttons);

        image_->Fill(context_.project);
        image_->LoadName(working_.imageFile);
        LoadSpin(width_, working_.frameWidth);
        LoadSpin(height_, working_.frameHeight);
        LoadSpin(speed_, working_.speed);
        show_->setChecked(true);

        connect(image_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenImage(); });
        for (NumberSpin* spin : {width_, height_, speed_})
            connect(spin, &QSpinBox::valueChanged, this, [this] { TakeControls(); });
        connect(show_, &QCheckBox::toggled, this, [this](bool on) {
            if (on && view().IsOpen() && view().state().main.exists()) {
                view().Show();
            } else {
                view().Hide();
            }
        });
    }

    // "次へ": checks the frame size and the bitmap, then runs "ﾏｯﾌﾟｱﾆﾒ3"; ends with 1 on its OK.
    void accept() override {
        // A number still being typed is taken as it stands.
        for (NumberSpin* spin : {width_, height_, speed_}) spin->interpretText();
        working_.imageFile = image_->ChosenName();
        TakeControls();
        QString problem;
        switch (CheckMapAnimationSettings(working_)) {
        case MapAnimationProblem::None: break;
        case MapAnimationProblem::FrameSizeBelowOne: problem = tr("1ｺﾏの画像ｻｲｽﾞは1以上に設定してください"); break;
        case MapAnimationProblem::NoImage: problem = tr("画像を選択してください"); break;
        case MapAnimationProblem::ImageNameHasBlank:
            problem = tr("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください");
            break;
        }
        if (!problem.isEmpty()) {
            Inform(context_, this, problem);
            return;
        }
        view().Close();
        MapAnimationSequenceStep animations(context_, working_, imageWidth_, imageHeight_, this);
        if (animations.exec() == QDialog::Accepted) {
            LeaveAccepted();
            return;
        }
        // Back from the animations: this step goes on with its own preview.
        OpenPreview();
    }

private:
    void OpenPreview() override {
        OpenView(ViewMode::MapAnimationGrid);
        ShowChosenImage();
    }

    void ShowChosenImage() {
        working_.imageFile = image_->ChosenName();
        ImageView& v = view();
        if (v.IsOpen()) {
            v.LoadMainImage(working_.imageFile);
            const Picture& sheet = v.state().main;
            imageWidth_ = sheet.exists() ? sheet.width : 0;
            imageHeight_ = sheet.exists() ? sheet.height : 0;
        } else {
            const QImage sheet = LoadImageFile(ImageFilePath(context_.project, working_.imageFile));
            imageWidth_ = sheet.width();
            imageHeight_ = sheet.height();
        }
        // A size typed above the bitmap's becomes the bitmap's; a size read from the file stays until
        // the author changes it.
        KeepRange(width_, 1, imageWidth_ > 0 ? imageWidth_ : kMaxPictureSide);
        KeepRange(height_, 1, imageHeight_ > 0 ? imageHeight_ : kMaxPictureSide);
        TakeControls();
        if (!v.IsOpen()) return;
        if (imageWidth_ > 0) {
            v.FitViewToImage(this);
            v.SetCaption(FromCp932(working_.imageFile));
        }
        if (imageWidth_ > 0 && show_->isChecked()) {
            v.Show();
        } else {
            v.Hide();
        }
    }

    // Takes the controls into the working record and repaints the grid.
    void TakeControls() {
        working_.frameWidth = SpinValue(width_);
        working_.frameHeight = SpinValue(height_);
        working_.speed = SpinValue(speed_);
        SyncPreview();
    }

    void SyncPreview() {
        ImageView& v = view();
        EffectAnimation grid = PreviewRecord(working_, {});
        v.state().animation = grid;
        if (v.IsOpen()) v.Repaint();
    }

    MapAnimation& working_;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    ImageChooser* image_;
    QCheckBox* show_;
    NumberSpin* width_;
    NumberSpin* height_;
    NumberSpin* speed_;
};

}  // namespace

bool EditMapAnimationSteps(EditorContext& context, MapAnimation& working, QWidget* parent) {
    MapAnimationSettingsStep settings(context, working, parent);
    return settings.exec() == QDialog::Accepted;
}

}  // namespace lw

#include "map_animation_settings_step.moc"
