#include "frame_view.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

FrameView::FrameView(QWidget* parent) : QWidget(parent) {
    // Without a frame the view draws nothing and the controls under it show.
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::ClickFocus);
}

std::uint8_t* FrameView::Allocate(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    width_ = width;
    height_ = height;
    bits_.assign(static_cast<std::size_t>(width) * height * 3, 0);
    setAttribute(Qt::WA_OpaquePaintEvent);
    return bits_.data();
}

void FrameView::paintEvent(QPaintEvent*) {
    if (beforePaint_) beforePaint_();
    if (bits_.empty()) return;
    // Rows are 3 x width bytes with no padding: the width is a multiple of 4.
    const QImage frame(bits_.data(), width_, height_, width_ * 3, QImage::Format_BGR888);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), frame.mirrored(false, true));
}

void FrameView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pointer_) return QWidget::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    if (pointer_(p.x(), p.y())) setFocus(Qt::MouseFocusReason);
}

void FrameView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !pointer_) return QWidget::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    pointer_(p.x(), p.y());
}

void FrameView::keyPressEvent(QKeyEvent* event) {
    if (!key_ || !key_(event->key())) QWidget::keyPressEvent(event);
}
