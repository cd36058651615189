#include "editors/maps/map_editor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/world/scene.h"
#include "editors/maps/chip_palette.h"
#include "editors/maps/map_canvas.h"
#include "editors/maps/map_size_dialog.h"
#include "render/bitmap.h"
#include "widgets/image_chooser.h"
#include "widgets/number_spin.h"

namespace lw {

namespace {

QPushButton* Button(const QString& label, QWidget* parent) {
    auto* b = new QPushButton(label, parent);
    b->setAccessibleName(label);
    b->setAutoDefault(false);
    return b;
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return l;
}

}  // namespace

MapEditor::MapEditor(EditorContext& context, const MapEditorStart& start, QWidget* parent)
    : QDialog(parent), context_(context) {
    setWindowTitle(tr("ﾏｯﾌﾟ編集"));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    // The file, the chip sets.
    auto* fileRow = new QHBoxLayout();
    mapCombo_ = new QComboBox(this);
    mapCombo_->setMinimumContentsLength(16);
    new_ = Button(tr("新規..."), this);
    save_ = Button(tr("保存"), this);
    resize_ = Button(tr("ｻｲｽﾞ変更..."), this);
    fileRow->addWidget(Label(tr("ﾏｯﾌﾟ ﾌｧｲﾙ名"), mapCombo_, this));
    fileRow->addWidget(mapCombo_, 1);
    fileRow->addWidget(new_);
    fileRow->addWidget(save_);
    fileRow->addWidget(resize_);
    layout->addLayout(fileRow);

    auto* chipRow = new QHBoxLayout();
    sceneCombo_ = new QComboBox(this);
    sceneCombo_->setMinimumContentsLength(14);
    background_ = new ImageChooser(this);
    layer_ = new ImageChooser(this);
    background_->setMinimumContentsLength(12);
    layer_->setMinimumContentsLength(12);
    chipRow->addWidget(Label(tr("場面"), sceneCombo_, this));
    chipRow->addWidget(sceneCombo_, 1);
    chipRow->addWidget(Label(tr("背景ﾁｯﾌﾟｾｯﾄ名"), background_, this));
    chipRow->addWidget(background_, 1);
    chipRow->addWidget(Label(tr("ﾚｲﾔｰﾁｯﾌﾟｾｯﾄ名"), layer_, this));
    chipRow->addWidget(layer_, 1);
    layout->addLayout(chipRow);

    // Tools, layers, view.
    auto* toolRow = new QHBoxLayout();
    auto* toolBox = new QGroupBox(tr("ﾂｰﾙ"), this);
    auto* toolLayout = new QHBoxLayout(toolBox);
    auto* toolGroup = new QButtonGroup(this);
    const QString toolLabels[] = {tr("ﾍﾟﾝ"), tr("矩形"), tr("塗りつぶし"), tr("消しゴム"), tr("範囲選択")};
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        tools_[i] = new QRadioButton(toolLabels[i], toolBox);
        tools_[i]->setAccessibleName(toolLabels[i]);
        toolGroup->addButton(tools_[i], static_cast<int>(i));
        toolLayout->addWidget(tools_[i]);
    }
    copy_ = Button(tr("ｺﾋﾟｰ"), toolBox);
    paste_ = Button(tr("貼り付け"), toolBox);
    bothLayers_ = new QCheckBox(tr("両ﾚｲﾔｰ"), toolBox);
    bothLayers_->setAccessibleName(tr("両ﾚｲﾔｰをｺﾋﾟｰ"));
    bothLayers_->setChecked(true);
    toolLayout->addWidget(copy_);
    toolLayout->addWidget(paste_);
    toolLayout->addWidget(bothLayers_);
    toolRow->addWidget(toolBox);

    auto* layerBox = new QGroupBox(tr("ﾚｲﾔｰ"), this);
    auto* layerLayout = new QHBoxLayout(layerBox);
    auto* layerGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        const QString label = tr("ﾚｲﾔｰ%1").arg(i);
        layers_[static_cast<std::size_t>(i)] = new QRadioButton(label, layerBox);
        layers_[static_cast<std::size_t>(i)]->setAccessibleName(label);
        layerGroup->addButton(layers_[static_cast<std::size_t>(i)], i);
        layerLayout->addWidget(layers_[static_cast<std::size_t>(i)]);
    }
    other_ = new QComboBox(layerBox);
    other_->addItems({tr("表示"), tr("薄く表示"), tr("非表示")});
    other_->setCurrentIndex(1);
    layerLayout->addWidget(Label(tr("他のﾚｲﾔｰ"), other_, layerBox));
    layerLayout->addWidget(other_);
    toolRow->addWidget(layerBox);

    auto* viewBox = new QGroupBox(tr("表示"), this);
    auto* viewLayout = new QHBoxLayout(viewBox);
    grid_ = new QCheckBox(tr("ｸﾞﾘｯﾄﾞ"), viewBox);
    grid_->setAccessibleName(tr("ｸﾞﾘｯﾄﾞ"));
    grid_->setChecked(true);
    zoom_ = new QComboBox(viewBox);
    for (int z = kMinZoom; z <= kMaxZoom; z += kZoomStep) zoom_->addItem(QStringLiteral("%1 %").arg(z), z);
    zoom_->setCurrentIndex(zoom_->findData(100));
    viewLayout->addWidget(grid_);
    viewLayout->addWidget(Label(tr("倍率"), zoom_, viewBox));
    viewLayout->addWidget(zoom_);
    toolRow->addWidget(viewBox);
    undo_ = Button(tr("元に戻す"), this);
    redo_ = Button(tr("やり直し"), this);
    toolRow->addWidget(undo_);
    toolRow->addWidget(redo_);
    toolRow->addStretch(1);
    layout->addLayout(toolRow);

    // The map and the palette.
    auto* middle = new QHBoxLayout();
    canvas_ = new MapCanvas(session_, this);
    canvas_->setMinimumSize(640, 420);
    middle->addWidget(canvas_, 1);
    auto* side = new QVBoxLayout();
    palette_ = new ChipPalette(this);
    chip_ = new NumberSpin(0, kMaxChip, 1, this);
    chip_->TakeTypingAtOnce();
    auto* chipLine = new QHBoxLayout();
    chipLine->addWidget(Label(tr("ﾁｯﾌﾟ番号"), chip_, this));
    chipLine->addWidget(chip_, 1);
    side->addWidget(palette_, 1);
    side->addLayout(chipLine);
    middle->addLayout(side);
    layout->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout();
    status_ = new QLabel(this);
    status_->setAccessibleName(tr("状態"));
    status_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    status_->setFocusPolicy(Qt::TabFocus);
    close_ = Button(tr("閉じる"), this);
    bottom->addWidget(status_, 1);
    bottom->addWidget(close_);
    layout->addLayout(bottom);

    // Wiring.
    connect(close_, &QPushButton::clicked, this, &MapEditor::reject);
    connect(save_, &QPushButton::clicked, this, [this] { Save(); });
    connect(new_, &QPushButton::clicked, this, &MapEditor::NewMap);
    connect(resize_, &QPushButton::clicked, this, &MapEditor::ResizeMap);
    connect(undo_, &QPushButton::clicked, this, &MapEditor::Undo);
    connect(redo_, &QPushButton::clicked, this, &MapEditor::Redo);
    connect(copy_, &QPushButton::clicked, this, &MapEditor::Copy);
    connect(paste_, &QPushButton::clicked, this, &MapEditor::Paste);
    connect(mapCombo_, &QComboBox::activated, this, [this](int index) {
        const QByteArray name = mapCombo_->itemData(index).toByteArray();
        if (!OpenMap(std::string(name.constData(), static_cast<std::size_t>(name.size())))) ListMapFiles(fileName_);
    });
    connect(sceneCombo_, &QComboBox::activated, this, [this](int index) { ApplyScene(index); });
    connect(background_, &QComboBox::currentIndexChanged, this, [this] { LoadChipSet(0, background_->ChosenName()); ChipSetsChanged(); });
    connect(layer_, &QComboBox::currentIndexChanged, this, [this] { LoadChipSet(1, layer_->ChosenName()); ChipSetsChanged(); });
    connect(toolGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on) return;
        session_.SetTool(static_cast<MapTool>(id));
        canvas_->CellsChanged({});
        UpdateControls();
    });
    connect(layerGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) SetLayer(id);
    });
    connect(other_, &QComboBox::currentIndexChanged, this, [this](int index) {
        canvas_->view().other = static_cast<OtherLayer>(std::clamp(index, 0, 2));
        canvas_->RepaintAll();
    });
    connect(grid_, &QCheckBox::toggled, this, [this](bool on) {
        canvas_->view().grid = on;
        canvas_->RepaintAll();
    });
    connect(zoom_, &QComboBox::currentIndexChanged, this, [this](int index) { canvas_->SetZoom(zoom_->itemData(index).toInt()); });
    connect(canvas_, &MapCanvas::zoomRequested, this, [this](int percent) {
        const int index = zoom_->findData(ClampZoom(percent));
        if (index >= 0) zoom_->setCurrentIndex(index);
    });
    connect(bothLayers_, &QCheckBox::toggled, this, [this](bool on) { session_.SetCopyBothLayers(on); });
    connect(chip_, &QSpinBox::valueChanged, this, [this](int chip) { SetChip(chip); });
    connect(palette_, &ChipPalette::chipChosen, this, [this](int chip) { SetChip(chip); });
    connect(canvas_, &MapCanvas::chipPicked, this, [this](int chip) { SetChip(chip); });
    connect(canvas_, &MapCanvas::edited, this, [this] { UpdateControls(); });
    connect(canvas_, &MapCanvas::hoverChanged, this, [this] {
        UpdateStatus();
        UpdateControls();  // a selection made or dropped
    });

    // The scenes, whose chip sets a map is drawn with.
    sceneCombo_->addItem(tr("なし"));
    std::vector<std::string> sceneFiles = ListFolderFiles(context_.project, context_.project.dataFolder, "scene*.txt");
    std::sort(sceneFiles.begin(), sceneFiles.end());
    for (const std::string& file : sceneFiles) {
        Scene scene;
        if (LoadSceneFile(context_.project, file, scene) != ReadStatus::Ok) continue;
        scenes_.push_back(SceneChoice{file, scene.mapDataFile, scene.backgroundChipSet, scene.layerChipSet, LayerDrawSpec(scene)});
        sceneCombo_->addItem(FromCp932(file) + QStringLiteral(": ") + FromCp932(scene.name));
    }
    background_->Fill(context_.project);
    layer_->Fill(context_.project);

    tools_[0]->setChecked(true);
    layers_[0]->setChecked(true);
    session_.SetChip(1);
    if (start.fromScene) {
        for (std::size_t i = 0; i < scenes_.size(); ++i) {
            const SceneChoice& s = scenes_[i];
            if (s.mapFile == start.mapFile && s.backgroundChipSet == start.backgroundChipSet && s.layerChipSet == start.layerChipSet) {
                sceneCombo_->setCurrentIndex(static_cast<int>(i) + 1);
                break;
            }
        }
        background_->LoadName(start.backgroundChipSet);
        layer_->LoadName(start.layerChipSet);
        layerSpec_ = start.layerSpec;
        LoadChipSet(0, start.backgroundChipSet);
        LoadChipSet(1, start.layerChipSet);
        ChipSetsChanged();
    }
    ListMapFiles(start.mapFile);
    std::string first = start.mapFile;
    if (first.empty() && mapCombo_->count() > 0) {
        const QByteArray name = mapCombo_->itemData(0).toByteArray();
        first.assign(name.constData(), static_cast<std::size_t>(name.size()));
    }
    keepChipSets_ = start.fromScene;
    if (!first.empty()) OpenMap(first);
    ShowMapReplaced();
    canvas_->setFocus();
}

MapEditor::~MapEditor() = default;

bool MapEditor::MayDiscard() {
    if (!session_.Modified()) return true;
    if (context_.services == nullptr) return false;
    return context_.services->ShowMessage(
               this, Message{.text = tr("ﾏｯﾌﾟの変更が保存されていません。\n変更を破棄しますか？"),
                             .buttons = MessageButtons::YesNo,
                             .icon = MessageIcon::Question,
                             .defaultAnswer = MessageAnswer::No}) == MessageAnswer::Yes;
}

void MapEditor::ListMapFiles(const std::string& select) {
    QSignalBlocker block(mapCombo_);
    std::vector<std::string> files = ListFolderFiles(context_.project, context_.project.dataFolder, "*.bin");
    std::sort(files.begin(), files.end());
    // A new map not saved yet is listed too.
    if (!select.empty() && std::find(files.begin(), files.end(), select) == files.end()) files.push_back(select);
    mapCombo_->clear();
    for (const std::string& f : files) mapCombo_->addItem(FromCp932(f), QByteArray(f.data(), static_cast<qsizetype>(f.size())));
    mapCombo_->setCurrentIndex(select.empty() ? -1 : mapCombo_->findData(QByteArray(select.data(), static_cast<qsizetype>(select.size()))));
}

void MapEditor::ChooseSceneFor(const std::string& mapFile) {
    for (std::size_t i = 0; i < scenes_.size(); ++i) {
        if (scenes_[i].mapFile != mapFile) continue;
        sceneCombo_->setCurrentIndex(static_cast<int>(i) + 1);
        ApplyScene(static_cast<int>(i) + 1);
        return;
    }
}

void MapEditor::ApplyScene(int index) {
    if (index < 1 || index > static_cast<int>(scenes_.size())) return;
    const SceneChoice& s = scenes_[static_cast<std::size_t>(index - 1)];
    background_->LoadName(s.backgroundChipSet);
    layer_->LoadName(s.layerChipSet);
    layerSpec_ = s.layerSpec;
    LoadChipSet(0, s.backgroundChipSet);
    LoadChipSet(1, s.layerChipSet);
    ChipSetsChanged();
}

void MapEditor::LoadChipSet(int layer, const std::string& name) {
    TileSets& sets = canvas_->view().chipSets;
    if (name.empty()) {
        sets.images[static_cast<std::size_t>(layer)] = QImage();
    } else {
        LoadTileSet(sets, ImageFilePath(context_.project, name), layer);
    }
}

void MapEditor::ChipSetsChanged() {
    MapEditView& v = canvas_->view();
    v.layerSpec = layerSpec_;
    for (int layer = 0; layer < 2; ++layer) {
        const auto slot = static_cast<std::size_t>(layer);
        v.dimmedChipSets.images[slot] = DimmedChipSet(v.chipSets.images[slot], layer, layerSpec_);
    }
    palette_->SetChipSet(v.chipSets.images[static_cast<std::size_t>(session_.layer())], session_.layer(), layerSpec_);
    canvas_->RepaintAll();
}

void MapEditor::SetLayer(int layer) {
    session_.SetLayer(layer);
    const MapEditView& v = canvas_->view();
    palette_->SetChipSet(v.chipSets.images[static_cast<std::size_t>(session_.layer())], session_.layer(), layerSpec_);
    canvas_->CellsChanged({});
    canvas_->RepaintAll();
    UpdateStatus();
}

void MapEditor::SetChip(int chip) {
    session_.SetChip(chip);
    {
        QSignalBlocker block(chip_);
        chip_->setValue(session_.chip());
    }
    palette_->SetChosen(session_.chip());
}

bool MapEditor::OpenMap(const std::string& fileName) {
    if (fileName.empty()) return false;
    if (session_.HasMap() && fileName == fileName_) return true;
    if (!MayDiscard()) return false;
    MapData map;
    const ReadStatus status = LoadMapData(context_.project, fileName, map);
    fileName_ = fileName;
    unreadable_ = status == ReadStatus::Unreadable;
    onDisk_ = status == ReadStatus::Ok;
    if (status == ReadStatus::Ok) {
        session_.Open(std::move(map), true);
    } else {
        session_.Close();
    }
    ListMapFiles(fileName_);
    // A scene that names the map gives its chip sets (from a scene, that scene's stay).
    if (!keepChipSets_) ChooseSceneFor(fileName_);
    ShowMapReplaced();
    if (context_.services != nullptr && status != ReadStatus::Ok) {
        const QString name = FromCp932(fileName);
        const QString text = status == ReadStatus::Missing
                                 ? tr("ﾏｯﾌﾟ ﾌｧｲﾙ「%1」がありません。「新規...」で作ることができます。").arg(name)
                                 : tr("ﾏｯﾌﾟ ﾌｧｲﾙ「%1」を読み込めません（短すぎる、大きすぎる、または読めないﾌｧｲﾙです）。\n"
                                      "このﾌｧｲﾙには保存しません。")
                                       .arg(name);
        context_.services->ShowMessage(this, Message{.text = text, .icon = status == ReadStatus::Missing ? MessageIcon::Information : MessageIcon::Warning});
    }
    return status == ReadStatus::Ok;
}

bool MapEditor::Save() {
    if (!session_.HasMap() || fileName_.empty() || unreadable_ || context_.services == nullptr) return false;
    DialogSaveUi ui(*context_.services, this);
    if (!SaveMapData(context_.project, fileName_, session_.map(), ui, !onDisk_)) return false;
    session_.MarkSaved();
    onDisk_ = true;
    lastSaved_ = fileName_;
    ListMapFiles(fileName_);
    UpdateControls();
    UpdateStatus();
    return true;
}

void MapEditor::NewMap() {
    if (!MayDiscard()) return;
    const MapData& m = session_.map();
    const bool has = session_.HasMap() && !m.empty();
    // A file named by a scene that is not there yet is offered as the name.
    const QString suggested = !session_.HasMap() && !unreadable_ ? FromCp932(fileName_) : QString();
    MapSizeDialog dialog(MapSizeDialog::Kind::New, context_.services, has ? m.width : 20, has ? m.height : 15,
                         session_.layer() == 0 ? session_.chip() : 1, suggested, this);
    if (dialog.exec() != QDialog::Accepted) return;
    MapData probe;
    if (LoadMapData(context_.project, dialog.fileName(), probe) == ReadStatus::Unreadable) {
        if (context_.services != nullptr)
            context_.services->ShowMessage(
                this, Message{.text = tr("「%1」は読み込めないﾌｧｲﾙです。上書きしません。").arg(FromCp932(dialog.fileName())),
                              .icon = MessageIcon::Warning});
        return;
    }
    probe.Clear();
    session_.Open(lw::NewMap(dialog.width(), dialog.height(), dialog.fillChip()), false);
    fileName_ = dialog.fileName();
    unreadable_ = false;
    onDisk_ = false;
    ListMapFiles(fileName_);
    // A scene that names the map gives its chip sets (from a scene, that scene's stay).
    if (!keepChipSets_) ChooseSceneFor(fileName_);
    ShowMapReplaced();
}

void MapEditor::ResizeMap() {
    if (!session_.HasMap()) return;
    const MapData& m = session_.map();
    MapSizeDialog dialog(MapSizeDialog::Kind::Resize, context_.services, m.width, m.height,
                         session_.layer() == 0 ? session_.chip() : 0, {}, this);
    if (dialog.exec() != QDialog::Accepted) return;
    canvas_->CellsChanged(session_.Resize(dialog.width(), dialog.height(), dialog.fillChip()));
    UpdateControls();
}

void MapEditor::Undo() {
    if (const std::optional<CellRect> area = session_.Undo()) canvas_->CellsChanged(*area);
    UpdateControls();
}

void MapEditor::Redo() {
    if (const std::optional<CellRect> area = session_.Redo()) canvas_->CellsChanged(*area);
    UpdateControls();
}

void MapEditor::Copy() {
    session_.Copy();
    UpdateControls();
}

void MapEditor::Paste() {
    const std::optional<QPoint> at = canvas_->cursor();
    if (!at || !session_.HasCopy()) return;
    canvas_->CellsChanged(session_.Paste(at->x(), at->y()));
    UpdateControls();
}

void MapEditor::keyPressEvent(QKeyEvent* event) {
    // The keys of the editing commands, from any control that leaves them unused (a number field
    // keeps Ctrl+Z for its own text).
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    const int key = event->key();
    if (mods == Qt::ControlModifier && key == Qt::Key_Z) {
        Undo();
    } else if ((mods == Qt::ControlModifier && key == Qt::Key_Y) ||
               (mods == (Qt::ControlModifier | Qt::ShiftModifier) && key == Qt::Key_Z)) {
        Redo();
    } else if (mods == Qt::ControlModifier && key == Qt::Key_C) {
        Copy();
    } else if (mods == Qt::ControlModifier && key == Qt::Key_V) {
        Paste();
    } else if (mods == Qt::ControlModifier && key == Qt::Key_S) {
        Save();
    } else {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MapEditor::reject() {
    if (!MayDiscard()) return;
    QDialog::reject();
}

void MapEditor::ShowMapReplaced() {
    canvas_->MapReplaced();
    UpdateControls();
    UpdateStatus();
}

void MapEditor::UpdateControls() {
    const bool has = session_.HasMap();
    save_->setEnabled(has && !unreadable_);
    resize_->setEnabled(has);
    undo_->setEnabled(session_.CanUndo());
    redo_->setEnabled(session_.CanRedo());
    copy_->setEnabled(has && session_.tool() == MapTool::Select && session_.selection().has_value());
    paste_->setEnabled(has && session_.HasCopy());
}

void MapEditor::UpdateStatus() {
    if (!session_.HasMap()) {
        status_->setText(fileName_.empty() ? tr("ﾏｯﾌﾟがありません") : unreadable_ ? tr("「%1」を読み込めません").arg(FromCp932(fileName_))
                                                                            : tr("「%1」がありません").arg(FromCp932(fileName_)));
        return;
    }
    const MapData& m = session_.map();
    QString text = tr("%1 × %2").arg(m.width).arg(m.height);
    const std::optional<QPoint> cell = canvas_->hovered() ? canvas_->hovered() : canvas_->cursor();
    if (cell && cell->x() >= 0 && cell->y() >= 0 && cell->x() < static_cast<long long>(m.width) &&
        cell->y() < static_cast<long long>(m.height)) {
        const std::uint32_t value = m.At(static_cast<std::uint32_t>(cell->x()), static_cast<std::uint32_t>(cell->y()));
        text += QStringLiteral("    ") + tr("X %1  Y %2   ﾚｲﾔｰ0: %3  ﾚｲﾔｰ1: %4")
                                             .arg(cell->x())
                                             .arg(cell->y())
                                             .arg(Layer0Chip(value))
                                             .arg(Layer1Chip(value));
    }
    if (session_.Modified()) text += QStringLiteral("    ") + tr("未保存の変更があります");
    status_->setText(text);
}

std::string RunMapEditor(EditorContext& context, QWidget* parent, const MapEditorStart& start) {
    MapEditor editor(context, start, parent);
    editor.exec();
    return editor.lastSaved();
}

}  // namespace lw
