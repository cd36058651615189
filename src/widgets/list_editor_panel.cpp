#include "widgets/list_editor_panel.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/project/project.h"
#include "widgets/list_filter.h"
#include "widgets/usages_dialog.h"

namespace lw {

namespace {
// Presses `button` when one of `keys` (without modifiers, or with the keypad's) is pressed on the
// watched list; with no button the key is only taken, so it does not reach the dialog.
class KeyPress final : public QObject {
public:
    KeyPress(std::initializer_list<int> keys, QPushButton* button, QObject* parent)
        : QObject(parent), keys_(keys), button_(button) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            if (plain && std::find(keys_.begin(), keys_.end(), key->key()) != keys_.end()) {
                if (button_ != nullptr && button_->isEnabled()) button_->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<int> keys_;
    QPushButton* button_;
};
}  // namespace

void DeleteKeyPresses(QWidget* list, QPushButton* button) {
    list->installEventFilter(new KeyPress({Qt::Key_Delete}, button, list));
}

ListEditorPanel::ListEditorPanel(const ListEditorOptions& options, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    view_ = new QTreeWidget(this);
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setAllColumnsShowFocus(true);
    if (options.headers.isEmpty()) {
        view_->setColumnCount(1);
        view_->setHeaderHidden(true);
    } else {
        view_->setColumnCount(static_cast<int>(options.headers.size()));
        view_->setHeaderLabels(options.headers);
        view_->header()->setStretchLastSection(true);
    }
    // The filter box above the list (shown once the list is long).
    auto* listColumn = new QVBoxLayout();
    filter_ = new ListFilter(view_, QString(), this);
    listColumn->addWidget(filter_);
    listColumn->addWidget(view_, 1);
    layout->addLayout(listColumn, 1);
    setTabOrder(filter_->field(), view_);

    buttons_ = new QVBoxLayout();
    layout->addLayout(buttons_);
    add_ = MakeButton(options.addLabel.isEmpty() ? tr("追加") : options.addLabel);
    if (options.editButton) edit_ = MakeButton(tr("編集..."));
    delete_ = MakeButton(tr("削除"));
    extraInsertAt_ = buttons_->count();
    if (options.moveButtons) {
        up_ = MakeButton(tr("上へ移動"));
        down_ = MakeButton(tr("下へ移動"));
    }
    buttons_->addStretch(1);

    connect(add_, &QPushButton::clicked, this, &ListEditorPanel::addClicked);
    if (edit_) connect(edit_, &QPushButton::clicked, this, &ListEditorPanel::editClicked);
    connect(delete_, &QPushButton::clicked, this, &ListEditorPanel::deleteClicked);
    if (up_) connect(up_, &QPushButton::clicked, this, &ListEditorPanel::moveUpClicked);
    if (down_) connect(down_, &QPushButton::clicked, this, &ListEditorPanel::moveDownClicked);
    connect(view_, &QTreeWidget::itemSelectionChanged, this, [this] {
        UpdateButtons();
        if (!updating_) emit selectionChanged(selectedRow());
    });
    // The Delete key on the list is "削除", under the same rules (a row selected, the button enabled).
    DeleteKeyPresses(view_, delete_);
    // Enter on the list edits the row where the list has "編集...", and otherwise does nothing: it
    // never reaches the dialog's OK, which would save and close the editor by surprise.
    view_->installEventFilter(new KeyPress({Qt::Key_Return, Qt::Key_Enter}, edit_, view_));
    connect(view_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
        emit rowDoubleClicked(view_->indexOfTopLevelItem(item));
    });
    UpdateButtons();
}

QPushButton* ListEditorPanel::MakeButton(const QString& label, int at) {
    auto* b = new QPushButton(label, this);
    b->setAutoDefault(false);
    buttons_->insertWidget(at, b);
    return b;
}

QPushButton* ListEditorPanel::AddButton(const QString& label, Enable rule) {
    QPushButton* b = MakeButton(label, extraInsertAt_++);
    EnableBy(b, rule);
    return b;
}

QPushButton* ListEditorPanel::AddUsagesButton(const Project& project, RefTarget target) {
    // Below the move buttons, so the buttons that edit the list stay together.
    usages_ = MakeButton(tr("使用箇所..."), buttons_->count() - 1);
    EnableBy(usages_, Enable::WithSelection);
    usages_->setAccessibleName(tr("選択した行の使用箇所"));
    connect(usages_, &QPushButton::clicked, this, [this, &project, target] {
        const int row = selectedRow();
        if (row < 0) return;
        ShowUsages(this, project, target, row, QStringLiteral("%1 %2").arg(row).arg(rowText(row)));
    });
    return usages_;
}

void ListEditorPanel::ChooseRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    view_->setCurrentItem(view_->topLevelItem(row));
    view_->scrollToItem(view_->topLevelItem(row));
}

void ListEditorPanel::EnableBy(QWidget* widget, Enable rule) {
    governed_.emplace_back(widget, rule);
    // A governed widget that is destroyed first is forgotten.
    connect(widget, &QObject::destroyed, this, [this](QObject* gone) {
        std::erase_if(governed_, [gone](const auto& g) { return g.first == gone; });
    });
    UpdateButtons();
}

void ListEditorPanel::ShowRows(const std::vector<QStringList>& rows, int selected) {
    updating_ = true;
    const int scrolled = view_->verticalScrollBar()->value();  // kept, so the list does not jump
    view_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const auto& texts : rows) items.append(new QTreeWidgetItem(texts));
    view_->addTopLevelItems(items);
    filter_->Apply();
    view_->verticalScrollBar()->setValue(scrolled);
    updating_ = false;
    SetSelectedRow(selected);
    UpdateButtons();
}

void ListEditorPanel::SetSelectedRow(int row) {
    updating_ = true;
    QTreeWidgetItem* item = (row >= 0 && row < rowCount()) ? view_->topLevelItem(row) : nullptr;
    if (item) {
        view_->setCurrentItem(item);
        item->setSelected(true);
        view_->scrollToItem(item);
    } else {
        view_->clearSelection();
        view_->setCurrentItem(nullptr);
    }
    updating_ = false;
    UpdateButtons();
}

int ListEditorPanel::selectedRow() const {
    // The selection model, not selectedItems(): a row the filter hides stays selected.
    const auto selected = view_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int ListEditorPanel::rowCount() const { return view_->topLevelItemCount(); }

QString ListEditorPanel::rowText(int row, int column) const {
    QTreeWidgetItem* item = view_->topLevelItem(row);
    return item ? item->text(column) : QString();
}

void ListEditorPanel::UpdateButtons() {
    const int row = selectedRow();
    const int count = rowCount();
    const bool selected = row >= 0;
    delete_->setEnabled(selected);
    if (edit_) edit_->setEnabled(selected);
    if (up_) up_->setEnabled(selected && row > 0);
    if (down_) down_->setEnabled(selected && row < count - 1);
    for (const auto& [widget, rule] : governed_) {
        switch (rule) {
        case Enable::Always: widget->setEnabled(true); break;
        case Enable::WithSelection: widget->setEnabled(selected); break;
        case Enable::WithRows: widget->setEnabled(count > 0); break;
        }
    }
}

}  // namespace lw
