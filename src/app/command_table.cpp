#include "command_table.hpp"

namespace vertanum::app {

const std::vector<MenuSpec>& MainMenu() {
    static const std::vector<MenuSpec> menu = {
        {"mnuFile",
         "Файл",
         {
             {Command::New, "mnuNew", "Новый", "Новый", "Ctrl+N", "new", true},
             {Command::Open, "mnuOpen", "Открыть", "Открыть", "Ctrl+O", "open"},
             {Command::Save, "mnuSave", "Сохранить", "Сохранить", "Ctrl+S", "save"},
             {Command::SaveAs, "mnuSaveAs", "Сохранить как", "", "", "save_as"},
             {Command::Close, "mnuClose", "Закрыть", "Закрыть", "Ctrl+Z", "close", true},
             {Command::Report, "mnuReport", "Печать параметров", "", "", "report", true},
             {Command::Exit, "mnuExit", "Выход", "Выход", "Alt+X", "exit"},
         }},
        {"mnuProgramming",
         "Программирование",
         {
             {Command::Start, "mnuStart", "Старт", "Старт программирования", "Ctrl+P", "start"},
         }},
        {"mnuSetting",
         "Настройка",
         {
             {Command::Lpt, "mnuLPT", "Конфигурация", "Конфигурация", "Ctrl+L", "lpt"},
         }},
        {"mnuInformation",
         "Справка",
         {
             {Command::About, "mnuAbout", "О программе", "О программе", "Ctrl+A", "about", true},
             {Command::Manual, "mnuManual", "Описание программы", "Описание программы", "Ctrl+H",
              "manual"},
         }},
    };
    return menu;
}

const std::vector<ToolButtonSpec>& MainToolBar() {
    static const std::vector<ToolButtonSpec> bar = {
        {Command::New, "btnNew", "Новый", "Новый", "new"},
        {Command::New, "", "", "", ""},
        {Command::Open, "btnOpen", "Открыть", "Открыть", "open"},
        {Command::Save, "btnSave", "Сохранить", "Сохранить", "save"},
        {Command::Close, "btnClose", "Закрыть", "Закрыть", "close"},
        {Command::New, "", "", "", ""},
        {Command::Exit, "btnExit", "Выход", "Выход", "exit"},
        {Command::New, "", "", "", ""},
        {Command::New, "", "", "", ""},
        {Command::Start, "btnStart", "Старт", "Старт программирования", "start"},
        {Command::New, "", "", "", ""},
        {Command::New, "", "", "", ""},
        {Command::Lpt, "btnLPT", "LPT порт", "Конфигурация", "lpt"},
        {Command::New, "", "", "", ""},
        {Command::New, "", "", "", ""},
        {Command::About, "btnAbout", "О программе", "О программе", "about"},
        {Command::Manual, "btnManual", "Описание программы", "Описание программы", "manual"},
        {Command::New, "", "", "", ""},
        {Command::Report, "btnReport", "", "Печать параметров", "report"},
    };
    return bar;
}

bool CommandOfName(std::string_view name, Command& command) {
    for (const MenuSpec& menu : MainMenu()) {
        for (const MenuItemSpec& item : menu.items) {
            if (item.name == name) {
                command = item.command;
                return true;
            }
        }
    }
    for (const ToolButtonSpec& button : MainToolBar()) {
        if (!button.name.empty() && button.name == name) {
            command = button.command;
            return true;
        }
    }
    return false;
}

}  // namespace vertanum::app
