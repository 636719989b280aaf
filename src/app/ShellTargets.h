#pragma once
// Where the program's web and mail commands lead.

namespace lumora::shell {

inline constexpr char kHomePage[] = "https://lumora.example/";
inline constexpr char kSupportChat[] = "https://lumora.example/chat";
inline constexpr char kSupportMail[] = "mailto:support@lumora.example";

} // namespace lumora::shell
