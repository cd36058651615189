#include "widgets/property_editor.h"
#include "app/language.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QValidator>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "audio/music_player.h"
#include "audio/play_selection.h"
#include "core/text/cp932.h"
#include "widgets/drawing_group.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/number_spin.h"
#include "widgets/read_guard.h"
#include "widgets/preview_box.h"

namespace lw {

namespace {

// One line of CP932 text of at most `maxBytes` bytes: line breaks in what is typed or pasted are
// dropped, characters CP932 cannot hold and text beyond the width are refused.
class LineTextValidator final : public QValidator {
public:
    explicit LineTextValidator(QObject* parent) : QValidator(parent) {}
    void SetMaxBytes(std::size_t maxBytes) { maxBytes_ = maxBytes; }
    State validate(QString& input, int& pos) const override {
        const qsizetype before = input.size();
        input.remove(u'\r');
        input.remove(u'\n');
        pos = std::max(0, pos - static_cast<int>(before - input.size()));
        const std::optional<std::string> bytes = ToCp932(input);
        if (!bytes || bytes->size() > maxBytes_) return Invalid;
        return Acceptable;
    }

private:
    std::size_t maxBytes_ = 255;
};

// A row's unit: one marked text, or a range "（lo ～ hi）" whose marks are translated one by one.
QString UnitText(const std::string& unit) {
    QString text = CoreText(unit);
    for (const char* mark : {"（", " ～ ", "）"}) text.replace(QString::fromUtf8(mark), CoreText(mark));
    return text;
}

// Multi-line text as the records keep it: CR LF between lines.
std::string RecordLines(const QString& text) {
    std::string out;
    const std::string bytes = ToCp932(text).value_or(std::string());
    for (char c : bytes) {
        if (c == '\r') continue;
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

PropertyEditor::PropertyEditor(EditorContext& context, std::vector<PropertyRow> rows, QWidget* parent)
    : PropertyEditor(context, std::move(rows), Options{}, parent) {}

PropertyEditor::PropertyEditor(EditorContext& context, std::vector<PropertyRow> rows, Options options, QWidget* parent)
    : QWidget(parent), context_(context), rows_(std::move(rows)) {
    Build(options);
}

void PropertyEditor::Build(const Options& options) {
    bool uses[9] = {};
    for (const PropertyRow& r : rows_) uses[static_cast<int>(r.kind)] = true;
    auto used = [&uses](RowKind k) { return uses[static_cast<int>(k)]; };

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    labels_ = new QListWidget(this);
    for (const PropertyRow& r : rows_) labels_->addItem(CoreText(r.label));
    labels_->setMinimumWidth(labels_->sizeHintForColumn(0) + 40);
    labels_->setMinimumHeight(320);
    labels_->setAccessibleName(tr("項目"));
    layout->addWidget(labels_);

    // The editing area, captioned with the label of the row it shows.
    areaBox_ = new QGroupBox(this);
    auto* area = new QVBoxLayout(areaBox_);
    layout->addWidget(areaBox_, 1);

    text_ = new QLineEdit(this);
    auto* validator = new LineTextValidator(text_);
    text_->setValidator(validator);
    text_->setMinimumWidth(300);
    area->addWidget(text_);
    text_->setVisible(used(RowKind::Text));

    longText_ = new QPlainTextEdit(this);
    longText_->setTabChangesFocus(true);
    longText_->setMinimumHeight(80);
    longText_->installEventFilter(this);
    area->addWidget(longText_);
    longText_->setVisible(used(RowKind::LongText));

    auto* numberRow = new QHBoxLayout();
    number_ = new NumberSpin(this);
    number_->setMinimumWidth(110);
    unit_ = new QLabel(this);
    unit_->setMinimumWidth(140);
    numberRow->addWidget(number_);
    numberRow->addWidget(unit_);
    numberRow->addStretch(1);
    area->addLayout(numberRow);
    number_->setVisible(used(RowKind::Number));
    unit_->setVisible(used(RowKind::Number));

    const bool anyChoice = used(RowKind::Choice) || used(RowKind::Sound) || used(RowKind::Bgm) || used(RowKind::Effect) ||
                           used(RowKind::Image);
    choice_ = new ImageChooser(this);
    choice_->setMaxVisibleItems(20);
    area->addWidget(choice_);
    choice_->setVisible(anyChoice);

    auto* checks = new QHBoxLayout();
    showImageBox_ = NewPreviewBox(tr("画像表示"), this);
    playBox_ = NewPreviewBox(tr("MIDI・WAVE再生"), this);
    checks->addWidget(showImageBox_);
    checks->addWidget(playBox_);
    checks->addStretch(1);
    area->addLayout(checks);
    showImageBox_->setVisible(used(RowKind::Effect) || used(RowKind::Image));
    playBox_->setVisible(used(RowKind::Sound) || used(RowKind::Bgm));

    drawing_ = new DrawingGroup(DrawingGroup::Options{.colourFollowsKeyFlag = false}, this);
    area->addWidget(drawing_);
    drawing_->setVisible(used(RowKind::Colour) || used(RowKind::Image));
    drawing_->modeGroup()->setVisible(used(RowKind::Image));
    drawing_->keyBox()->setVisible(used(RowKind::Image));
    area->addStretch(1);

    connect(labels_, &QListWidget::currentRowChanged, this, [this](int row) { Prepare(row); });
    connect(text_, &QLineEdit::textChanged, this, [this] { CommitText(false); });
    connect(text_, &QLineEdit::editingFinished, this, [this] { CommitText(); });
    connect(longText_, &QPlainTextEdit::textChanged, this, [this] { CommitLongText(false); });
    connect(number_, &QSpinBox::valueChanged, this, [this] { CommitNumber(false); });
    connect(number_, &QSpinBox::editingFinished, this, [this] { CommitNumber(); });
    connect(choice_, &QComboBox::currentIndexChanged, this, [this](int index) { ChoiceMade(index); });
    connect(showImageBox_, &QCheckBox::toggled, this, [this](bool on) {
        showImageFlag_ = on;
        emit previewNeeded(current_);
    });
    connect(playBox_, &QCheckBox::toggled, this, [this](bool on) {
        playFlag_ = on;
        Play();
    });
    connect(drawing_, &DrawingGroup::colourEdited, this, [this] { CommitColour(); });
    const bool follows = options.keyColourFollowsKeyFlag;
    connect(drawing_, &DrawingGroup::specEdited, this, [this, follows] {
        const PropertyRow* r = Current();
        if (r == nullptr || r->kind != RowKind::Image) return;
        if (follows) drawing_->SetColourEnabled(drawing_->keyBox()->isChecked() && drawing_->keyBox()->isEnabled());
        const DrawSpec spec = drawing_->Spec();
        if (r->getSpec && r->setSpec && !(spec == r->getSpec())) {
            r->setSpec(spec);
            emit valueStored(current_);
        }
        emit previewNeeded(current_);
    });
    keyColourFollows_ = follows;

    if (!rows_.empty()) labels_->setCurrentRow(0);
}

bool PropertyEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == longText_ && event->type() == QEvent::FocusOut) CommitLongText();
    return QWidget::eventFilter(watched, event);
}

void PropertyEditor::SetListNames(RowKind kind, std::vector<std::string> names) {
    switch (kind) {
    case RowKind::Sound: soundNames_ = std::move(names); break;
    case RowKind::Bgm: bgmNames_ = std::move(names); break;
    case RowKind::Effect: effectNames_ = std::move(names); break;
    default: return;
    }
    if (const PropertyRow* r = Current(); r != nullptr && r->kind == kind) Refresh();
}

const PropertyRow* PropertyEditor::Current() const {
    if (current_ < 0 || current_ >= rowCount()) return nullptr;
    return &rows_[static_cast<std::size_t>(current_)];
}

void PropertyEditor::SelectRow(int index) { labels_->setCurrentRow(index); }

void PropertyEditor::Refresh() {
    const int row = current_;
    Prepare(row);
}

void PropertyEditor::Prepare(int index) {
    // What the fields hold belongs to the row shown so far: it is stored before the area changes.
    Commit();
    current_ = index;
    ClearArea();
    const PropertyRow* r = Current();
    areaBox_->setTitle(r != nullptr ? CoreText(r->label) : QString());
    NameControls(r);
    if (r == nullptr) {
        PropertyRow none;
        none.enabled = [] { return false; };
        EnableFor(none);
        return;
    }
    EnableFor(*r);
    {
        QSignalBlocker blockChoice(choice_);
        switch (r->kind) {
        case RowKind::Text: {
            static_cast<LineTextValidator*>(const_cast<QValidator*>(text_->validator()))->SetMaxBytes(r->textBytes);
            QSignalBlocker block(text_);
            if (r->getText) LoadText(text_, r->getText());
            textBeforeEditing_ = r->getText ? r->getText() : std::string();
            break;
        }
        case RowKind::LongText: {
            longTextStored_ = r->getText ? r->getText() : std::string();
            QSignalBlocker block(longText_);
            longText_->setPlainText(FromCp932(longTextStored_));
            longTextShown_ = longText_->toPlainText();
            longTextBeforeEditing_ = longTextStored_;
            longTextShownBeforeEditing_ = longTextShown_;
            break;
        }
        case RowKind::Number: {
            QSignalBlocker block(number_);
            number_->setRange(r->range.min, r->range.max);
            number_->setSingleStep(std::max(1, r->step));
            if (r->getNumber) LoadSpin(number_, r->getNumber());
            unit_->setText(UnitText(r->unit));
            break;
        }
        case RowKind::Choice: {
            std::vector<std::string> entries;
            for (const std::string& e : r->choices) entries.push_back(ToCp932(CoreText(e)).value_or(std::string()));
            choice_->SetEntries(std::move(entries));
            if (r->getNumber) LoadComboIndex(choice_, r->ChoicePosition(r->getNumber()));
            break;
        }
        case RowKind::Sound:
        case RowKind::Bgm:
        case RowKind::Effect:
            choice_->SetEntries(r->kind == RowKind::Sound ? soundNames_ : r->kind == RowKind::Bgm ? bgmNames_ : effectNames_);
            if (r->getNumber) LoadComboIndex(choice_, r->getNumber());
            break;
        case RowKind::Colour:
            drawing_->SetColourCaption(CoreText(ColourCaptionFor(r->kind)));
            if (r->getColour) drawing_->LoadColour(r->getColour());
            break;
        case RowKind::Image:
            if (!imageNamesRead_) {
                choice_->Fill(context_.project);
                imageNames_ = choice_->entries();
                imageNamesRead_ = true;
            } else {
                choice_->SetEntries(imageNames_);
            }
            if (r->getText) choice_->LoadName(r->getText());
            drawing_->SetColourCaption(CoreText(ColourCaptionFor(r->kind)));
            if (r->getSpec) drawing_->LoadSpec(r->getSpec());
            if (keyColourFollows_) drawing_->SetColourEnabled(drawing_->keyBox()->isChecked() && drawing_->keyBox()->isEnabled());
            break;
        }
    }
    emit rowPrepared(current_);
    emit previewNeeded(current_);
}

void PropertyEditor::NameControls(const PropertyRow* r) {
    // The field the row uses is named by the row's label; the others by what they hold.
    const QString label = r != nullptr ? CoreText(r->label) : QString();
    const auto name = [&label](QWidget* control, bool used, const QString& otherwise) {
        control->setAccessibleName(used && !label.isEmpty() ? label : otherwise);
    };
    const RowKind kind = r != nullptr ? r->kind : RowKind::Text;
    const bool any = r != nullptr;
    name(text_, any && kind == RowKind::Text, tr("文字列"));
    name(longText_, any && kind == RowKind::LongText, tr("文章"));
    name(number_, any && kind == RowKind::Number, tr("数値"));
    name(choice_, any && kind != RowKind::Text && kind != RowKind::LongText && kind != RowKind::Number && kind != RowKind::Colour,
         tr("選択"));
}

void PropertyEditor::ClearArea() {
    StopPlayback();
    {
        QSignalBlocker block(text_);
        LoadText(text_, {});
    }
    {
        QSignalBlocker block(longText_);
        longText_->clear();
        longTextStored_.clear();
        longTextShown_.clear();
    }
    {
        QSignalBlocker block(number_);
        number_->setRange(kDefaultNumberRange.min, kDefaultNumberRange.max);
        number_->setSingleStep(1);
        LoadSpin(number_, 0);
    }
    unit_->clear();
    choice_->SetEntries({});
    drawing_->SetColourCaption(QString());
    drawing_->LoadSpec(DrawSpec{});
}

void PropertyEditor::EnableFor(const PropertyRow& r) {
    const bool on = !r.enabled || r.enabled();
    const RowControls c = ControlsFor(r.kind);
    text_->setEnabled(on && c.text);
    longText_->setEnabled(on && c.longText);
    number_->setEnabled(on && c.number);
    unit_->setEnabled(on && c.number);
    choice_->setEnabled(on && c.choice);
    showImageBox_->setEnabled(on && c.showImage);
    playBox_->setEnabled(on && c.play);
    drawing_->SetModeEnabled(on && c.drawMode);
    drawing_->SetKeyFlagEnabled(on && c.keyFlag);
    drawing_->SetColourEnabled(on && c.colour);
}

void PropertyEditor::Commit() {
    CommitText();
    CommitLongText();
    CommitNumber();
    drawing_->InterpretTyped();
    CommitColour();
}

bool PropertyEditor::Refuse(const PropertyRow& r, const std::string& value) {
    if (!r.refuseText) return false;
    const std::string message = r.refuseText(value);
    if (message.empty()) return false;
    Inform(context_, this, CoreText(message));
    return true;
}

void PropertyEditor::CommitText(bool tell) {
    const PropertyRow* r = Current();
    if (r == nullptr || r->kind != RowKind::Text || !r->getText || !r->setText || !text_->isEnabled()) return;
    const std::string value = CutCopy(WithoutLineBreaks(TextValue(text_)), r->textBytes);
    const bool refused = r->refuseText && !r->refuseText(value).empty();
    if (refused) {
        if (!tell) return;
        Refuse(*r, value);
        if (r->getText() != textBeforeEditing_) {
            r->setText(textBeforeEditing_);
            emit valueStored(current_);
        }
        QSignalBlocker block(text_);
        LoadText(text_, textBeforeEditing_);
        return;
    }
    if (tell) textBeforeEditing_ = value;
    if (value == r->getText()) return;
    r->setText(value);
    // The field is rewritten only when the stored text differs from it (cut, line breaks taken
    // out), so typing keeps its caret.
    if (text_->text() == FromCp932(value)) {
        emit valueStored(current_);
        return;
    }
    QSignalBlocker block(text_);
    LoadText(text_, value);
    emit valueStored(current_);
}

void PropertyEditor::CommitLongText(bool tell) {
    const PropertyRow* r = Current();
    if (r == nullptr || r->kind != RowKind::LongText || !r->getText || !r->setText || !longText_->isEnabled()) return;
    if (longText_->toPlainText() == longTextShown_) {  // unchanged since stored: the stored bytes stay
        if (tell) {
            longTextBeforeEditing_ = longTextStored_;
            longTextShownBeforeEditing_ = longTextShown_;
        }
        return;
    }
    const std::string value = CutCopy(RecordLines(longText_->toPlainText()), r->textBytes);
    if (r->refuseText && !r->refuseText(value).empty()) {
        if (!tell) return;
        Refuse(*r, value);
        // Back to the text as it was before this editing, in the record and in the field.
        if (r->getText() != longTextBeforeEditing_) {
            r->setText(longTextBeforeEditing_);
            emit valueStored(current_);
        }
        longTextStored_ = longTextBeforeEditing_;
        longTextShown_ = longTextShownBeforeEditing_;
        QSignalBlocker block(longText_);
        longText_->setPlainText(longTextShown_);
        return;
    }
    r->setText(value);
    longTextStored_ = value;
    longTextShown_ = longText_->toPlainText();
    if (tell) {
        longTextBeforeEditing_ = longTextStored_;
        longTextShownBeforeEditing_ = longTextShown_;
    }
    emit valueStored(current_);
}

void PropertyEditor::CommitNumber(bool takeTyped) {
    const PropertyRow* r = Current();
    if (r == nullptr || r->kind != RowKind::Number || !r->getNumber || !r->setNumber || !number_->isEnabled()) return;
    if (takeTyped) {
        QSignalBlocker block(number_);
        number_->interpretText();
    }
    const int value = SpinValue(number_);
    if (value == r->getNumber()) return;
    r->setNumber(value);
    QSignalBlocker block(number_);
    LoadSpin(number_, value);
    emit valueStored(current_);
}

void PropertyEditor::CommitColour() {
    const PropertyRow* r = Current();
    if (r == nullptr) return;
    if (r->kind == RowKind::Colour && r->getColour && r->setColour) {
        const Rgb colour = drawing_->Colour();
        if (colour == r->getColour()) return;
        r->setColour(colour);
        emit valueStored(current_);
    } else if (r->kind == RowKind::Image && r->getSpec && r->setSpec) {
        const DrawSpec spec = drawing_->Spec();
        if (spec == r->getSpec()) return;
        r->setSpec(spec);
        emit valueStored(current_);
        emit previewNeeded(current_);
    }
}

bool PropertyEditor::PickColour(const QColor& colour) {
    const PropertyRow* r = Current();
    if (r == nullptr || (r->kind != RowKind::Colour && r->kind != RowKind::Image)) return false;
    if (r->enabled && !r->enabled()) return false;
    drawing_->PickColour(colour);
    return true;
}

void PropertyEditor::ChoiceMade(int index) {
    const PropertyRow* r = Current();
    if (r == nullptr || index < 0) return;
    switch (r->kind) {
    case RowKind::Choice:
        if (r->setNumber) r->setNumber(r->ChoiceValue(index));
        break;
    case RowKind::Sound:
    case RowKind::Bgm:
        if (r->setNumber) r->setNumber(index);
        Play();
        break;
    case RowKind::Effect:
        if (r->setNumber) r->setNumber(index);
        break;
    case RowKind::Image: {
        const std::string name = choice_->ChosenName();
        if (!r->getText || !r->setText) return;
        if (Refuse(*r, name)) {
            choice_->LoadName(r->getText());
            return;
        }
        r->setText(name);
        break;
    }
    default: return;
    }
    emit valueStored(current_);
    emit previewNeeded(current_);
}

void PropertyEditor::Play() {
    const PropertyRow* r = Current();
    if (r == nullptr || (r->kind != RowKind::Sound && r->kind != RowKind::Bgm)) {
        if (!playFlag_) StopPlayback();
        return;
    }
    PlaySelection(context_.player, r->kind == RowKind::Bgm ? AudioKind::Bgm : AudioKind::Sound, playFlag_, context_.project,
                  choice_->currentIndex() >= 0 ? choice_->ChosenName() : std::string());
}

void PropertyEditor::ResetChecks() {
    for (QCheckBox* box : {showImageBox_, playBox_}) {
        QSignalBlocker block(box);
        box->setChecked(false);
    }
    showImageFlag_ = false;
    playFlag_ = false;
    StopPlayback();
}

void PropertyEditor::StopPlayback() {
    if (context_.player) context_.player->StopAll();
}

}  // namespace lw
