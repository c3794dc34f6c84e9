// A pair of arrows with no buddy of its own: each press proposes a change of
// the position, which the owner turns into whatever it counts.
#pragma once

#include <QAbstractSpinBox>

class UpDownControl : public QAbstractSpinBox {
    Q_OBJECT

  public:
    explicit UpDownControl(QWidget* parent = nullptr) : QAbstractSpinBox(parent) {
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        setReadOnly(true);
    }

    // The up arrow proposes -1: the control's range runs from high to low.
    void stepBy(int steps) override { emit deltaPos(-steps); }

  signals:
    void deltaPos(int delta);

  protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};
