#include "widgets/reference_keeper.h"

#include <QStringList>
#include <algorithm>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/check/project_check.h"
#include "core/text/cp932.h"
#include "widgets/usages_dialog.h"

namespace lw {

namespace {
// The places a refusal lists at most; the rest are counted.
constexpr std::size_t kShownPlaces = 20;
}  // namespace

ReferenceKeeper::ReferenceKeeper(EditorContext& context, QWidget* owner, RefTarget target, RenumberOptions options)
    : context_(context), owner_(owner), target_(target), options_(options) {}

ReferenceKeeper::ReferenceKeeper(EditorContext& context, QWidget* owner, Held held, InMemory renumber)
    : context_(context), owner_(owner), target_(RefTarget::Group), held_(std::move(held)), inMemory_(std::move(renumber)) {}

ReferenceKeeper::~ReferenceKeeper() = default;

bool ReferenceKeeper::Indexed(int rows) {
    if (held_) {
        // The references are renumbered as each change is made: every question starts from the rows
        // as they stand.
        map_ = RowRenumbering(rows);
        return context_.services != nullptr;
    }
    if (!checked_) {
        checked_ = true;
        if (context_.services && MayBeReferred(context_.project, target_)) {
            index_ = std::make_unique<ProjectIndex>(BuildIndexWithProgress(owner_, context_.project));
            map_ = RowRenumbering(index_->references.ListSize(target_).value_or(rows));
        }
    }
    return index_ != nullptr;
}

bool ReferenceKeeper::BeforeDelete(int row, int rows, const QString& what) {
    if (!Indexed(rows)) return true;
    RowRenumbering next = map_, step(rows);
    next.Delete(row);
    step.Delete(row);
    return Ask(next, step, row, what);
}

bool ReferenceKeeper::BeforeSwap(int a, int b, int rows, const QString& what) {
    if (!Indexed(rows)) return true;
    RowRenumbering next = map_, step(rows);
    next.Swap(a, b);
    step.Swap(a, b);
    return Ask(next, step, a, what);
}

bool ReferenceKeeper::Ask(const RowRenumbering& next, const RowRenumbering& step, int row, const QString& what) {
    // The numbers the files hold whose row changes, and those that name the row the author chose.
    std::vector<int> changed, own;
    for (int n = 0; n < map_.size(); ++n) {
        if (next(n) == map_(n)) continue;
        changed.push_back(n);
        if (map_(n) == row) own.push_back(n);
    }
    const std::vector<HeldReference> held = held_ ? held_() : std::vector<HeldReference>{};
    auto count = [&](const std::vector<int>& numbers) {
        return held_ ? CountHeldReferences(held, numbers) : CountReferencesTo(index_->references, target_, numbers, options_);
    };
    const int all = count(changed);
    if (all == 0) {
        // Nothing refers to a number that changes: the files stay as they are.
        map_ = next;
        return true;
    }
    const int mine = count(own);
    Message m;
    m.text = QObject::tr("この項目は %1 か所で使われています。").arg(mine);
    if (all > mine) m.text += QObject::tr("\n番号の変わる他の項目が %1 か所で使われています。").arg(all - mine);
    m.text += QObject::tr("\n\n参照を更新: 参照する番号をすべて合わせます。\nそのまま: 参照する番号を変えません。");
    m.caption = what;
    m.buttons = MessageButtons::UpdateKeepCancel;
    m.icon = MessageIcon::Question;
    m.defaultAnswer = MessageAnswer::Update;
    for (;;) {
        switch (context_.services->ShowMessage(owner_, m)) {
        case MessageAnswer::Usages: {
            const int shown = own.empty() ? changed.front() : own.front();
            if (held_) {
                std::vector<Problem> places;
                for (const HeldReference& r : held)
                    if (r.number == shown) places.push_back(r.place);
                UsagesDialog usages(context_.project, places, what, owner_);
                usages.exec();
            } else {
                UsagesDialog usages(context_.project, *index_, target_, shown, what, owner_);
                usages.exec();
            }
            continue;
        }
        case MessageAnswer::Keep:
            return true;
        case MessageAnswer::Update: {
            Renumbered r;
            if (inMemory_)
                r.refused = inMemory_(step);
            else
                r = RenumberReferences(context_.project, *index_, target_, next, options_);
            if (!r.ok()) {
                QStringList places;
                for (std::size_t i = 0; i < r.refused.size() && i < kShownPlaces; ++i) {
                    const Problem& p = r.refused[i];
                    const std::string place = PlaceText(p);
                    places << FromCp932(DataFileDisplayPath(context_.project, p.file)) +
                                  (place.empty() ? QString() : QStringLiteral(": ") + QString::fromStdString(place));
                }
                if (r.refused.size() > kShownPlaces)
                    places << QObject::tr("ほか %1 か所").arg(r.refused.size() - kShownPlaces);
                Message refused;
                refused.text = QObject::tr("次の箇所の参照は更新できません（「なし」にできない項目か、63 バイトを超える"
                                           "ｺﾏﾝﾄﾞ行です）。先にそれらを変更するか、「そのまま」を選んでください。\n\n") +
                               places.join(QLatin1Char('\n'));
                refused.caption = what;
                refused.icon = MessageIcon::Warning;
                context_.services->ShowMessage(owner_, refused);
                return false;
            }
            map_ = next;
            files_ = std::move(r.files);
            return true;
        }
        default:
            return false;
        }
    }
}

bool ReferenceKeeper::Save(SaveUi& ui, std::string_view listFile, std::string listBytes,
                           const std::function<bool(SaveUi&)>& saveAlone) const {
    if (files_.empty()) return saveAlone(ui);
    std::vector<DataFileWrite> all;
    all.reserve(files_.size() + 1);
    all.push_back(DataFileWrite::Bytes(std::string(listFile), std::move(listBytes)));
    all.insert(all.end(), files_.begin(), files_.end());
    const DataFileSetSave saved = SaveDataFilesTogether(context_.project, all, ui);
    return saved.written.size() == all.size();
}

}  // namespace lw
