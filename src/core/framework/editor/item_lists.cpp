#include "framework/editor/item_lists.hpp"

#include <map>
#include <mutex>

namespace vertanum {
namespace {

struct SharedLists {
    std::mutex mutex;
    std::map<std::string, ItemList, std::less<>> lists;
};

SharedLists& Lists() {
    static SharedLists lists;
    return lists;
}

}  // namespace

ItemList SharedItems(const std::string& key,
                     const std::function<std::vector<std::string>()>& make) {
    SharedLists& shared = Lists();
    std::lock_guard lock(shared.mutex);
    auto it = shared.lists.find(key);
    if (it != shared.lists.end()) return it->second;
    ItemList list = std::make_shared<const std::vector<std::string>>(make());
    shared.lists.emplace(key, list);
    return list;
}

ItemList NumberItems(int first, int last) {
    return SharedItems("numbers:" + std::to_string(first) + ".." + std::to_string(last), [=] {
        std::vector<std::string> items;
        if (last >= first) items.reserve(static_cast<std::size_t>(last - first + 1));
        for (int n = first; n <= last; ++n) items.push_back(std::to_string(n));
        return items;
    });
}

ItemList MakeItems(std::vector<std::string> items) {
    return std::make_shared<const std::vector<std::string>>(std::move(items));
}

}  // namespace vertanum
