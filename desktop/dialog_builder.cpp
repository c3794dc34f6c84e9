#include "dialog_builder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

#include "language.h"
#include "up_down_control.h"

QRect ToQRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

PixelRect ToPixelRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QFont DialogFont() {
    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QSize ClientSize(const DialogTemplate& dialog) {
    return {DialogUnitsToPixelsX(dialog.cx), DialogUnitsToPixelsY(dialog.cy)};
}

namespace {

QString CaptionOf(const ControlTemplate& control) {
    return Tr(control.caption);
}

}  // namespace

QWidget* CreateControlWidget(ControlKind kind, const char* text, QWidget* parent) {
    const QString caption = Tr(text);
    switch (kind) {
        case ControlKind::Edit:
            return new QLineEdit(parent);
        case ControlKind::UpDown:
            return new UpDownControl(parent);
        case ControlKind::GroupBox:
            return new QGroupBox(caption, parent);
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(true);
            button->setDefault(kind == ControlKind::DefaultPushButton);
            return button;
        }
        case ControlKind::TabControl:
            return new QTabWidget(parent);
        case ControlKind::DropDownList: {
            auto* list = new QComboBox(parent);
            list->setEditable(false);
            list->setInsertPolicy(QComboBox::NoInsert);
            list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            return list;
        }
        case ControlKind::StaticText: {
            auto* label = new QLabel(caption, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            return label;
        }
        case ControlKind::StaticIcon:
            return new QLabel(parent);
        case ControlKind::Label:
            return new QLabel(caption, parent);
    }
    return new QWidget(parent);
}

QWidget* CreateControl(const ControlTemplate& control, QWidget* dialog) {
    QWidget* widget = CreateControlWidget(control.kind, control.caption, dialog);
    widget->setProperty("controlId", control.id);
    QRect place = ToQRect(ControlPixelRect(control));
    if (control.kind == ControlKind::DropDownList) {
        // The template's height is that of the open list; the closed box is
        // as tall as the font makes it, and the list shows what fits below.
        auto* list = static_cast<QComboBox*>(widget);
        const int boxHeight = list->sizeHint().height();
        const int itemHeight = list->fontMetrics().height() + 2;
        list->setMaxVisibleItems(std::max(1, (place.height() - boxHeight) / itemHeight));
        place.setHeight(boxHeight);
    } else if (control.kind == ControlKind::StaticText) {
        // The template was measured for a narrower font: a line that does not
        // fit grows to the right, as far as the dialog reaches, rather than wrap
        // into a second line its height has no room for.
        const int needed = widget->fontMetrics().horizontalAdvance(CaptionOf(control)) + 2;
        const int room = dialog->width() - place.left();
        place.setWidth(std::max(place.width(), std::min(needed, room)));
    } else if (control.kind == ControlKind::StaticIcon) {
        place.setSize({32, 32});  // an icon control takes its icon's size
    }
    widget->setGeometry(place);
    // Group boxes, texts and icons only show: a click falls through them to
    // whatever lies underneath, as with the dialogs the templates come from.
    if (control.kind == ControlKind::GroupBox || control.kind == ControlKind::StaticText ||
        control.kind == ControlKind::StaticIcon)
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!control.visible) widget->hide();
    return widget;
}

QWidget* FirstTabStop(QWidget* dialog) {
    for (QWidget* w = dialog->nextInFocusChain(); w != dialog; w = w->nextInFocusChain()) {
        if (w->parentWidget() == dialog && !w->isHidden() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}
