// Long random sessions at the dialog: whatever a user clicks, types and waits
// for, in whatever order, the search keeps its promises after every event.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "headless_host.h"
#include "resources.h"

namespace {

enum class Event {
    Tick,
    Buscar,
    Play,
    Predictor,
    Enter,
    TypeEnergy,
    Potential,
    Tab,
    Spin,
    AboutBox,
    WebLink,
};

std::string RandomEnergyText(std::mt19937& rng) {
    static const char* const kOdd[] = {"",     "abc",    "1e999", "-1e300", " 3.5 ", "nan",
                                       "0x10", "1e-400", "+.5",   "-",      "2.5e",  "  -7.29  "};
    switch (rng() % 4) {
        case 0:
            return kOdd[rng() % std::size(kOdd)];
        case 1:
            return std::to_string(static_cast<int>(rng() % 21) - 10);
        default: {
            const double e = std::uniform_real_distribution<double>(-9.0, 6.0)(rng);
            char text[32];
            std::snprintf(text, sizeof text, "%.6g", e);
            return text;
        }
    }
}

// One event. A patient user mostly lets the timer tick and presses "Play"
// again; a restless one clicks, types and switches all the time.
Event RandomEvent(HeadlessSession& s, std::mt19937& rng, bool patient) {
    if (patient) {
        const unsigned roll = rng() % 100;
        if (roll < 96) {
            s.Tick();
            return Event::Tick;
        }
        if (roll < 99) {
            s.Click(res::kPlay);
            return Event::Play;
        }
    }
    const unsigned roll = rng() % 100;
    if (roll < 55) {
        s.Tick();
        return Event::Tick;
    }
    if (roll < 67) {
        s.Click(res::kSearch);
        return Event::Buscar;
    }
    if (roll < 77) {
        s.Click(res::kPlay);
        return Event::Play;
    }
    if (roll < 82) {
        s.TypeEnergy(RandomEnergyText(rng));
        s.Click(res::kPredictor);
        return Event::Predictor;
    }
    if (roll < 84) {
        s.PressEnter();
        return Event::Enter;
    }
    if (roll < 87) {
        s.TypeEnergy(RandomEnergyText(rng));
        return Event::TypeEnergy;
    }
    if (roll < 91) {
        s.SelectPotential(static_cast<int>(rng() % 3));
        return Event::Potential;
    }
    if (roll < 95) {
        s.SelectTab(static_cast<int>(rng() % 2));
        return Event::Tab;
    }
    if (roll < 97) {
        s.Dialog().OnSpinDelta(rng() % 2 ? 1 : -1);
        return Event::Spin;
    }
    if (roll < 99) {
        s.Dialog().OnSysCommand(res::kAboutBoxCommand);
        return Event::AboutBox;
    }
    s.Click(res::kWebLink);
    return Event::WebLink;
}

// What the user has been told by the buttons and the timer, kept from the
// events alone and compared with the dialog after each one.
struct Expectation {
    bool playEnabled = true;
    bool timerRunning = false;
};

TEST(Soak, TwentyThousandRandomEventsKeepEveryPromise) {
    HeadlessSession s(true);
    CWaveDlg& d = s.Dialog();
    HeadlessPlatform& p = s.Platform();
    std::mt19937 rng(8);
    // Boxes are modal: now and then the timer ticks while one is up.
    p.whileModal = [&] {
        if (rng() % 2) s.Tick();
    };

    Expectation expect;
    bool patient = false;
    int recorded = 0;
    int scansEnded = 0;
    int paints = 0;
    for (int event = 0; event < 20000; ++event) {
        const bool playWasEnabled = p.IsEnabled(res::kPlay);
        const bool timerWasRunning = p.timerRunning;
        const std::uint8_t stateBefore = static_cast<int>(d.Search().CurrentPhase());
        const std::uint8_t countBefore = d.Search().Levels().size();
        const int ticksBefore = s.Ticks();
        // Tempers change every few hundred events.
        if (event % 300 == 0) patient = rng() % 3 != 0;
        const Event what = RandomEvent(s, rng, patient);
        const bool ticked = s.Ticks() > ticksBefore;
        SCOPED_TRACE("event " + std::to_string(event) + ", kind " +
                     std::to_string(static_cast<int>(what)));

        // The model of the buttons and the timer.
        if (what == Event::Potential) expect.playEnabled = true;
        if (what == Event::Play && playWasEnabled) {
            expect.playEnabled = false;
            expect.timerRunning = true;
        }
        if (what == Event::Buscar && (stateBefore == 2 || stateBefore == 3) &&
            d.Search().CurrentBracket().high > d.Search().CurrentBracket().ceiling) {
            expect.playEnabled = false;  // this step ran past the ceiling
            expect.timerRunning = false;
        }
        if (ticked) {
            switch (d.LastTick()) {
                case CWaveDlg::Tick::Stepped:
                    EXPECT_TRUE(expect.timerRunning);
                    break;
                case CWaveDlg::Tick::Recorded:
                    expect.playEnabled = true;
                    expect.timerRunning = false;
                    ++recorded;
                    break;
                case CWaveDlg::Tick::ScanEnded:
                    EXPECT_GT(d.Search().CurrentBracket().high,
                              d.Search().CurrentBracket().ceiling);
                    expect.playEnabled = false;
                    expect.timerRunning = false;
                    ++scansEnded;
                    break;
                case CWaveDlg::Tick::TableFull:
                    EXPECT_EQ(d.Search().Levels().size(), CWaveDlg::kMaxLevels);
                    expect.timerRunning = false;
                    break;
                case CWaveDlg::Tick::None:
                    ADD_FAILURE() << "a tick that did nothing";
                    break;
            }
        }

        // The timer runs only after "Play", and stops on convergence, a full
        // table or the ceiling.
        ASSERT_EQ(p.timerRunning, expect.timerRunning);
        ASSERT_EQ(d.TimerRunning(), expect.timerRunning);
        if (!timerWasRunning && p.timerRunning) {
            ASSERT_EQ(what, Event::Play);
        }
        ASSERT_EQ(p.IsEnabled(res::kPlay), expect.playEnabled);

        // The table of levels: never past its end, every entry a finite
        // energy above the one before, all found by this search.
        ASSERT_LE(d.Search().Levels().size(), CWaveDlg::kMaxLevels);
        ASSERT_LE(static_cast<int>(d.Search().CurrentPhase()), 3);
        for (std::uint8_t i = 0; i < d.Search().Levels().size(); ++i) {
            ASSERT_TRUE(std::isfinite(d.Search().Levels()[i].energy)) << int{i};
            if (i > 0) {
                ASSERT_GT(d.Search().Levels()[i].energy, d.Search().Levels()[i - 1].energy)
                    << int{i};
            }
            ASSERT_LE(d.Search().Levels()[i].parity, 1);
        }
        if (d.Search().Levels().size() > countBefore) {
            // One level at a time, the midpoint of the bracket that converged.
            ASSERT_EQ(d.Search().Levels().size(), countBefore + 1);
            ASSERT_EQ(d.Search().Levels()[countBefore].energy,
                      (d.Search().CurrentBracket().high + d.Search().CurrentBracket().low) * 0.5);
            ASSERT_EQ(d.Search().Searching(), 0);
        }

        if (event % 250 == 249) {
            const std::vector<std::uint8_t>& frame = s.Paint();
            ASSERT_EQ(frame.size(), static_cast<std::size_t>(p.frameWidth) * p.frameHeight * 3);
            ++paints;
        }
    }
    // The session got somewhere: levels were found and scans ran out.
    EXPECT_GT(recorded, 50);
    EXPECT_GT(scansEnded, 5);
    EXPECT_EQ(paints, 80);
}

// Drawing only when painted must show, at every paint of a long random
// session, exactly what drawing on every Redraw shows; paints come now and
// then, so that several events may pass between a Redraw and its paint. The
// sessions run one after the other: the search's parity is shared by the
// whole program.
TEST(Soak, DeferredDrawingShowsEveryFrameAsDrawnAtOnce) {
    auto frames = [](bool deferred) {
        HeadlessSession s(deferred);
        std::mt19937 rng(21);
        std::vector<std::size_t> shown;
        const auto paint = [&] {
            const std::vector<std::uint8_t>& frame = s.Paint();
            shown.push_back(std::hash<std::string_view>{}(
                std::string_view(reinterpret_cast<const char*>(frame.data()), frame.size())));
        };
        // A level recorded and not yet painted, then a step that runs the
        // scan out and so draws nothing (the scan made to stand at the
        // ceiling, as a scan that converged there would): the paint must
        // still show the level as it was recorded.
        s.Click(res::kPlay);
        s.RunTimer();
        LevelSearch::Bracket atCeiling = s.Dialog().Search().CurrentBracket();
        atCeiling.phase = LevelSearch::Phase::Scan;
        atCeiling.high = atCeiling.ceiling;
        s.Dialog().SetSearchBracket(atCeiling);
        s.Click(res::kSearch);
        paint();
        // Every level of another potential unseen, and the last press.
        s.SelectPotential(2);
        while (s.Platform().IsEnabled(res::kPlay)) {
            s.Click(res::kPlay);
            s.RunTimer();
        }
        paint();
        for (int event = 0; event < 1500; ++event) {
            RandomEvent(s, rng, event % 200 >= 80);
            if (rng() % 5 == 0) paint();
        }
        return shown;
    };
    const std::vector<std::size_t> eager = frames(false);
    const std::vector<std::size_t> lazy = frames(true);
    ASSERT_EQ(eager.size(), lazy.size());
    for (std::size_t i = 0; i < eager.size(); ++i)
        ASSERT_EQ(eager[i], lazy[i]) << "paint " << i;
}

}  // namespace
