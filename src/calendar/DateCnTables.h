#pragma once
// The two constant tables behind DateCn, one lookup each. Callers keep the year within
// kFirstTableYear..kLastTableYear and the month within 1..12.

#include <cstdint>

namespace lumora::detail {

constexpr int kFirstTableYear = 1901;
constexpr int kLastTableYear = 2050;

// The year's packed lunar record (layout beside the table).
std::uint32_t LunarYearRecord(int year);

// The month's two solar-term days, packed: high nibble 15 − first day, low nibble second
// day − 15.
std::uint8_t SolarTermByte(int year, int month);

} // namespace lumora::detail
