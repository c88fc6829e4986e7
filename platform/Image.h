#pragma once

#include "platform/Controls.h"

#include <QLabel>
#include <QPixmap>

// A picture on a form, shown centred in the control; a left click (press
// and release on it) raises OnClick.
class TImage : public QLabel {
public:
    explicit TImage(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture) { setPixmap(picture); }

    TNotifyEvent OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
