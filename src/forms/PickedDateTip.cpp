#include "forms/PickedDateTip.h"

#include "forms/DateLists.h"
#include "platform/Platform.h"

#include <QComboBox>

namespace lumora {

std::optional<PickedDate> checkPickedDateShowingTip(const DateLists& lists)
{
    PickedDateCheck check =
        CheckPickedDate(lists.year->currentText(), lists.month->currentText(), lists.day->currentText());
    if (const auto* complaint = std::get_if<PickedDateComplaint>(&check)) {
        platform().showTip(complaint->message);
        return std::nullopt;
    }
    return std::get<PickedDate>(std::move(check));
}

} // namespace lumora
