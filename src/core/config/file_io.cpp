#include "config/file_io.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vertanum::config {
namespace {

std::string Folder(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a path finally names, following symbolic links; the path itself when it does not
// exist yet.
std::string ResolveTarget(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) return resolved;
    return path;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void Fail(FileError* error, const std::string& what, int error_number) {
    if (error) error->message = what + ": " + DescribeErrno(error_number);
}

}  // namespace

std::string DescribeErrno(int e) {
    switch (e) {
        case ENOENT:
            return "файл или папка не найдены";
        case EACCES:
        case EPERM:
            return "нет прав доступа";
        case ENOSPC:
            return "на диске нет места";
        case EDQUOT:
            return "исчерпана дисковая квота";
        case EROFS:
            return "диск доступен только для чтения";
        case EISDIR:
            return "указана папка, а не файл";
        case ENOTDIR:
            return "неверный путь к файлу";
        case EFBIG:
            return "файл слишком велик";
        case ENAMETOOLONG:
            return "слишком длинное имя файла";
        case EIO:
            return "ошибка ввода-вывода";
        default:
            return std::strerror(e);
    }
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t max_size,
                                         FileError* error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        Fail(error, "Невозможно открыть файл " + path, errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        int e = S_ISDIR(st.st_mode) ? EISDIR : errno ? errno : EINVAL;
        ::close(fd);
        Fail(error, "Невозможно прочитать файл " + path, e);
        return std::nullopt;
    }
    if (static_cast<std::size_t>(st.st_size) > max_size) {
        ::close(fd);
        if (error) error->message = "Файл " + path + " слишком велик для файла конфигурации.";
        return std::nullopt;
    }
    std::string bytes;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            int e = errno;
            ::close(fd);
            Fail(error, "Невозможно прочитать файл " + path, e);
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(buffer.data(), static_cast<std::size_t>(n));
        if (bytes.size() > max_size) {
            ::close(fd);
            if (error) error->message = "Файл " + path + " слишком велик для файла конфигурации.";
            return std::nullopt;
        }
    }
    ::close(fd);
    return bytes;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, FileError* error) {
    const std::string target = ResolveTarget(path);
    const std::string folder = Folder(target);
    std::string pattern = target + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        Fail(error, "Невозможно сохранить файл " + path, errno);
        return false;
    }
    const std::string temp(name.data());
    auto abandon = [&](int e) {
        ::close(fd);
        ::unlink(temp.c_str());
        Fail(error, "Невозможно сохранить файл " + path, e);
        return false;
    };

    struct stat old {};
    mode_t mode;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) return abandon(errno);
    if (!WriteAll(fd, bytes)) return abandon(errno);
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        int e = errno;
        ::unlink(temp.c_str());
        Fail(error, "Невозможно сохранить файл " + path, e);
        return false;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        int e = errno;
        ::unlink(temp.c_str());
        Fail(error, "Невозможно сохранить файл " + path, e);
        return false;
    }
    // The rename itself must reach the disk too, or a crash could bring the old file back.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool CopyFileAtomically(const std::string& from, const std::string& to, FileError* error) {
    auto bytes = ReadWholeFile(from, static_cast<std::size_t>(1) << 30, error);
    if (!bytes) return false;
    return WriteFileAtomically(to, *bytes, error);
}

}  // namespace vertanum::config
