#include "entry.h"

#include "program.h"

namespace lk {

QString StrInputOrEnd(LessonWindow& owner, const NumEntry& entry) {
  const QString text = StrInput(owner, entry);
  if (LastKey == key::Esc) {
    owner.Form_Unload();
    CheckEnd();
  }
  return text;
}

}  // namespace lk
