#include "evolution_panel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "dialog_builder.h"
#include "evolution_view.h"
#include "resources.h"

EvolutionPanel::EvolutionPanel(QWidget* window) : QWidget(window) {
    setFont(DialogFont());
    setAutoFillBackground(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    const auto field = [this](int id, int width) {
        auto* edit = new QLineEdit(this);
        edit->setFixedWidth(width);
        edit->installEventFilter(this);
        edit->setProperty("controlId", id);
        controls_[id] = edit;
        return edit;
    };
    const auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setBuddy(buddy);
        return l;
    };
    const auto button = [this](int id, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setAutoDefault(false);
        b->setProperty("controlId", id);
        controls_[id] = b;
        return b;
    };

    // In tab order: what to superpose, then how it runs.
    QLineEdit* states = field(res::kEvolutionStates, 90);
    QLineEdit* weights = field(res::kEvolutionWeights, 110);
    QLineEdit* phases = field(res::kEvolutionPhases, 110);
    QPushButton* apply = button(res::kEvolutionApply, "&Aplicar");
    QPushButton* play = button(res::kEvolutionPlay, res::kPauseCaption);
    QPushButton* reset = button(res::kEvolutionReset, "t = &0");
    QLineEdit* speed = field(res::kEvolutionSpeed, 50);
    QLineEdit* time = field(res::kEvolutionTime, 70);
    auto* energy = new QLabel(this);
    energy->setProperty("controlId", res::kEvolutionEnergy);
    controls_[res::kEvolutionEnergy] = energy;

    grid->addWidget(label("&Estados", states), 0, 0);
    grid->addWidget(states, 0, 1);
    grid->addWidget(label("&Pesos", weights), 0, 2);
    grid->addWidget(weights, 0, 3);
    grid->addWidget(label("&Fases", phases), 0, 4);
    grid->addWidget(phases, 0, 5);
    grid->addWidget(apply, 0, 6);
    grid->addWidget(play, 1, 0);
    grid->addWidget(reset, 1, 1, Qt::AlignLeft);
    grid->addWidget(label("&Velocidad", speed), 1, 2);
    grid->addWidget(speed, 1, 3, Qt::AlignLeft);
    grid->addWidget(label("&t", time), 1, 4);
    grid->addWidget(time, 1, 5);
    grid->addWidget(energy, 1, 6, 1, 2);
    grid->setColumnStretch(7, 1);
    hide();
}

void EvolutionPanel::Place(const PixelRect& plot) {
    setGeometry(plot.left, plot.top, plot.Width(), EvolutionView::kBandHeight);
    raise();
}

void EvolutionPanel::Connect(std::function<void(int)> command, QTabWidget* tab) {
    command_ = std::move(command);
    for (int id : {res::kEvolutionApply, res::kEvolutionPlay, res::kEvolutionReset}) {
        auto* b = qobject_cast<QPushButton*>(controls_.at(id));
        connect(b, &QPushButton::clicked, this, [this, id] { command_(id); });
    }
    if (tab)
        connect(tab, &QTabWidget::currentChanged, this,
                [this](int index) { setVisible(index == res::kEvolutionTab); });
}

// Enter in a field applies it, and goes no further: the dialog's default
// button ("Predictor") is not this tab's.
bool EvolutionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && command_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            command_(res::kEvolutionApply);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
