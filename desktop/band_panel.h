// A tab's band of controls (the "Evolucion" tab's), built from its template:
// a strip along the top of the plot, above the frame, shown while that tab
// is. Every control sits at its template's rectangle and carries its ID in
// the window's table, so the dialog reads and writes them as any other; the
// panel only forwards its buttons (and Enter in its fields) to the dialog.
#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "dialog_template.h"

class QTabWidget;

class BandPanel : public QWidget {
  public:
    BandPanel(const BandTemplate& band, QWidget* window);

    const std::map<int, QWidget*>& Controls() const { return controls_; }
    // Over the top rows of the plot rectangle, which the picture leaves blank.
    void Place(const PixelRect& plot);
    // command(id) for a button, or the band's Enter command for Enter in a
    // field; shown with the band's tab.
    void Connect(std::function<void(int)> command, QTabWidget* tab);
    // Shown while its tab is.
    void ShowFor(int tab) { setVisible(tab == band_.tab); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const BandTemplate& band_;
    std::map<int, QWidget*> controls_;
    std::function<void(int)> command_;
};
