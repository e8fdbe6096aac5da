#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vertanum {

// The items of a pick row. Lists that many rows show (0 to 255, 1 to 60, the consoles' loop
// list) are made once and shared by every row that shows them.
using ItemList = std::shared_ptr<const std::vector<std::string>>;

// The numbers `first` to `last` as decimal texts; one list per range for the program's life.
ItemList NumberItems(int first, int last);

// A list kept under `key` for the program's life, made by `make` the first time it is asked for.
ItemList SharedItems(const std::string& key, const std::function<std::vector<std::string>()>& make);

// A list of its own for one row.
ItemList MakeItems(std::vector<std::string> items);

}  // namespace vertanum
