// Forward branches: placeholder words and their fix-up once the target is known.
#pragma once

#include "front/compiler.h"

namespace zentra {

struct Label {
    int word = -1;  // index of the branch word; -1 = end mark
    ClassBase branchClass = kJumpBase;
};

// Emits a branch-if-not-positive or jump word with distance 0 and returns its label.
Label emitBranchPlaceholder(Compiler& compiler, ClassBase branchClass);

// Writes the distance to the next word (+ adjustment) into the placeholder;
// 2048 or more reports error 773.
void fixBranch(Compiler& compiler, const Label& label, int adjustment);

}  // namespace zentra
