#include "editors/settings/title_screen_editor.h"
#include "audio/play_selection.h"
#include "app/language.h"
#include "core/text/ui_text.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QVBoxLayout>

// The background table names a member `slots`, which Qt's keyword macro of that name would swallow.
#include "core/media/image_lists.h"
#include "core/settings/title_screen.h"

#include "app/editor_context.h"
#include "app/services.h"
#include "audio/music_player.h"
#include "core/tagfile/record_format.h"
#include "previews/image_view.h"
#include "widgets/audio_glue.h"
#include "widgets/cp932_validator.h"
#include "widgets/image_chooser.h"
#include "widgets/kept_value.h"
#include "widgets/number_spin.h"
#include "widgets/play_on_select.h"
#include "widgets/preview_box.h"
#include "widgets/preview_step_dialog.h"
#include "widgets/read_guard.h"

namespace lw {

namespace {

// The title screen's number fields: the arrows step within one range while a typed number is taken
// whatever it is and clamped to another (the size steps 8..100 but 3 typed stores 5).
NumberSpin* TitleSpin(int clampMin, int clampMax, int stepMin, int stepMax, QWidget* parent) {
    auto* spin = new NumberSpin(parent, clampMin, clampMax);
    spin->SetStepRange(stepMin, stepMax);
    spin->TakeTypingAtOnce();
    spin->setMinimumWidth(64);
    return spin;
}

// The menu the preview draws over the title background: position, spacing, size, the colours of
// the first entry shown and of the others, and which slots are shown with which text.
TitleMenuOverlay TitleMenuOverlayFor(const TitleScreen& title) {
    TitleMenuOverlay menu;
    menu.x = title.x;
    menu.y = title.y;
    menu.lineHeight = title.entryHeight;
    menu.fontHeight = title.fontSize;
    menu.firstText = title.colours[kTitleSelected];
    menu.firstShadow = title.colours[kTitleSelectedShadow];
    menu.otherText = title.colours[kTitleUnselected];
    menu.otherShadow = title.colours[kTitleUnselectedShadow];
    for (std::size_t i = 0; i < menu.items.size() && i < title.entries.size(); ++i) {
        menu.items[i].shown = title.entries[i].slot;
        menu.items[i].text = title.entries[i].text;
    }
    return menu;
}

const char* const kRowLabels[kTitleEditorRows] = {LW_UI_TEXT("lw", "序章"), LW_UI_TEXT("lw", "ｽﾀｰﾄ"), LW_UI_TEXT("lw", "ﾛｰﾄﾞ"),
                                               LW_UI_TEXT("lw", "終了")};
const char* const kColourGroups[4] = {LW_UI_TEXT("lw", "選択色"), LW_UI_TEXT("lw", "選択影色"), LW_UI_TEXT("lw", "未選択色"),
                                  LW_UI_TEXT("lw", "未選択影色")};
const char* const kComponents[3] = {LW_UI_TEXT("lw", "赤"), LW_UI_TEXT("lw", "緑"), LW_UI_TEXT("lw", "青")};

int& Component(Rgb& c, int component) { return component == 0 ? c.red : component == 1 ? c.green : c.blue; }

class TitleScreenEditor : public PreviewStepDialog {
    Q_DECLARE_TR_FUNCTIONS(lw::TitleScreenEditor)
public:
    TitleScreenEditor(EditorContext& context, QWidget* parent) : PreviewStepDialog(context, parent) {
        setWindowTitle(tr("ﾀｲﾄﾙ画面"));
        auto* layout = new QVBoxLayout(this);

        // Background and music.
        auto* media = new QGridLayout();
        background_ = new ImageChooser(this);  // 20 characters wide
        showImage_ = NewPreviewBox(tr("画像表示"), this);
        bgm_ = new QComboBox(this);
        FitChoice(bgm_, 20);
        play_ = NewPreviewBox(tr("BGM再生"), this);
        media->addWidget(new QLabel(tr("背景画像"), this), 0, 0);
        media->addWidget(background_, 0, 1);
        media->addWidget(showImage_, 0, 2);
        media->addWidget(new QLabel(QStringLiteral("BGM"), this), 1, 0);
        media->addWidget(bgm_, 1, 1);
        media->addWidget(play_, 1, 2);
        media->setColumnStretch(1, 1);
        layout->addLayout(media);

        // The four menu entries.
        auto* entries = new QGroupBox(tr("ﾒﾆｭｰ項目"), this);
        auto* entryGrid = new QGridLayout(entries);
        for (int row = 0; row < kTitleEditorRows; ++row) {
            auto* text = new QLineEdit(entries);
            LimitToCp932(text, static_cast<int>(kTitleEntryTextBytes));
            text->setMinimumWidth(200);
            auto* off = new QCheckBox(tr("無効"), entries);
            entryGrid->addWidget(new QLabel(CoreText(kRowLabels[row]), entries), row, 0);
            entryGrid->addWidget(text, row, 1);
            entryGrid->addWidget(off, row, 2);
            texts_[static_cast<std::size_t>(row)] = text;
            offs_[static_cast<std::size_t>(row)] = off;
        }
        entryGrid->setColumnStretch(1, 1);
        layout->addWidget(entries);

        // Where and how large the menu is drawn.
        auto* placement = new QGroupBox(tr("ﾒﾆｭｰ表示"), this);
        auto* placementRow = new QHBoxLayout(placement);
        auto member = [](int TitleScreen::*m) { return [m](TitleScreen& t) -> int& { return t.*m; }; };
        numbers_ = {{TitleSpin(0, kTitleXMax, 0, 320, placement), member(&TitleScreen::x), &ClampTitleX},
                    {TitleSpin(0, kTitleYMax, 0, 240, placement), member(&TitleScreen::y), &ClampTitleY},
                    {TitleSpin(5, 255, 8, 100, placement), member(&TitleScreen::fontSize), &ClampTitleFontSize},
                    {TitleSpin(0, 255, 0, 240, placement), member(&TitleScreen::entryHeight), &ClampTitleSpacing}};
        const QString placed[] = {QStringLiteral("X"), QStringLiteral("Y"), tr("ｻｲｽﾞ"), tr("高さ間隔")};
        for (std::size_t i = 0; i < std::size(placed); ++i) {
            placementRow->addWidget(new QLabel(placed[i], placement));
            placementRow->addWidget(numbers_[i].spin);
        }
        placementRow->addStretch(1);
        layout->addWidget(placement);

        // The four colours.
        auto* colourRow = new QHBoxLayout();
        for (int c = 0; c < 4; ++c) {
            auto* group = new QGroupBox(CoreText(kColourGroups[c]), this);
            auto* grid = new QGridLayout(group);
            for (int k = 0; k < 3; ++k) {
                auto* spin = TitleSpin(0, 255, 0, 255, group);
                grid->addWidget(new QLabel(CoreText(kComponents[k]), group), k, 0);
                grid->addWidget(spin, k, 1);
                const auto colour = static_cast<std::size_t>(c);
                numbers_.push_back(
                    {spin, [colour, k](TitleScreen& t) -> int& { return Component(t.colours[colour], k); }, &ClampTitleColour});
            }
            colourRow->addWidget(group);
        }
        layout->addLayout(colourRow);

        auto* buttons = new QHBoxLayout();
        AddButtons(buttons);
        layout->addLayout(buttons);

        // The files: the background table, the record, the music list and the image folder.
        backRead_ = LoadImageTable(context_.project, ImageTableKind::Back, backTable_);
        titleRead_ = LoadTitleScreen(context_.project, title_);
        background_->Fill(context_.project);
        LoadAudioListIntoCombo(bgm_, context_.project, AudioList::Bgm, true);
        playOnSelect_ = new PlayOnSelect(bgm_, play_, context_, AudioKind::Bgm);

        ApplyTitleEditorFlags(title_);
        ShowRecord();
        showImage_->setChecked(true);
        playOnSelect_->Reset();

        // Every change goes into the record at once and redraws the preview.
        for (int row = 0; row < kTitleEditorRows; ++row) {
            QLineEdit* text = texts_[static_cast<std::size_t>(row)];
            connect(text, &QLineEdit::textChanged, this, [this, row, text] {
                SetTitleEntryText(title_, row, TextValue(text));
                UpdatePreview();
            });
            connect(offs_[static_cast<std::size_t>(row)], &QCheckBox::toggled, this, [this, row](bool off) {
                SetTitleEntryOn(title_, row, !off);
                EnableRows();
                UpdatePreview();
            });
        }
        for (const NumberField& field : numbers_) {
            connect(field.spin, &QSpinBox::valueChanged, this, [this, field](int value) {
                field.value(title_) = field.clamp(value);
                UpdatePreview();
            });
        }
        connect(background_, &QComboBox::currentIndexChanged, this, [this] { ShowBackground(); });
        connect(showImage_, &QCheckBox::toggled, this, [this] { ShowBackground(); });
    }

    // How reading title.txt and image_back.txt went; an unreadable file is never saved over.
    ReadStatus loadStatus() const { return titleRead_; }
    ReadStatus backLoadStatus() const { return backRead_; }

private:
    void ShowRecord() {
        // The controls show the record whatever its entry count: a title whose entries are all off
        // shows them off. Values outside a field's range show as its nearest end and stay as read
        // until the field is changed.
        for (int row = 0; row < kTitleEditorRows; ++row) {
            const TitleEntry& entry = title_.entries[static_cast<std::size_t>(row)];
            const bool on = TitleEntryOn(title_, row);
            QLineEdit* text = texts_[static_cast<std::size_t>(row)];
            // An entry that is off keeps its text (greyed) for when it is switched on again.
            {
                QSignalBlocker blockText(text);
                LoadText(text, entry.text);
            }
            QSignalBlocker block(offs_[static_cast<std::size_t>(row)]);
            offs_[static_cast<std::size_t>(row)]->setChecked(!on);
        }
        EnableRows();
        for (const NumberField& field : numbers_) {
            QSignalBlocker block(field.spin);
            LoadSpin(field.spin, field.value(title_));
        }
        {
            QSignalBlocker block(background_);
            background_->LoadName(backTable_.entries[kTitleBackgroundSlot].fileName);
        }
        {
            QSignalBlocker block(bgm_);
            LoadComboIndex(bgm_, title_.bgm + 1);
        }
    }
    void EnableRows() {
        for (int row = 0; row < kTitleEditorRows; ++row)
            texts_[static_cast<std::size_t>(row)]->setEnabled(!offs_[static_cast<std::size_t>(row)]->isChecked());
    }
    void OpenPreview() override {
        OpenView(ViewMode::TitleMenu);
        UpdatePreview();
        ShowBackground();
    }
    void UpdatePreview() {
        ImageView& v = view();
        v.state().titleMenu = TitleMenuOverlayFor(title_);
        v.Repaint();
    }
    void ShowBackground() {
        ImageView& v = view();
        if (!v.IsOpen()) return;
        v.state().titleMenu = TitleMenuOverlayFor(title_);
        v.ShowOrHideComboImage(this, background_, showImage_->isChecked());
    }
    void Leave() override {
        playOnSelect_->Stop();
        view().Close();
        view().SetMode(ViewMode::None);
    }
    void accept() override {
        // Entry texts are read back up to their first blank: refuse one rather than lose its end.
        for (int row = 0; row < kTitleEditorRows; ++row) {
            if (!TitleEntryOn(title_, row)) continue;
            if (CheckTokenField(title_.entries[static_cast<std::size_t>(row)].text) == FieldProblem::HasBlank) {
                Inform(context_, this, tr("「%1」の名前に空白は使えません").arg(CoreText(kRowLabels[row])));
                texts_[static_cast<std::size_t>(row)]->setFocus();
                return;
            }
        }
        view().Close();
        playOnSelect_->Stop();
        if (context_.services) {
            DialogSaveUi ui(*context_.services, this);
            const std::string chosen = background_->ChosenName();
            if (background_->currentIndex() >= 0 && backRead_ != ReadStatus::Unreadable) {
                // The same picture chosen again keeps the slot's drawing values.
                if (chosen != backTable_.entries[kTitleBackgroundSlot].fileName) SetTitleBackground(backTable_, chosen);
                SaveImageTable(context_.project, ImageTableKind::Back, backTable_, ui);
            }
            // "なし" is row 0; a music index the list does not hold stays as read until another is chosen.
            if (const int row = ComboIndexValue(bgm_); row >= 0) title_.bgm = row - 1;
            if (titleRead_ != ReadStatus::Unreadable) SaveTitleScreen(context_.project, title_, ui);
            // Something could not be written: the editor stays open with the author's work.
            if (ui.failed()) return;
        }
        view().SetMode(ViewMode::None);
        done(QDialog::Accepted);
    }

    TitleScreen title_;
    ImageTable backTable_;
    ReadStatus titleRead_ = ReadStatus::Missing;
    ReadStatus backRead_ = ReadStatus::Missing;

    std::array<QLineEdit*, kTitleEditorRows> texts_{};
    std::array<QCheckBox*, kTitleEditorRows> offs_{};
    // Each number field with the value of the record it shows and sets, clamped as stored.
    struct NumberField {
        NumberSpin* spin;
        std::function<int&(TitleScreen&)> value;
        int (*clamp)(long long);
    };
    std::vector<NumberField> numbers_;
    ImageChooser* background_;
    QCheckBox* showImage_;
    QComboBox* bgm_;
    QCheckBox* play_;
    PlayOnSelect* playOnSelect_;
};

}  // namespace

int RunTitleScreenEditor(EditorContext& context, QWidget* parent) {
    TitleScreenEditor editor(context, parent);
    if (ReportUnreadable(context, parent, kTitleFile, editor.loadStatus())) return QDialog::Rejected;
    ReportUnreadable(context, parent, FormatOf(ImageTableKind::Back).fileName, editor.backLoadStatus());
    return editor.exec();
}

}  // namespace lw
