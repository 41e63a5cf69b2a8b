// The memory check of the number-entry dialogs: a learner may open them
// hundreds of times in one sitting, and no use may leave anything behind.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>

namespace lk {
class LessonWindow;
}

namespace lk::test {

enum class DialogKind { Number, NumberWithScrollBar, NumberWithChoice };

// Over a window made by make(), once it has loaded (whatever its Form_Load
// waits for), opens the dialogs of `kinds` in turn, 30 times as a warm-up and
// 300 times more, answered in turn with a typed entry, Esc and the window
// manager's close once the window system shows them.  The 300 uses must grow
// the resident memory by less than 1 MB; the figure is printed.
void ExpectDialogUsesKeepMemoryFlat(const std::function<std::unique_ptr<LessonWindow>()>& make,
                                    std::initializer_list<DialogKind> kinds = {DialogKind::Number});

}  // namespace lk::test
