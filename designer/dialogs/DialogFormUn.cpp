#include "designer/dialogs/DialogFormUn.h"

#include "designer/controls/ColourEditUn.h"
#include "platform/Canvas.h"
#include "platform/Guard.h"
#include "platform/ImageList.h"
#include "platform/Services.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
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

QStatusBar* TDialogForm::StatusBar() {
    constexpr int height = 19;
    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    bar->setGeometry(0, this->height() - height, width(), height);
    return bar;
}

QLabel* StatusPanel(QStatusBar& Bar, int Width, Qt::Alignment Alignment) {
    auto* panel = new QLabel(&Bar);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Alignment | Qt::AlignVCenter);
    if (Width > 0)
        panel->setFixedWidth(Width);
    Bar.addWidget(panel, Width > 0 ? 0 : 1);
    return panel;
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

TColourEdit* TDialogForm::WordField(QWidget* parent, const QRect& bounds) {
    auto* field = new TColourEdit(parent);
    field->setGeometry(bounds);
    field->SetActiveColour(clInfoBk);
    field->SetInactiveColour(clWindow);
    field->SetReadOnlyColour(clInfoBk);
    field->setAcceptDrops(false);
    field->installEventFilter(this);
    return field;
}

void LetterKeyPress(QChar& Key, const QString& Extra) {
    if (Key >= 'a' && Key <= 'z')
        Key = Key.toUpper();
    if (!(Key >= 'A' && Key <= 'Z') && Key != QChar(8) && !Extra.contains(Key))
        Key = QChar(0);
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
