#pragma once
// The two constant tables behind DateCn, one lookup each. Callers keep the year within
// kFirstCnYear..kLastCnYear and the month within 1..12.

#include "calendar/DateCn.h"

#include <cstdint>

namespace lumora::detail {

// The year's packed lunar record (layout beside the table).
std::uint32_t lunarYearRecord(int year);

// The month's two solar-term days, packed: high nibble 15 − first day, low nibble second
// day − 15.
std::uint8_t solarTermByte(int year, int month);

} // namespace lumora::detail
