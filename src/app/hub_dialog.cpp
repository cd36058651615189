#include "app/hub_dialog.h"
#include "app/language.h"

#include <QEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QStringList>

#include "app/app_controller.h"
#include "app/check_window.h"
#include "app/services.h"
#include "core/events/flag_explanations.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {
constexpr int kColumns = 3;
}

HubDialog::HubDialog(AppController& controller, QWidget* parent) : QDialog(parent), controller_(controller) {
    setWindowTitle(tr("ﾒﾆｭｰ"));
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < kHubEditorCount; ++i) {
        auto editor = static_cast<HubEditor>(i);
        auto* b = new QPushButton(CoreText(HubEditorLabel(editor)), this);
        b->setMinimumWidth(130);
        connect(b, &QPushButton::clicked, this, [this, editor] { OpenEditor(editor); });
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
    grid->addWidget(check_, lastRow, 0);
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
        button->setToolTip(why);
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
