#include "platform/Image.h"

#include "platform/Guard.h"

#include <QMouseEvent>

TImage::TImage(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    Guarded([this] {
        if (OnClick)
            OnClick(nullptr);
    });
}
