#include "shell/document_rules.h"

#include <algorithm>

namespace zentra {

SaveQuestion saveQuestionFor(std::string_view currentName, bool modifiedMark, bool textsDiffer) {
    if (currentName.empty()) return SaveQuestion::SaveAs;
    if (modifiedMark || textsDiffer) return SaveQuestion::Save;
    return SaveQuestion::None;
}

std::string_view saveQuestionText(SaveQuestion question) {
    switch (question) {
    case SaveQuestion::SaveAs: return kUnnamedQuestion;
    case SaveQuestion::Save: return kModifiedQuestion;
    case SaveQuestion::None: break;
    }
    return {};
}

bool runSaveQuery(SaveQuestion question, const std::function<QueryAnswer(SaveQuestion)>& ask,
                  const std::function<bool(SaveQuestion)>& save) {
    if (question == SaveQuestion::None) return true;
    switch (ask(question)) {
    case QueryAnswer::Yes: return save(question);
    case QueryAnswer::No: return true;
    case QueryAnswer::Cancel: break;
    }
    return false;
}

WindowGeometry fitOnScreens(const WindowGeometry& window, const std::vector<ScreenRect>& screens) {
    WindowGeometry fitted = window;
    int widest = 0;
    int tallest = 0;
    for (const ScreenRect& screen : screens) {
        widest = std::max(widest, screen.width);
        tallest = std::max(tallest, screen.height);
    }
    fitted.width = std::max(fitted.width, 1);
    fitted.height = std::max(fitted.height, 1);
    if (widest > 0) fitted.width = std::min(fitted.width, widest);
    if (tallest > 0) fitted.height = std::min(fitted.height, tallest);
    return keepOnScreens(fitted, screens);
}

Document clampDocument(Document document, const std::vector<ScreenRect>& screens) {
    document.precision = std::clamp(document.precision, kLowestPrecision, kHighestPrecision);
    document.radian = document.radian != 0 ? 1 : 0;
    document.loops = std::max(document.loops, 1);
    document.mainWindow = fitOnScreens(document.mainWindow, screens);
    document.parameterAreaHeight = std::clamp(document.parameterAreaHeight, 0, document.mainWindow.height);
    document.editorPanelWidth = std::clamp(document.editorPanelWidth, 0, document.mainWindow.width);
    if (document.graphWindow) document.graphWindow = fitOnScreens(*document.graphWindow, screens);
    return document;
}

}  // namespace zentra
