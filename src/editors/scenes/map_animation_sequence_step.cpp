#include "editors/scenes/map_animation_sequence_step.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/world/map_animation_steps.h"
#include "editors/media/effect_steps.h"
#include "previews/image_view.h"
#include "widgets/read_guard.h"
#include "widgets/preview_box.h"

namespace lw {

MapAnimationSequenceStep::MapAnimationSequenceStep(EditorContext& context, MapAnimation& working, int imageWidth,
                                                   int imageHeight, QWidget* parent)
    : PreviewStepDialog(context, parent), working_(working), imageWidth_(imageWidth), imageHeight_(imageHeight) {
    setWindowTitle(tr("ﾏｯﾌﾟｱﾆﾒ3"));
    ReopenPreviewOnActivation();
    auto* layout = new QVBoxLayout(this);

    panel_ = new ListEditorPanel({.addLabel = tr("追加..."), .editButton = true}, this);
    panel_->view()->setMinimumSize(300, 240);
    layout->addWidget(panel_, 1);

    auto* bottom = new QHBoxLayout();
    show_ = NewPreviewBox(tr("表示"), this);
    bottom->addWidget(show_);
    AddButtons(bottom);
    layout->addLayout(bottom);

    list_ = std::make_unique<ListEditor<MapAnimationSequence>>(
        panel_, [](const MapAnimationSequence& s) { return QStringList{FromCp932(FrameListText(s))}; });
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

MapAnimationSequenceStep::~MapAnimationSequenceStep() = default;

void MapAnimationSequenceStep::OpenPreview() {
    if (!view().IsOpen()) OpenView(ViewMode::MapAnimation);
    ShowSelection();
}

void MapAnimationSequenceStep::ShowSelection() {
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

std::optional<MapAnimationSequence> MapAnimationSequenceStep::PickFrames(const MapAnimationSequence& sequence) {
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

void MapAnimationSequenceStep::accept() {
    working_.animations = list_->records();
    LeaveAccepted();
}

void MapAnimationSequenceStep::Leave() { view().Close(); }

}  // namespace lw
