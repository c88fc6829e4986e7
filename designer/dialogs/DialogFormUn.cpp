#include "designer/dialogs/DialogFormUn.h"

#include "platform/Canvas.h"
#include "platform/Guard.h"
#include "platform/ImageList.h"
#include "platform/Services.h"

#include <QAction>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

TDialogForm::TDialogForm(QWidget* owner, const QString& caption, int clientWidth, int clientHeight)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(caption);
    setFixedSize(clientWidth, clientHeight);
    setFont(FormFont("Arial", 8));
}

void TDialogForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        services().PlaceWindow(*this, poOwnerFormCenter);
}

QPushButton* TDialogForm::OkButton(const QRect& bounds, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setGeometry(bounds);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, [this] { done(mrOk); });
    return button;
}

QPushButton* TDialogForm::CancelButton(const QRect& bounds) {
    auto* button = new QPushButton("Cancel", this);
    button->setGeometry(bounds);
    connect(button, &QPushButton::clicked, this, [this] { done(mrCancel); });
    return button;
}

QAction* TDialogForm::Action(const QString& caption, const QString& hint,
                             const QKeySequence& shortcut, std::function<void()> handler) {
    auto* action = new QAction(caption, this);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    action->setShortcut(shortcut);
    addAction(action);
    connect(action, &QAction::triggered, this,
            [handler = std::move(handler)] { Guarded(handler); });
    return action;
}

QToolButton* SpeedButton(QWidget* parent, const QRect& bounds) {
    auto* button = new QToolButton(parent);
    button->setGeometry(bounds);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QIcon DialogPicture(const QString& name) {
    static const bool registered = [] {
        Q_INIT_RESOURCE(dialogs);
        return true;
    }();
    Q_UNUSED(registered);
    TImageList pictures;
    pictures.AddSvg(QString(":/dialogs/%1.svg").arg(name));
    return QIcon(QPixmap::fromImage(pictures.Picture(0)));
}
