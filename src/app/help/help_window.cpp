#include "help/help_window.hpp"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include "environment/help_file.hpp"

static void InitHelpResources() {
    Q_INIT_RESOURCE(assets);
}

namespace vertanum::app {

THelpWindow::THelpWindow(const QString& manual_path, QWidget* parent) : QMainWindow(parent) {
    InitHelpResources();
    setObjectName("frmHelp");
    setWindowTitle(kHelpWindowTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(820, 640);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName("brwManual");
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);

    QToolBar* bar = addToolBar("Навигация");
    bar->setMovable(false);
    QAction* back = bar->addAction("Назад", browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction("Вперед", browser_, &QTextBrowser::forward);
    bar->addAction("Содержание", browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->addSeparator();
    auto* find = new QLineEdit(bar);
    find->setObjectName("edtFind");
    find->setPlaceholderText("Найти в описании");
    find->setMaximumWidth(240);
    bar->addWidget(find);
    connect(find, &QLineEdit::returnPressed, this, [this, find] {
        if (!browser_->find(find->text())) {
            browser_->moveCursor(QTextCursor::Start);
            browser_->find(find->text());
        }
    });

    const QString source = QFile::exists(manual_path) ? manual_path : ":/manual/index.html";
    browser_->setSource(source.startsWith(':') ? QUrl("qrc" + source)
                                               : QUrl::fromLocalFile(source));
}

THelpWindow* ShowHelpWindow(const QString& manual_path) {
    static QPointer<THelpWindow> window;
    if (!window) window = new THelpWindow(manual_path);
    window->show();
    window->raise();
    window->activateWindow();
    return window.data();
}

}  // namespace vertanum::app
