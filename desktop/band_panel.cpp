#include "band_panel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "dialog_builder.h"

BandPanel::BandPanel(const BandTemplate& band, QWidget* window) : QWidget(window), band_(band) {
    setFont(DialogFont());
    setAutoFillBackground(true);
    // In tab order; a label's buddy comes after it.
    std::map<int, QLabel*> labels;  // by buddy
    for (const BandControl& control : band.controls) {
        QWidget* widget = CreateControlWidget(control.kind, control.caption, this);
        widget->setGeometry(ToQRect(BandControlPixelRect(control)));
        if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setAutoDefault(false);  // Enter in the band is the band's
        if (qobject_cast<QLineEdit*>(widget)) widget->installEventFilter(this);
        if (auto* label = qobject_cast<QLabel*>(widget); label && control.buddy)
            labels[control.buddy] = label;
        if (control.id < 0) continue;
        widget->setProperty("controlId", control.id);
        controls_[control.id] = widget;
    }
    for (const auto& [buddy, label] : labels)
        label->setBuddy(controls_.at(buddy));
    hide();
}

void BandPanel::Place(const PixelRect& plot) {
    setGeometry(plot.left, plot.top, plot.Width(), band_.height);
    raise();
}

void BandPanel::Connect(std::function<void(int)> command, QTabWidget* tab) {
    command_ = std::move(command);
    for (const auto& [id, widget] : controls_) {
        if (auto* button = qobject_cast<QPushButton*>(widget))
            connect(button, &QPushButton::clicked, this, [this, id = id] { command_(id); });
    }
    if (tab) connect(tab, &QTabWidget::currentChanged, this, [this](int index) { ShowFor(index); });
}

// Enter in a field runs the band's command, and goes no further: the
// dialog's default button ("Predictor") is not this tab's.
bool BandPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && command_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            command_(band_.enterCommand);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
