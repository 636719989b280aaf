#pragma once
// How people reach the makers: the same person, numbers and address wherever the program
// names them (the About and customer-service windows, the status bar).

#include "app/ShellTargets.h"

#include <QString>

namespace lumora::contacts {

inline constexpr char16_t kMaker[] = u"Lumora 工作室";
inline constexpr char16_t kContactPerson[] = u"林晓岚";
inline constexpr char16_t kSupportQQ[] = u"800012345";
inline constexpr char16_t kServicePhone[] = u"400-000-0000";

// The support mail address, as the build set it for the mail command.
inline QString supportMail()
{
    return QString::fromUtf8(shell::kSupportMail).section(QLatin1Char(':'), 1);
}

} // namespace lumora::contacts
