#include "about/about_dialog.hpp"

#include <QHeaderView>
#include <QLabel>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "about/version_record.hpp"
#include "resources/resource_store.hpp"

namespace vertanum::app {

QString AboutNewsText() {
    const auto resource = resources::ResourceStore::FindEmbedded("ABOUT");
    if (!resource) return {};
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(resource->bytes.data()),
                                     static_cast<qsizetype>(resource->bytes.size()));
    text.remove('\r');
    return text;
}

TfrmAbout::TfrmAbout(QWidget* parent, std::function<void()> open_manual)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName("frmAbout");
    setWindowTitle("О программе");
    setFixedSize(513, 402);

    auto* layout = new QVBoxLayout(this);
    version_ = new QTreeWidget(this);
    version_->setObjectName("lstVersion");
    version_->setColumnCount(2);
    version_->setHeaderLabels({"Параметр", "Значение"});
    version_->setRootIsDecorated(false);
    version_->setSelectionMode(QAbstractItemView::NoSelection);
    for (const VersionEntry& entry : VersionRecord()) {
        auto* item = new QTreeWidgetItem(version_);
        item->setText(0, QString::fromStdString(entry.label));
        item->setText(1, QString::fromStdString(entry.value));
        item->setToolTip(0, QString::fromStdString(entry.key));
        item->setToolTip(1, QString::fromStdString(entry.value));
    }
    version_->header()->resizeSection(0, 140);
    version_->setFixedHeight(200);
    layout->addWidget(version_);

    link_ = new QLabel("<a href=\"manual\">Описание программы Quillbyte</a>", this);
    link_->setObjectName("lblLink");
    link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link_, &QLabel::linkActivated, this, [open_manual](const QString&) {
        if (open_manual) open_manual();
    });
    layout->addWidget(link_);

    news_ = new QTextEdit(this);
    news_->setObjectName("reNews");
    news_->setReadOnly(true);
    news_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    news_->setPlainText(AboutNewsText());
    layout->addWidget(news_, 1);
}

void ShowAboutDialog(QWidget* parent, std::function<void()> open_manual) {
    TfrmAbout dialog(parent, std::move(open_manual));
    if (parent) dialog.move(parent->geometry().center() - dialog.rect().center());
    dialog.exec();
}

}  // namespace vertanum::app
