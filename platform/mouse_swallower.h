#pragma once
// Eats the mouse press that is being delivered right now, and the release of
// the same gesture: used when that press moved the focus out of an edit whose
// check failed, so that the button clicked does not also act.

namespace platform {

void swallowCurrentMousePress();

}  // namespace platform
