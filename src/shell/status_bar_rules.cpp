#include "shell/status_bar_rules.h"

#include <algorithm>

namespace zentra {

int messagePanelWidth(int barWidth) { return std::max(0, barWidth - 2 * kSettingPanelWidth); }

std::string_view unitName(int radian) { return radian == 0 ? "DEG" : "RAD"; }

std::string precisionPanelText(int precision) { return " precision " + std::to_string(precision); }

std::string unitPanelText(int radian) { return " unit " + std::string(unitName(radian)); }

StatusPanel panelAt(int x, int barWidth, int precisionWidth, int unitWidth) {
    const long long unitLeft = static_cast<long long>(barWidth) - unitWidth;
    if (x > unitLeft) return StatusPanel::Unit;
    if (x > unitLeft - precisionWidth) return StatusPanel::Precision;
    return StatusPanel::Message;
}

StatusClick clickStatusPanel(StatusPanel panel, MouseButton button, int& precision, int& radian) {
    StatusClick click;
    switch (panel) {
    case StatusPanel::Unit:
        if (button == MouseButton::Left) radian = radian == 0 ? 1 : 0;
        click.rewriteUnit = true;
        break;
    case StatusPanel::Precision:
        // A step of one, then into the range: a precision a document
        // brought in from outside it comes back in (clamped first, so the
        // step cannot overflow).
        if (button == MouseButton::Left) {
            precision = std::clamp(precision, kMinPrecision - 1, kMaxPrecision - 1) + 1;
        } else if (button == MouseButton::Right) {
            precision = std::clamp(precision, kMinPrecision + 1, kMaxPrecision + 1) - 1;
        }
        click.rewritePrecision = true;
        break;
    case StatusPanel::Message:
        break;
    }
    return click;
}

std::optional<std::string> StatusHints::moveOver(StatusPanel panel) {
    constexpr int kMaxChanges = 10;
    if (changes_ > kMaxChanges) {
        if (last_ != StatusPanel::Message) return std::string();
        return std::nullopt;
    }
    if (panel == last_) return std::nullopt;
    last_ = panel;
    ++changes_;
    switch (panel) {
    case StatusPanel::Unit: return std::string(kUnitHint);
    case StatusPanel::Precision: return std::string(kPrecisionHint);
    case StatusPanel::Message: break;
    }
    return std::string();
}

std::string surfaceMoveText(int x, int y) {
    return (x > 200 && x < 300 && y > 0 && y <= 21) ? "mouse ON" : "mouse OUT";
}

}  // namespace zentra
