#include "startup/single_instance.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace vertanum::app {

SingleInstanceLock::~SingleInstanceLock() {
    Release();
}

std::string SingleInstanceLock::DefaultPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return std::string(runtime) + "/vertanum.lock";
    return "/tmp/vertanum-" + std::to_string(getuid()) + ".lock";
}

bool SingleInstanceLock::Acquire(const std::string& path) {
    Release();
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file there is nothing to guard with; refusing to start would be worse.
    if (fd < 0) return true;
    int rc;
    do {
        rc = flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool held_elsewhere = errno == EWOULDBLOCK;
        close(fd);
        return !held_elsewhere;
    }
    fd_ = fd;
    return true;
}

void SingleInstanceLock::Release() {
    if (fd_ < 0) return;
    flock(fd_, LOCK_UN);
    close(fd_);
    fd_ = -1;
}

}  // namespace vertanum::app
