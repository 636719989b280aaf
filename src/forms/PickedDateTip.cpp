#include "forms/PickedDateTip.h"

#include "platform/Platform.h"

namespace lumora {

std::optional<PickedDate> checkPickedDateShowingTip(const QString& year, const QString& month, const QString& day)
{
    PickedDateCheck check = CheckPickedDate(year, month, day);
    if (const auto* complaint = std::get_if<PickedDateComplaint>(&check)) {
        platform().showTip(complaint->message);
        return std::nullopt;
    }
    return std::get<PickedDate>(std::move(check));
}

} // namespace lumora
