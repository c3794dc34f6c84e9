// velquor-cli with potentials of the user's own: the list of families, settings
// and formulas on the shooting commands, and every bad input refused with one
// line before anything is written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "cli_runner.h"
#include "headless_host.h"
#include "potential_family.h"
#include "resources.h"

namespace {

QStringList Args(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items)
        list << QString::fromUtf8(item);
    return list;
}

// Every energy column of `levels --format csv`.
std::vector<std::string> Energies(const std::string& csv) {
    std::vector<std::string> energies;
    const std::vector<std::string> lines = Lines(csv);
    for (std::size_t i = 1; i < lines.size(); ++i)
        energies.push_back(Split(lines[i], ',')[3]);
    return energies;
}

}  // namespace

TEST(Potentials, ListsEveryFamilyWithItsSettings) {
    const CliRun run = RunCli(Args({"potentials", "--format", "json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonArray list = QJsonDocument::fromJson(QByteArray::fromStdString(run.out))
                                .object()[QStringLiteral("potentials")]
                                .toArray();
    ASSERT_EQ(list.size(), static_cast<qsizetype>(Families().size()));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const FamilyInfo& f = Families()[i];
        const QJsonObject o = list[i].toObject();
        EXPECT_EQ(o[QStringLiteral("name")].toString().toStdString(), f.name);
        EXPECT_EQ(o[QStringLiteral("caption")].toString().toStdString(), f.caption);
        const QJsonArray settings = o[QStringLiteral("settings")].toArray();
        ASSERT_EQ(settings.size(), static_cast<qsizetype>(f.settings.size()));
        for (qsizetype k = 0; k < settings.size(); ++k) {
            const QJsonObject s = settings[k].toObject();
            EXPECT_EQ(s[QStringLiteral("default")].toDouble(), f.settings[k].defaultValue);
            EXPECT_EQ(s[QStringLiteral("min")].toDouble(), f.settings[k].min);
            EXPECT_EQ(s[QStringLiteral("max")].toDouble(), f.settings[k].max);
        }
    }
    const CliRun table = RunCli(Args({"potentials"}));
    EXPECT_NE(table.out.find("wells (\"Pozos multiples\")"), std::string::npos);
}

// The oscillator typed as a formula: its levels to the last digit; and a
// setting given on the command line is the one the window would apply.
TEST(Potentials, FormulaAndSettingsOnTheShootingCommands) {
    const CliRun oscillator =
        RunCli(Args({"levels", "--potential", "oscillator", "--format", "csv"}));
    const CliRun formula = RunCli(Args({"levels", "--formula", "x^2-8", "--format", "csv"}));
    ASSERT_EQ(formula.status, 0) << formula.err;
    EXPECT_EQ(Energies(formula.out), Energies(oscillator.out));
    EXPECT_EQ(Energies(formula.out).size(), 9u);

    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("deep.png"));
    const CliRun render =
        RunCli(Args({"render", "--view", "zoom", "--potential", "poschl-teller", "--set",
                     "depth=-60", "--set", "width=1.5", "--levels", "3", "--output"})
               << png);
    ASSERT_EQ(render.status, 0) << render.err;
    HeadlessSession s(true);
    s.SelectPotential(std::string("Poschl-Teller"));
    ASSERT_EQ(s.ChangeSettings({"-60", "1.5"}), std::nullopt);
    for (int i = 0; i < 3; ++i) {
        s.Click(res::kPlay);
        s.RunTimer();
    }
    s.SelectTab(1);
    const std::vector<std::uint8_t>& frame = s.Paint();
    const int w = s.Platform().frameWidth;
    const int h = s.Platform().frameHeight;
    const QImage picture(png);
    ASSERT_EQ(picture.width(), w);
    ASSERT_EQ(picture.height(), h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = &frame[3 * (static_cast<std::size_t>(h - 1 - y) * w + x)];
            ASSERT_EQ(picture.pixel(x, y), qRgb(p[2], p[1], p[0])) << x << "," << y;
        }
}

TEST(Potentials, BadInputExitsTwoWithOneLineAndWritesNothing) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("never.png"));
    const std::pair<QStringList, std::string> cases[] = {
        {Args({"levels", "--potential", "well", "--set", "dept=-10"}),
         "velquor-cli levels: --set 'dept=-10': well has no setting 'dept'; its settings: depth "
         "and half-width"},
        {Args({"levels", "--potential", "well", "--set", "depth=-200"}),
         "velquor-cli levels: --set 'depth=-200': depth takes a number between -100 and 0"},
        {Args({"predict", "--energy", "-5", "--potential", "wells", "--set", "count=2.5"}),
         "velquor-cli predict: --set 'count=2.5': count takes a whole number between 1 and 8"},
        {Args({"levels", "--potential", "well", "--set", "depth"}),
         "velquor-cli levels: --set 'depth': give NAME=VALUE, such as depth=-8"},
        {Args({"levels", "--potential", "v-shape"}),
         "velquor-cli levels: unknown potential 'v-shape'; accepted: woods-saxon, oscillator, "
         "well, poschl-teller, v-shaped or wells (or the list captions \"Woods-Saxon\", "
         "\"Oscilador armonico\", \"Pozo Finito\", \"Poschl-Teller\", \"Potencial en V\" or "
         "\"Pozos multiples\")"},
        {Args({"levels", "--formula", "x^2 - 8)"}),
         "velquor-cli levels: --formula 'x^2 - 8)': unexpected ')' at position 7"},
        {Args({"predict", "--energy", "-5", "--formula", "1/x"}),
         "velquor-cli predict: --formula '1/x': V is not finite at x = 0"},
        {Args({"predict", "--energy", "-5", "--formula", "x^3", "--parity", "odd"}),
         "velquor-cli predict: --parity: V(x) is not even; its solution is shot from both ends "
         "and has no parity"},
        {Args({"levels", "--formula", "x^2", "--potential", "well"}),
         "velquor-cli levels: --formula and --potential exclude one another; give one"},
        {Args({"levels", "--formula", "x^2", "--set", "depth=-1"}),
         "velquor-cli levels: --set is for the settings of a --potential; a formula has none"},
        {QStringList{QStringLiteral("levels"), QStringLiteral("--formula"),
                     QString(1001, QLatin1Char('x'))},
         "velquor-cli levels: --formula '" + std::string(1001, 'x') +
             "': the formula is longer than 1000 characters"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.err, message + "\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(QFile::exists(png));
    // Drawing alone needs no evenness.
    EXPECT_EQ(RunCli(Args({"render", "--view", "normal", "--formula", "x^3/50", "--output"}) << png)
                  .status,
              0);
}
