// Dialog templates as Qt widgets: every control becomes a direct child of
// its dialog, placed in client pixels by the same conversion the headless
// host uses, so the window and the tests agree on every rectangle.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "dialog_template.h"

class QWidget;

QRect ToQRect(const PixelRect& r);
PixelRect ToPixelRect(const QRect& r);

// The templates' 8-point sans-serif font.
QFont DialogFont();
// The client area of a dialog built from the template.
QSize ClientSize(const DialogTemplate& dialog);

// The widget of a control's kind, a child of parent, with its caption and
// styles, not yet placed.
QWidget* CreateControlWidget(ControlKind kind, const char* caption, QWidget* parent);

// The widget standing for one control, a child of dialog at the control's
// place, with its caption and styles. Hidden controls are created hidden
// and stay so. The control ID is kept in the widget's "controlId" property.
QWidget* CreateControl(const ControlTemplate& control, QWidget* dialog);

// The first control of the dialog, in tab order, that can take the focus.
QWidget* FirstTabStop(QWidget* dialog);
