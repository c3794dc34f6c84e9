#include "levels_tab_view.h"

#include <QHeaderView>

#include "language.h"
#include "resources.h"

LevelsTabView::LevelsTabView(QWidget* window) : QTableWidget(window) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    setAccessibleName(Tr(res::kLevelsTabText));
    hide();
}

void LevelsTabView::Place(const PixelRect& plot) {
    setGeometry(plot.left, plot.top, plot.Width(), plot.Height());
}

void LevelsTabView::SetRows(const std::vector<std::string>& columns,
                            const std::vector<std::vector<std::string>>& rows) {
    clear();
    clearSpans();
    setColumnCount(static_cast<int>(columns.size()));
    setRowCount(static_cast<int>(rows.size()));
    QStringList captions;
    for (const std::string& c : columns)
        captions << Tr(c);
    setHorizontalHeaderLabels(captions);
    for (int r = 0; r < rowCount(); ++r) {
        const std::vector<std::string>& cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            auto* item = new QTableWidgetItem(Tr(cells[c]));
            if (cells.size() > 1)  // numbers line up on the right
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, c, item);
        }
        // A row of one text (no level) spans the table.
        if (cells.size() == 1 && columnCount() > 1) setSpan(r, 0, 1, columnCount());
    }
    resizeColumnsToContents();
}
