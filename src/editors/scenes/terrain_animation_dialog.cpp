#include "editors/scenes/terrain_animation_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/world/map_animation.h"
#include "core/world/map_animation_steps.h"
#include "previews/image_view.h"
#include "render/bitmap.h"
#include "widgets/preview_step_dialog.h"

namespace lw {

namespace {

// The chip is shown at twice its size, within this many pixels a side.
constexpr int kChipPictureSide = 96;

// "背景ｱﾆﾒ設定２" (terrain_animation_dialog.h).
class TerrainAnimationDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    TerrainAnimationDialog(EditorContext& context, const Scene& scene, QWidget* parent)
        : PreviewStepDialog(context, parent), grid_(scene.terrainAnimation) {
        setWindowTitle(tr("背景ｱﾆﾒ設定２"));
        auto* layout = new QVBoxLayout(this);

        auto* choosers = new QGridLayout();
        files_ = new QComboBox(this);
        files_->setMinimumContentsLength(20);
        animations_ = new QComboBox(this);
        animations_->setMinimumContentsLength(6);
        choosers->addWidget(new QLabel(tr("ﾏｯﾌﾟｱﾆﾒ"), this), 0, 0);
        choosers->addWidget(files_, 0, 1);
        choosers->addWidget(new QLabel(tr("背景ｱﾆﾒ"), this), 1, 0);
        choosers->addWidget(animations_, 1, 1, Qt::AlignLeft);
        layout->addLayout(choosers);

        auto* middle = new QHBoxLayout();
        chips_ = new QListWidget(this);
        chips_->setMinimumSize(140, 260);
        QFont fixed = chips_->font();
        fixed.setFamily(QStringLiteral("monospace"));
        fixed.setStyleHint(QFont::TypeWriter);
        chips_->setFont(fixed);
        middle->addWidget(chips_, 1);

        auto* side = new QVBoxLayout();
        side->addWidget(new QLabel(tr("ﾁｯﾌﾟ"), this));
        chipPicture_ = new QLabel(this);
        chipPicture_->setFixedSize(kChipPictureSide, kChipPictureSide);
        chipPicture_->setAlignment(Qt::AlignCenter);
        chipPicture_->setFrameShape(QFrame::StyledPanel);
        side->addWidget(chipPicture_);
        update_ = new QPushButton(tr("更新"), this);
        clear_ = new QPushButton(tr("消去"), this);
        side->addWidget(update_);
        side->addWidget(clear_);
        side->addStretch(1);
        middle->addLayout(side);
        layout->addLayout(middle, 1);

        auto* buttons = new QHBoxLayout();
        AddButtons(buttons);
        layout->addLayout(buttons);

        // The files offered: none first, then every "map_anim*.txt"; a file the scene names that the
        // folder lacks is offered too, so that confirming the dialog keeps it.
        fileNames_.push_back(std::string());
        for (std::string& name : ListFolderFiles(context_.project, context_.project.dataFolder, kMapAnimationFilePattern))
            fileNames_.push_back(std::move(name));
        auto named = std::find(fileNames_.begin(), fileNames_.end(), scene.mapAnimationFile);
        if (named == fileNames_.end()) named = fileNames_.insert(fileNames_.end(), scene.mapAnimationFile);
        const int namedIndex = static_cast<int>(named - fileNames_.begin());
        for (const std::string& name : fileNames_) files_->addItem(FromCp932(name));
        files_->setCurrentIndex(namedIndex);

        chipSet_ = LoadImageFile(ImageFilePath(context_.project, scene.backgroundChipSet));
        LoadChosenFile();

        connect(files_, &QComboBox::currentIndexChanged, this, [this] { LoadChosenFile(); });
        connect(chips_, &QListWidget::currentRowChanged, this, [this] { ShowSelectedChip(); });
        connect(animations_, &QComboBox::currentIndexChanged, this, [this] { ShowChosenAnimation(); });
        connect(update_, &QPushButton::clicked, this, [this] {
            if (animations_->currentIndex() >= 0) SetSelectedChip(animations_->currentIndex() + 1);
        });
        connect(clear_, &QPushButton::clicked, this, [this] { SetSelectedChip(0); });
    }

    // What OK gives the scene: the chosen file (empty for none) and the grid.
    std::string chosenFile() const {
        const int index = files_->currentIndex();
        return index >= 0 && index < static_cast<int>(fileNames_.size()) ? fileNames_[static_cast<std::size_t>(index)]
                                                                         : std::string();
    }
    const ChipGrid& grid() const { return grid_; }

private:
    void OpenPreview() override {
        OpenView(ViewMode::MapAnimation);
        ShowChosenAnimation();
    }
    // Reads the chosen file and rebuilds the animation chooser and the chip list.
    void LoadChosenFile() {
        const std::string name = chosenFile();
        file_ = MapAnimation{};
        if (!name.empty()) LoadMapAnimationFile(context_.project, name, file_);
        {
            QSignalBlocker block(animations_);
            animations_->clear();
            for (int i = 0; i < file_.animationCount(); ++i) animations_->addItem(FromCp932(AnimationNumberText(i)));
            animations_->setCurrentIndex(file_.animations.empty() ? -1 : 0);
        }
        shape_ = ChipListShapeOf(chipSet_.width(), chipSet_.height(), file_.frameWidth, file_.frameHeight);
        FillChipRows();
        if (chips_->count() > 0) chips_->setCurrentRow(0);
        ShowSelectedChip();
    }

    void FillChipRows() {
        QSignalBlocker block(chips_);
        const int selected = chips_->currentRow();
        chips_->clear();
        for (int i = 0; i < shape_.count(); ++i)
            chips_->addItem(FromCp932(TerrainRowText(i, ChipCellOfRow(i, shape_.columns), grid_)));
        if (selected >= 0 && selected < chips_->count()) chips_->setCurrentRow(selected);
        const bool rows = chips_->count() > 0;
        update_->setEnabled(rows && animations_->count() > 0);
        clear_->setEnabled(rows);
    }

    void ShowSelectedChip() {
        const int row = chips_->currentRow();
        if (row < 0) {
            chipPicture_->clear();
            ShowChosenAnimation();
            return;
        }
        const ChipCell cell = ChipCellOfRow(row, shape_.columns);
        if (cell.row >= kChipGridSize) return;
        const QImage chip =
            chipSet_.copy(cell.column * file_.frameWidth, cell.row * file_.frameHeight, file_.frameWidth, file_.frameHeight);
        const int side = std::max(file_.frameWidth, file_.frameHeight);
        const int scale = side > 0 ? std::max(1, std::min(2, kChipPictureSide / side)) : 1;
        QImage shown = chip.scaled(chip.width() * scale, chip.height() * scale);
        if (shown.width() > kChipPictureSide || shown.height() > kChipPictureSide)
            shown = shown.scaled(kChipPictureSide, kChipPictureSide, Qt::KeepAspectRatio);
        chipPicture_->setPixmap(QPixmap::fromImage(shown));
        // The chooser shows the chip's animation, when it has one.
        const int value = grid_[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)];
        if (value >= 1 && value <= animations_->count()) {
            QSignalBlocker block(animations_);
            animations_->setCurrentIndex(value - 1);
        }
        ShowChosenAnimation();
    }

    void ShowChosenAnimation() {
        ImageView& v = view();
        const int index = animations_->currentIndex();
        const bool any = index >= 0 && index < file_.animationCount();
        v.state().animation = any ? PreviewRecord(file_, file_.animations[static_cast<std::size_t>(index)]) : EffectAnimation{};
        if (!v.IsOpen()) return;
        v.RestartAnimation();
        if (any) {
            v.ShowAnimationCell(this, file_.imageFile);
            v.SetCaption(FromCp932(AnimationNumberText(index)));
        } else {
            v.Hide();
        }
    }

    void SetSelectedChip(int value) {
        const int row = chips_->currentRow();
        if (row < 0) return;
        const ChipCell cell = ChipCellOfRow(row, shape_.columns);
        if (cell.row >= kChipGridSize) return;
        grid_[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)] = value;
        chips_->item(row)->setText(FromCp932(TerrainRowText(row, cell, grid_)));
    }

    ChipGrid grid_;
    MapAnimation file_;
    QImage chipSet_;
    ChipListShape shape_;
    std::vector<std::string> fileNames_;  // CP932, as offered by files_
    QComboBox* files_;
    QComboBox* animations_;
    QListWidget* chips_;
    QLabel* chipPicture_;
    QPushButton* update_;
    QPushButton* clear_;
};

}  // namespace

bool EditTerrainAnimations(EditorContext& context, Scene& scene, QWidget* parent) {
    TerrainAnimationDialog dialog(context, scene, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    scene.mapAnimationFile = dialog.chosenFile();
    scene.terrainAnimation = dialog.grid();
    return true;
}

}  // namespace lw

#include "terrain_animation_dialog.moc"
