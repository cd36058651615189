#pragma once
// The event flag of the flag command dialogs: "ｲﾍﾞﾝﾄﾌﾗｸﾞ", a drop-down of the flags "0" to "4095",
// each with its explanation ("12 — 扉を開けた"; nothing chosen at first), a filter box above it that
// finds a flag by number or explanation, and the chosen flag's explanation beside "説明".
//
// Read-only, the explanation is only shown. Editable, what the author types goes into the flag
// explanation table when the field loses focus (and before another flag is shown), so it stays
// even when the dialog is cancelled. The field takes at most 255 bytes of CP932 (typing beyond is
// refused, never cut away unseen); an explanation the author did not touch is not rewritten.

#include <QGroupBox>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace lw {

class ListFilter;
struct FlagExplanations;
struct Project;

class FlagChooser : public QGroupBox {
    Q_OBJECT
public:
    enum class Explanation { ReadOnly, Editable };
    FlagChooser(FlagExplanations& flags, Explanation explanation, QWidget* parent = nullptr);

    // The chosen flag number, -1 when none is chosen.
    int flag() const;
    void setFlag(int flag);

    // Puts a changed explanation into the table now (the dialogs call it on OK as well).
    void StoreExplanation();

    // "使用箇所...": every place of `project` that uses the chosen flag (enabled while one is chosen).
    void AddUsagesButton(const Project& project);
    QPushButton* usagesButton() const { return usages_; }
    // "未使用のみ": narrows the flags to those no saved file of `project` uses (the project's
    // references, read when first ticked).
    void AddUnusedFilter(const Project& project);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowExplanation();
    QString FlagLabel(int flag) const;

    FlagExplanations& flags_;
    bool editable_;
    int shownFlag_ = -1;  // the flag whose explanation the field holds
    QComboBox* choice_;
    QLineEdit* explanation_;
    QPushButton* usages_ = nullptr;
    QBoxLayout* row_;
    QBoxLayout* search_;
    ListFilter* filter_;
    QCheckBox* unused_ = nullptr;
    std::vector<bool> used_;  // by flag, once "未使用のみ" was ticked
};

}  // namespace lw
