#include "cli_support.hpp"

#include <iostream>

#include "config/file_io.hpp"
#include "framework/document_files.hpp"

namespace vertanum::cli {

MessageAnswer TerminalMessages::Show(const MessageBox& box) {
    const char* prefix = box.icon == MessageIcon::Error     ? "ошибка: "
                         : box.icon == MessageIcon::Warning ? "внимание: "
                                                            : "";
    std::cerr << prefix << MessageLines(box.text) << "\n";
    return box.default_answer;
}

Arguments::Arguments(const std::vector<std::string>& args, const std::set<std::string>& valued,
                     const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (valued.count(a)) {
            if (i + 1 >= args.size()) {
                error_ = "параметру " + a + " нужно значение";
                return;
            }
            if (present_.count(a)) {
                error_ = "параметр " + a + " указан дважды";
                return;
            }
            values_[a] = args[++i];
            present_.insert(a);
        } else if (flags.count(a)) {
            present_.insert(a);
        } else if (a.size() > 1 && a[0] == '-') {
            error_ = "неизвестный параметр " + a;
            return;
        } else {
            positional_.push_back(a);
        }
    }
}

std::optional<std::string> Arguments::value(const std::string& option) const {
    auto it = values_.find(option);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

int UsageError(const std::string& text) {
    std::cerr << "vertanum-cli: " << text << "\n";
    return kExitUsage;
}

std::unique_ptr<Session> OpenDocument(const std::optional<std::string>& file,
                                      const std::optional<std::string>& new_model) {
    auto session = std::make_unique<Session>();
    session->registry.BuildDeviceRegistry();
    if (new_model) {
        session->position = session->registry.Find(*new_model);
        if (session->position < 0) {
            std::cerr << "vertanum-cli: нет такой модели: " << *new_model
                      << " (список: vertanum-cli models)\n";
            return nullptr;
        }
    } else {
        if (!config::FileExists(*file)) {
            std::cerr << "vertanum-cli: файл " << *file << " не найден\n";
            return nullptr;
        }
        session->position = session->registry.GetTypeDevicesOfFile(*file);
        if (session->position < 0) {
            std::cerr << "vertanum-cli: файл " << *file
                      << " не относится ни к одной модели устройства (ключ Type)\n";
            return nullptr;
        }
    }
    session->model = session->registry.At(session->position);
    if (file) session->model->FileName = *file;
    std::int32_t result = session->model->LoadFactoryImage();
    if (result >= 0 && session->model->HasFile()) result = session->model->LoadConfig();
    if (result < 0) {
        session->messages.Error("Файл " + session->model->FileName + " поврежден.\r" +
                                "Загрузка невозможна.");
        return nullptr;
    }
    return session;
}

std::unique_ptr<Session> OpenDocument(const Arguments& args, int* exit_code) {
    const auto new_model = args.value("--new");
    if (new_model.has_value() == (args.positional().size() == 1) || args.positional().size() > 1) {
        *exit_code = UsageError("укажите либо FILE, либо --new MODEL");
        return nullptr;
    }
    std::optional<std::string> file;
    if (!new_model) file = args.positional()[0];
    auto session = OpenDocument(file, new_model);
    if (!session) *exit_code = kExitFailed;
    return session;
}

bool SaveDocument(Session& session, const std::string& target) {
    TDevices& model = *session.model;
    const bool over_own_file = model.HasFile() && target == model.FileName;
    bool moved = false;
    if (config::FileExists(target)) {
        if (over_own_file) {
            if (!CopyToBackup(target, session.messages)) return false;
        } else {
            moved = MoveToBackup(target, session.messages);
        }
    }
    const std::string previous = model.FileName;
    model.FileName = target;
    if (model.SaveConfig() < 0) {
        if (moved) RestoreFromBackup(target);
        model.FileName = previous;
        return false;
    }
    model.Modified = false;
    return true;
}

std::optional<unsigned long> ParseAddress(const std::string& text) {
    if (text.empty()) return std::nullopt;
    std::size_t used = 0;
    try {
        const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
        if (text[0] == '-' || text[0] == '+') return std::nullopt;
        unsigned long v = std::stoul(hex ? text.substr(2) : text, &used, hex ? 16 : 10);
        if (used != (hex ? text.size() - 2 : text.size())) return std::nullopt;
        return v;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace vertanum::cli
