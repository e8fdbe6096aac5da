#include "qt_dependency_timer.hpp"

#include <exception>

namespace vertanum::app {

QtDependencyTimer::QtDependencyTimer(std::function<RowModel*()> open_rows)
    : open_rows_(std::move(open_rows)) {
    timer_.setObjectName("tmrInsAction");
    timer_.setSingleShot(true);
    timer_.setInterval(kIntervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // A rule that fails leaves the rows as far as it got; it must not take the window down.
        try {
            Fire(open_rows_());
        } catch (const std::exception& e) {
            qWarning("dependency rules failed: %s", e.what());
        }
    });
}

}  // namespace vertanum::app
