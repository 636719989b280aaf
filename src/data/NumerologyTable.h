#pragma once
// The constant table behind numberinfostr: 81 readings, each a summary, a verdict and one of
// nine personality types. The reading's text is put together in Numerology.cpp.

#include <QStringView>

namespace lumora {

inline constexpr int kNumerologyEntryCount = 81;
inline constexpr int kPersonalityTypeCount = 9;

// 吉, 凶, 吉带凶, 凶带吉.
enum class NumerologyVerdict : unsigned char { Good, Bad, GoodWithBad, BadWithGood };

struct NumerologyEntry {
    QStringView summary; // four phrases joined by "，"
    NumerologyVerdict verdict;
    int type; // 0..kPersonalityTypeCount - 1
};

struct PersonalityType {
    QStringView name; // e.g. 做事喜好凭直觉型
    QStringView description;
};

// index 0..kNumerologyEntryCount - 1.
const NumerologyEntry& numerologyEntry(int index);
// index 0..kPersonalityTypeCount - 1.
const PersonalityType& personalityType(int index);
QStringView verdictText(NumerologyVerdict verdict);
// The reading of a number whose remainder is negative; it holds no "|".
QStringView numerologyFallbackText();

} // namespace lumora
