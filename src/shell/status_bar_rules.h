// The main window's status bar: panel 0 (messages and hints) takes what the
// two fixed panels leave; panel 1 shows the precision, panel 2 the angle
// unit. Clicks on panels 1 and 2 change those settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zentra {

inline constexpr int kSettingPanelWidth = 80;  // panels 1 and 2
inline constexpr int kMinPrecision = 1;
inline constexpr int kMaxPrecision = 15;

inline constexpr std::string_view kUnitHint = "角度単位を Radian⇔Degree と切り替えます";
inline constexpr std::string_view kPrecisionHint = "左/右クリックで表示桁数を増/減します";

enum class StatusPanel { Message = 0, Precision = 1, Unit = 2 };
enum class MouseButton { Left, Right, Other };

int messagePanelWidth(int barWidth);

// "DEG" for 0, "RAD" otherwise.
std::string_view unitName(int radian);
std::string precisionPanelText(int precision);  // " precision 15"
std::string unitPanelText(int radian);          // " unit DEG"

// The panel under x on a bar `barWidth` wide; Message left of panel 1.
StatusPanel panelAt(int x, int barWidth, int precisionWidth = kSettingPanelWidth,
                    int unitWidth = kSettingPanelWidth);

// Which panel texts a click asks to be rewritten.
struct StatusClick {
    bool rewritePrecision = false;
    bool rewriteUnit = false;
};

// A left click on the unit panel flips the unit; a left click on the
// precision panel raises it, a right click lowers it, within 1 .. 15.
StatusClick clickStatusPanel(StatusPanel panel, MouseButton button, int& precision, int& radian);

// Hover hints in panel 0. Hints change with the panel under the mouse; after
// more than 10 changes since start-up they stop, and a move over the bar then
// only blanks panel 0 while the last hint shown was one of the two.
class StatusHints {
public:
    // The mouse moved over `panel` of the bar (over the program area counts
    // as Message). The new text for panel 0, or nothing to leave it alone.
    std::optional<std::string> moveOver(StatusPanel panel);

private:
    StatusPanel last_ = StatusPanel::Message;
    int changes_ = 0;
};

// Moves over the window's own surface, outside every child.
std::string surfaceMoveText(int x, int y);  // "mouse ON" / "mouse OUT"

}  // namespace zentra
