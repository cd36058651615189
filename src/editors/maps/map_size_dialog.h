#pragma once
// The two size dialogs of the map editor: "ﾏｯﾌﾟ新規作成" (file name, width, height, fill chip) for
// "新規..." and "ﾏｯﾌﾟｻｲｽﾞ変更" (width, height, chip of the new cells) for "ｻｲｽﾞ変更...". OK refuses a
// file name that cannot be a map file and a size no map file can hold, with a message.

#include <QDialog>
#include <cstdint>
#include <string>

class QLineEdit;
class QPushButton;

namespace lw {

class NumberSpin;
class Services;

class MapSizeDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { New, Resize };
    MapSizeDialog(Kind kind, Services* services, std::uint32_t width, std::uint32_t height, int fillChip,
                  const QString& fileName = {}, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return name_; }  // New only (else null)
    NumberSpin* widthSpin() const { return width_; }
    NumberSpin* heightSpin() const { return height_; }
    NumberSpin* chipSpin() const { return chip_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // After OK: the file name (CP932, ".bin" added), the size and the chip.
    const std::string& fileName() const { return fileName_; }
    std::uint32_t width() const { return static_cast<std::uint32_t>(widthValue_); }
    std::uint32_t height() const { return static_cast<std::uint32_t>(heightValue_); }
    int fillChip() const { return chipValue_; }

public slots:
    void accept() override;

private:
    void Warn(const QString& text);

    Kind kind_;
    Services* services_;
    QLineEdit* name_ = nullptr;
    NumberSpin* width_;
    NumberSpin* height_;
    NumberSpin* chip_;
    QPushButton* ok_;
    QPushButton* cancel_;
    std::string fileName_;
    int widthValue_ = 0, heightValue_ = 0, chipValue_ = 0;
};

}  // namespace lw
