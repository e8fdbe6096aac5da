#include "support/temp_folder.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <vector>

namespace vertanum::testing {

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vertanum-test-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
    root_ = buf.data();
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(root_, ec);
}

std::string TempFolder::Path(const std::string& name) const {
    return name.empty() ? root_ : root_ + "/" + name;
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
    out << bytes;
    return Path(name);
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool TempFolder::Exists(const std::string& name) const {
    return std::filesystem::exists(Path(name));
}

std::string TempFolder::Listing() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(root_)) {
        names.insert(e.path().filename().string());
    }
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : " ") + n;
    return out;
}

}  // namespace vertanum::testing
