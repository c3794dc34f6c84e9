// The "Niveles" tab's table: a native table over the plot rectangle, shown
// while that tab is selected, its texts exactly as the dialog gives them.
#pragma once

#include <QTableWidget>
#include <string>
#include <vector>

#include "dialog_template.h"

class LevelsTabView : public QTableWidget {
  public:
    explicit LevelsTabView(QWidget* window);

    void Place(const PixelRect& plot);
    void SetRows(const std::vector<std::string>& columns,
                 const std::vector<std::vector<std::string>>& rows);
};
