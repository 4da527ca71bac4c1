// Fonts of the text areas. The Windows fonts the settings name are used
// when installed; otherwise their metric-compatible IPA stand-ins are. The
// name the user chose is kept as it is, so settings move between machines.
#pragma once

#include <QFont>
#include <string>

// Registers the stand-ins: "ＭＳ 明朝" → IPAMincho, "ＭＳ ゴシック" →
// IPAGothic, "ＭＳ Ｐゴシック" → IPAPGothic, used only where the first is missing.
void installFontStandIns();

// The text areas' font before one is chosen, and the window's own font.
QFont designedTextFont();
QFont designedWindowFont();

// The font of the settings' name and size (points). A size outside 1 .. 400
// gives the designed size; a name that no font has still gives a usable font.
QFont settingsFont(const std::string& name, int points);

// Tab stops of the editors: 4 average character widths.
qreal tabStopDistance(const QFont& font);
