#include "editors/events/list_command_support.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

#include "app/editor_context.h"
#include "app/services.h"
#include "widgets/read_guard.h"

namespace lw {

bool ListFileUsable(EditorContext& context, QWidget* owner, std::string_view fileName, ReadStatus status,
                    bool missingStops) {
    if (ReportUnreadable(context, owner, fileName, status)) return false;
    if (status == ReadStatus::Missing && missingStops) {
        WarnCommand(context, owner, QObject::tr("%1 がありません").arg(FromCp932(fileName)));
        return false;
    }
    return true;
}

void WarnCommand(EditorContext& context, QWidget* owner, const QString& text) {
    if (context.services == nullptr) return;
    context.services->ShowMessage(owner, Message{.text = text, .icon = MessageIcon::Warning});
}

QButtonGroup* AddRadioRow(QGroupBox* box, const std::vector<QString>& labels, int checked) {
    auto* group = new QButtonGroup(box);
    auto* row = new QHBoxLayout(box);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        auto* radio = new QRadioButton(labels[i], box);
        group->addButton(radio, static_cast<int>(i));
        row->addWidget(radio);
        if (static_cast<int>(i) == checked) radio->setChecked(true);
    }
    row->addStretch(1);
    return group;
}

}  // namespace lw
