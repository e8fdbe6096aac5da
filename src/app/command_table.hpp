#pragma once

#include <string_view>
#include <vector>

namespace vertanum::app {

// The commands of the main window. Each has a menu item, most have a toolbar button; both share
// one picture and reach the same dispatcher.
enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    Close,
    Report,
    Exit,
    Start,
    Lpt,
    About,
    Manual,
};

// One menu item: its component name, caption, hint (empty: none), shortcut (empty: none) and the
// name of its picture among the resources (empty: none).
struct MenuItemSpec {
    Command command;
    std::string_view name;
    std::string_view caption;
    std::string_view hint;
    std::string_view shortcut;
    std::string_view icon;
    bool separator_after = false;
};

// One top-level menu and its items in order.
struct MenuSpec {
    std::string_view name;
    std::string_view caption;
    std::vector<MenuItemSpec> items;
};

// One toolbar place: a button, or a separator when `name` is empty.
struct ToolButtonSpec {
    Command command;
    std::string_view name;
    std::string_view caption;
    std::string_view hint;
    std::string_view icon;
};

const std::vector<MenuSpec>& MainMenu();
const std::vector<ToolButtonSpec>& MainToolBar();

// The command a component name stands for, or nothing for a top-level menu and anything else.
// Matches the menu item and the button of a command alike ("mnuSave", "btnSave").
bool CommandOfName(std::string_view name, Command& command);

}  // namespace vertanum::app
