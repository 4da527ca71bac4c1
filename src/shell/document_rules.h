// Rules of the document commands that need no window: the question asked
// before New, Open or a recent entry replaces the texts, and the values a
// loaded document may set.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "shell/document_format.h"
#include "shell/settings_schema.h"  // ScreenRect

namespace zentra {

inline constexpr std::string_view kDocumentFileExtension = "qbxsrc";
inline constexpr std::string_view kSaveQueryCaption = "警告";
inline constexpr std::string_view kUnnamedQuestion = "現在の内容は保存されていません。名前をつけて保存しますか？";
inline constexpr std::string_view kModifiedQuestion = "現在の内容は変更されています。保存しますか？";

enum class SaveQuestion {
    None,    // nothing to lose: ask nothing
    SaveAs,  // the texts have no file: kUnnamedQuestion, Yes runs Save As
    Save,    // the named document was changed: kModifiedQuestion, Yes runs Save
};

enum class QueryAnswer { Yes, No, Cancel };

// The question before the texts are replaced. A named document counts as
// changed when an editor carries its modified mark or its texts differ from
// those last loaded or saved (the edit history clears the marks as it
// records, so the marks alone miss most edits). Texts without a file are
// always asked about, also when empty.
SaveQuestion saveQuestionFor(std::string_view currentName, bool modifiedMark, bool textsDiffer);

std::string_view saveQuestionText(SaveQuestion question);

// Asks `question` (unless None) and saves on Yes. True when the command that
// asked goes on: after No, or after Yes once the save succeeded. Cancel, a
// cancelled save dialog or a failed save stop it, so nothing unsaved is
// replaced.
bool runSaveQuery(SaveQuestion question, const std::function<QueryAnswer(SaveQuestion)>& ask,
                  const std::function<bool(SaveQuestion)>& save);

// Bounds of what a document may set.
inline constexpr int kLowestPrecision = 1;
inline constexpr int kHighestPrecision = 15;

// A window place no larger than the largest screen, then moved onto the
// screens (keepOnScreens). No screens: only the size kept positive.
WindowGeometry fitOnScreens(const WindowGeometry& window, const std::vector<ScreenRect>& screens);

// The document with every value in range: precision 1 .. 15, the angle
// unit 0 or 1 (any non-zero flag means radians), loops at least 1, the
// window places on the screens, the area sizes not negative.
Document clampDocument(Document document, const std::vector<ScreenRect>& screens);

}  // namespace zentra
