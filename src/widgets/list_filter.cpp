#include "widgets/list_filter.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTimer>
#include <QTreeWidget>

#include "app/language.h"
#include "widgets/accessible_names.h"
#include "widgets/discard_guard.h"

namespace lw {

ListFilter::ListFilter(const QString& what, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("絞り込み"), this);
    field_ = new QLineEdit(this);
    field_->setPlaceholderText(tr("番号または文字"));
    field_->setAccessibleName(what.isEmpty() ? tr("絞り込み") : tr("%1の絞り込み").arg(what));
    label->setBuddy(field_);
    empty_ = new QLabel(tr("該当なし"), this);
    empty_->setAccessibleName(tr("絞り込みの結果"));
    empty_->hide();
    row->addWidget(label);
    row->addWidget(field_, 1);
    row->addWidget(empty_);
    field_->installEventFilter(this);
    DiscardGuard::IgnoreChangesOf(field_);  // it only narrows what is shown
    connect(field_, &QLineEdit::textChanged, this, [this] { Apply(); });
    numberOf_ = [](int row) { return row; };
}

ListFilter::ListFilter(QTreeWidget* view, const QString& what, QWidget* parent) : ListFilter(what, parent) {
    view_ = view;
    Watch(view->model());
    UpdateVisibility();
}

ListFilter::ListFilter(QComboBox* combo, const QString& what, QWidget* parent) : ListFilter(what, parent) {
    combo_ = combo;
    combo->setProperty("lwListFilter", QVariant::fromValue(static_cast<QObject*>(this)));
    Watch(combo->model());
    UpdateVisibility();
}

ListFilter* ListFilter::Of(const QComboBox* combo) {
    return qobject_cast<ListFilter*>(combo->property("lwListFilter").value<QObject*>());
}

void ListFilter::Watch(QAbstractItemModel* model) {
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { ModelChanged(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { ModelChanged(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { ModelChanged(); });
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { ModelChanged(); });
}

void ListFilter::SetNumberOf(std::function<int(int)> numberOf) {
    numberOf_ = std::move(numberOf);
    Apply();
}

void ListFilter::SetRowRule(std::function<bool(int)> rule) {
    rule_ = std::move(rule);
    Apply();
}

void ListFilter::ShowFrom(int rows) {
    showFrom_ = rows;
    UpdateVisibility();
}

// Many rows may come one by one (a drop-down filled entry by entry): the texts are read again once,
// after the event loop runs, or when the filter is next applied.
void ListFilter::ModelChanged() {
    stale_ = true;
    UpdateVisibility();
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (pending_) Apply();
    });
}

int ListFilter::RowCount() const { return view_ ? view_->topLevelItemCount() : combo_->count(); }

QString ListFilter::RowText(int row) const {
    if (combo_) return combo_->itemText(row);
    QTreeWidgetItem* item = view_->topLevelItem(row);
    QStringList texts;
    for (int c = 0; c < item->columnCount(); ++c) texts << item->text(c);
    return texts.join(QLatin1Char(' '));
}

void ListFilter::SetHidden(int row, bool hidden) {
    if (view_) {
        QTreeWidgetItem* item = view_->topLevelItem(row);
        if (item->isHidden() != hidden) item->setHidden(hidden);
    } else if (auto* list = qobject_cast<QListView*>(combo_->view())) {
        if (list->isRowHidden(row) != hidden) list->setRowHidden(row, hidden);
    }
}

bool ListFilter::IsShown(int row) const {
    if (row < 0 || row >= RowCount()) return false;
    if (view_) return !view_->topLevelItem(row)->isHidden();
    auto* list = qobject_cast<QListView*>(combo_->view());
    return !list || !list->isRowHidden(row);
}

void ListFilter::Apply() {
    pending_ = false;
    const int count = RowCount();
    const TextFilter filter(field_->text().toStdString());
    const bool everything = filter.empty() && !rule_;
    if (!everything && (stale_ || static_cast<int>(folded_.size()) != count)) {
        folded_.clear();
        folded_.reserve(static_cast<std::size_t>(count));
        for (int row = 0; row < count; ++row) folded_.push_back(FoldForSearch(RowText(row).toStdString()));
        stale_ = false;
    }
    int shown = 0;
    for (int row = 0; row < count; ++row) {
        const bool show = everything || ((!rule_ || rule_(row)) &&
                                         filter.MatchesFolded(numberOf_(row), folded_[static_cast<std::size_t>(row)]));
        SetHidden(row, !show);
        if (show) ++shown;
    }
    empty_->setVisible(count > 0 && shown == 0);
    UpdateVisibility();
    emit applied();
}

void ListFilter::UpdateVisibility() {
    const bool wanted = RowCount() >= showFrom_ || !field_->text().isEmpty() || rule_;
    // Shown or hidden only once the box has a window (before that, it follows its parent).
    if (wanted == isHidden()) setVisible(wanted);
}

void ListFilter::TakeFirstShown() {
    const int count = RowCount();
    for (int row = 0; row < count; ++row) {
        if (!IsShown(row)) continue;
        if (combo_) {
            combo_->setCurrentIndex(row);
        } else {
            view_->setCurrentItem(view_->topLevelItem(row));
            view_->scrollToItem(view_->topLevelItem(row));
        }
        return;
    }
}

bool ListFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            TakeFirstShown();
            return true;
        }
        if (key->key() == Qt::Key_Down) {
            if (combo_) {
                combo_->setFocus();
                combo_->showPopup();
            } else {
                view_->setFocus();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

namespace {
// Puts `filter` beside `widget` in the layout below `layout` that holds it, so that the label the
// widget is named by stays next to it: after it in a row, above it (and its label) in a column, on
// a row of its own above it in a form. False when no such layout holds it.
bool PlaceBeside(QLayout* layout, QWidget* widget, QWidget* filter) {
    if (!layout) return false;
    if (auto* box = qobject_cast<QBoxLayout*>(layout); box && box->indexOf(widget) >= 0) {
        int at = box->indexOf(widget);
        const bool across = box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft;
        if (across) {
            ++at;
        } else if (at > 0 && qobject_cast<QLabel*>(box->itemAt(at - 1)->widget())) {
            --at;
        }
        box->insertWidget(at, filter);
        return true;
    }
    if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        int row = -1;
        QFormLayout::ItemRole role{};
        form->getWidgetPosition(widget, &row, &role);
        if (row >= 0) {
            form->insertRow(row, filter);
            return true;
        }
    }
    for (int i = 0; i < layout->count(); ++i)
        if (PlaceBeside(layout->itemAt(i)->layout(), widget, filter)) return true;
    return false;
}
}  // namespace

ListFilter* AddComboFilter(QComboBox* combo, const QString& what, int firstNumber) {
    QWidget* parent = combo->parentWidget();
    auto* filter = new ListFilter(combo, what, parent);
    if (firstNumber != 0) filter->SetNumberOf([firstNumber](int row) { return row + firstNumber; });
    if (!PlaceBeside(parent ? parent->layout() : nullptr, combo, filter)) {
        // Nowhere to show it: the drop-down stays as it is.
        combo->setProperty("lwListFilter", QVariant());
        delete filter;
        return nullptr;
    }
    return filter;
}

void FilterLongChoosersWhenShown(QWidget* dialog) {
    OnEveryShow(dialog, "lwFiltersChoosers", [](QWidget* shown) {
        for (QComboBox* combo : shown->findChildren<QComboBox*>()) {
            if (combo->isEditable() || combo->count() < kFilterFromRows || ListFilter::Of(combo)) continue;
            AddComboFilter(combo, combo->accessibleName(), combo->itemText(0) == NoneLabel() ? -1 : 0);
        }
    });
}

}  // namespace lw
