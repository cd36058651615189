#include "editors/events/event_command_editor.h"
#include "app/language.h"
#include "core/text/ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "app/editor_context.h"
#include "core/check/renumber.h"
#include "core/rules/treasure_list.h"
#include "core/world/npc_list.h"
#include "widgets/reference_keeper.h"
#include "widgets/list_filter.h"
#include "widgets/record_names_ui.h"
#include "widgets/numbered_file_list.h"
#include "core/project/data_file_set.h"
#include "app/services.h"
#include "core/text/cp932.h"
#include "core/world/scene_catalog.h"
#include "editors/events/command_context.h"
#include "editors/events/command_dialog.h"
#include "widgets/cp932_validator.h"
#include "widgets/dialog_buttons.h"
#include "widgets/discard_guard.h"
#include "widgets/form_lock.h"
#include "widgets/kept_value.h"
#include "widgets/read_guard.h"
#include "widgets/number_spin.h"

namespace lw {
namespace {

// The menu positions whose dialogs may use the map view or the previews: the map view lets go of
// its map, chip sets and markers before they open.
bool ReleasesMapView(EventCommandKind kind) {
    switch (static_cast<int>(kind)) {
        case 0: case 2: case 3: case 4: case 6: case 8: case 9: case 13: case 16: case 32: return true;
        default: return static_cast<int>(kind) >= 18 && static_cast<int>(kind) <= 30;
    }
}

QString SceneRowText(const EventSceneRecord& record) {
    QString text = FromCp932(record.fileName);
    if (!record.scene.name.empty()) text += QStringLiteral(" \u2014 ") + FromCp932(record.scene.name);
    if (record.status == ReadStatus::Unreadable) text += QObject::tr("  (読み込めません・書き込みません)");
    return text;
}

// Qt positions count UTF-16 units; the group text rules count UTF-8 bytes.
std::size_t Utf8Offset(const QString& text, int position) {
    return static_cast<std::size_t>(text.left(position).toUtf8().size());
}
int QtPosition(const std::string& utf8, std::size_t offset) {
    return static_cast<int>(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(std::min(offset, utf8.size()))).size());
}

}  // namespace

QString GroupTextProblemMessage(const GroupTextCheck& check) {
    switch (check.problem) {
        case GroupTextProblem::None: return {};
        case GroupTextProblem::TooManyLines:
            return QObject::tr("1つのｸﾞﾙｰﾌﾟに書けるのは64行までです。いま%1行あります。\n"
                               "65行目から後を消すか、別のｸﾞﾙｰﾌﾟに移してください。")
                .arg(check.line);
        case GroupTextProblem::LineTooLong:
            return QObject::tr("%1行目が長すぎます（%2ﾊﾞｲﾄ）。\n1行に書けるのは63ﾊﾞｲﾄ（全角なら31文字）までです。")
                .arg(check.line)
                .arg(check.bytes);
        case GroupTextProblem::LineNotCp932:
            return QObject::tr("%1行目にﾌｧｲﾙに保存できない文字があります。\nその文字を消すか、別の文字に置き換えてください。")
                .arg(check.line);
        case GroupTextProblem::ExplanationTooLong:
            return QObject::tr("説明が長すぎます（%1ﾊﾞｲﾄ）。\n説明に書けるのは63ﾊﾞｲﾄまでです。").arg(check.bytes);
    }
    return {};
}

EventCommandEditor::EventCommandEditor(EditorContext& context, QWidget* parent)
    : QDialog(parent), context_(context), form_(Form::Scene) {
    auto* sceneBox = new QGroupBox(tr("場面"), this);
    auto* sceneRow = new QHBoxLayout(sceneBox);
    scene_ = new QComboBox(sceneBox);
    scene_->setMinimumContentsLength(28);
    show_ = new QCheckBox(tr("表示"), sceneBox);
    DiscardGuard::IgnoreChangesOf(show_);  // a preview: nothing saved
    show_->setChecked(true);
    sceneRow->addWidget(scene_, 1);
    sceneRow->addWidget(show_);
    BuildPanel(sceneBox);

    ReadSceneRows(context_, parent, scenes_, [this](const EventSceneRecord& record) { scene_->addItem(SceneRowText(record)); });

    // Choosing a scene chooses what is shown: no change of the author's by itself.
    DiscardGuard::IgnoreChangesOf(scene_);
    AddComboFilter(scene_, tr("場面"));
    connect(scene_, &QComboBox::currentIndexChanged, this, &EventCommandEditor::OnSceneChosen);
    connect(show_, &QCheckBox::toggled, this, [this](bool on) {
        if (context_.mapView->owner() != this) return;
        on ? context_.mapView->Show() : context_.mapView->Hide();
    });
    {
        QSignalBlocker block(scene_);
        scene_->setCurrentIndex(scenes_.empty() ? -1 : 0);
    }
    currentScene_ = scenes_.empty() ? -1 : 0;
    currentGroup_ = 0;
    ShowCurrentScene();
}

EventCommandEditor::EventCommandEditor(EditorContext& context, SceneCatalogEntry& entry, EventOwner owner,
                                       int currentGroup, QWidget* parent)
    : QDialog(parent), context_(context), form_(Form::Owner), entry_(&entry) {
    savedGroups_ = entry.groups();
    savedFlags_ = context.flags;

    auto* ownerBox = new QGroupBox(this);
    auto* ownerRow = new QHBoxLayout(ownerBox);
    ownerLabel_ = new QLabel(CoreText(EventOwnerLabel(owner)), ownerBox);
    ownerGroupChoice_ = new QComboBox(ownerBox);
    FitGroupChoices(ownerGroupChoice_);
    ownerRow->addWidget(ownerLabel_);
    ownerRow->addWidget(ownerGroupChoice_);
    AddComboFilter(ownerGroupChoice_, tr("所有者のｸﾞﾙｰﾌﾟ"), -1);
    ownerRow->addStretch(1);
    ownerRow->addWidget(new QLabel(FromCp932(entry.fileName), ownerBox));
    BuildPanel(ownerBox);

    currentGroup_ = currentGroup;
    ownerGroup_ = currentGroup >= 0 && currentGroup < entry.groupCount() ? currentGroup : -1;
    ShowCurrentScene();
    connect(ownerGroupChoice_, &QComboBox::currentIndexChanged, this, [this](int index) { ownerGroup_ = std::max(-1, index - 1); });
}

EventCommandEditor::~EventCommandEditor() = default;

void EventCommandEditor::BuildPanel(QGroupBox* top) {
    setWindowTitle(tr("ｲﾍﾞﾝﾄｺﾏﾝﾄﾞ"));
    LoadGameSettings(context_.project, context_.settings);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(top);

    auto* groupRow = new QHBoxLayout();
    auto* groupBox = new QGroupBox(tr("ｸﾞﾙｰﾌﾟ番号"), this);
    // The chooser and its filter on one line; in the scene form the group buttons below them, so
    // that the explanation beside keeps its width.
    auto* groupBoxColumn = new QVBoxLayout(groupBox);
    auto* groupBoxRow = new QHBoxLayout();
    groupBoxColumn->addLayout(groupBoxRow);
    group_ = new QComboBox(groupBox);
    group_->setMaxVisibleItems(20);
    FitGroupChoices(group_);
    DiscardGuard::IgnoreChangesOf(group_);
    groupBoxRow->addWidget(group_);
    AddComboFilter(group_, tr("ｸﾞﾙｰﾌﾟ"));
    if (form_ == Form::Scene) {
        deleteGroup_ = new QPushButton(tr("削除"), groupBox);
        groupUp_ = new QPushButton(tr("上へ移動"), groupBox);
        groupDown_ = new QPushButton(tr("下へ移動"), groupBox);
        auto* groupButtons = new QHBoxLayout();
        for (QPushButton* b : {deleteGroup_, groupUp_, groupDown_}) groupButtons->addWidget(b);
        groupButtons->addStretch(1);
        groupBoxColumn->addLayout(groupButtons);
        connect(deleteGroup_, &QPushButton::clicked, this, [this] { ChangeGroup(deleteGroup_, -1); });
        connect(groupUp_, &QPushButton::clicked, this, [this] { ChangeGroup(groupUp_, currentGroup_ - 1); });
        connect(groupDown_, &QPushButton::clicked, this, [this] { ChangeGroup(groupDown_, currentGroup_ + 1); });
        groupKeeper_ = std::make_unique<ReferenceKeeper>(
            context_, this, [this] { return SceneGroupReferences(CurrentHolders()); },
            [this](const RowRenumbering& step) {
                SceneGroupHolders holders = CurrentHolders();
                std::vector<Problem> refused = RenumberSceneGroups(holders, step);
                groupsRenumbered_ = groupsRenumbered_ || refused.empty();
                return refused;
            });
    }
    groupRow->addWidget(groupBox);
    auto* countBox = new QGroupBox(tr("ｸﾞﾙｰﾌﾟ数"), this);
    auto* countRow = new QHBoxLayout(countBox);
    count_ = new NumberSpin(countBox);
    count_->setRange(kGroupCountMin, kGroupCountMax);
    countRow->addWidget(count_);
    groupRow->addWidget(countBox);
    auto* explanationBox = new QGroupBox(tr("説明"), this);
    auto* explanationRow = new QHBoxLayout(explanationBox);
    explanation_ = new QLineEdit(explanationBox);
    LimitToCp932(explanation_, static_cast<int>(kGroupExplanationBytes));
    explanationRow->addWidget(explanation_);
    groupRow->addWidget(explanationBox, 1);
    layout->addLayout(groupRow);

    auto* body = new QHBoxLayout();
    text_ = new QPlainTextEdit(this);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab leaves the text for the next control (a command line never holds a tab), so the keyboard
    // is never caught in the text.
    text_->setTabChangesFocus(true);
    text_->setMinimumSize(420, 360);
    body->addWidget(text_, 1);
    auto* side = new QVBoxLayout();
    auto* menuBox = new QGroupBox(tr("ｺﾏﾝﾄﾞ"), this);
    auto* menuRow = new QVBoxLayout(menuBox);
    menu_ = new QListWidget(menuBox);
    for (int i = 0; i < kEventCommandCount; ++i)
        menu_->addItem(CoreText(EventCommandMenuLabel(static_cast<EventCommandKind>(i))));
    menu_->setMinimumWidth(menu_->sizeHintForColumn(0) + 40);
    menuRow->addWidget(menu_);
    side->addWidget(menuBox, 1);
    undo_ = new QPushButton(tr("元に戻す"), this);
    undo_->setEnabled(false);
    side->addWidget(undo_);
    body->addLayout(side);
    layout->addLayout(body, 1);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    layout->addLayout(buttons);

    connect(group_, &QComboBox::currentIndexChanged, this, &EventCommandEditor::OnGroupChosen);
    connect(count_, &QSpinBox::valueChanged, this, &EventCommandEditor::OnCountChanged);
    // Moving through the menu (arrow keys, the focus coming back after a dialog) runs nothing.
    menu_->installEventFilter(this);
    menu_->viewport()->installEventFilter(this);
    connect(explanation_, &QLineEdit::textChanged, this, &EventCommandEditor::RenewCurrentGroupLabel);
    connect(text_, &QPlainTextEdit::undoAvailable, undo_, &QPushButton::setEnabled);
    connect(undo_, &QPushButton::clicked, text_, &QPlainTextEdit::undo);
}

std::vector<EventCommandGroup>* EventCommandEditor::CurrentGroups() {
    if (form_ == Form::Owner) return &entry_->groups();
    if (currentScene_ < 0 || currentScene_ >= static_cast<int>(scenes_.size())) return nullptr;
    EventSceneRecord& record = scenes_[static_cast<std::size_t>(currentScene_)];
    return record.status == ReadStatus::Ok ? &record.scene.groups : nullptr;
}

std::vector<EventCommandGroup>* EventCommandEditor::CurrentHidden() {
    if (form_ == Form::Owner) return &ownerHidden_;
    if (currentScene_ < 0 || currentScene_ >= static_cast<int>(scenes_.size())) return nullptr;
    return &scenes_[static_cast<std::size_t>(currentScene_)].hidden;
}

int EventCommandEditor::CurrentSceneNumber() const {
    if (form_ == Form::Owner) return entry_->sceneNumber;
    if (currentScene_ < 0 || currentScene_ >= static_cast<int>(scenes_.size())) return -1;
    return scenes_[static_cast<std::size_t>(currentScene_)].number;
}

void EventCommandEditor::ShowCurrentScene() {
    const std::vector<EventCommandGroup>* groups = CurrentGroups();
    count_->setEnabled(groups != nullptr);
    group_->setEnabled(groups != nullptr);
    {
        QSignalBlocker block(count_);
        // A scene without groups shows the least count, and keeps having none until it is changed.
        count_->setValue(groups ? ClampGroupCount(static_cast<int>(groups->size())) : kGroupCountMin);
        shownCount_ = count_->value();
    }
    RefillGroupChoosers();
    ShowCurrentGroup();
    ShowSceneOnMap();
}

void EventCommandEditor::RefillGroupChoosers() {
    const std::vector<EventCommandGroup>* groups = CurrentGroups();
    const int count = groups ? static_cast<int>(groups->size()) : 0;
    QStringList numbers;
    for (int i = 0; i < count; ++i)
        numbers << QString::fromStdString(GroupChoiceLabel(i, (*groups)[static_cast<std::size_t>(i)].explanation));
    {
        QSignalBlocker block(group_);
        group_->clear();
        group_->addItems(numbers);
        group_->setCurrentIndex(currentGroup_ >= 0 && currentGroup_ < count ? currentGroup_ : -1);
    }
    if (ownerGroupChoice_) {
        QSignalBlocker block(ownerGroupChoice_);
        ownerGroupChoice_->clear();
        ownerGroupChoice_->addItem(tr("なし"));
        ownerGroupChoice_->addItems(numbers);
        // An owner group that no longer exists falls back to "なし".
        if (ownerGroup_ >= count) ownerGroup_ = -1;
        ownerGroupChoice_->setCurrentIndex(ownerGroup_ + 1);
    }
}

void EventCommandEditor::RenewCurrentGroupLabel() {
    const std::vector<EventCommandGroup>* groups = CurrentGroups();
    if (!groups || currentGroup_ < 0 || currentGroup_ >= static_cast<int>(groups->size())) return;
    if (currentGroup_ >= group_->count()) return;
    const QString label = QString::fromStdString(GroupChoiceLabel(currentGroup_, TextValue(explanation_)));
    group_->setItemText(currentGroup_, label);
    if (ownerGroupChoice_ && currentGroup_ + 1 < ownerGroupChoice_->count())
        ownerGroupChoice_->setItemText(currentGroup_ + 1, label);
}

void EventCommandEditor::ShowCurrentGroup() {
    static const std::vector<EventCommandGroup> kNone;
    const std::vector<EventCommandGroup>* groups = CurrentGroups();
    const ShownGroup shown = ShowGroup(groups ? *groups : kNone, currentGroup_);
    text_->setPlainText(QString::fromUtf8(shown.text.data(), static_cast<qsizetype>(shown.text.size())));
    text_->document()->setModified(false);
    LoadText(explanation_, shown.explanation);
    // With no group shown there is nothing the typing could go into.
    text_->setReadOnly(!shown.shown);
    explanation_->setReadOnly(!shown.shown);
    menu_->setEnabled(shown.shown);
    EnableGroupButtons();
}

void EventCommandEditor::EnableGroupButtons() {
    if (!deleteGroup_) return;
    const std::vector<EventCommandGroup>* groups = CurrentGroups();
    const int count = groups ? static_cast<int>(groups->size()) : 0;
    const bool shown = currentGroup_ >= 0 && currentGroup_ < count;
    // A scene keeps at least one group.
    deleteGroup_->setEnabled(shown && count > kGroupCountMin);
    groupUp_->setEnabled(shown && currentGroup_ > 0);
    groupDown_->setEnabled(shown && currentGroup_ + 1 < count);
}

SceneGroupHolders EventCommandEditor::CurrentHolders() {
    if (!listsRead_) {
        listsRead_ = true;
        // A list that is missing or cannot be read holds no group of ours that could be renumbered.
        auto read = [this](std::string_view file, std::optional<std::string>& asRead, std::optional<std::string>& kept) {
            FileBytes bytes = ReadFileBytes(DataFilePath(context_.project, file), kListFileCeiling);
            if (bytes.ok()) asRead = kept = std::move(bytes.bytes);
        };
        read(kNpcFile, npcsRead_, npcs_);
        read(kTreasureFile, chestsRead_, chests_);
    }
    EventSceneRecord& record = scenes_[static_cast<std::size_t>(currentScene_)];
    return {&record.scene, record.fileName, &record.hidden, npcs_ ? &*npcs_ : nullptr, chests_ ? &*chests_ : nullptr};
}

std::vector<DataFileWrite> EventCommandEditor::RenumberedLists() const {
    std::vector<DataFileWrite> out;
    if (npcs_ != npcsRead_) out.push_back(DataFileWrite::Bytes(std::string(kNpcFile), *npcs_));
    if (chests_ != chestsRead_) out.push_back(DataFileWrite::Bytes(std::string(kTreasureFile), *chests_));
    return out;
}

void EventCommandEditor::ChangeGroup(QPushButton* button, int other) {
    std::vector<EventCommandGroup>* groups = CurrentGroups();
    if (!groups || !button->isEnabled() || !StoreCurrentGroup()) return;
    // The hidden groups count too: their references follow as well.
    const int all = static_cast<int>(groups->size() + CurrentHidden()->size());
    const EventCommandGroup& group = (*groups)[static_cast<std::size_t>(currentGroup_)];
    const QString name = QString::fromStdString(GroupChoiceLabel(currentGroup_, group.explanation));
    if (other < 0) {
        if (!groupKeeper_->BeforeDelete(currentGroup_, all, name)) return;
        groups->erase(groups->begin() + currentGroup_);
        currentGroup_ = std::min(currentGroup_, static_cast<int>(groups->size()) - 1);
    } else {
        if (!groupKeeper_->BeforeSwap(currentGroup_, other, all, name)) return;
        std::swap((*groups)[static_cast<std::size_t>(currentGroup_)], (*groups)[static_cast<std::size_t>(other)]);
        currentGroup_ = other;
    }
    if (DiscardGuard* guard = DiscardGuard::Of(this)) guard->MarkChanged();
    ShowCurrentScene();
}

bool EventCommandEditor::StoreCurrentGroup() {
    std::vector<EventCommandGroup>* groups = CurrentGroups();
    if (!groups || currentGroup_ < 0 || currentGroup_ >= static_cast<int>(groups->size())) return true;
    // A group the author did not touch keeps its lines as read (a group of no lines stays so).
    if (!text_->document()->isModified() && !ChangedSinceLoad(explanation_)) return true;
    const QString text = text_->toPlainText();
    const GroupTextCheck check =
        StoreGroupText(*groups, currentGroup_, text.toUtf8().toStdString(), TextValue(explanation_));
    if (check.ok()) return true;
    if (context_.services)
        context_.services->ShowMessage(this, Message{.text = GroupTextProblemMessage(check), .icon = MessageIcon::Warning});
    if (check.problem == GroupTextProblem::ExplanationTooLong) {
        explanation_->setFocus();
        return false;
    }
    // The caret goes to the line the message names.
    const int line = std::clamp(check.problem == GroupTextProblem::TooManyLines ? kGroupCommandCapacity + 1 : check.line,
                                1, std::max(1, text_->document()->blockCount()));
    QTextCursor cursor(text_->document()->findBlockByNumber(line - 1));
    text_->setTextCursor(cursor);
    text_->setFocus();
    return false;
}

void EventCommandEditor::OnSceneChosen(int index) {
    if (index == currentScene_) return;
    if (!StoreCurrentGroup()) {
        QSignalBlocker block(scene_);
        scene_->setCurrentIndex(currentScene_);
        return;
    }
    currentScene_ = index;  // the group number stays
    ShowCurrentScene();
}

void EventCommandEditor::OnGroupChosen(int index) {
    if (index < 0 || index == currentGroup_) return;
    if (!StoreCurrentGroup()) {
        QSignalBlocker block(group_);
        const int count = group_->count();
        group_->setCurrentIndex(currentGroup_ >= 0 && currentGroup_ < count ? currentGroup_ : -1);
        return;
    }
    currentGroup_ = index;
    ShowCurrentGroup();
}

void EventCommandEditor::OnCountChanged(int value) {
    std::vector<EventCommandGroup>* groups = CurrentGroups();
    std::vector<EventCommandGroup>* hidden = CurrentHidden();
    if (!groups || !hidden) return;
    if (!StoreCurrentGroup()) {
        QSignalBlocker block(count_);
        count_->setValue(shownCount_);
        return;
    }
    SetGroupCount(*groups, *hidden, value);
    shownCount_ = value;
    RefillGroupChoosers();
    ShowCurrentGroup();
}

void EventCommandEditor::OnCommandChosen(int row) {
    if (row < 0) return;
    {
        // The menu shows no selection again, whatever the command did.
        QSignalBlocker block(menu_);
        menu_->setCurrentRow(-1);
        menu_->clearSelection();
    }
    if (row < kEventCommandCount) RunCommand(static_cast<EventCommandKind>(row));
}

void EventCommandEditor::RunCommand(EventCommandKind kind) {
    std::vector<EventCommandGroup>* groups = CurrentGroups();
    if (!groups || currentGroup_ < 0 || currentGroup_ >= static_cast<int>(groups->size())) return;
    CommandContext command{context_, context_.flags, {}, CurrentSceneNumber()};
    command.groupExplanations.reserve(groups->size());
    for (const EventCommandGroup& g : *groups) command.groupExplanations.push_back(g.explanation);
    // The explanation being typed counts already.
    command.groupExplanations[static_cast<std::size_t>(currentGroup_)] = TextValue(explanation_);

    const bool sceneForm = form_ == Form::Scene;
    if (sceneForm && ReleasesMapView(kind)) context_.mapView->ReleaseContents();
    std::optional<std::string> line;
    {
        // Nothing of the form is used while the command's dialog is open: not its menu (a second
        // dialog), not its OK (the group stored without the line).
        FormLock lock(this);
        line = BuildEventCommand(command, kind, this);
    }
    // A command dialog may have taken the map view for itself: it comes back showing the scene.
    if (sceneForm && isVisible() && (ReleasesMapView(kind) || context_.mapView->owner() != this)) OpenMapView();
    if (line) InsertLine(*line);
}

void EventCommandEditor::InsertLine(std::string_view cp932Line) {
    if (text_->isReadOnly()) return;
    const QString qtText = text_->toPlainText();
    const std::string text = qtText.toUtf8().toStdString();
    const CommandInsertion insertion =
        InsertCommandLine(text, Utf8Offset(qtText, text_->textCursor().position()), Cp932ToUtf8Lossy(cp932Line));
    QTextCursor cursor(text_->document());
    cursor.setPosition(QtPosition(text, insertion.at));
    cursor.insertText(QString::fromUtf8(insertion.inserted.data(), static_cast<qsizetype>(insertion.inserted.size())));
    text_->setTextCursor(cursor);
    text_->setFocus();
}

bool EventCommandEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menu_->viewport()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                pressedRow_ = mouse->button() == Qt::LeftButton ? menu_->indexAt(mouse->position().toPoint()).row() : -1;
                break;
            }
            case QEvent::MouseButtonRelease: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                const int row = menu_->indexAt(mouse->position().toPoint()).row();
                const bool click = mouse->button() == Qt::LeftButton && row >= 0 && row == pressedRow_;
                pressedRow_ = -1;
                // The list still takes the release (its own press state ends with it).
                if (click) OnCommandChosen(row);
                break;
            }
            case QEvent::MouseButtonDblClick:
                // The first click of a double-click has run the command: the second runs nothing.
                pressedRow_ = -1;
                return true;
            default: break;
        }
    } else if (watched == menu_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Enter on the menu runs its current entry; with none it does nothing (it is not OK).
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (menu_->currentRow() >= 0) OnCommandChosen(menu_->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EventCommandEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (form_ == Form::Scene) OpenMapView();
}

void EventCommandEditor::OpenMapView() {
    MapView& view = *context_.mapView;
    view.Open(this);
    view.SetMode(MapViewMode::Browse, this);
    ShowSceneOnMap();
    if (show_ && show_->isChecked()) view.Show();
}

void EventCommandEditor::ShowSceneOnMap() {
    if (form_ != Form::Scene) return;
    MapView& view = *context_.mapView;
    if (!view.IsOpen() || view.owner() != this) return;
    if (CurrentGroups() == nullptr) {
        view.ReleaseContents();
        view.SetCaption(QString());
        view.Repaint();
        return;
    }
    view.ShowScene(SceneOnMap(scenes_[static_cast<std::size_t>(currentScene_)].scene));
}

void EventCommandEditor::CloseMapView() {
    if (form_ != Form::Scene) return;
    MapView& view = *context_.mapView;
    view.ReleaseContents();
    if (view.owner() == this) view.Close();
}

void EventCommandEditor::accept() {
    if (FormLock::IsLocked(this) || !StoreCurrentGroup()) return;
    if (form_ == Form::Owner) {
        ownerGroup_ = std::max(-1, ownerGroupChoice_->currentIndex() - 1);
        savedGroups_.clear();
        done(QDialog::Accepted);
        return;
    }
    if (context_.services) {
        DialogSaveUi ui(*context_.services, this);
        std::vector<DataFileWrite> files;
        for (const EventSceneRecord& record : scenes_)
            if (record.status == ReadStatus::Ok) files.push_back(SceneFileWrite(record.fileName, record.scene));
        // An explanation file that could not be read is not written over.
        if (context_.flagsRead != ReadStatus::Unreadable) files.push_back(FlagExplanationsWrite(context_.flags));
        // Renumbered group references hold each other's numbers: written all together or not at all.
        if (groupsRenumbered_) {
            for (DataFileWrite& f : RenumberedLists()) files.push_back(std::move(f));
            // "いいえ" for any of them writes none: the editor stays open with the author's work.
            if (SaveDataFilesTogether(context_.project, files, ui).written.size() != files.size()) return;
        } else {
            SaveDataFileSet(context_.project, files, ui);
        }
        // Something could not be written: the editor stays open with the author's work.
        if (ui.failed()) return;
    }
    scenes_.clear();
    CloseMapView();
    done(QDialog::Accepted);
}

void EventCommandEditor::reject() {
    if (FormLock::IsLocked(this)) return;
    if (form_ == Form::Owner) {
        entry_->groups() = savedGroups_;
        context_.flags = savedFlags_;
    }
    scenes_.clear();
    CloseMapView();
    done(QDialog::Rejected);
}

bool EditSceneGroups(EditorContext& context, QWidget* parent) {
    EventCommandEditor editor(context, parent);
    return editor.exec() == QDialog::Accepted;
}

std::string_view EventOwnerLabel(EventOwner owner) {
    switch (owner) {
        case EventOwner::Npc: return LW_UI_TEXT("lw", "NPCｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号");
        case EventOwner::Chest: return LW_UI_TEXT("lw", "宝箱ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号");
        case EventOwner::SceneChange: return LW_UI_TEXT("lw", "場面変更ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号");
        case EventOwner::Inn: return LW_UI_TEXT("lw", "宿屋ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号");
        case EventOwner::Signpost: return LW_UI_TEXT("lw", "立て札ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号");
        case EventOwner::FixedBattle: return LW_UI_TEXT("lw", "定位置戦闘ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号");
        case EventOwner::Shop: return LW_UI_TEXT("lw", "店ｲﾍﾞﾝﾄｺﾏﾝﾄﾞｸﾞﾙｰﾌﾟ番号");
    }
    return {};
}

std::optional<int> EditOwnerGroups(EditorContext& context, SceneCatalog& catalog, EventOwner owner, int sceneNumber,
                                   int currentGroup, QWidget* parent) {
    SceneCatalogEntry* entry = FindCatalogEntry(catalog, sceneNumber);
    if (!entry) {
        if (context.services)
            context.services->ShowMessage(parent, Message{.text = QObject::tr("場面番号が不正です"), .icon = MessageIcon::Warning});
        return std::nullopt;
    }
    // A scene file that could not be read has no groups to edit, and is never written.
    if (ReportUnreadable(context, parent, entry->fileName, entry->status)) return std::nullopt;
    EventCommandEditor editor(context, *entry, owner, currentGroup, parent);
    if (editor.exec() != QDialog::Accepted) return std::nullopt;
    return editor.ownerGroup();
}

}  // namespace lw
