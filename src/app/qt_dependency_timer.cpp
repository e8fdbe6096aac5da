#include "qt_dependency_timer.hpp"

namespace vertanum::app {

QtDependencyTimer::QtDependencyTimer(std::function<RowModel*()> open_rows)
    : open_rows_(std::move(open_rows)) {
    timer_.setObjectName("tmrInsAction");
    timer_.setSingleShot(true);
    timer_.setInterval(kIntervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(open_rows_()); });
}

}  // namespace vertanum::app
