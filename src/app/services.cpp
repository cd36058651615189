#include "app/services.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>

#include "core/project/project.h"
#include "core/text/cp932.h"

namespace lw {

void Services::Inform(QWidget* owner, const QString& text) {
    Message m;
    m.text = text;
    ShowMessage(owner, m);
}

MessageAnswer QtServices::ShowMessage(QWidget* owner, const Message& message) {
    QMessageBox box(owner);
    box.setWindowTitle(message.caption);
    box.setText(message.text);
    switch (message.icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (message.buttons == MessageButtons::UpdateKeepCancel) {
        QPushButton* update = box.addButton(QObject::tr("参照を更新"), QMessageBox::AcceptRole);
        QPushButton* keep = box.addButton(QObject::tr("そのまま"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QObject::tr("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
        QPushButton* usages = box.addButton(QObject::tr("使用箇所..."), QMessageBox::ActionRole);
        box.setDefaultButton(update);
        box.setEscapeButton(cancel);
        box.exec();
        QAbstractButton* clicked = box.clickedButton();
        if (clicked == update) return MessageAnswer::Update;
        if (clicked == keep) return MessageAnswer::Keep;
        if (clicked == usages) return MessageAnswer::Usages;
        return MessageAnswer::Cancel;
    }
    if (message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesNoYesToAll) {
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
        if (message.buttons == MessageButtons::YesNoYesToAll) buttons |= QMessageBox::YesToAll;
        box.setStandardButtons(buttons);
        if (message.buttons == MessageButtons::YesNoYesToAll) {
            box.button(QMessageBox::Yes)->setText(QObject::tr("はい"));
            box.button(QMessageBox::No)->setText(QObject::tr("いいえ"));
            box.button(QMessageBox::YesToAll)->setText(QObject::tr("すべてはい"));
        }
        box.setDefaultButton(message.defaultAnswer == MessageAnswer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    int r = box.exec();
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (r == QMessageBox::YesToAll) return MessageAnswer::YesToAll;
    return r == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<QString> QtServices::ChooseFolder(QWidget* owner, const QString& title, const QString& initial) {
    QFileDialog dialog(owner, title, initial);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (!initial.isEmpty()) dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

void SetOpenFileFilters(QFileDialog& dialog, const QStringList& filters) {
    // Each filter is shown exactly as given. What it matches is given again after it, in
    // parentheses that the dialog hides: there "*.*" becomes "*", since on this system "*.*"
    // would leave out the names without a dot.
    QStringList shown;
    static const QRegularExpression patterns(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    for (const QString& filter : filters) {
        const QRegularExpressionMatch m = patterns.match(filter);
        QString matched = m.hasMatch() ? m.captured(1) : filter;
        QStringList each = matched.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString& p : each) {
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        }
        shown << filter + QStringLiteral(" (") + each.join(QLatin1Char(' ')) + QStringLiteral(")");
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(shown);
    if (!shown.isEmpty()) dialog.selectNameFilter(shown.first());
}

std::optional<QString> QtServices::ChooseOpenFile(QWidget* owner, const QStringList& filters) {
    QFileDialog dialog(owner);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    SetOpenFileFilters(dialog, filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

bool QtServices::MoveToTrash(const QString& path) {
    return MoveFileToTrash(std::filesystem::path(path.toStdString()), UserDataHome());
}

QtServices::QtServices() = default;
QtServices::~QtServices() = default;

bool QtServices::ShowProgress(QWidget* owner, int done, int total, const QString& file, bool atOnce) {
    if (!progress_) {
        progress_ = std::make_unique<QProgressDialog>(owner);
        progress_->setWindowTitle(QStringLiteral("Lorewright"));
        progress_->setCancelButtonText(QObject::tr("ｷｬﾝｾﾙ"));
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->setMinimumDuration(atOnce ? 0 : 500);
        if (!atOnce) progress_->setCancelButton(nullptr);
        progress_->setAccessibleName(QObject::tr("進行状況"));
    }
    progress_->setMaximum(total);
    progress_->setLabelText(QObject::tr("%1 / %2 ファイル\n%3").arg(done).arg(total).arg(file));
    progress_->setValue(done);  // a modal progress dialog lets the author press Cancel here
    return !progress_->wasCanceled();
}

void QtServices::EndProgress() { progress_.reset(); }

bool DialogSaveUi::ConfirmOverwrite(std::string_view displayPath) {
    Message m;
    m.text = QObject::tr("同名のファイルが存在しますが、上書きしますか？");
    m.caption = FromCp932(displayPath);
    m.buttons = MessageButtons::YesNo;
    m.defaultAnswer = MessageAnswer::Yes;
    return services_.ShowMessage(owner_, m) == MessageAnswer::Yes;
}

void DialogSaveUi::WritingTogether(std::span<const std::string> displayPaths) {
    together_.clear();
    for (const std::string& p : displayPaths) together_ << FromCp932(p);
}

OverwriteAnswer DialogSaveUi::ConfirmOverwriteOfMany(std::string_view displayPath) {
    Message m;
    m.text = QObject::tr("同名のファイルが存在しますが、上書きしますか？");
    if (!together_.isEmpty()) {
        // Files written together: the first question names them all (the first ones of a long set).
        constexpr qsizetype kNamed = 12;
        m.text += QStringLiteral("\n\n") + QObject::tr("次のファイルをまとめて書き換えます:") + QStringLiteral("\n") +
                  QStringList(together_.mid(0, kNamed)).join(QStringLiteral("\n"));
        if (together_.size() > kNamed) m.text += QStringLiteral("\n") + QObject::tr("ほか %1 ファイル").arg(together_.size() - kNamed);
        together_.clear();
    }
    m.caption = FromCp932(displayPath);
    m.buttons = MessageButtons::YesNoYesToAll;
    m.defaultAnswer = MessageAnswer::Yes;
    switch (services_.ShowMessage(owner_, m)) {
    case MessageAnswer::YesToAll: return OverwriteAnswer::YesToAll;
    case MessageAnswer::Yes: return OverwriteAnswer::Yes;
    default: return OverwriteAnswer::No;
    }
}

void DialogSaveUi::OutsideProject(std::string_view displayPath) {
    failed_ = true;
    Message m;
    m.text = QObject::tr("%1 はプロジェクトのフォルダーの外を指しているため、保存しません。").arg(FromCp932(displayPath));
    m.icon = MessageIcon::Error;
    services_.ShowMessage(owner_, m);
}

bool DialogSaveUi::Preparing(std::size_t done, std::size_t total, std::string_view displayPath) {
    if (total <= kProgressFileCount) return true;
    progressShown_ = true;
    return services_.ShowProgress(owner_, static_cast<int>(done), static_cast<int>(total), FromCp932(displayPath),
                                  true);
}

void DialogSaveUi::Finished() {
    if (progressShown_) services_.EndProgress();
    progressShown_ = false;
    together_.clear();  // a save that asked nothing leaves no names to the next one
}

void DialogSaveUi::CannotCreate() {
    failed_ = true;
    Message m;
    m.text = QObject::tr("ファイルを作成できません");
    m.icon = MessageIcon::Error;
    services_.ShowMessage(owner_, m);
}

bool MoveDataFileToRecycleBin(Services& services, const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    return services.MoveToTrash(QString::fromStdString(path.string()));
}

QString FromCp932(std::string_view bytes) { return QString::fromStdString(Cp932ToUtf8Lossy(bytes)); }

std::optional<std::string> ToCp932(const QString& text) { return Utf8ToCp932(text.toStdString()); }

}  // namespace lw
