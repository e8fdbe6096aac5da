#include "environment/help_file.hpp"

#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QWidget>

static void InitAssetResources() {
    Q_INIT_RESOURCE(assets);
}

namespace vertanum::app {
namespace {

QString DefaultFolder() {
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QDir(base).exists()) base = QDir::tempPath();
    return base + QString("/vertanum-help-%1").arg(getpid());
}

}  // namespace

HelpFile::HelpFile(QString folder) : folder_(folder.isEmpty() ? DefaultFolder() : folder) {
    InitAssetResources();
}

bool HelpFile::Write() {
    if (!QDir(folder_).exists()) {
        if (!QDir().mkpath(folder_)) return false;
        folder_made_ = true;
    }
    bool ok = true;
    QDirIterator it(":/manual", QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        if (it.fileInfo().isDir()) continue;
        QString relative = source.mid(QString(":/manual/").size());
        if (relative == "index.html") relative = kHelpFileName;
        const QString target = folder_ + "/" + relative;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        if (!QFile::copy(source, target)) {
            ok = false;
            continue;
        }
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
    written_ = ok && QFile::exists(Path());
    return written_;
}

void HelpFile::Remove() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == kHelpWindowTitle) window->close();
    }
    if (!written_) return;
    if (folder_made_) {
        QDir(folder_).removeRecursively();
    } else {
        QFile::remove(Path());
    }
    written_ = false;
}

}  // namespace vertanum::app
