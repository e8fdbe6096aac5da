#pragma once

#include <QWidget>
#include <functional>
#include <memory>

namespace vertanum::app {

inline constexpr const char* kSplashTitle = "Вертанум приборов и модулей\r\n\"Ливенор\"";
inline constexpr const char* kSplashSecondText =
    "Редактор конфигурации и программатор приборов охранно-пожарной сигнализации";

// TfrmMainStart: a borderless 442 by 190 panel centred on the desktop with the two logo
// pictures, the title and a second text. It takes no input; the main window stays usable.
class TfrmMainStart : public QWidget {
    Q_OBJECT

  public:
    TfrmMainStart();
};

// The splash sequence of tmrShowMainStart, one call per 100 ms tick: Tag 0 creates the splash
// window, Tag 5 shows it, Tag 100 destroys it and stops the ticks. Tag then counts on.
class SplashSequence {
  public:
    // `stop` is asked to stop the timer after the last tick.
    explicit SplashSequence(std::function<void()> stop);
    ~SplashSequence();

    void Tick();
    int Tag() const { return tag_; }
    TfrmMainStart* Window() const { return window_.get(); }

  private:
    std::function<void()> stop_;
    std::unique_ptr<TfrmMainStart> window_;
    int tag_ = 0;
};

}  // namespace vertanum::app
