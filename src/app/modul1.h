#pragma once
// The state the trainer's handlers share.

#include <cstdint>

namespace app {

// Writing mode comes on top of the three designed ones: the child types the answer.
enum Mode : int { WorkMode = 1, LearningMode = 2, QuizMode = 3, WritingMode = 4 };

struct Modul1 {
    // 1-based number of the task shown; handlers may set it to 0 or to
    // TaskCount + 1 before ShowTask, which wraps it back into range.
    std::int64_t CurrentTask = 0;
    // Not limited to 16 bits: lists of a hundred thousand tasks load too.
    std::int64_t TaskCount = 0;
    int CurrentMode = LearningMode;
};

} // namespace app
