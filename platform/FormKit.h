#pragma once

#include "platform/Canvas.h"
#include "platform/ImageList.h"

#include <QAction>
#include <QString>
#include <QWidget>
#include <functional>

class QCloseEvent;
class QComboBox;
class QEvent;
class QMainWindow;
class QObject;
class QStatusBar;
class QVBoxLayout;

// The bold or plain Arial font of title blocks and word lists.
TFont TitleFont(int points, bool bold);

// A panel whose children stand one below the other, edge to edge; Layout
// receives its layout.
QWidget* NewColumn(QWidget* Parent, QVBoxLayout*& Layout);

// An action of a form: the hint is its status and tool tip, its picture
// comes from the form's image list (none when Picture is below zero) and
// its handler, if any, runs through the guard. The form owns it, so its
// shortcut works while no menu is open.
QAction* NewFormAction(QWidget* Form, const TImageList& Images, const QString& Caption,
                       const QString& Hint, int Picture, std::function<void()> Handler);

// The status bar of a window whose panels show its state, set as the
// window's own. The hints of the window's actions and controls show as tool
// tips; none replaces the panels, as a status tip in Qt's status bar would.
QStatusBar* NewPanelStatusBar(QMainWindow* Window);

// Accepts the close only when Query, run through the guard, allows it; a
// query that fails keeps the window open. Says whether the close goes on.
bool AcceptCloseIf(QCloseEvent* Event, const std::function<bool()>& Query);

// Routes a letter field's key events: a key release to KeyUp, the others
// through the KeyPress rule (see ApplyKeyRule). True where the event was
// taken.
bool RouteFieldKeys(QObject& Field, QEvent& Event, const std::function<void(QChar& Key)>& KeyPress,
                    const std::function<void()>& KeyUp);
// The same for an event filter that watches one field: events of other
// objects are not taken, and the handlers run through the guard.
bool FilterFieldKeys(const QObject* Field, QObject* Watched, QEvent* Event,
                     const std::function<void(QChar& Key)>& KeyPress,
                     const std::function<void()>& KeyUp);

// An editable combo box whose text is what was typed: nothing is added to
// its list, and no listed entry the text begins is filled in.
QComboBox* NewTypedComboBox(QWidget* Parent, const QRect& Geometry);
