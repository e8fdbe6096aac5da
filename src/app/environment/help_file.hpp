#pragma once

#include <QString>

namespace vertanum::app {

inline constexpr const char* kHelpWindowTitle = "Описание программы Quillbyte";
inline constexpr const char* kHelpFileName = "quillbyte.html";

// The program's manual, written out of the program at start so that the help window (and any
// browser) can open it, and removed again at exit. Only the copy this run wrote is removed.
class HelpFile {
  public:
    // `folder` empty: a folder of this process under $XDG_RUNTIME_DIR (else the temporary
    // folder), so that copies started side by side never remove each other's manual.
    explicit HelpFile(QString folder = {});

    // Writes the manual and its pictures, replacing what is there; false when it cannot.
    bool Write();
    // Closes the help windows that are still open, then deletes what Write wrote.
    void Remove();

    bool Written() const { return written_; }
    QString Path() const { return folder_ + "/" + kHelpFileName; }
    const QString& Folder() const { return folder_; }

  private:
    QString folder_;
    bool written_ = false;
    bool folder_made_ = false;
};

}  // namespace vertanum::app
