#include "render/text.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QSet>
#include <QStringList>
#include <algorithm>

#include "core/text/cp932.h"

namespace lw {

namespace {

QString FromCp932Lossy(std::string_view bytes) { return QString::fromStdString(Cp932ToUtf8Lossy(bytes)); }

// Families that carry Japanese glyphs, best first.
const QStringList& JapaneseCandidates() {
    static const QStringList candidates = {
        QStringLiteral("IPAGothic"),       QStringLiteral("IPAゴシック"),     QStringLiteral("Noto Sans Mono CJK JP"),
        QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic"),     QStringLiteral("TakaoGothic"),
        QStringLiteral("IPAPGothic"),
    };
    return candidates;
}

// A face that is not installed draws in the Japanese gothic font.
void SubstituteWhenMissing(const QString& face) {
    static QSet<QString> checked;
    if (face.isEmpty() || checked.contains(face)) return;
    checked.insert(face);
    const QString fallback = JapaneseFallbackFamily();
    if (fallback.isEmpty() || QFontDatabase::hasFamily(face)) return;
    QFont::insertSubstitution(face, fallback);
}

constexpr int kMaxOffPicture = 1 << 20;

int ClampHeight(int height) {
    if (height <= 0) return kDefaultTextHeight;
    return std::min(height, kMaxTextHeight);
}

void DrawText(QImage& target, const QRect& box, int flags, const QString& text, int height, const Rgb& colour,
              const TextFont& font, bool clip) {
    if (target.isNull() || text.isEmpty()) return;
    QPainter painter(&target);
    if (!painter.isActive()) return;
    if (clip) painter.setClipRect(box);
    painter.setFont(GameFont(font, height));
    painter.setPen(ToQColor(colour));
    painter.drawText(box, flags, text);
}

}  // namespace

QString JapaneseFallbackFamily() {
    static const QString family = [] {
        for (const QString& name : JapaneseCandidates()) {
            if (QFontDatabase::hasFamily(name)) return name;
        }
        return QString();
    }();
    return family;
}

QFont GameFont(const TextFont& font, int height) {
    const QString face = FromCp932Lossy(font.face);
    SubstituteWhenMissing(face);
    QFont f;
    f.setFamilies(QStringList{face.isEmpty() ? JapaneseFallbackFamily() : face, JapaneseFallbackFamily()});
    f.setPixelSize(ClampHeight(height));
    // 0 is "any weight": the regular one.
    f.setWeight(static_cast<QFont::Weight>(font.weight <= 0 ? 400 : std::clamp(font.weight, 100, 900)));
    f.setFixedPitch(true);
    f.setStyleHint(QFont::TypeWriter, QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    f.setKerning(false);
    return f;
}

QColor ToQColor(const Rgb& colour) { return QColor(colour.red & 0xFF, colour.green & 0xFF, colour.blue & 0xFF); }

void DrawTextAt(QImage& target, std::string_view text, int height, int x, int y, const Rgb& colour,
                const TextFont& font) {
    // One unbounded box from (x, y): the text's top-left lies there, nothing is clipped but the
    // picture's edge. Text starting past the picture's right or bottom edge, or far beyond its
    // left or top, cannot show.
    if (x >= target.width() || y >= target.height() || x < -kMaxOffPicture || y < -kMaxOffPicture) return;
    const QRect box(x, y, 1 << 20, 1 << 20);
    DrawText(target, box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, FromCp932Lossy(text), height, colour, font,
             false);
}

void DrawTextInRect(QImage& target, std::string_view text, int height, int left, int top, int right, int bottom,
                    const Rgb& colour, const TextFont& font) {
    if (right <= left || bottom <= top) return;
    QString s = FromCp932Lossy(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QRect box(QPoint(left, top), QPoint(right - 1, bottom - 1));
    DrawText(target, box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs, s, height, colour,
             font, true);
}

}  // namespace lw
