#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vertanum {

enum class MessageIcon { Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// One modal message box. In `text` a "\r" is a line break, as the box shows it.
struct MessageBox {
    MessageIcon icon = MessageIcon::Error;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer default_answer = MessageAnswer::Ok;
};

// The seam through which the core shows its fixed texts: a modal box in the desktop program,
// stderr (with answers from the command line) in vertanum-cli, a recorder in the tests.
class Messages {
  public:
    virtual ~Messages() = default;
    virtual MessageAnswer Show(const MessageBox& box) = 0;

    void Error(std::string_view text) {
        Show({MessageIcon::Error, std::string(text), MessageButtons::Ok, MessageAnswer::Ok});
    }
    void Information(std::string_view text) {
        Show({MessageIcon::Information, std::string(text), MessageButtons::Ok, MessageAnswer::Ok});
    }
};

// Remembers every box and answers from a script (then with each box's default answer).
class RecordingMessages : public Messages {
  public:
    MessageAnswer Show(const MessageBox& box) override {
        shown.push_back(box);
        if (next_answer_ < answers.size()) return answers[next_answer_++];
        return box.default_answer;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& b : shown) out.push_back(b.text);
        return out;
    }

    std::vector<MessageBox> shown;
    std::vector<MessageAnswer> answers;

  private:
    std::size_t next_answer_ = 0;
};

// Converts the "\r" line breaks of a message text into "\n" for a screen or a terminal.
inline std::string MessageLines(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\r') c = '\n';
    }
    return out;
}

}  // namespace vertanum
