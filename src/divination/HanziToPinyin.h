#pragma once
// The pinyin converter: GBK text to Latin letters and digits. Chinese characters give their
// syllable's first letter (or the whole syllable), full-width ASCII its ASCII form, numerals
// of row 0xA2 decimal digits, Greek letters a transliteration; ASCII letters and digits pass,
// upper-cased. The net-name reading calls it with options 2 and maximum length 255.
//
//   QString ──GBK encoder──> bytes ──HanziToPinyin──> bytes ──GBK decoder──> QString

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumora {

// Bits of the options.
inline constexpr int kPinyinWholeSyllable = 1; // a Chinese character gives its whole syllable
inline constexpr int kPinyinMarkUnmapped = 2;  // a character without a reading gives "?"
inline constexpr int kPinyinKeepAll = 4;       // every single byte and every full-width ASCII character passes

// GBK bytes in, bytes out (ASCII letters and digits, "?" marks); options as a bit set; at most maxLength characters.
// A negative options value gives the empty result. Reads no byte outside `gbk`.
QByteArray HanziToPinyin(QByteArrayView gbk, int options, int maxLength);
// The same for text: encoded to GBK at the edge (a character GBK cannot hold counts as unmapped), decoded back.
QString HanziToPinyin(const QString& text, int options, int maxLength);
// A QByteArray converts to QString as well as to QByteArrayView; this settles on the bytes.
inline QByteArray HanziToPinyin(const QByteArray& gbk, int options, int maxLength)
{
    return HanziToPinyin(QByteArrayView(gbk), options, maxLength);
}

} // namespace lumora
