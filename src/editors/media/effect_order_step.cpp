#include "editors/media/effect_order_step.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/effect_animation_steps.h"
#include "editors/media/effect_position_step.h"
#include "previews/image_view.h"
#include "widgets/preview_box.h"
#include "widgets/number_spin.h"

namespace lw {

namespace {

QString CellText(const std::pair<int, int>& cell) { return QStringLiteral("%1 %2").arg(cell.first).arg(cell.second); }

}  // namespace

EffectOrderStep::Options EffectOrderStep::ForEffect(EditorContext& context) {
    Options o;
    o.defaultLabel = tr("次へ");
    o.capacity = kEffectFrameCapacity;
    o.next = [&context](QWidget* step, EffectAnimation& working) {
        EffectPositionStep positions(context, working, step);
        return positions.exec() == QDialog::Accepted;
    };
    return o;
}

EffectOrderStep::EffectOrderStep(EditorContext& context, EffectAnimation& working, Options options, QWidget* parent)
    : PreviewStepDialog(context, parent), working_(working), options_(std::move(options)) {
    setWindowTitle(tr("ｱﾆﾒﾁｯﾌﾟの順番"));
    auto* layout = new QVBoxLayout(this);

    panel_ = new ListEditorPanel(ListEditorOptions{}, this);
    panel_->view()->setMinimumSize(140, 220);
    update_ = panel_->AddButton(tr("更新"), ListEditorPanel::Enable::WithSelection);
    layout->addWidget(panel_, 1);

    auto* fields = new QHBoxLayout();
    column_ = new NumberSpin(this);
    row_ = new NumberSpin(this);
    column_->setMinimumWidth(64);
    row_->setMinimumWidth(64);
    fields->addWidget(new QLabel(QStringLiteral("X"), this));
    fields->addWidget(column_);
    fields->addWidget(new QLabel(QStringLiteral("Y"), this));
    fields->addWidget(row_);
    show_ = NewPreviewBox(tr("表示"), this);
    fields->addStretch(1);
    fields->addWidget(show_);
    layout->addLayout(fields);

    auto* buttons = new QHBoxLayout();
    AddButtons(buttons, options_.defaultLabel);
    layout->addLayout(buttons);

    list_ = std::make_unique<ListEditor<std::pair<int, int>>>(
        panel_, [](const std::pair<int, int>& cell) { return QStringList{CellText(cell)}; });
    list_->SetCapacity(options_.capacity, [this] {
        if (context_.services) context_.services->Inform(this, tr("これ以上、追加できません"));
    });
    list_->OnAdd([this]() -> std::optional<std::pair<int, int>> { return TypedCell(); });
    connect(update_, &QPushButton::clicked, this, [this] {
        if (list_->model().Replace(list_->selected(), TypedCell())) list_->Refresh();
    });
    list_->SetRecords(FrameOrderOf(working_));
    show_->setChecked(true);
    connect(show_, &QCheckBox::toggled, this, [this](bool on) {
        if (on && view().IsOpen() && view().state().main.exists()) {
            view().Show();
        } else {
            view().Hide();
        }
    });
    connect(&view(), &ImageView::cellPicked, this, [this](QWidget* owner, int column, int row) {
        if (owner == this) AppendCell(column, row);
    });
}

EffectOrderStep::~EffectOrderStep() = default;

std::pair<int, int> EffectOrderStep::TypedCell() const {
    return {ClampChipIndex(column_->value(), column_->maximum()), ClampChipIndex(row_->value(), row_->maximum())};
}

bool EffectOrderStep::AppendCell(int column, int row) {
    if (list_->model().size() >= options_.capacity) {
        if (context_.services) context_.services->Inform(this, tr("これ以上、追加できません"));
        return false;
    }
    list_->model().Append({column, row});
    list_->Refresh();
    return true;
}

void EffectOrderStep::OpenPreview() {
    ImageView& v = view();
    v.Open(this);
    v.SetMode(ViewMode::CellPick, this);
    v.SetCursorShape(Qt::ArrowCursor);
    v.state().animation = working_;
    v.LoadMainImage(working_.imageFile);
    // The spins step through the cells of the sheet: 0 .. size ÷ cell size − 1.
    const Picture& sheet = v.state().main;
    const ChipGridMax max = FrameOrderMaxima(sheet.exists() ? sheet.width : 0, sheet.exists() ? sheet.height : 0,
                                             working_.cellWidth, working_.cellHeight);
    column_->setRange(0, max.column);
    row_->setRange(0, max.row);
    if (!sheet.exists()) {
        v.Hide();
        return;
    }
    v.FitViewToImage(this);
    v.SetCaption(QString());
    if (show_->isChecked()) {
        v.Show();
    } else {
        v.Hide();
    }
}

void EffectOrderStep::accept() {
    ApplyFrameOrder(working_, list_->records());
    if (options_.next) {
        view().Close();
        if (!options_.next(this, working_)) {
            OpenPreview();
            return;
        }
    }
    LeaveAccepted();
}

void EffectOrderStep::Leave() { view().Close(); }

}  // namespace lw
