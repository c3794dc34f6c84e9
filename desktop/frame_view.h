// The plot area: shows a 24-bit frame held in memory, bottom row first, one
// frame pixel to one screen pixel. It stands above the tab control and the
// group box it covers, as a bitmap copied onto the dialog would.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

class FrameView : public QWidget {
  public:
    explicit FrameView(QWidget* parent);

    // The frame's memory: 3 x width bytes a row (blue, green, red), the
    // bottom row first. Valid as long as this view.
    std::uint8_t* Allocate(int width, int height);
    // Run at every paint, before the frame is shown: it fills the memory.
    void SetBeforePaint(std::function<void()> fill) { beforePaint_ = std::move(fill); }
    // A press or a drag with the left button at (x, y) from the top-left, and
    // a key pressed while the view has the focus; the handlers say whether
    // they took them.
    void SetOnPointer(std::function<bool(int, int)> pointer) { pointer_ = std::move(pointer); }
    void SetOnKey(std::function<bool(int)> key) { key_ = std::move(key); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::vector<std::uint8_t> bits_;
    int width_ = 0;
    int height_ = 0;
    std::function<void()> beforePaint_;
    std::function<bool(int, int)> pointer_;
    std::function<bool(int)> key_;
};
