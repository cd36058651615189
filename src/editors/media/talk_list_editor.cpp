#include "editors/media/talk_list_editor.h"
#include "app/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/talk_list.h"
#include "core/media/talk_markup.h"
#include "core/tagfile/file_io.h"
#include "editors/events/shared_command_dialogs.h"
#include "editors/media/effect_combo.h"
#include "previews/image_view.h"
#include "widgets/dialog_buttons.h"
#include "widgets/list_editor.h"
#include "widgets/number_spin.h"
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

// ---- The command dialogs only this editor uses -------------------------------------------------
// (the music, sound, face, number and earthquake dialogs are shared with the event command editor).
// Each is a command dialog frame building one talk command:
//
//   PositionCommandDialog   "会話ｺﾏﾝﾄﾞ(顔画像位置)" / "会話ｺﾏﾝﾄﾞ(文字位置)"  "<pos_face %d %d>" / "<pos_talk %d %d>"
//   BackgroundCommandDialog "会話ｺﾏﾝﾄﾞ(背景画像)"    "<name_back %s>"
//   AnimationCommandDialog  "会話ｺﾏﾝﾄﾞ(ｱﾆﾒ表示)"     "<anim %d %d %d %d>"

// A reference picture of the image folder shown in the preview (view mode 22, cross-hair): a click
// on it puts the point into "X" (0..320) and "Y" (0..240). OK and Cancel close the preview (mode 0).
class PositionCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    enum class Target { Face, Text };
    PositionCommandDialog(EditorContext& context, Target target, QWidget* parent)
        : CommandDialog(context, target == Target::Face ? tr("会話ｺﾏﾝﾄﾞ(顔画像位置)") : tr("会話ｺﾏﾝﾄﾞ(文字位置)"), parent),
          target_(target) {
        PreviewIn(ViewMode::TalkPoint, true);
        AddImageChoice(tr("参照画像"), 24);
        std::tie(x_, y_) = AddPoint(tr("位置"), 0, 0);
        x_->setRange(0, kTalkScreenWidth);
        y_->setRange(0, kTalkScreenHeight);
        AddButtons();
        connect(&view(), &ImageView::pointPicked, this, [this](QWidget* owner, QPoint point) {
            if (owner != this) return;
            x_->setValue(point.x());
            y_->setValue(point.y());
        });
    }

private:
    std::optional<std::string> Build() override {
        const int x = x_->TakenValue();
        const int y = y_->TakenValue();
        return target_ == Target::Face ? TalkFacePositionCommand(x, y) : TalkTextPositionCommand(x, y);
    }
    Target target_;
    NumberSpin* x_;
    NumberSpin* y_;
};

// A picture of the image folder, shown in the preview when chosen. OK: "<name_back %s>" with the
// chosen name (empty when none); OK and Cancel close the preview.
class BackgroundCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    BackgroundCommandDialog(EditorContext& context, QWidget* parent)
        : CommandDialog(context, tr("会話ｺﾏﾝﾄﾞ(背景画像)"), parent) {
        PreviewIn(ViewMode::None);
        image_ = AddImageChoice(tr("背景画像"), 24);
        AddButtons();
    }

private:
    std::optional<std::string> Build() override { return TalkBackgroundCommand(ChosenImageFile(image_)); }
    QComboBox* image_;
};

// An effect animation (the effect table is loaded on opening and released on closing), previewed
// in view mode 2 while "画像表示" is checked; the identifier 0..255, the kind and what the text does
// meanwhile. OK without an animation says "ｱﾆﾒ番号を選択してください" and stays open.
class AnimationCommandDialog : public CommandDialog {
    Q_OBJECT
public:
    AnimationCommandDialog(EditorContext& context, QWidget* parent)
        : CommandDialog(context, tr("会話ｺﾏﾝﾄﾞ(ｱﾆﾒ表示)"), parent) {
        PreviewIn(ViewMode::Animation, true);
        animation_ = AddChoice(tr("ｱﾆﾒ番号"), 24);
        LoadEffectTable(context_.project, context_.effects);
        AddEffectComboItems(animation_, context_.effects, -1);
        show_ = AddPreviewSwitch(animation_, tr("画像表示"), true);
        id_ = AddNumber(tr("ｱﾆﾒ識別番号"), 0, kTalkAnimationIdMax, 0);

        QHBoxLayout* radios = AddLine();
        std::vector<QString> kinds, texts;
        for (int i = 0; i < 3; ++i) kinds.push_back(CoreText(TalkAnimationKindLabel(static_cast<TalkAnimationKind>(i))));
        for (int i = 0; i < 2; ++i) texts.push_back(CoreText(TalkWhileAnimatingLabel(static_cast<TalkWhileAnimating>(i))));
        kinds_ = AddRadioColumn(tr("ｱﾆﾒ種別"), kinds, radios);
        texts_ = AddRadioColumn(tr("ｱﾆﾒ中の文字表示"), texts, radios);
        kinds_[0]->setChecked(true);
        texts_[0]->setChecked(true);
        AddButtons();
    }

private:
    void ShowPreview() override {
        ImageView& v = view();
        const int row = animation_->currentIndex();
        const bool chosen = row >= 0 && row < context_.effects.count();
        v.state().animation = chosen ? context_.effects.records[static_cast<std::size_t>(row)] : EffectAnimation{};
        if (!v.IsOpen()) return;
        v.RestartAnimation();
        if (chosen && show_->isChecked()) {
            v.ShowAnimationCell(this, v.state().animation.imageFile);
        } else {
            v.Hide();
        }
    }
    void Leave() override {
        CommandDialog::Leave();
        ReleaseEffectTable(context_.effects);
    }
    std::optional<std::string> Build() override {
        const int effect = animation_->currentIndex();
        if (effect < 0) return Refuse(tr("ｱﾆﾒ番号を選択してください"));
        TalkAnimationCommand a;
        a.id = id_->TakenValue();
        a.effect = effect;
        for (int i = 0; i < 3; ++i)
            if (kinds_[static_cast<std::size_t>(i)]->isChecked()) a.kind = static_cast<TalkAnimationKind>(i);
        a.text = texts_[1]->isChecked() ? TalkWhileAnimating::Stop : TalkWhileAnimating::Continue;
        return TalkShowAnimationCommand(a);
    }
    QComboBox* animation_;
    QCheckBox* show_;
    NumberSpin* id_;
    std::vector<QRadioButton*> kinds_;
    std::vector<QRadioButton*> texts_;
};

// ---- The edit ----------------------------------------------------------------------------------

// A plain-text edit that drops characters CP932 cannot hold when they are typed or pasted.
class TalkTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString text = event->text();
        if (!text.isEmpty() && text != QStringLiteral("\r") && Cp932Only(text) != text) {
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
    void inputMethodEvent(QInputMethodEvent* event) override {
        const QString commit = event->commitString();
        if (!commit.isEmpty() && Cp932Only(commit) != commit) {
            QInputMethodEvent filtered(event->preeditString(), event->attributes());
            filtered.setCommitString(Cp932Only(commit), event->replacementStart(), event->replacementLength());
            QPlainTextEdit::inputMethodEvent(&filtered);
            return;
        }
        QPlainTextEdit::inputMethodEvent(event);
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (source->hasText()) insertPlainText(Cp932Only(source->text()));
    }
};

// ---- The editor --------------------------------------------------------------------------------

namespace {

class TalkListEditor : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::TalkListEditor)
public:
    TalkListEditor(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
        setWindowTitle(tr("文章 ﾘｽﾄ"));
        auto* layout = new QVBoxLayout(this);
        auto* columns = new QHBoxLayout();

        auto* listBox = new QGroupBox(tr("ﾘｽﾄ"), this);
        auto* listLayout = new QVBoxLayout(listBox);
        auto* panel = new ListEditorPanel({}, listBox);
        panel->AddUsagesButton(context.project, RefTarget::Talk);
        panel->view()->setMinimumSize(250, 300);
        QPushButton* update = panel->AddButton(tr("更新"), ListEditorPanel::Enable::WithSelection);
        listLayout->addWidget(panel);
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
        const auto [ok, cancel] = AddDialogButtons(this, buttons);
        // Enter belongs to the edit (a new line); OK is pressed, not defaulted.
        ok->setDefault(false);
        ok->setAutoDefault(false);
        cancel->setAutoDefault(false);
        layout->addLayout(buttons);

        list_ = std::make_unique<ListEditor<std::string>>(panel, [](const std::string& text) {
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
        connect(panel, &ListEditorPanel::addClicked, this, [this] {
            if (added_) ShowSelected();
            added_ = false;
        });
        connect(panel, &ListEditorPanel::deleteClicked, this, [this] { ShowSelected(); });
        connect(update, &QPushButton::clicked, this, [this] { Update(); });
        connect(menu_, &QComboBox::activated, this, &TalkListEditor::RunCommand);
        connect(edit_, &QPlainTextEdit::textChanged, this, [this] { ShowSize(); });

        std::vector<std::string> texts;
        loadStatus_ = LoadTalkList(context_.project, texts);
        list_->SetRecords(std::move(texts));
        ShowText({});
        edit_->setFocus();
    }

    ReadStatus loadStatus() const { return loadStatus_; }

private:
    // The edit's text as CP932 bytes, line breaks as CR LF (the selected item's own bytes while the
    // edit still shows them unchanged); nullopt when it holds a character CP932 cannot hold.
    std::optional<std::string> EditBytes() const {
        QString text = edit_->toPlainText();
        if (text == shownText_) return shownBytes_;
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return ToCp932(text);
    }
    // The edit's text ready to be stored, after the checks (messages shown); nullopt when refused.
    std::optional<std::string> TakeEditText() {
        std::optional<std::string> bytes = EditBytes();
        if (!bytes) {
            Inform(context_, this, tr("文章に保存できない文字が含まれています"));
            return std::nullopt;
        }
        if (!TalkTextStorable(*bytes)) {
            Inform(context_, this, tr("この文章はﾌｧｲﾙの区切りと同じため保存できません"));
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
    void Update() {
        const int row = list_->selected();
        if (row < 0) return;
        std::optional<std::string> text = TakeEditText();
        if (!text) return;
        list_->model().Replace(row, *text);
        list_->Refresh();
        ShowText(*text);
    }
    void ShowSelected() {
        const int row = list_->selected();
        ShowText(row >= 0 ? list_->records()[static_cast<std::size_t>(row)] : std::string());
    }
    void ShowText(const std::string& bytes) {
        edit_->setPlainText(ShownText(bytes));
        shownBytes_ = bytes;
        shownText_ = edit_->toPlainText();
        ShowSize();
    }
    void ShowSize() {
        const std::optional<std::string> bytes = EditBytes();
        const std::size_t size = bytes ? TalkStoredSize(*bytes) : 0;
        const bool over = size > kTalkTextBytes;
        size_->setText(over ? tr("%1 / %2ﾊﾞｲﾄ（超えた部分は保存されません）").arg(size).arg(kTalkTextBytes)
                            : tr("%1 / %2ﾊﾞｲﾄ").arg(size).arg(kTalkTextBytes));
        size_->setStyleSheet(over ? QStringLiteral("color: #c00000; font-weight: bold;") : QString());
    }
    std::optional<std::string> BuildCommand(TalkCommand command) {
        switch (command) {
        case TalkCommand::NewLine: return TalkNewLine();
        case TalkCommand::NewPage: return TalkNewPage();
        case TalkCommand::Bgm: return RunAudioCommand(context_, AudioList::Bgm, kTalk, this);
        case TalkCommand::Face: return RunFaceCommand(context_, kTalk, this);
        case TalkCommand::Sound: return RunAudioCommand(context_, AudioList::Sound, kTalk, this);
        case TalkCommand::Speed: return RunNumberCommand(context_, NumberCommand::TalkSpeed, this);
        case TalkCommand::FacePosition:
            return RunCommandDialog<PositionCommandDialog>(context_, PositionCommandDialog::Target::Face, this);
        case TalkCommand::TextPosition:
            return RunCommandDialog<PositionCommandDialog>(context_, PositionCommandDialog::Target::Text, this);
        case TalkCommand::Background: return RunCommandDialog<BackgroundCommandDialog>(context_, this);
        case TalkCommand::ShowAnimation: return RunCommandDialog<AnimationCommandDialog>(context_, this);
        case TalkCommand::DeleteAnimation:
            return RunNumberCommand(context_, NumberCommand::TalkDeleteAnimation, this);
        case TalkCommand::Earthquake: return RunEarthquakeCommand(context_, kTalk, TalkModeGroups(), this);
        case TalkCommand::Wait: return RunNumberCommand(context_, NumberCommand::TalkWait, this);
        }
        return std::nullopt;
    }
    // The command menu's item `index` (TalkCommand order): "改行" and "改ﾍﾟｰｼﾞ" at once, the others
    // through their dialog; a confirmed command replaces the edit's selection (or goes in at the
    // caret), and the focus returns to the edit. The menu then shows no choice.
    void RunCommand(int index) {
        if (index < 0 || index >= kTalkCommandCount) return;
        const std::optional<std::string> text = BuildCommand(static_cast<TalkCommand>(index));
        menu_->setCurrentIndex(-1);
        if (text) edit_->insertPlainText(FromCp932(*text));
        edit_->setFocus();
    }
    void accept() override {
        if (!SaveUnlessUnreadable(context_, this, loadStatus_,
                                  [this](SaveUi& ui) {
                                      list_->Save(ui, kTalkFile, TalkListBytes,
                                                  [this](SaveUi& u) { return SaveTalkList(context_.project, list_->records(), u); });
                                  }))
            return;
        done(QDialog::Accepted);
    }

    EditorContext& context_;
    ReadStatus loadStatus_ = ReadStatus::Missing;
    std::unique_ptr<ListEditor<std::string>> list_;
    TalkTextEdit* edit_;
    QComboBox* menu_;
    QLabel* size_;
    // What the edit showed for the item last put into it, and that item's bytes.
    std::string shownBytes_;
    QString shownText_;
    bool added_ = false;
};

}  // namespace

int RunTalkListEditor(EditorContext& context, QWidget* parent) {
    TalkListEditor editor(context, parent);
    if (ReportUnreadable(context, parent, kTalkFile, editor.loadStatus())) return QDialog::Rejected;
    return editor.exec();
}

}  // namespace lw

#include "talk_list_editor.moc"
