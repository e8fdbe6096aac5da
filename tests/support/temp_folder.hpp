#pragma once

#include <string>

namespace vertanum::testing {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of a name inside the folder ("" gives the folder itself).
    std::string Path(const std::string& name) const;
    // Writes bytes to a file in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // The bytes of a file in the folder ("" when it does not exist).
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The names of the files in the folder, sorted.
    std::string Listing() const;

  private:
    std::string root_;
};

}  // namespace vertanum::testing
