#pragma once
// Where the commands stand: the ten menus with their entries in order, the activity
// buttons of "吉日分类" and the tool buttons of "其他查询". Entries that do nothing are
// captions only; every other entry names its command.

#include "app/Commands.h"

#include <span>

namespace lumora {

struct MenuEntry {
    enum class Kind { Command, Idle, Separator, SubMenu };
    Kind kind;
    CommandId id;                            // Command
    const char16_t* caption;                 // Idle and SubMenu
    std::span<const MenuEntry> subMenu = {}; // SubMenu
};

struct MenuLayout {
    const char16_t* title; // with its access key: "系统(&S)"
    const char* name;      // objectName
    std::span<const MenuEntry> entries;
};

std::span<const MenuLayout> menuLayouts();

// "吉日分类", row by row, three to a row.
inline constexpr int kActivityColumns = 3;
std::span<const char16_t* const> activityButtonCaptions();
// The command of an activity button: the wedding search for "结婚吉日", the activity
// search for every other.
CommandId activityButtonCommand(const QString& caption);

// "其他查询", row by row, two to a row.
inline constexpr int kToolColumns = 2;
std::span<const CommandId> toolButtonCommands();

} // namespace lumora
