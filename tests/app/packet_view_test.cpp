// The "Paquete" tab at the dialog, headless: its default packet, its own
// timer, its buttons and fields, the numbers it shows and the picture, which
// depends on the time alone.
#include <gtest/gtest.h>

#include <string>

#include "headless_host.h"
#include "resources.h"

namespace {

struct PacketSession {
    HeadlessSession s;

    HeadlessPlatform& P() { return s.Platform(); }
    PacketView& View() { return s.Dialog().Packet(); }
    std::string Text(int id) { return P().ControlText(id); }
    bool Animating() { return P().timers.contains(res::kPacketTimer); }
    void Type(int id, const std::string& text) { P().SetControlText(id, text); }
};

TEST(Packet, TheTabSendsTheStartPacketOnItsOwnTimer) {
    PacketSession e;
    EXPECT_EQ(e.P().tabs.at(res::kPacketTab), "Paquete");
    EXPECT_FALSE(e.Animating());
    e.s.SelectTab(res::kPacketTab);
    EXPECT_TRUE(e.Animating());
    EXPECT_EQ(e.P().timers.at(res::kPacketTimer), 16u);
    EXPECT_FALSE(e.P().timers.contains(res::kEvolutionTimer));
    EXPECT_EQ(e.Text(res::kPacketX0), "-10");
    EXPECT_EQ(e.Text(res::kPacketK0), "3");
    EXPECT_EQ(e.Text(res::kPacketSigma), "1");
    EXPECT_EQ(e.Text(res::kPacketSplit), "0");
    EXPECT_EQ(e.Text(res::kPacketSpeed), "1");
    EXPECT_EQ(e.Text(res::kPacketTime), "0.000");
    EXPECT_EQ(e.Text(res::kPacketPlay), "Pausa");
    EXPECT_EQ(e.Text(res::kPacketNumbers), "izq. 1.000000   der. 0.000000");

    const std::vector<std::uint8_t> first = e.s.Paint();
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(e.s.TickPacket());
    EXPECT_EQ(e.View().Time(), 100 * 0.016);
    EXPECT_EQ(e.Text(res::kPacketTime), "1.600");
    EXPECT_NE(e.s.Paint(), first);
    const packet::PacketSample sample = e.View().Line()->Sample();
    EXPECT_NEAR(sample.norm, 1.0, 1e-12);

    // Paused, the timer stops; away from the tab too; "t = 0" goes back.
    e.s.Click(res::kPacketPlay);
    EXPECT_EQ(e.Text(res::kPacketPlay), "Play");
    EXPECT_FALSE(e.Animating());
    e.s.Click(res::kPacketPlay);
    EXPECT_TRUE(e.Animating());
    e.s.SelectTab(0);
    EXPECT_FALSE(e.Animating());
    e.s.SelectTab(res::kPacketTab);
    EXPECT_EQ(e.View().Time(), 100 * 0.016);
    e.s.Click(res::kPacketReset);
    EXPECT_EQ(e.Text(res::kPacketTime), "0.000");
    EXPECT_EQ(e.s.Paint(), first);
}

// The picture at a time is the same whether the animation ticked its way
// there or the time was typed.
TEST(Packet, APictureDependsOnTheTimeAlone) {
    PacketSession ticked;
    ticked.s.SelectTab(res::kPacketTab);
    ticked.Type(res::kPacketSpeed, "3");
    ticked.Type(res::kPacketK0, "-2");
    ticked.s.Click(res::kPacketApply);
    for (int i = 0; i < 37; ++i)
        ticked.s.TickPacket();
    const double t = ticked.View().Time();

    PacketSession typed;
    typed.s.SelectTab(res::kPacketTab);
    typed.s.Click(res::kPacketPlay);
    typed.Type(res::kPacketK0, "-2");
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", t);
    typed.Type(res::kPacketTime, text);
    typed.s.Click(res::kPacketApply);
    EXPECT_EQ(typed.View().Time(), t);
    EXPECT_EQ(typed.s.Paint(), ticked.s.Paint());
    EXPECT_EQ(typed.Text(res::kPacketNumbers), ticked.Text(res::kPacketNumbers));
}

// A value that does not read gets the message on its field and changes nothing.
TEST(Packet, FieldsThatDoNotReadChangeNothing) {
    struct Case {
        int id;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {res::kPacketX0, "abc", "x0 'abc' is not a number; give a finite decimal number"},
        {res::kPacketSigma, "0", "sigma must be a finite number greater than 0"},
        {res::kPacketX0, "-30",
         "the packet does not fit the grid: x0 - 8 sigma and x0 + 8 sigma must lie in [-32, "
         "32], between the absorbing layers"},
        {res::kPacketK0, "12",
         "the packet is too fast for the absorbing edges: |k0| + 4 / sigma must not exceed 12"},
        {res::kPacketSplit, "40",
         "the split point must lie between -32 and 32, between the absorbing layers"},
        {res::kPacketSpeed, "21", res::kEnterPacketSpeed},
        {res::kPacketTime, "-1", res::kEnterPacketTime},
    };
    for (const Case& c : cases) {
        PacketSession e;
        e.s.SelectTab(res::kPacketTab);
        const std::vector<std::uint8_t> before = e.s.Paint();
        e.Type(c.id, c.text);
        e.s.Click(res::kPacketApply);
        ASSERT_EQ(e.P().messages.size(), 1u) << c.text;
        EXPECT_EQ(e.P().messages[0], std::make_pair(c.id, c.message));
        EXPECT_EQ(e.View().Choice().packet.x0, -10.0);
        EXPECT_EQ(e.s.Paint(), before);
    }
}

}  // namespace
