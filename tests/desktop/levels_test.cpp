// The "Niveles" tab in the real window: a click on its tab shows a native
// table over the plot holding exactly the rows the dialog's logic gives,
// refreshed when the potential changes; "Normal" hides it again.
#include <QTableWidget>
#include <QtTest>

#include "levels_tab.h"
#include "resources.h"
#include "window_fixture.h"

namespace {

QTableWidget* Table(WaveWindow& window) {
    return window.findChild<QTableWidget*>();
}

void ClickTab(WaveWindow& window, int index) {
    QTabBar* bar = ControlOf<QTabWidget>(window, res::kTab)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// The table's texts against the dialog's own rows for the same state.
void CompareWithDialog(WaveWindow& window) {
    const CWaveDlg& dlg = window.Dialog();
    const TextRows rows = LevelTexts(DialogLevelTable(dlg, dlg.Search().Levels()));
    QTableWidget* table = Table(window);
    QCOMPARE(table->rowCount(), static_cast<int>(rows.size()));
    QCOMPARE(table->columnCount(), static_cast<int>(LevelColumns().size()));
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c)
            QCOMPARE(table->item(r, c)->text().toStdString(), rows[r][c]);
}

}  // namespace

class LevelsTest : public QObject {
    Q_OBJECT

  private slots:
    void tableShownWithItsTabAndRefreshed() {
        auto window = OpenWindow();
        QTableWidget* table = Table(*window);
        QVERIFY(table != nullptr);
        QVERIFY(!table->isVisible());
        ClickTab(*window, res::kLevelsTab);
        QVERIFY(table->isVisible());
        QCOMPARE(table->geometry(),
                 QRect(window->Dialog().PlotRect().left, window->Dialog().PlotRect().top,
                       window->Dialog().PlotRect().Width(), window->Dialog().PlotRect().Height()));
        CompareWithDialog(*window);
        QCOMPARE(table->rowCount(), 9);
        auto* list = ControlOf<QComboBox>(*window, res::kPotentialList);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);  // "Pozo Finito"
        QCOMPARE(table->rowCount(), 7);  // six levels and the row naming the edge
        CompareWithDialog(*window);
        ClickTab(*window, 0);
        QVERIFY(!table->isVisible());
    }
};

VELQUOR_DESKTOP_TEST_MAIN(LevelsTest)
#include "levels_test.moc"
