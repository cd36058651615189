#include "app/hub_dialog.h"
#include "app/language.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <array>

#include "app/app_controller.h"
#include "app/check_window.h"
#include "app/services.h"
#include "core/events/flag_explanations.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {
constexpr int kColumns = 3;

// The editors an author opens most, in the order of their keys: Ctrl+1 opens the first, ... Ctrl+9
// the ninth; Ctrl+0 is "ﾌﾟﾛｼﾞｪｸﾄ検査".
constexpr std::array<HubEditor, 9> kShortcutEditors = {
    HubEditor::SceneSettings, HubEditor::MapEditing,    HubEditor::EventCommands,
    HubEditor::Npc,           HubEditor::TextList,      HubEditor::ItemList,
    HubEditor::MonsterList,   HubEditor::TreasureChest, HubEditor::Shop,
};
}  // namespace

HubDialog::HubDialog(AppController& controller, QWidget* parent) : QDialog(parent), controller_(controller) {
    setWindowTitle(tr("ﾒﾆｭｰ"));
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < kHubEditorCount; ++i) {
        auto editor = static_cast<HubEditor>(i);
        auto* b = new QPushButton(CoreText(HubEditorLabel(editor)), this);
        b->setMinimumWidth(130);
        connect(b, &QPushButton::clicked, this, [this, editor] { OpenEditor(editor); });
        // The commonest editors open from the keyboard too (Ctrl+digit), while enabled.
        const auto key = std::find(kShortcutEditors.begin(), kShortcutEditors.end(), editor);
        if (key != kShortcutEditors.end()) {
            const int digit = static_cast<int>(key - kShortcutEditors.begin()) + 1;
            b->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + digit)));
        }
        grid->addWidget(b, i / kColumns, i % kColumns);
        buttons_[static_cast<std::size_t>(i)] = b;
    }
    close_ = new QPushButton(tr("閉じる"), this);
    // Enter on a focused button presses it; otherwise it closes the hub, as "閉じる" does.
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    // "閉じる" and "ﾌﾟﾛｼﾞｪｸﾄ検査" share a row of their own below the editors.
    const int lastRow = (kHubEditorCount + kColumns - 1) / kColumns;
    grid->addWidget(close_, lastRow, kColumns - 1);
    check_ = new QPushButton(tr("ﾌﾟﾛｼﾞｪｸﾄ検査"), this);
    connect(check_, &QPushButton::clicked, this, [this] {
        CheckWindow window(controller_, this);
        window.exec();
        UpdateEnabling();
    });
    check_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    grid->addWidget(check_, lastRow, 0);
    // The keys, where the author sees them.
    QStringList keys;
    for (std::size_t i = 0; i < kShortcutEditors.size(); ++i) {
        keys << tr("Ctrl+%1 %2").arg(i + 1).arg(CoreText(HubEditorLabel(kShortcutEditors[i])));
    }
    keys << tr("Ctrl+0 %1").arg(check_->text());
    keys_ = new QLabel(keys.join(tr("　")), this);
    keys_->setWordWrap(true);
    keys_->setAccessibleName(tr("ｼｮｰﾄｶｯﾄｷｰ"));
    grid->addWidget(keys_, lastRow + 1, 0, 1, kColumns);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // Lists several editors share are read when the hub opens.
    EditorContext& context = controller_.context();
    context.flagsRead = LoadFlagExplanations(context.project, context.flags);
    ReportUnreadable(context, this, kFlagFile, context.flagsRead);
    LoadNpcTable(context.project, context.npcs);
    LoadTreasureTable(context.project, context.chests);
    UpdateEnabling();
}

HubDialog::~HubDialog() {
    ReleaseNpcTable(controller_.context().npcs);
    ReleaseTreasureTable(controller_.context().chests);
}

void HubDialog::UpdateEnabling() {
    const HubNeeds needs = ComputeHubNeeds(ProbeHubFiles(controller_.context().project));
    for (std::size_t i = 0; i < needs.size(); ++i) {
        QPushButton* button = buttons_[i];
        button->setEnabled(needs[i].empty());
        // A disabled button says which files it waits for, to the eye and to a screen reader.
        QStringList files;
        for (const std::string& f : needs[i]) files << QString::fromStdString(f);
        const QString why = files.isEmpty() ? QString() : tr("%1 が必要です").arg(files.join(tr(" と ")));
        const QString key = button->shortcut().toString(QKeySequence::NativeText);
        button->setToolTip(why.isEmpty() ? key : key.isEmpty() ? why : why + QStringLiteral("\n") + key);
        button->setAccessibleDescription(why);
    }
}

bool HubDialog::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) UpdateEnabling();
    return QDialog::event(e);
}

void HubDialog::OpenEditor(HubEditor editor) {
    EditorContext& context = controller_.context();
    int mode = PlacementMode(editor);
    if (mode >= 0) context.placementMode = mode;
    if (!controller_.registry().Open(editor, context, this)) {
        controller_.services().Inform(this, tr("「%1」の編集画面はまだ用意されていません。")
                                                .arg(CoreText(HubEditorLabel(editor))));
    }
    UpdateEnabling();
}

}  // namespace lw
