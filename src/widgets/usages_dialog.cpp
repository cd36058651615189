#include "widgets/usages_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/check/problem.h"
#include "core/text/cp932.h"

namespace lw {

namespace {
QString Utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
}  // namespace

ProjectIndex BuildIndexWithProgress(QWidget* parent, const Project& project) {
    QProgressDialog progress(QObject::tr("ﾌﾟﾛｼﾞｪｸﾄを読み込んでいます..."), QString(), 0, 1, parent);
    progress.setWindowTitle(QStringLiteral("Lorewright"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAccessibleName(QObject::tr("読み込みの進み具合"));
    return BuildProjectIndex(project, [&](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

QString PlaceOf(const ReferenceIndex& index, const Reference& r) {
    const Place at = index.PlaceOf(r);
    Problem place{Severity::Warning, index.FileName(at.file), at.record, at.group, at.line, at.part, {}};
    return Utf8(PlaceText(place));
}

UsagesDialog::UsagesDialog(const Project& project, const ProjectIndex& index, RefTarget target, int row,
                           const QString& what, QWidget* parent)
    : QDialog(parent) {
    std::vector<Row> rows;
    for (const Reference* r : index.references.ReferencesTo(target, row))
        rows.push_back({index.references.FileName(r->file), PlaceOf(index.references, *r),
                        QString::fromUtf8(index.references.PartText(r->part))});
    Build(project, rows, what);
}

UsagesDialog::UsagesDialog(const Project& project, const std::vector<Problem>& places, const QString& what,
                           QWidget* parent)
    : QDialog(parent) {
    std::vector<Row> rows;
    for (const Problem& p : places) rows.push_back({p.file, Utf8(PlaceText(p)), Utf8(p.part)});
    Build(project, rows, what);
}

void UsagesDialog::Build(const Project& project, const std::vector<Row>& rows, const QString& what) {
    setWindowTitle(tr("使用箇所 - %1").arg(what));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    layout->addWidget(summary_);
    view_ = new QTreeWidget(this);
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->setHeaderLabels({tr("ﾌｧｲﾙ"), tr("場所"), tr("項目")});
    view_->setAccessibleName(tr("使用箇所の一覧"));
    view_->header()->setStretchLastSection(true);
    view_->setMinimumSize(520, 260);
    layout->addWidget(view_, 1);
    for (const Row& r : rows) {
        auto* item = new QTreeWidgetItem(view_);
        item->setText(0, QString::fromStdString(Cp932ToUtf8Lossy(DataFileDisplayPath(project, r.file))));
        item->setText(1, r.place);
        item->setText(2, r.part);
    }
    for (int c = 0; c < 2; ++c) view_->resizeColumnToContents(c);
    summary_->setText(rows.empty() ? tr("どこからも使われていません。") : tr("%1 か所で使われています。").arg(rows.size()));
    summary_->setAccessibleName(tr("使用箇所の数"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("閉じる"));
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    view_->setFocus();
    if (view_->topLevelItemCount() > 0) view_->setCurrentItem(view_->topLevelItem(0));
}

void ShowUsages(QWidget* parent, const Project& project, RefTarget target, int row, const QString& what) {
    const ProjectIndex index = BuildIndexWithProgress(parent, project);
    UsagesDialog dialog(project, index, target, row, what, parent);
    dialog.exec();
}

}  // namespace lw
