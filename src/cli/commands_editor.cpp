#include <chrono>
#include <cstdio>
#include <iostream>

#include "cli_commands.hpp"
#include "cli_support.hpp"
#include "config/file_io.hpp"
#include "framework/editor/dependency_timer.hpp"
#include "framework/editor/edit_posting.hpp"
#include "framework/editor/editor_list.hpp"
#include "report/report_rtf.hpp"
#include "report/report_text.hpp"

namespace vertanum::cli {
namespace {

// A document with its parameter editor built, as the program shows it after opening: the
// dependency rules armed by the build have run.
struct EditorSession {
    std::unique_ptr<Session> document;
    DependencyTimer timer;
    EditorList editors{&timer};
    HeadlessEditorHost host;
    TInsDevices* editor = nullptr;

    RowModel& Rows() const { return *editor->Rows(); }
    // The rules an edit armed run before the next edit, as the timer would between two edits.
    void RunPendingRules() {
        if (timer.Armed()) timer.Fire(editor->Rows());
    }
};

std::unique_ptr<EditorSession> OpenEditor(const std::optional<std::string>& file,
                                          const std::optional<std::string>& new_model) {
    auto s = std::make_unique<EditorSession>();
    s->document = OpenDocument(file, new_model);
    if (!s->document) return nullptr;
    s->editor = s->editors.At(s->document->position);
    TDevices& model = *s->document->model;
    if (!s->editor || s->editor->BuildEditor(s->host, model) < 0) {
        std::string text = "Файл " + model.FileName + " поврежден.\rЗагрузка невозможна.";
        if (s->editor && !s->editor->BuildFailure().empty()) {
            text += "\r" + s->editor->BuildFailure();
        }
        s->document->messages.Error(text);
        return nullptr;
    }
    model.Opened = true;
    s->RunPendingRules();
    return s;
}

// FILE or --new MODEL, the one way or the other.
bool DocumentOf(const Arguments& args, std::size_t file_words, std::optional<std::string>& file,
                std::optional<std::string>& new_model) {
    new_model = args.value("--new");
    if (new_model) return true;
    if (args.positional().size() < file_words || file_words == 0) return false;
    file = args.positional()[0];
    return true;
}

void AppendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    out += '"';
}

std::string RowsAsJson(const RowModel& rows) {
    std::string out = "[";
    bool first = true;
    rows.ForEach([&](const Row& row, int depth) {
        out += first ? "\n  {" : ",\n  {";
        first = false;
        out += "\"name\": ";
        AppendJsonString(out, row.Name());
        out += ", \"caption\": ";
        AppendJsonString(out, row.Caption());
        out += ", \"kind\": ";
        AppendJsonString(out, std::string(RowKindName(row.Kind())));
        out += ", \"value\": ";
        AppendJsonString(out, row.Value());
        out += ", \"depth\": " + std::to_string(depth);
        out += std::string(", \"category\": ") + (row.Category() ? "true" : "false");
        out += std::string(", \"readOnly\": ") + (row.ReadOnly() ? "true" : "false");
        out += std::string(", \"visible\": ") + (row.Visible() ? "true" : "false");
        if (row.Kind() == RowKind::Pick) {
            out += ", \"items\": [";
            bool first_item = true;
            for (const auto& item : row.Items()) {
                if (!first_item) out += ", ";
                first_item = false;
                AppendJsonString(out, item);
            }
            out += "]";
        }
        out += "}";
    });
    out += first ? "]\n" : "\n]\n";
    return out;
}

std::string RowsAsListing(const RowModel& rows) {
    std::string out;
    rows.ForEach([&](const Row& row, int depth) {
        out.append(4 * static_cast<std::size_t>(depth), ' ');
        out += row.Caption();
        if (!row.Category()) {
            out += ": ";
            if (row.Kind() == RowKind::Check) {
                out += row.Checked() ? "[X]" : "[ ]";
            } else {
                out += row.Value();
            }
        }
        out += "  [" + row.Name() + "]";
        // A heading is a read-only text row with the category mark; any other row with the mark
        // is a value row switched off.
        const bool heading = row.Kind() == RowKind::Text && row.ReadOnly();
        if (row.Category() && !heading) out += " (отключено)";
        if (row.ReadOnly() && !row.Category()) out += " (только чтение)";
        if (!row.Visible()) out += " (скрыто)";
        out += '\n';
    });
    return out;
}

bool WriteOutput(const std::optional<std::string>& path, const std::string& bytes) {
    if (!path) {
        std::cout << bytes;
        return static_cast<bool>(std::cout.flush());
    }
    config::FileError error;
    if (!config::WriteFileAtomically(*path, bytes, &error)) {
        std::cerr << "ошибка: " << error.message << "\n";
        return false;
    }
    return true;
}

}  // namespace

int RunShow(const std::vector<std::string>& raw) {
    Arguments args(raw, {"--new"}, {"--json"});
    if (!args.ok()) return UsageError("show: " + args.error());
    std::optional<std::string> file, new_model;
    if (!DocumentOf(args, 1, file, new_model) ||
        args.positional().size() != (new_model ? 0u : 1u)) {
        return UsageError("show: нужно vertanum-cli show (FILE | --new MODEL) [--json]");
    }
    auto s = OpenEditor(file, new_model);
    if (!s) return kExitFailed;
    const std::string text = args.has("--json") ? RowsAsJson(s->Rows()) : RowsAsListing(s->Rows());
    return WriteOutput(std::nullopt, text) ? kExitOk : kExitFailed;
}

int RunSet(const std::vector<std::string>& raw) {
    Arguments args(raw, {"--new", "-o"}, {});
    if (!args.ok()) return UsageError("set: " + args.error());
    std::optional<std::string> file, new_model;
    const char* usage = "set: нужно vertanum-cli set (FILE | --new MODEL) [-o OUT] NAME=VALUE…";
    if (!DocumentOf(args, 1, file, new_model)) return UsageError(usage);
    const auto out = args.value("-o");
    if (new_model && !out) return UsageError("set: для нового документа нужно -o OUT");

    std::vector<std::pair<std::string, std::string>> edits;
    const auto& words = args.positional();
    for (std::size_t i = new_model ? 0 : 1; i < words.size(); ++i) {
        const auto eq = words[i].find('=');
        if (eq == std::string::npos || eq == 0) {
            return UsageError("set: правка должна иметь вид NAME=VALUE: " + words[i]);
        }
        edits.emplace_back(words[i].substr(0, eq), words[i].substr(eq + 1));
    }
    if (edits.empty()) return UsageError(usage);

    auto s = OpenEditor(file, new_model);
    if (!s) return kExitFailed;
    TDevices& model = *s->document->model;
    for (const auto& [name, value] : edits) {
        const EditOutcome outcome = PostRowValue(*s->editor, model, name, value);
        if (!outcome.accepted) {
            std::cerr << "ошибка: " << MessageLines(outcome.message) << "\n"
                      << "vertanum-cli: правка " << name << "=" << value
                      << " отклонена; ничего не сохранено\n";
            return kExitFailed;
        }
        s->RunPendingRules();
    }
    return SaveDocument(*s->document, out.value_or(file.value_or(""))) ? kExitOk : kExitFailed;
}

int RunReport(const std::vector<std::string>& raw) {
    Arguments args(raw, {"--new", "--format", "-o"}, {});
    if (!args.ok()) return UsageError("report: " + args.error());
    std::optional<std::string> file, new_model;
    const auto format = args.value("--format");
    if (!DocumentOf(args, 1, file, new_model) ||
        args.positional().size() != (new_model ? 0u : 1u) || !format ||
        (*format != "text" && *format != "rtf")) {
        return UsageError(
            "report: нужно vertanum-cli report (FILE | --new MODEL) --format text|rtf [-o OUT]");
    }
    auto s = OpenEditor(file, new_model);
    if (!s) return kExitFailed;
    ReportTable table;
    FillReportTable(s->Rows(), table);
    const ReportDocument document =
        MakeReportDocument(table, s->document->model->Caption, std::chrono::system_clock::now());
    const std::string bytes =
        *format == "rtf" ? WriteReportRtf(document) : WriteReportText(document);
    return WriteOutput(args.value("-o"), bytes) ? kExitOk : kExitFailed;
}

}  // namespace vertanum::cli
