#include "editors/media/narration_dialog.h"
#include "audio/play_selection.h"
#include "app/language.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/editor_context.h"
#include "app/services.h"
#include "core/media/narration_list.h"
#include "previews/image_view.h"
#include "render/narration_frame.h"
#include "widgets/audio_glue.h"
#include "widgets/field_grid.h"
#include "widgets/preview_box.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/number_spin.h"
#include "widgets/play_on_select.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

// A number field whose typed number is taken as it stands (a font size of 500 is 500), while its
// arrows step only within the field's range, as a spin control beside an edit field does.
NumberSpin* TypedNumberSpin(QWidget* parent, int stepMin, int stepMax) {
    auto* spin = new NumberSpin(parent, INT_MIN, INT_MAX);
    spin->SetStepRange(stepMin, stepMax);
    return spin;
}

QLabel* Label(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

// The record of a time spin: the typed tenths times 100 once changed, else the stored milliseconds.
int TimeValue(QSpinBox* spin, int stored) {
    spin->interpretText();
    return ChangedSinceLoad(spin) ? MillisecondsFromTenths(spin->value()) : stored;
}

// "ﾅﾚｰｼｮﾝ ﾘｽﾄ2".
class NarrationDialog : public PreviewStepDialog {
    Q_OBJECT
public:
    // `record` is changed only by OK.
    NarrationDialog(EditorContext& context, Narration& record, QWidget* parent)
        : PreviewStepDialog(context, parent), record_(record), working_(record) {
        setWindowTitle(tr("ﾅﾚｰｼｮﾝ ﾘｽﾄ2"));
        ReopenPreviewOnActivation();
        auto* layout = new QVBoxLayout(this);
        auto* top = new QGridLayout();
        layout->addLayout(top);

        image_ = new ImageChooser(this);
        FitChoice(image_, 20);
        show_ = NewPreviewBox(tr("表示"), this);
        top->addWidget(Label(tr("画像"), this), 0, 0);
        top->addWidget(image_, 0, 1);
        top->addWidget(show_, 0, 2);

        bgm_ = new QComboBox(this);
        FitChoice(bgm_, 20);
        play_ = NewPreviewBox(tr("再生"), this);
        top->addWidget(Label(QStringLiteral("BGM"), this), 1, 0);
        top->addWidget(bgm_, 1, 1);
        top->addWidget(play_, 1, 2);

        text_ = new QComboBox(this);
        FitChoice(text_, 20);
        top->addWidget(Label(tr("文章"), this), 2, 0);
        top->addWidget(text_, 2, 1, 1, 2);
        whole_ = new QPlainTextEdit(this);
        whole_->setReadOnly(true);
        whole_->setMinimumHeight(70);
        top->addWidget(whole_, 3, 1, 1, 2);
        top->setColumnStretch(1, 1);

        auto* middle = new QHBoxLayout();
        layout->addLayout(middle);
        auto* letters = new QGroupBox(tr("文字"), this);
        auto* lettersGrid = new QGridLayout(letters);
        QSpinBox* size = TypedNumberSpin(letters, kNarrationSizeMin, kNarrationSizeMax);
        speed_ = new NumberSpin(letters, kNarrationSpeedMin, kNarrationSpeedMax);
        AddLabelledFields(lettersGrid, 1, {{tr("ｻｲｽﾞ"), size}, {tr("速度"), speed_}});
        middle->addWidget(letters);

        auto* rect = new QGroupBox(tr("文字表示矩形"), this);
        auto* rectGrid = new QGridLayout(rect);
        QSpinBox* edgeLeft = TypedNumberSpin(rect, 0, kNarrationScreenWidth);
        QSpinBox* edgeTop = TypedNumberSpin(rect, 0, kNarrationScreenHeight);
        QSpinBox* edgeRight = TypedNumberSpin(rect, 0, kNarrationScreenWidth);
        QSpinBox* edgeBottom = TypedNumberSpin(rect, 0, kNarrationScreenHeight);
        AddLabelledFields(rectGrid, 2, {{tr("左"), edgeLeft}, {tr("上"), edgeTop}, {tr("右"), edgeRight}, {tr("下"), edgeBottom}});
        middle->addWidget(rect);

        auto* lower = new QHBoxLayout();
        layout->addLayout(lower);
        auto* times = new QGridLayout();
        wait_ = new NumberSpin(this, 0, kNarrationTenthsMax);
        lastPage_ = new NumberSpin(this, 0, kNarrationTenthsMax);
        const std::pair<QString, QSpinBox*> timeRows[] = {{tr("文字描画待ち時間"), wait_}, {tr("最終ﾍﾟｰｼﾞ表示時間"), lastPage_}};
        for (int row = 0; row < 2; ++row) {
            times->addWidget(Label(timeRows[row].first, this), row, 0);
            times->addWidget(timeRows[row].second, row, 1);
            times->addWidget(Label(tr("/10秒"), this), row, 2);
        }
        lower->addLayout(times);

        auto* colour = new QGroupBox(tr("文字色"), this);
        auto* colourGrid = new QGridLayout(colour);
        QSpinBox* red = TypedNumberSpin(colour, 0, 255);
        QSpinBox* green = TypedNumberSpin(colour, 0, 255);
        QSpinBox* blue = TypedNumberSpin(colour, 0, 255);
        AddLabelledFields(colourGrid, 1, {{tr("赤"), red}, {tr("緑"), green}, {tr("青"), blue}});
        lower->addWidget(colour);

        auto* bottom = new QHBoxLayout();
        bottom->addStretch(1);
        AddButtons(bottom);
        layout->addLayout(bottom);

        // The choices, as they are on disk now; loading the record plays and shows nothing yet.
        LoadGameSettings(context_.project, context_.settings);
        image_->Fill(context_.project, true);
        image_->LoadName(working_.image);
        LoadAudioListIntoCombo(bgm_, context_.project, AudioList::Bgm, true);
        LoadComboIndex(bgm_, working_.bgm >= -1 && working_.bgm < INT_MAX ? working_.bgm + 1 : -1);
        LoadNarrationTextChoices(context_.project, texts_);
        for (const std::string& t : texts_) text_->addItem(FromCp932(NarrationTextLabel(t)));
        LoadComboIndex(text_, working_.text);

        const std::vector<std::pair<QSpinBox*, int Narration::*>> typed = {
            {size, &Narration::size},       {edgeLeft, &Narration::left},     {edgeTop, &Narration::top},
            {edgeRight, &Narration::right}, {edgeBottom, &Narration::bottom}, {red, &Narration::red},
            {green, &Narration::green},     {blue, &Narration::blue},
        };
        for (auto [spin, member] : typed) {
            LoadSpin(spin, working_.*member);
            // Every typed change is stored as it stands and shown at once.
            connect(spin, &QSpinBox::valueChanged, this, [this, spin = spin, member = member] {
                working_.*member = SpinValue(spin);
                Refresh(false);
            });
        }
        LoadSpin(speed_, working_.speed);
        LoadSpinShowing(wait_, working_.wait, TenthsFromMilliseconds(working_.wait));
        LoadSpinShowing(lastPage_, working_.lastPageTime, TenthsFromMilliseconds(working_.lastPageTime));

        playOnSelect_ = new PlayOnSelect(bgm_, play_, context_, AudioKind::Bgm);
        playOnSelect_->Reset();
        show_->setChecked(true);

        connect(image_, &QComboBox::currentIndexChanged, this, [this] { Refresh(true); });
        connect(text_, &QComboBox::currentIndexChanged, this, [this] { Refresh(false); });
        connect(show_, &QCheckBox::toggled, this, [this] { Refresh(true); });
        Refresh(false);
    }

public slots:
    // OK: takes the picture, music, text, speed and times from their controls; refuses (and stays)
    // when no picture is chosen or its name holds a blank; otherwise stops playback, closes the
    // preview, resets the view mode and ends with 1.
    void accept() override {
        Narration result = working_;
        result.image = image_->ChosenName();
        switch (CheckNarration(result)) {
        case NarrationProblem::None: break;
        case NarrationProblem::NoImage:
            Inform(context_, this, tr("画像を選択してください"));
            return;
        case NarrationProblem::ImageNameHasBlank:
            Inform(context_, this, tr("空白を含む名前の画像は使えません。\nﾌｧｲﾙ名を変えてから選択してください"));
            return;
        }
        result.bgm = ChangedSinceLoad(bgm_) ? bgm_->currentIndex() - 1 : record_.bgm;
        result.text = ComboIndexValue(text_);
        speed_->interpretText();
        result.speed = SpinValue(speed_);
        result.wait = TimeValue(wait_, record_.wait);
        result.lastPageTime = TimeValue(lastPage_, record_.lastPageTime);
        record_ = result;
        LeaveAccepted();
    }
    // Cancel: the same closing without taking anything; ends with 0.

private:
    void OpenPreview() override {
        if (!view().IsOpen()) OpenView(ViewMode::Narration);
        Refresh(true);
    }
    // The chosen text, whole (nothing when none is chosen).
    std::optional<std::string_view> ChosenText() const {
        const int row = text_->currentIndex();
        if (row < 0 || row >= static_cast<int>(texts_.size())) return std::nullopt;
        return std::string_view(texts_[static_cast<std::size_t>(row)]);
    }
    // Shows the chosen text whole, sets the preview's overlay and shows the picture (reloaded when
    // `reloadPicture`) or hides the preview.
    void Refresh(bool reloadPicture) {
        const std::optional<std::string_view> text = ChosenText();
        const QString shown = text ? FromCp932(*text) : QString();
        if (whole_->toPlainText() != shown) whole_->setPlainText(shown);
        ImageView& v = view();
        SetNarrationPreview(v.state(), working_, text);
        if (!v.IsOpen()) return;
        if (reloadPicture || !v.IsShown()) {
            v.ShowOrHideComboImage(this, image_, show_->isChecked());
        } else {
            v.Repaint();
        }
    }
    void Leave() override {
        if (playOnSelect_) playOnSelect_->Stop();
        view().SetMode(ViewMode::None);
        view().Close();
    }

    Narration& record_;
    Narration working_;
    std::vector<std::string> texts_;

    ImageChooser* image_;
    QCheckBox* show_;
    QComboBox* bgm_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_ = nullptr;
    QComboBox* text_;
    QPlainTextEdit* whole_;
    QSpinBox* speed_;
    QSpinBox* wait_;
    QSpinBox* lastPage_;
};

}  // namespace

bool RunNarrationDialog(EditorContext& context, Narration& record, QWidget* parent) {
    return NarrationDialog(context, record, parent).exec() == QDialog::Accepted;
}

}  // namespace lw

#include "narration_dialog.moc"
