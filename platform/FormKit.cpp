#include "platform/FormKit.h"

#include "platform/Controls.h"
#include "platform/Guard.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QMainWindow>
#include <QPixmap>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// Takes the status tips that reach its window, before the window puts them
// into its status bar.
class StatusTipSink : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        return Watched == parent() && Event->type() == QEvent::StatusTip;
    }
};

} // namespace

TFont TitleFont(int points, bool bold) {
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(points);
    font.SetBold(bold);
    return font;
}

QWidget* NewColumn(QWidget* Parent, QVBoxLayout*& Layout) {
    auto* panel = new QWidget(Parent);
    Layout = new QVBoxLayout(panel);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);
    return panel;
}

QAction* NewFormAction(QWidget* Form, const TImageList& Images, const QString& Caption,
                       const QString& Hint, int Picture, std::function<void()> Handler) {
    auto* action = new QAction(Caption, Form);
    action->setStatusTip(Hint);
    action->setToolTip(Hint);
    if (Picture >= 0)
        action->setIcon(QIcon(QPixmap::fromImage(Images.Picture(Picture))));
    if (Handler)
        QObject::connect(action, &QAction::triggered, Form,
                         [Handler = std::move(Handler)] { Guarded(Handler); });
    Form->addAction(action);
    return action;
}

QStatusBar* NewPanelStatusBar(QMainWindow* Window) {
    auto* bar = new QStatusBar(Window);
    bar->setSizeGripEnabled(false);
    Window->installEventFilter(new StatusTipSink(Window));
    Window->setStatusBar(bar);
    return bar;
}

bool AcceptCloseIf(QCloseEvent* Event, const std::function<bool()>& Query) {
    bool allowed = false;
    Guarded([&] { allowed = Query(); });
    Event->setAccepted(allowed);
    return allowed;
}

bool RouteFieldKeys(QObject& Field, QEvent& Event, const std::function<void(QChar& Key)>& KeyPress,
                    const std::function<void()>& KeyUp) {
    if (!IsKeyUp(Event))
        return ApplyKeyRule(Field, Event, KeyPress);
    KeyUp();
    return false;
}

bool FilterFieldKeys(const QObject* Field, QObject* Watched, QEvent* Event,
                     const std::function<void(QChar& Key)>& KeyPress,
                     const std::function<void()>& KeyUp) {
    bool consumed = false;
    if (Watched == Field)
        Guarded([&] { consumed = RouteFieldKeys(*Watched, *Event, KeyPress, KeyUp); });
    return consumed;
}

QComboBox* NewTypedComboBox(QWidget* Parent, const QRect& Geometry) {
    auto* box = new QComboBox(Parent);
    box->setGeometry(Geometry);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    return box;
}
