#include "document_texts.hpp"

#include <vector>

namespace vertanum::app {

std::string WindowTitle(bool document_open, std::string_view caption, bool has_file,
                        std::string_view file_name) {
    std::string title = kApplicationTitle;
    if (!document_open) return title;
    title += ". ";
    title += caption;
    title += ". ";
    if (has_file) title += file_name;
    return title;
}

std::string FileNameOnly(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string OverwritePrompt(std::string_view path) {
    return "Файл с именем \"" + FileNameOnly(path) + "\" уже существует.\rЗаменить?";
}

std::string SavePrompt(std::string_view caption) {
    return "Сохранить данные из " + std::string(caption);
}

std::string DamagedFileMessage(std::string_view path) {
    return "Файл " + std::string(path) + " поврежден.\rЗагрузка невозможна.";
}

std::string QtFileFilter(std::string_view pairs) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto bar = pairs.find('|', start);
        parts.push_back(pairs.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    std::string filter;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (!filter.empty()) filter += ";;";
        // Qt's "*" matches a file without an extension too, as "*.*" did on Windows.
        std::string pattern(parts[i + 1]);
        for (std::size_t at; (at = pattern.find("*.*")) != std::string::npos;) {
            pattern.replace(at, 3, "*");
        }
        for (char& c : pattern) {
            if (c == ';') c = ' ';
        }
        filter += std::string(parts[i]) + " (" + pattern + ")";
    }
    return filter;
}

}  // namespace vertanum::app
