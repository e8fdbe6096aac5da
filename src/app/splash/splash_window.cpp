#include "splash/splash_window.hpp"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

static void InitSplashResources() {
    Q_INIT_RESOURCE(assets);
}

namespace vertanum::app {

TfrmMainStart::TfrmMainStart()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    InitSplashResources();
    setObjectName("frmMainStart");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(442, 190);
    setStyleSheet("QWidget#frmMainStart { background: white; border: 1px solid #808080; }");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* logos = new QHBoxLayout;
    for (const char* name : {":/splash/logo_left.png", ":/splash/logo_right.png"}) {
        auto* logo = new QLabel(this);
        logo->setPixmap(QPixmap(name));
        logo->setAlignment(Qt::AlignCenter);
        logos->addWidget(logo);
    }
    layout->addLayout(logos);

    auto* title = new QLabel(QString(kSplashTitle).replace("\r\n", "\n"), this);
    title->setObjectName("lblTitle");
    title->setAlignment(Qt::AlignCenter);
    QFont heavy = title->font();
    heavy.setPointSize(13);
    heavy.setItalic(true);
    heavy.setUnderline(true);
    heavy.setWeight(QFont::Black);
    title->setFont(heavy);
    title->setStyleSheet("color: green;");
    layout->addWidget(title);

    auto* second = new QLabel(kSplashSecondText, this);
    second->setObjectName("lblSecond");
    second->setAlignment(Qt::AlignCenter);
    second->setWordWrap(true);
    QFont small = second->font();
    small.setPointSize(8);
    second->setFont(small);
    layout->addWidget(second);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

SplashSequence::SplashSequence(std::function<void()> stop) : stop_(std::move(stop)) {}

SplashSequence::~SplashSequence() = default;

void SplashSequence::Tick() {
    if (tag_ == 0) window_ = std::make_unique<TfrmMainStart>();
    if (tag_ == 5 && window_) window_->show();
    if (tag_ == 100) {
        window_.reset();
        if (stop_) stop_();
    }
    ++tag_;
}

}  // namespace vertanum::app
