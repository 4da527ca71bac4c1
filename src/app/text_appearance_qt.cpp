#include "app/text_appearance_qt.h"

#include <QFontMetricsF>
#include <QStringList>

#include "shell/settings_schema.h"

namespace {

constexpr int kMaxPoints = 400;

}  // namespace

void installFontStandIns() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
}

QFont designedTextFont() { return QFont(QStringLiteral("ＭＳ 明朝"), zentra::kDefaultFontSize); }

QFont designedWindowFont() { return QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9); }

QFont settingsFont(const std::string& name, int points) {
    QFont font(QString::fromStdString(name));
    font.setPointSize(points >= 1 && points <= kMaxPoints ? points : zentra::kDefaultFontSize);
    // Where the family is unknown, the fixed-pitch gothic reads best.
    font.setFamilies(QStringList() << QString::fromStdString(name) << QStringLiteral("IPAGothic"));
    return font;
}

qreal tabStopDistance(const QFont& font) { return 4 * QFontMetricsF(font).averageCharWidth(); }
