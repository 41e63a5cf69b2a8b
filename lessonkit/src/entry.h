// Asking for a number where Esc ends the lesson: the timer-driven lessons
// end the program from their entry dialog.
#pragma once

#include "dialogs.h"

namespace lk {

// Opens the number-entry dialog modally and returns the entered text.  When
// the dialog is cancelled (Esc, "キャンセル", or closed through the window
// manager) the program ends and the call does not return: it throws
// ProgramEnded, which the event handler that started the step catches.
QString StrInputOrEnd(LessonWindow& owner, const NumEntry& entry);

}  // namespace lk
