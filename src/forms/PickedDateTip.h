#pragma once

#include "data/uShare.h"

#include <optional>

namespace lumora {

// The window side of CheckPickedDate: a complaint goes to the information box.
std::optional<PickedDate> checkPickedDateShowingTip(const QString& year, const QString& month, const QString& day);

} // namespace lumora
