// Forward branches: placeholders in the code text and their fix-up.
#pragma once

#include "front/compiler.h"

namespace zentra {

struct Label {
    int textPosition = 0;  // 1-based index of the first placeholder digit; 0 = end mark
    int wordCount = 0;     // the word count after the branch item was counted
};

// Appends "@000" or "%000", counts it and returns its label.
Label appendBranchPlaceholder(Compiler& compiler, char letter);

// Writes the distance to the next word (+ adjustment) into the placeholder;
// 2048 or more reports error 773.
void fixBranch(Compiler& compiler, const Label& label, int adjustment);

}  // namespace zentra
