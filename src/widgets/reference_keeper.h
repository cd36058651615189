#pragma once
// What a list editor does so that deleting or moving a row keeps every reference to the list right
// (core/check/renumber.h). Before a delete or a move of rows that other files refer to, the author is
// asked: "この項目は N か所で使われています" with "参照を更新" (every reference follows its row; a
// deleted row's references become none, or when some cannot be none the places are shown and the
// change is not made), "そのまま" (the numbers stay as they are, as before), "ｷｬﾝｾﾙ" and
// "使用箇所...". The renumbering composed over the editing session is written with the list's OK,
// as one change with the list file; a cancelled editor writes nothing.
//
// The project's index is built once per editor session, at the first delete or move, and not at all
// when no file that could refer to the list exists.
//
// Use: ListEditor<T>::KeepReferences(keeper), and on OK keeper.Save(ui, list file, its bytes, the
// list's own save).
//
// A list whose rows and references all stand in the editor's memory (a scene's field battles and
// the chips that name them, a scene's groups and what names them) gives the keeper the references
// as they stand at each question and the renumbering of them instead: no index is read, the
// usages are shown as the editor holds them, and the editor's own OK writes the result.

#include <QString>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "core/check/renumber.h"

class QWidget;

namespace lw {

struct EditorContext;
class SaveUi;

class ReferenceKeeper {
public:
    ReferenceKeeper(EditorContext& context, QWidget* owner, RefTarget target, RenumberOptions options = {});
    // A keeper of references held in memory: `held` gives them as they stand, `renumber` renumbers
    // them by a step (as RenumberInMemory).
    using Held = std::function<std::vector<HeldReference>()>;
    using InMemory = std::function<std::vector<Problem>(const RowRenumbering& step)>;
    ReferenceKeeper(EditorContext& context, QWidget* owner, Held held, InMemory renumber);
    ~ReferenceKeeper();

    // Before row `row` of `rows` rows (as the list stands) is deleted; `what` names the row. False
    // when the author cancelled, or the references cannot follow.
    bool BeforeDelete(int row, int rows, const QString& what);
    // Before rows `a` and `b` change places.
    bool BeforeSwap(int a, int b, int rows, const QString& what);

    // For a list whose references stand in memory until its OK writes them (a placed list's scene
    // groups, which its save rebuilds the scene files from): "参照を更新" renumbers them through
    // `renumber` by `step` (from the rows as the list stands to the rows after the change), which
    // returns the places that refuse, changing nothing then. No file is renumbered by the keeper.
    void RenumberInMemory(InMemory renumber) { inMemory_ = std::move(renumber); }

    // The files the renumbering agreed so far rewrites (empty while nothing is renumbered).
    const std::vector<DataFileWrite>& files() const { return files_; }

    // The list's OK: `saveAlone` (the list's own save, unchanged) while nothing is renumbered; else
    // the list file `listFile` with `listBytes` and every renumbered file as one change ("いいえ" for
    // any of them writes none). True when the files were written.
    bool Save(SaveUi& ui, std::string_view listFile, std::string listBytes,
              const std::function<bool(SaveUi&)>& saveAlone) const;

private:
    bool Ask(const RowRenumbering& next, const RowRenumbering& step, int row, const QString& what);
    bool Indexed(int rows);

    EditorContext& context_;
    QWidget* owner_;
    RefTarget target_;
    RenumberOptions options_;
    Held held_;
    bool checked_ = false;  // whether the index was built (or found not needed)
    std::unique_ptr<ProjectIndex> index_;
    RowRenumbering map_;
    std::vector<DataFileWrite> files_;
    InMemory inMemory_;
};

}  // namespace lw
