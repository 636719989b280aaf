#pragma once
// The eighty-one numerology reading of a number text, in steps a test can reach one by one:
//
//   text ──toInt64──> n ──numerologyIndex──> 0..80 ──numerologyEntryText──> "summary|verdict|type…"
//
// numberinfostr (uShare.h) chains them and falls back to numerologyFallbackText().

#include <QString>
#include <QtGlobal>

#include <optional>

namespace lumora {

// A signed 64-bit decimal: ASCII digits with an optional leading "-", leading zeros allowed,
// nothing else (no "+", no blanks, no grouping). Throws lumora::Error naming the text when
// it is empty, holds anything else, or lies outside -2^63..2^63-1.
qint64 toInt64(const QString& text);

// The remainder of n by 81 when it is not negative; nothing for a negative remainder. The
// remainder is taken with truncating division, so -81 yields 0 and -5 nothing.
std::optional<int> numerologyIndex(qint64 n);

// "summary|verdict|主人性格类型：[type]，其具体表现为：description" for index 0..80.
QString numerologyEntryText(int index);

} // namespace lumora
