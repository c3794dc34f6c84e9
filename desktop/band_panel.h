// The controls of the "Evolucion" tab: a band along the top of the plot,
// above the frame, shown while that tab is. Every control carries its ID in
// the window's table, so the dialog reads and writes them as any other;
// the panel only forwards its buttons (and Enter in its fields, which
// applies) to the dialog.
#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "dialog_template.h"

class QTabWidget;

class EvolutionPanel : public QWidget {
  public:
    explicit EvolutionPanel(QWidget* window);

    const std::map<int, QWidget*>& Controls() const { return controls_; }
    // Over the top rows of the plot rectangle, which the picture leaves blank.
    void Place(const PixelRect& plot);
    // command(id) for a button or Enter in a field; shown with the tab.
    void Connect(std::function<void(int)> command, QTabWidget* tab);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::map<int, QWidget*> controls_;
    std::function<void(int)> command_;
};
