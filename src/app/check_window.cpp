#include "app/check_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <unordered_map>

#include "app/app_controller.h"
#include "app/services.h"
#include "core/check/project_check.h"
#include "widgets/list_editor_panel.h"
#include "widgets/usages_dialog.h"

namespace lw {

namespace {

QString Utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

constexpr int kProblemRole = Qt::UserRole + 1;

// Once the editor opened for a problem is shown, selects the problem's row in its list.
void SelectRowInNextEditor(QWidget* opener, int row) {
    if (row < 0) return;
    auto* timer = new QTimer(opener);
    auto tries = std::make_shared<int>(0);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, opener, [timer, tries, opener, row] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != opener && modal->isVisible()) {
            // The shared list panel, or a plain list (the scene list).
            if (auto* panel = modal->findChild<ListEditorPanel*>())
                panel->ChooseRow(row);
            else if (auto* list = modal->findChild<QListWidget*>(); list && row < list->count())
                list->setCurrentRow(row);
            timer->deleteLater();
        } else if (++*tries > 250) {
            timer->deleteLater();
        }
    });
    timer->start();
}

}  // namespace

CheckWindow::CheckWindow(AppController& controller, QWidget* parent) : QDialog(parent), controller_(controller) {
    setWindowTitle(tr("ﾌﾟﾛｼﾞｪｸﾄ検査"));
    auto* layout = new QVBoxLayout(this);
    auto* filters = new QHBoxLayout();
    auto* severityLabel = new QLabel(tr("種類(&K)"), this);
    severity_ = new QComboBox(this);
    severity_->addItems({tr("すべて"), tr("ｴﾗｰのみ"), tr("警告のみ")});
    severity_->setAccessibleName(tr("表示する種類"));
    severityLabel->setBuddy(severity_);
    auto* textLabel = new QLabel(tr("絞り込み(&F)"), this);
    text_ = new QLineEdit(this);
    text_->setAccessibleName(tr("絞り込む文字列"));
    text_->setClearButtonEnabled(true);
    textLabel->setBuddy(text_);
    recheck_ = new QPushButton(tr("再検査(&R)"), this);
    recheck_->setAutoDefault(false);
    recheck_->setAccessibleName(tr("再検査"));
    filters->addWidget(severityLabel);
    filters->addWidget(severity_);
    filters->addWidget(textLabel);
    filters->addWidget(text_, 1);
    filters->addWidget(recheck_);
    layout->addLayout(filters);

    view_ = new QTreeWidget(this);
    view_->setHeaderLabels({tr("ﾌｧｲﾙ / 場所"), tr("種類"), tr("内容")});
    view_->setAccessibleName(tr("問題の一覧"));
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->header()->setStretchLastSection(true);
    view_->setMinimumSize(760, 380);
    layout->addWidget(view_, 1);

    summary_ = new QLabel(this);
    summary_->setAccessibleName(tr("検査の結果"));
    layout->addWidget(summary_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(tr("閉じる"));
    close->setAccessibleName(tr("閉じる"));
    close->setAutoDefault(false);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(recheck_, &QPushButton::clicked, this, &CheckWindow::Recheck);
    connect(severity_, &QComboBox::currentIndexChanged, this, &CheckWindow::Fill);
    connect(text_, &QLineEdit::textChanged, this, &CheckWindow::Fill);
    auto open = [this](QTreeWidgetItem* item) {
        if (!item) return;
        const QVariant v = item->data(0, kProblemRole);
        if (v.isValid()) OpenOwner(v.toInt());
    };
    connect(view_, &QTreeWidget::itemDoubleClicked, this, [open](QTreeWidgetItem* item, int) { open(item); });
    connect(view_, &QTreeWidget::itemActivated, this, [open](QTreeWidgetItem* item, int) { open(item); });
    summary_->setText(tr("検査しています..."));
}

void CheckWindow::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The window shows at once; the project is read after it has appeared, with progress.
    if (!checked_) {
        checked_ = true;
        QTimer::singleShot(0, this, &CheckWindow::Recheck);
    }
}

void CheckWindow::Recheck() {
    const Project& project = controller_.context().project;
    const ProjectIndex index = BuildIndexWithProgress(this, project);
    problems_ = CheckIndex(index);
    // The scene list shows one row per scene file, in the catalog's order.
    std::unordered_map<std::string, int> sceneRow;
    for (int row = 0; row < index.catalog.count(); ++row)
        sceneRow.emplace(index.catalog.entries[static_cast<std::size_t>(row)].fileName, row);
    sceneRows_.assign(problems_.size(), -1);
    for (std::size_t i = 0; i < problems_.size(); ++i)
        if (auto it = sceneRow.find(problems_[i].file); it != sceneRow.end()) sceneRows_[i] = it->second;
    Fill();
}

void CheckWindow::Fill() {
    const Project& project = controller_.context().project;
    const int severity = severity_->currentIndex();
    const QString filter = text_->text().trimmed();
    view_->clear();
    // The items are made apart from the view and handed over at once: added one by one under an
    // expanded parent, tens of thousands of problems would take seconds.
    QList<QTreeWidgetItem*> files;
    QTreeWidgetItem* fileItem = nullptr;
    std::string lastFile;
    int shown = 0;
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        const Problem& p = problems_[i];
        if ((severity == 1 && p.severity != Severity::Error) || (severity == 2 && p.severity != Severity::Warning))
            continue;
        const QString path = Utf8(ProblemFilePath(project, p));
        const QString place = Utf8(PlaceText(p));
        const QString message = Utf8(p.message);
        if (!filter.isEmpty() && !path.contains(filter, Qt::CaseInsensitive) &&
            !place.contains(filter, Qt::CaseInsensitive) && !message.contains(filter, Qt::CaseInsensitive))
            continue;
        if (!fileItem || p.file != lastFile) {
            fileItem = new QTreeWidgetItem(QStringList{path});
            files.append(fileItem);
            lastFile = p.file;
        }
        auto* item = new QTreeWidgetItem(fileItem, {place.isEmpty() ? tr("(ﾌｧｲﾙ全体)") : place,
                                                    p.severity == Severity::Error ? tr("ｴﾗｰ") : tr("警告"), message});
        item->setData(0, kProblemRole, static_cast<int>(i));
        item->setToolTip(2, message);
        ++shown;
    }
    view_->addTopLevelItems(files);
    for (QTreeWidgetItem* f : files) f->setFirstColumnSpanned(true);
    view_->expandAll();
    for (int c = 0; c < 2; ++c) view_->resizeColumnToContents(c);
    const CheckSummary s = Summarise(problems_);
    if (problems_.empty())
        summary_->setText(tr("問題は見つかりませんでした。"));
    else
        summary_->setText(tr("ｴﾗｰ %1 件、警告 %2 件（表示 %3 件）").arg(s.errors).arg(s.warnings).arg(shown));
    if (QTreeWidgetItem* first = view_->topLevelItem(0)) view_->setCurrentItem(first->child(0) ? first->child(0) : first);
}

void CheckWindow::OpenOwner(int i) {
    if (i < 0 || i >= static_cast<int>(problems_.size())) return;
    const Problem& p = problems_[static_cast<std::size_t>(i)];
    const std::optional<HubEditor> editor = OwningEditor(p);
    if (!editor) {
        controller_.services().Inform(this, tr("このﾌｧｲﾙを編集する画面はありません。"));
        return;
    }
    const int row = *editor == HubEditor::SceneSettings ? sceneRows_[static_cast<std::size_t>(i)]
                    : p.group >= 0                       ? -1
                                                         : p.record;
    const bool listRow = *editor != HubEditor::EventCommands && *editor != HubEditor::PlayerCharacter &&
                         *editor != HubEditor::BasicSettings && *editor != HubEditor::Title;
    QPointer<CheckWindow> self(this);
    if (listRow) SelectRowInNextEditor(this, row);
    EditorContext& context = controller_.context();
    if (!controller_.registry().Open(*editor, context, this)) {
        controller_.services().Inform(this, tr("「%1」の編集画面はまだ用意されていません。")
                                                .arg(QString::fromUtf8(HubEditorLabel(*editor).data(),
                                                                       static_cast<int>(HubEditorLabel(*editor).size()))));
        return;
    }
    if (self) Recheck();
}

}  // namespace lw
