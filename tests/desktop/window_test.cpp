// The window as built: template 102 in pixels, tab order, what lies over
// what, the window menu, the About box, the icon and the version record.
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include "about_box.h"
#include "dialog_builder.h"
#include "frame_view.h"
#include "resources.h"
#include "window_fixture.h"

namespace {

// The control a widget belongs to (a tab control's bar belongs to the tab control).
int ControlIdOf(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        const QVariant id = w->property("controlId");
        if (id.isValid()) return id.toInt();
    }
    return 0;
}

QSet<QRgb> Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

// Opens the About box with F1 and hands it to look() inside its own loop.
int WithAboutBox(WaveWindow& window, const std::function<void(CAboutDlg*)>& look) {
    WhenShown answer(ActiveModal, [&](QWidget* w) {
        auto* about = qobject_cast<CAboutDlg*>(w);
        QVERIFY(about);
        look(about);
    });
    if (!QTest::qWaitForWindowActive(&window)) return 0;
    QTest::keyClick(window.focusWidget(), Qt::Key_F1);
    return answer.Seen();
}

// Hit tests as a real pointer meets them: at the middle of every visible
// control that takes the mouse, the dialog finds that control or a part of
// it; at the middle of a group box, a text or an icon never the control
// itself, the click falls through. The tab control's middle lies under the
// picture, so its tab bar's middle stands for it.
void CheckHitTests(QWidget& dialog) {
    QStringList wrong;
    int takers = 0;
    for (QWidget* w : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->property("controlId").isValid() || w->isHidden()) continue;
        QPoint middle = w->geometry().center();
        if (auto* tab = qobject_cast<QTabWidget*>(w))
            middle = tab->tabBar()->mapTo(&dialog, tab->tabBar()->rect().center());
        QWidget* hit = dialog.childAt(middle);
        const bool onIt = hit == w || w->isAncestorOf(hit);
        const bool passThrough = qobject_cast<QGroupBox*>(w) || qobject_cast<QLabel*>(w);
        takers += !passThrough;
        if (onIt == passThrough)
            wrong << QStringLiteral("%1 %2 (%3)")
                         .arg(QString::fromLatin1(w->metaObject()->className()))
                         .arg(ControlIdOf(w))
                         .arg(hit ? QString::fromLatin1(hit->metaObject()->className())
                                  : QStringLiteral("nothing"));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
    QVERIFY(takers > 0);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void layoutIsTemplate102InPixels() {
        auto window = OpenWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Velquor 1.0.0"));
        QCOMPARE(window->size(), QSize(659, 718));
        QCOMPARE(window->minimumSize(), window->maximumSize());  // not resizable
        QCOMPARE(window->font().pointSize(), 8);
        // Each of x, y, width and height converted on its own, half away from zero.
        QCOMPARE(window->Control(res::kPlotGroup)->geometry(), QRect(15, 98, 630, 601));
        QCOMPARE(window->Control(res::kEnergy)->geometry(), QRect(15, 16, 98, 20));
        QCOMPARE(window->Control(res::kPredictor)->geometry(), QRect(120, 16, 60, 16));
        QCOMPARE(window->Control(res::kTab)->geometry(), QRect(8, 73, 645, 634));
        QCOMPARE(window->Frame()->geometry(), QRect(19, 111, 624, 584));
        QCOMPARE(window->ControlRect(res::kPlotGroup), (PixelRect{15, 98, 645, 699}));

        for (const ControlTemplate& c : MainDialogTemplate().controls) {
            QWidget* w = window->Control(c.id);
            QVERIFY(w);
            const QRect place = ToQRect(ControlPixelRect(c));
            QCOMPARE(w->pos(), place.topLeft());
            QCOMPARE(w->isVisible(), c.visible);
            if (c.kind == ControlKind::DropDownList) {
                // The template's 81 px are the open list's; the box is one line high.
                QVERIFY(w->height() < place.height() / 2);
                QVERIFY(w->width() >= place.width());
            } else if (c.kind == ControlKind::StaticText) {
                QCOMPARE(w->height(), place.height());
                QVERIFY(w->width() >= place.width());
            } else {
                QCOMPARE(w->size(), place.size());
            }
            if (c.kind != ControlKind::Edit && c.kind != ControlKind::UpDown)
                QCOMPARE(QString::fromStdString(window->ControlText(c.id)),
                         QString::fromUtf8(c.caption));
        }
        QVERIFY(ControlOf<QPushButton>(*window, res::kPredictor)->isDefault());
        QVERIFY(!ControlOf<QPushButton>(*window, res::kSearch)->isDefault());
    }

    // Each band over the plot's top rows, its controls at their template's
    // rectangles, a label's mnemonic focusing its buddy, Tab in template order.
    void bandsAreTheirTemplatesOverThePlot() {
        auto window = OpenWindow();
        for (const BandTemplate& band : BandTemplates()) {
            ControlOf<QTabWidget>(*window, res::kTab)->setCurrentIndex(band.tab);
            QWidget* strip = nullptr;
            std::vector<QWidget*> focusable;
            for (const BandControl& c : band.controls) {
                if (c.buddy != 0) {
                    QTest::keySequence(window.get(),
                                       QKeySequence::mnemonic(QString::fromUtf8(c.caption)));
                    QCOMPARE(ControlIdOf(QApplication::focusWidget()), c.buddy);
                }
                if (c.id < 0) continue;
                QWidget* w = window->Control(c.id);
                QVERIFY(w);
                strip = w->parentWidget();
                QCOMPARE(w->geometry(), ToQRect(BandControlPixelRect(c)));
                if (w->focusPolicy() & Qt::TabFocus) focusable.push_back(w);
            }
            QVERIFY(strip && strip->isVisible());
            const PixelRect plot = window->Dialog().PlotRect();
            QCOMPARE(strip->geometry(), QRect(plot.left, plot.top, plot.Width(), band.height));
            focusable.front()->setFocus();
            for (std::size_t i = 1; i < focusable.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), focusable[i]);
            }
        }
    }

    void tabVisitsTheVisibleControlsInTemplateOrder() {
        auto window = OpenWindow();
        std::vector<int> visited{ControlIdOf(QApplication::focusWidget())};
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(ControlIdOf(QApplication::focusWidget()));
        }
        const std::vector<int> expected{res::kPredictor, res::kEnergy,   res::kSearch,
                                        res::kPlay,      res::kTab,      res::kPotentialList,
                                        res::kWebLink,   res::kSettings, res::kPredictor};
        QCOMPARE(visited, expected);
    }

    void framePaintsOverTheGroupBoxAndTheTabs() {
        auto window = OpenWindow();
        QCOMPARE(window->childAt(331, 403), static_cast<QWidget*>(window->Frame()));
        QCOMPARE(window->childAt(19, 111), static_cast<QWidget*>(window->Frame()));
        QCOMPARE(window->childAt(642, 694), static_cast<QWidget*>(window->Frame()));
        // Around the frame: the group box lets the pointer through to the tab
        // control it sits in.
        QCOMPARE(ControlIdOf(window->childAt(16, 400)), res::kTab);
        QCOMPARE(ControlIdOf(window->childAt(10, 400)), res::kTab);
        QCOMPARE(ControlIdOf(window->childAt(331, 702)), res::kTab);
    }

    void hiddenControlsStayHiddenAndTheCountStaysOne() {
        auto window = OpenWindow();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "1.5");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::mouseClick(window->Control(res::kSearch), Qt::LeftButton);
        QTest::mouseClick(window->Control(res::kPredictor), Qt::LeftButton);
        for (int id : {res::kSpin, res::kIterations, res::kIterate}) {
            QVERIFY(window->Control(id));
            QVERIFY(window->Control(id)->isHidden());
        }
        QCOMPARE(window->ControlText(res::kIterations), std::string("1"));
        QCOMPARE(window->Dialog().Iterations(), 1u);
        QCOMPARE(window->Dialog().Energy(), 1.5);
    }

    void everyControlIsFoundUnderThePointer() {
        auto window = OpenWindow();
        CheckHitTests(*window);
        const int seen = WithAboutBox(*window, [](CAboutDlg* about) {
            CheckHitTests(*about);
            about->accept();
        });
        QCOMPARE(seen, 1);
    }

    void rightClickMenuEndsWithTheAboutEntry() {
        auto window = OpenWindow();
        QStringList texts;
        WhenShown menu(QApplication::activePopupWidget, [&](QWidget* w) {
            auto* popup = qobject_cast<QMenu*>(w);
            QVERIFY(popup);
            for (const QAction* a : popup->actions())
                texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
            // The last entry, by keys.
            popup->setActiveAction(popup->actions().constLast());
            QTest::keyClick(popup, Qt::Key_Return);
        });
        int aboutBoxes = 0;
        WhenShown about(ActiveModal, [&](QWidget* w) {
            aboutBoxes += qobject_cast<CAboutDlg*>(w) != nullptr;
            QTest::keyClick(w, Qt::Key_Escape);
        });
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, QPoint(400, 40));
        QTRY_COMPARE(aboutBoxes, 1);
        QCOMPARE(texts, (QStringList{"Save picture\u2026", "Copy picture", "Copy levels",
                                     "Open scenario\u2026", "Save scenario\u2026", "-", "&Close",
                                     "-", "&About velquor..."}));
        QVERIFY(window->isVisible());
    }

    void aboutBoxIsTemplate100AndLeavesTheWindowAlone() {
        auto window = OpenWindow();
        QTest::mouseClick(window->Control(res::kSearch), Qt::LeftButton);
        const ShownFrame before = Shown(*window);
        const double low = window->Dialog().Search().CurrentBracket().low;
        const QImage icon32(QStringLiteral(":/icons/velquor-32.png"));

        // Escape, the OK button and the close box each close it.
        const std::function<void(CAboutDlg*)> closers[] = {
            [](CAboutDlg* about) { QTest::keyClick(about, Qt::Key_Escape); },
            [](CAboutDlg* about) {
                QTest::mouseClick(about->findChild<QPushButton*>(), Qt::LeftButton);
            },
            [](CAboutDlg* about) { about->close(); },
        };
        for (const auto& close : closers) {
            QStringList lines;
            QImage shownIcon;
            bool okIsDefault = false;
            QSize size;
            QString title;
            const int seen = WithAboutBox(*window, [&](CAboutDlg* about) {
                title = about->windowTitle();
                size = about->size();
                for (const QLabel* label : about->findChildren<QLabel*>()) {
                    if (label->pixmap().isNull()) {
                        lines << label->text();
                    } else {
                        shownIcon = label->pixmap().toImage();
                    }
                }
                const auto* ok = about->findChild<QPushButton*>();
                okIsDefault = ok && ok->text() == "OK" && ok->isDefault();
                close(about);
            });
            QCOMPARE(seen, 1);
            QCOMPARE(title, QStringLiteral("About velquor"));
            QCOMPARE(size, QSize(353, 89));
            QCOMPARE(lines, (QStringList{"velquor Version 1.0", res::kAboutSecondLine}));
            QVERIFY(okIsDefault);
            QCOMPARE(shownIcon.convertToFormat(QImage::Format_ARGB32),
                     icon32.convertToFormat(QImage::Format_ARGB32));
            QVERIFY(window->isVisible());
            QCOMPARE(window->Dialog().Search().CurrentBracket().low, low);
            QVERIFY(Shown(*window).bits == before.bits);
        }
    }

    void ticksGoOnWhileTheAboutBoxIsOpen() {
        auto window = OpenWindow();
        const CWaveDlg& d = window->Dialog();
        QTest::mouseClick(window->Control(res::kPlay), Qt::LeftButton);
        QTRY_VERIFY(static_cast<int>(d.Search().CurrentPhase()) != 0);
        double highAtOpen = 0.0;
        bool moved = false;
        WithAboutBox(*window, [&](CAboutDlg* about) {
            highAtOpen = d.Search().CurrentBracket().high;
            QTRY_VERIFY(d.Search().CurrentBracket().high != highAtOpen);
            moved = true;
            about->accept();
        });
        QVERIFY(moved);
        QVERIFY(d.TimerRunning());
    }

    void iconAndVersionRecord() {
        for (const int size : {16, 32}) {
            const QImage icon(QStringLiteral(":/icons/velquor-%1.png").arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            QSet<QRgb> opaque;
            for (QRgb c : Colours(icon.convertToFormat(QImage::Format_ARGB32)))
                if (qAlpha(c) == 255) opaque.insert(c);
            QVERIFY(opaque.size() > 2);
            QVERIFY(opaque.size() <= 16);
        }
        const QList<QSize> sizes = CWaveApp::AppIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
        auto window = OpenWindow();
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));

        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("velquor"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0.1"));
        QCOMPARE(CWaveApp::ProductName(), QStringLiteral("velquor Application"));
    }
};

VELQUOR_DESKTOP_TEST_MAIN(WindowTest)
#include "window_test.moc"
