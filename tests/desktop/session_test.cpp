// Whole sessions at the window, by keyboard and mouse, reading back the
// picture it shows.
#include <QAbstractItemView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "data_exchange.h"
#include "headless_host.h"
#include "resources.h"
#include "window_fixture.h"

namespace {

void ClickButton(WaveWindow& window, int id) {
    QTest::mouseClick(window.Control(id), Qt::LeftButton);
}

// Replaces the energy box's text as a user does: into the box, select all, type.
void TypeEnergy(WaveWindow& window, const QString& text) {
    auto* edit = ControlOf<QLineEdit>(window, res::kEnergy);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

// Picks a potential from the open list with the mouse.
void ChoosePotential(WaveWindow& window, int index) {
    auto* list = ControlOf<QComboBox>(window, res::kPotentialList);
    QTest::mouseClick(list, Qt::LeftButton);
    QTRY_VERIFY(list->view()->isVisible());
    QTest::qWait(QApplication::doubleClickInterval());  // not the click that opened it
    const QRect item = list->view()->visualRect(list->model()->index(index, 0));
    QTest::mouseMove(list->view()->viewport(), item.center());  // hover, then click
    QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!list->view()->isVisible());
}

void ClickTab(WaveWindow& window, int index) {
    QTabBar* bar = TabBarOf(window);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

constexpr int kLevelPatienceMs = 30000;

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpShowsTheOscillatorAlone() {
        // The same first picture as the dialog draws with no window at all.
        std::vector<std::uint8_t> headless;
        {
            HeadlessSession s;
            headless = s.Paint();
        }
        auto window = OpenWindow();
        auto* list = ControlOf<QComboBox>(*window, res::kPotentialList);
        auto* tab = ControlOf<QTabWidget>(*window, res::kTab);
        QCOMPARE(list->currentText(), QStringLiteral("Oscilador armonico"));
        QCOMPARE(ControlOf<QLineEdit>(*window, res::kEnergy)->text(), QStringLiteral("-1"));
        QCOMPARE(tab->count(), 6);
        QCOMPARE(tab->tabText(3), QStringLiteral("Evolucion"));
        QCOMPARE(tab->tabText(4), QStringLiteral("Transmision"));
        QCOMPARE(tab->tabText(res::kPacketTab), QStringLiteral("Paquete"));
        QCOMPARE(tab->tabText(0), QStringLiteral("Normal"));
        QCOMPARE(tab->tabText(1), QStringLiteral("Zoom"));
        QCOMPARE(tab->currentIndex(), 0);
        QVERIFY(window->Control(res::kPlay)->isEnabled());
        QCOMPARE(QApplication::focusWidget(), window->Control(res::kPredictor));

        const ShownFrame shown = Shown(*window);
        QCOMPARE(shown.width, 624);
        QCOMPARE(shown.height, 584);
        QVERIFY(shown.bits == headless);
        const FrameProbe f = shown.Probe();
        QVERIFY(f.Has(kGreen));
        for (Rgb c : {kBlue, kRed, kAzure, kViolet})
            QVERIFY(!f.Has(c));
        QCOMPARE(f.At(156, 438), kBlack);                     // the axes cross
        QCOMPARE(Classify(f.At(156, 198)), Hue::Green);       // V(0) = -8
        QCOMPARE(Classify(f.At(200, 438 + 60)), Hue::White);  // nothing above it
    }

    void enterPredictsAtTheTypedEnergy() {
        auto window = OpenWindow();
        // From the first tab stop, Tab selects the whole energy box.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* edit = ControlOf<QLineEdit>(*window, res::kEnergy);
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClicks(edit, "2.5");
        QCOMPARE(edit->text(), QStringLiteral("2.5"));
        WhenShown noMessage(ActiveModal, [](QWidget* box) { box->close(); });
        QTest::keyClick(edit, Qt::Key_Return);

        const CWaveDlg& d = window->Dialog();
        QCOMPARE(d.Energy(), 2.5);
        QCOMPARE(d.Search().PredictionShown(), std::uint8_t{1});
        QCOMPARE(d.Search().Lower().Value(0.0).x, 1.0);
        QCOMPARE(noMessage.Seen(), 0);
        const ShownFrame shown = Shown(*window);
        QVERIFY(shown.bits == FrameBytes(d));
        const FrameProbe f = shown.Probe();
        QVERIFY(f.Has(kBlue));
        QVERIFY(f.Has(kRed));
        // psi(0) = 1 = |psi(0)|^2, 30 px above the origin; the density lies on top.
        QVERIFY(f.HueNear(156, 468, Hue::Red));
        QVERIFY(!f.HueNear(156, 468, Hue::Blue));
    }

    void aWordGivesOneMessageAndKeepsThePreviousEnergy() {
        auto window = OpenWindow();
        auto* edit = ControlOf<QLineEdit>(*window, res::kEnergy);
        TypeEnergy(*window, "-6.5");
        QTest::keyClick(edit, Qt::Key_Return);
        const ShownFrame before = Shown(*window);

        TypeEnergy(*window, "energy");
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenShown answer(ActiveModal, [&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            text = box->text();
            icon = box->icon();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        ClickButton(*window, res::kPredictor);
        QTest::qWait(200);  // room for a second message, which must not come

        QCOMPARE(answer.Seen(), 1);
        QCOMPARE(text, QStringLiteral("Enter a number."));
        QCOMPARE(icon, QMessageBox::Warning);
        // Focus and selection are back in the box, ready for retyping.
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), QStringLiteral("energy"));
        QCOMPARE(window->Dialog().Energy(), -6.5);
        // The prediction at the previous energy, pixel for pixel.
        QVERIFY(Shown(*window).bits == before.bits);
    }

    void ticksWaitWhileTheMessageIsUp() {
        auto window = OpenWindow();
        const CWaveDlg& d = window->Dialog();
        ClickButton(*window, res::kPlay);
        QTRY_VERIFY(static_cast<int>(d.Search().CurrentPhase()) != 0);
        TypeEnergy(*window, "x");
        std::vector<int> statesSeen;
        WhenShown answer(ActiveModal, [&](QWidget* box) {
            for (int i = 0; i < 6; ++i) {  // three ticks' worth
                QTest::qWait(50);
                statesSeen.push_back(static_cast<int>(d.Search().CurrentPhase()));
            }
            box->close();
        });
        ClickButton(*window, res::kPredictor);
        QCOMPARE(answer.Seen(), 1);
        // Inside the message the prediction's reset stood; the held tick ran
        // as soon as "Predictor" returned, starting a new search.
        QCOMPARE(statesSeen, std::vector<int>(6, 0));
        QVERIFY(static_cast<int>(d.Search().CurrentPhase()) != 0);
        QVERIFY(d.TimerRunning());
    }

    void buscarShowsBothBrackets() {
        auto window = OpenWindow();
        ClickButton(*window, res::kSearch);
        const CWaveDlg& d = window->Dialog();
        QCOMPARE(static_cast<int>(d.Search().CurrentPhase()), std::uint8_t{2});
        QCOMPARE(d.Search().CurrentBracket().low, -8.0);
        const ShownFrame shown = Shown(*window);
        QVERIFY(shown.bits == FrameBytes(d));
        const FrameProbe f = shown.Probe();
        QVERIFY(f.Has(kAzure));
        QVERIFY(f.Has(kViolet));
        QVERIFY(!f.Has(kRed));
        QVERIFY(!f.Has(kBlue));
        QVERIFY(!window->Dialog().TimerRunning());
    }

    // Play until the ground state is recorded, look at it in both views, then
    // change to the square well while the animation runs.
    void playZoomAndAnotherPotential() {
        auto window = OpenWindow();
        CWaveDlg& d = window->Dialog();
        QWidget* play = window->Control(res::kPlay);
        ClickButton(*window, res::kPlay);
        QVERIFY(!play->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(d.Search().Levels().size(), std::uint8_t{1}, kLevelPatienceMs);
        QVERIFY(play->isEnabled());
        QVERIFY(!d.TimerRunning());
        const double level = d.Search().Levels()[0].energy;
        QVERIFY(std::fabs(level - (-8.0 + std::sqrt(0.5))) < 0.03);
        QCOMPARE(ControlOf<QLineEdit>(*window, res::kEnergy)->text(),
                 QString::fromStdString(FormatDouble(d.Energy())));
        const ShownFrame normal = Shown(*window);
        QVERIFY(normal.bits == FrameBytes(d));
        QVERIFY(normal.Probe().HasHue(Hue::Red));
        QVERIFY(normal.Probe().HasHue(Hue::Blue));
        QVERIFY(!normal.Probe().HasHue(Hue::Azure));

        ClickTab(*window, 1);
        QCOMPARE(d.Search().Levels().size(), std::uint8_t{1});
        const ShownFrame zoom = Shown(*window);
        QVERIFY(zoom.bits == FrameBytes(d));
        const FrameProbe z = zoom.Probe();
        QCOMPARE(z.At(312, 438), kBlack);  // the zoom view's origin at the centre
        QVERIFY(z.HasHue(Hue::Green));
        QVERIFY(z.HasHue(Hue::Red));
        QVERIFY(z.HasHue(Hue::Blue));
        // Back to "Normal": the same picture as before, nothing recomputed.
        ClickTab(*window, 0);
        QVERIFY(Shown(*window).bits == normal.bits);
        ClickTab(*window, 1);

        // A running animation, then the well: levels gone, "Play" back.
        ClickButton(*window, res::kPlay);
        QVERIFY(!play->isEnabled());
        ChoosePotential(*window, 2);
        QCOMPARE(ControlOf<QComboBox>(*window, res::kPotentialList)->currentText(),
                 QStringLiteral("Pozo Finito"));
        QCOMPARE(d.Choice().Family(), FamilyId::Well);
        QCOMPARE(d.Search().Levels().size(), std::size_t{0});
        QVERIFY(play->isEnabled());
        QVERIFY(d.TimerRunning());
        const FrameProbe well = Shown(*window).Probe();
        QVERIFY(well.HasHue(Hue::Green));
        QVERIFY(!well.HasHue(Hue::Red));
        QVERIFY(!well.HasHue(Hue::Blue));
        // The next tick begins a search on the well.
        QTRY_COMPARE(d.Search().CurrentBracket().ceiling, 0.0);
        QCOMPARE(d.Search().CurrentBracket().low, -8.0);
    }

    void keysChooseEveryPotential() {
        auto window = OpenWindow();
        auto* list = ControlOf<QComboBox>(*window, res::kPotentialList);
        list->setFocus();
        const CWaveDlg& d = window->Dialog();
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(d.Choice().Family(), FamilyId::WoodsSaxon);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(d.Choice().Family(), FamilyId::Well);
        QCOMPARE(list->currentText(), QStringLiteral("Pozo Finito"));
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(d.Choice().Family(), FamilyId::Oscillator);
    }

    // The Evolucion band: shown with its tab, walked by Tab, applied by
    // Enter (not "Predictor"), its animation stopped when the tab is left.
    void evolucionBandByKeyboard() {
        auto window = OpenWindow();
        const EvolutionView& view = window->Dialog().Evolution();
        auto* states = ControlOf<QLineEdit>(*window, res::kEvolutionStates);
        QVERIFY(!states->isVisible());
        ClickTab(*window, res::kEvolutionTab);
        QVERIFY(states->isVisible());
        QCOMPARE(states->text(), QStringLiteral("0, 1"));
        QVERIFY(view.TimerRunning());
        QTRY_VERIFY(view.Time() > 0.0);

        QTest::mouseClick(states, Qt::LeftButton);
        QTest::keyClick(states, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(states, QStringLiteral("0 2"));
        QTest::keyClick(states, Qt::Key_Tab);
        auto* weights = ControlOf<QLineEdit>(*window, res::kEvolutionWeights);
        QCOMPARE(QApplication::focusWidget(), weights);
        QTest::keyClick(weights, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(weights, QStringLiteral("1 1"));
        QTest::keyClick(weights, Qt::Key_Return);
        QCOMPARE(view.Choice().states, (std::vector<std::size_t>{0, 2}));
        QCOMPARE(ControlOf<QLabel>(*window, res::kEvolutionEnergy)->text(),
                 QStringLiteral("<E> = -5.878680"));
        QCOMPARE(window->Dialog().Search().PredictionShown(), std::uint8_t{0});

        ClickTab(*window, 0);
        QVERIFY(!states->isVisible());
        QVERIFY(!view.TimerRunning());
    }

    void webLinkOpensTheAddress() {
        auto window = OpenWindow();
        std::vector<QUrl> opened;
        window->SetWebOpener([&](const QUrl& url) { opened.push_back(url); });
        auto* link = ControlOf<QPushButton>(*window, res::kWebLink);
        QCOMPARE(link->text(), QString::fromUtf8(res::kWebLinkCaption));
        ClickButton(*window, res::kWebLink);
        QCOMPARE(opened, std::vector<QUrl>{QUrl(QString::fromUtf8(res::kWebAddress))});
        QVERIFY(opened[0].isValid());
        QCOMPARE(opened[0].scheme(), QStringLiteral("https"));
    }

    void escapeAndTheCloseBoxEndTheProgram() {
        {
            auto window = OpenWindow();
            ClickButton(*window, res::kPlay);
            QVERIFY(window->Dialog().TimerRunning());
            QTest::keyClick(window.get(), Qt::Key_Escape);
            QVERIFY(!window->isVisible());
            QCOMPARE(window->result(), int(QDialog::Rejected));
            QVERIFY(!window->Dialog().TimerRunning());
            QVERIFY(!window->Dialog().Views().NormalCanvas());
            QVERIFY(!window->Dialog().Views().ZoomCanvas());
        }
        {
            auto window = OpenWindow();
            QVERIFY(window->close());
            QVERIFY(!window->isVisible());
            QVERIFY(!window->Dialog().Views().NormalCanvas());
        }
    }
};

VELQUOR_DESKTOP_TEST_MAIN(SessionTest)
#include "session_test.moc"
