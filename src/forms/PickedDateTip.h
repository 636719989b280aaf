#pragma once

#include "data/uShare.h"

#include <optional>

namespace lumora {

struct DateLists;

// The window side of CheckPickedDate on a window's three lists: a complaint goes to the
// information box and nothing comes back.
std::optional<PickedDate> checkPickedDateShowingTip(const DateLists& lists);

} // namespace lumora
