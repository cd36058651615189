#pragma once
// "使用箇所": every place of the project that refers to one row of a list (or to a flag), found in
// the project's reference index as the files on disk hold it.

#include <QDialog>

#include "core/check/problem.h"
#include "core/check/project_index.h"

class QTreeWidget;
class QLabel;

namespace lw {

// The index of the project, with a progress dialog over `parent` while the files are read.
ProjectIndex BuildIndexWithProgress(QWidget* parent, const Project& project);

class UsagesDialog : public QDialog {
    Q_OBJECT
public:
    // `what` names the row in the caption ("ｱｲﾃﾑ 3 sword").
    UsagesDialog(const Project& project, const ProjectIndex& index, RefTarget target, int row, const QString& what,
                 QWidget* parent);
    // The places `places` (references an editor holds in memory, as they stand in it).
    UsagesDialog(const Project& project, const std::vector<Problem>& places, const QString& what, QWidget* parent);
    QTreeWidget* view() const { return view_; }
    QLabel* summary() const { return summary_; }

private:
    // The frame, with a row of file, place and field per usage.
    struct Row {
        std::string file;  // CP932
        QString place, part;
    };
    void Build(const Project& project, const std::vector<Row>& rows, const QString& what);

    QTreeWidget* view_;
    QLabel* summary_;
};

// Builds the index and shows the usages of row `row` of `target` modally.
void ShowUsages(QWidget* parent, const Project& project, RefTarget target, int row, const QString& what);

// The place of a reference in words, as the check writes it ("group 4 line 2", "record 3 sound").
QString PlaceOf(const ReferenceIndex& index, const Reference& reference);

}  // namespace lw
