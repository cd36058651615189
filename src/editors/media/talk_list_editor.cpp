#include "editors/media/talk_list_editor.h"
#include "app/language.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <tuple>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/talk_list.h"
#include "editors/events/shared_command_dialogs.h"
#include "editors/media/talk_command_dialogs.h"
#include "widgets/dialog_buttons.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

constexpr auto kTalk = CommandDialogMode::Talk;

// `text` without the characters CP932 cannot hold.
QString Cp932Only(const QString& text) {
    if (ToCp932(text)) return text;
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString ch = text.mid(i, len);
        if (ToCp932(ch)) out += ch;
        i += len;
    }
    return out;
}

QString ShownText(const std::string& bytes) {
    QString text = FromCp932(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

// ---- The edit ----------------------------------------------------------------------------------

void TalkTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (!text.isEmpty() && text != QStringLiteral("\r") && Cp932Only(text) != text) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TalkTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (!commit.isEmpty() && Cp932Only(commit) != commit) {
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(Cp932Only(commit), event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&filtered);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TalkTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    insertPlainText(Cp932Only(source->text()));
}

// ---- The editor --------------------------------------------------------------------------------

TalkListEditor::TalkListEditor(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setWindowTitle(tr("文章 ﾘｽﾄ"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout();

    auto* listBox = new QGroupBox(tr("ﾘｽﾄ"), this);
    auto* listLayout = new QVBoxLayout(listBox);
    panel_ = new ListEditorPanel({}, listBox);
    panel_->AddUsagesButton(context.project, RefTarget::Talk);
    panel_->view()->setMinimumSize(250, 300);
    update_ = panel_->AddButton(tr("更新"), ListEditorPanel::Enable::WithSelection);
    listLayout->addWidget(panel_);
    columns->addWidget(listBox, 1);

    auto* textBox = new QGroupBox(tr("文章内容"), this);
    auto* textLayout = new QVBoxLayout(textBox);
    auto* menuRow = new QHBoxLayout();
    menu_ = new QComboBox(textBox);
    for (int i = 0; i < kTalkCommandCount; ++i) {
        const std::string_view label = TalkCommandMenuLabel(static_cast<TalkCommand>(i));
        menu_->addItem(CoreText(label));
    }
    menu_->setMaxVisibleItems(kTalkCommandCount);
    menu_->setPlaceholderText(tr("ｺﾏﾝﾄﾞ"));
    menu_->setAccessibleName(tr("ｺﾏﾝﾄﾞ"));
    menu_->setCurrentIndex(-1);
    menu_->setMinimumContentsLength(10);
    menuRow->addWidget(menu_);
    menuRow->addStretch(1);
    textLayout->addLayout(menuRow);
    edit_ = new TalkTextEdit(textBox);
    edit_->setMinimumSize(340, 260);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    textLayout->addWidget(edit_, 1);
    size_ = new QLabel(textBox);
    size_->setAlignment(Qt::AlignRight);
    textLayout->addWidget(size_);
    columns->addWidget(textBox, 2);
    layout->addLayout(columns, 1);

    auto* buttons = new QHBoxLayout();
    std::tie(ok_, cancel_) = AddDialogButtons(this, buttons);
    // Enter belongs to the edit (a new line); OK is pressed, not defaulted.
    ok_->setDefault(false);
    ok_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    layout->addLayout(buttons);

    list_ = std::make_unique<ListEditor<std::string>>(panel_, [](const std::string& text) {
        return QStringList{FromCp932(TalkListLabel(text))};
    });
    list_->KeepReferences(context_, this, RefTarget::Talk);
    list_->OnAdd([this]() -> std::optional<std::string> {
        std::optional<std::string> text = TakeEditText();
        added_ = text.has_value();
        return text;
    });
    list_->AddSelectsEqual([](const std::string& a, const std::string& b) { return a == b; });
    list_->OnSelectionChanged([this](int) { ShowSelected(); });
    // After the list has acted on the button (connected after the list editor's own handlers).
    connect(panel_, &ListEditorPanel::addClicked, this, [this] {
        if (added_) ShowSelected();
        added_ = false;
    });
    connect(panel_, &ListEditorPanel::deleteClicked, this, [this] { ShowSelected(); });
    connect(update_, &QPushButton::clicked, this, [this] { Update(); });
    connect(menu_, &QComboBox::activated, this, &TalkListEditor::RunCommand);
    connect(edit_, &QPlainTextEdit::textChanged, this, [this] { ShowSize(); });

    std::vector<std::string> texts;
    loadStatus_ = LoadTalkList(context_.project, texts);
    list_->SetRecords(std::move(texts));
    ShowText({});
    edit_->setFocus();
}

TalkListEditor::~TalkListEditor() = default;

std::optional<std::string> TalkListEditor::EditBytes() const {
    QString text = edit_->toPlainText();
    if (text == shownText_) return shownBytes_;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToCp932(text);
}

std::optional<std::string> TalkListEditor::TakeEditText() {
    std::optional<std::string> bytes = EditBytes();
    if (!bytes) {
        if (context_.services) context_.services->Inform(this, tr("文章に保存できない文字が含まれています"));
        return std::nullopt;
    }
    if (!TalkTextStorable(*bytes)) {
        if (context_.services) context_.services->Inform(this, tr("この文章はﾌｧｲﾙの区切りと同じため保存できません"));
        return std::nullopt;
    }
    if (!TalkTextFits(*bytes)) {
        Message m;
        m.text = tr("文章が%1ﾊﾞｲﾄを超えています（%2ﾊﾞｲﾄ）。\n超えた部分を切り捨てますか？")
                     .arg(kTalkTextBytes)
                     .arg(TalkStoredSize(*bytes));
        m.buttons = MessageButtons::YesNo;
        m.icon = MessageIcon::Warning;
        m.defaultAnswer = MessageAnswer::No;
        if (!context_.services || context_.services->ShowMessage(this, m) != MessageAnswer::Yes) return std::nullopt;
        *bytes = std::string(CutTalkText(*bytes));
        ShowText(*bytes);
    }
    return bytes;
}

void TalkListEditor::Update() {
    const int row = list_->selected();
    if (row < 0) return;
    std::optional<std::string> text = TakeEditText();
    if (!text) return;
    list_->model().Replace(row, *text);
    list_->Refresh();
    ShowText(*text);
}

void TalkListEditor::ShowSelected() {
    const int row = list_->selected();
    ShowText(row >= 0 ? list_->records()[static_cast<std::size_t>(row)] : std::string());
}

void TalkListEditor::ShowText(const std::string& bytes) {
    edit_->setPlainText(ShownText(bytes));
    shownBytes_ = bytes;
    shownText_ = edit_->toPlainText();
    ShowSize();
}

void TalkListEditor::ShowSize() {
    const std::optional<std::string> bytes = EditBytes();
    const std::size_t size = bytes ? TalkStoredSize(*bytes) : 0;
    const bool over = size > kTalkTextBytes;
    size_->setText(over ? tr("%1 / %2ﾊﾞｲﾄ（超えた部分は保存されません）").arg(size).arg(kTalkTextBytes)
                        : tr("%1 / %2ﾊﾞｲﾄ").arg(size).arg(kTalkTextBytes));
    size_->setStyleSheet(over ? QStringLiteral("color: #c00000; font-weight: bold;") : QString());
}

std::optional<std::string> TalkListEditor::BuildCommand(TalkCommand command) {
    switch (command) {
    case TalkCommand::NewLine: return TalkNewLine();
    case TalkCommand::NewPage: return TalkNewPage();
    case TalkCommand::Bgm: return RunCommandDialog<AudioCommandDialog>(context_, AudioList::Bgm, kTalk, this);
    case TalkCommand::Face: return RunCommandDialog<FaceCommandDialog>(context_, kTalk, this);
    case TalkCommand::Sound: return RunCommandDialog<AudioCommandDialog>(context_, AudioList::Sound, kTalk, this);
    case TalkCommand::Speed: return RunCommandDialog<NumberCommandDialog>(context_, NumberCommand::TalkSpeed, this);
    case TalkCommand::FacePosition:
        return RunCommandDialog<PositionCommandDialog>(context_, PositionCommandDialog::Target::Face, this);
    case TalkCommand::TextPosition:
        return RunCommandDialog<PositionCommandDialog>(context_, PositionCommandDialog::Target::Text, this);
    case TalkCommand::Background: return RunCommandDialog<BackgroundCommandDialog>(context_, this);
    case TalkCommand::ShowAnimation: return RunCommandDialog<AnimationCommandDialog>(context_, this);
    case TalkCommand::DeleteAnimation:
        return RunCommandDialog<NumberCommandDialog>(context_, NumberCommand::TalkDeleteAnimation, this);
    case TalkCommand::Earthquake: return RunCommandDialog<EarthquakeCommandDialog>(context_, kTalk, TalkModeGroups(), this);
    case TalkCommand::Wait: return RunCommandDialog<NumberCommandDialog>(context_, NumberCommand::TalkWait, this);
    }
    return std::nullopt;
}

void TalkListEditor::RunCommand(int index) {
    if (index < 0 || index >= kTalkCommandCount) return;
    const std::optional<std::string> text = BuildCommand(static_cast<TalkCommand>(index));
    menu_->setCurrentIndex(-1);
    if (text) edit_->insertPlainText(FromCp932(*text));
    edit_->setFocus();
}

void TalkListEditor::accept() {
    if (!SaveUnlessUnreadable(context_, this, loadStatus_,
                              [this](SaveUi& ui) {
                                  list_->Save(ui, kTalkFile, TalkListBytes,
                                              [this](SaveUi& u) { return SaveTalkList(context_.project, list_->records(), u); });
                              }))
        return;
    done(QDialog::Accepted);
}

void TalkListEditor::reject() { done(QDialog::Rejected); }

int RunTalkListEditor(EditorContext& context, QWidget* parent) {
    TalkListEditor editor(context, parent);
    if (ReportUnreadable(context, parent, kTalkFile, editor.loadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw
