#pragma once

#include <string>
#include <string_view>

namespace vertanum::app {

inline constexpr const char* kApplicationTitle = "Вертанум";

// The file filter of the open and save dialogs, in the pairs "description|pattern".
inline constexpr const char* kDocumentFilter = "Файлы вертанума qcf|*.qcf|Все файлы *.*|*.*";
inline constexpr const char* kDocumentExtension = "qcf";

// The main window's caption: the application title alone without a document; with one, the title,
// ". ", the model's caption, ". " and the file's full path (nothing after ". " for a new
// document).
std::string WindowTitle(bool document_open, std::string_view caption, bool has_file,
                        std::string_view file_name);

// The last part of a path: the file name without its folder.
std::string FileNameOnly(std::string_view path);

// "Файл с именем "NAME" уже существует.\rЗаменить?"
std::string OverwritePrompt(std::string_view path);

// "Сохранить данные из " + caption.
std::string SavePrompt(std::string_view caption);

// "Файл " + path + " поврежден.\rЗагрузка невозможна."
std::string DamagedFileMessage(std::string_view path);

// A filter in "description|pattern|description|pattern" form as Qt's file dialogs take it:
// "description (patterns);;…"; "*.*" means every file.
std::string QtFileFilter(std::string_view pairs);

}  // namespace vertanum::app
