#pragma once
// The personality of an on-line nickname: the name's pinyin initials, digits turned into
// letters, and the last letter's trait.
//
//   name ──HanziToPinyin (options 2)──> "WXM" ──digits to letters──> last letter ──> trait

#include <QString>

namespace lumora {

// The trait of a name; empty when no letter decides (an empty name, or one whose converted
// text is empty or ends in "?").
QString NetNameTrait(const QString& name);

// The name as the window's box shows it: Latin letters in upper case, the rest as typed.
QString upperCaseLatin(QString name);

} // namespace lumora
