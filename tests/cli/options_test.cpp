// How velquor-cli reads a command line and writes JSON: the option rules its
// users' scripts rely on, help that lists exactly what each command accepts,
// and JSON text that is, byte for byte, what the program has always written
// (Qt's JSON writer, which the tests still have at hand).
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstring>
#include <random>

#include "cli_options.h"
#include "cli_runner.h"
#include "json_text.h"
#include "potential_family.h"

namespace {

using cli::Option;

const Option kPotential{"potential", "NAME", "The potential.", ""};
const Option kSet{"set", "NAME=VALUE", "A setting.", ""};
const Option kFormat{"format", "FORMAT", "table or csv.", "table"};
const cli::Command kCommand{
    "levels", "levels [options]", "Lists levels.", {kPotential, kSet, kFormat}};

// What the parser made of args, or its refusal.
std::string Parsed(const std::vector<std::string>& args) {
    try {
        const std::optional<cli::Arguments> parsed = cli::ParseCommand(kCommand, args);
        if (!parsed) return "help";
        std::string out;
        for (const Option& o : kCommand.options)
            for (const std::string& v : parsed->Values(o))
                out += o.name + "=" + v + ";";
        return out + "format:" + parsed->Value(kFormat);
    } catch (const cli::UsageError& e) {
        const std::string message = e.what();
        return "refused: " + message.substr(0, message.find(';'));
    }
}

}  // namespace

// The rules of the parser the program always had: --name VALUE or
// --name=VALUE, the next argument taken as the value whatever it looks like,
// repeats kept in order; an unknown option named before a missing value,
// and --help before an argument that is no option.
TEST(Options, ReadAsTheyAlwaysWere) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "format:table"},
        {{"--potential", "well", "--format=csv"}, "potential=well;format=csv;format:csv"},
        {{"--potential", "-x^2", "--set", "a=1", "--set=b=2"},
         "potential=-x^2;set=a=1;set=b=2;format:table"},
        {{"--format="}, "format=;format:"},
        {{"--format", "--"}, "format=--;format:--"},
        {{"--format", "csv", "--format", "json"}, "format=csv;format=json;format:json"},
        {{"--colour", "red", "--format"}, "refused: unknown option '--colour'"},
        {{"--colour=red"}, "refused: unknown option '--colour'"},
        {{"--pot", "well"}, "refused: unknown option '--pot'"},
        {{"-potential", "well"}, "refused: unknown option '-p'"},
        {{"-hx"}, "refused: unknown option '-x'"},
        {{"-5"}, "refused: unknown option '-5'"},
        {{"well"}, "refused: unexpected argument 'well'"},
        {{"--", "--format"}, "refused: unexpected argument '--format'"},
        {{"-"}, "refused: unexpected argument '-'"},
        {{"--format"}, "refused: missing value after '--format'"},
        {{"--help=1"}, "refused: unexpected value after '--help'"},
        {{"-h=x"}, "refused: unexpected value after '-h'"},
        {{"--help=1", "--colour"}, "refused: unknown option '--colour'"},
        {{"well", "-h"}, "help"},
    };
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(Parsed(args), expected) << ::testing::PrintToString(args);
}

// The help names each option the command accepts, in its usage line and in
// its list, and no other; --potential's lists the family table's names.
TEST(Options, HelpListsWhatEachCommandAccepts) {
    for (const char* command : {"levels", "predict", "render", "evolve", "potentials"}) {
        const CliRun help = RunCli({command, "--help"});
        const CliRun refused = RunCli({command, "--no-such-option"});
        ASSERT_EQ(help.status, 0) << command;
        // "...; accepted: --a, --b and --help (see ...)"
        const std::size_t from = refused.err.find("accepted: ") + 10;
        std::string list = refused.err.substr(from, refused.err.find(" (see") - from);
        list.replace(list.rfind(" and "), 5, ", ");
        std::vector<std::string> accepted = Split(list, ',');
        const std::vector<std::string> lines = Lines(help.out);
        std::vector<std::string> listed;
        for (const std::string& line : lines)
            if (line.rfind("  --", 0) == 0) listed.push_back(Split(line.substr(2), ' ')[0]);
        listed.push_back("--help");  // "  -h, --help"
        for (std::string& name : accepted) {
            name.erase(0, name.find_first_not_of(' '));
            if (name != "--help") {
                EXPECT_NE(lines[0].find(name + " "), std::string::npos) << command << name;
            }
        }
        EXPECT_EQ(listed, accepted) << command;
        if (std::string(command) == "potentials") continue;
        for (const FamilyInfo& f : Families()) {
            if (f.id != FamilyId::Formula) {
                EXPECT_NE(help.out.find(f.name), std::string::npos) << command << f.name;
            }
        }
    }
}

// Every number, and the layout of objects, lists and empty lists, as Qt's
// JSON writer wrote them.
TEST(Options, JsonIsTheProgramsJson) {
    std::vector<double> values{0.0,        -0.0, 0.001, 1e-05,    100000.0, -16.0,   0x1p53,
                               0x1p53 + 2, 1e16, 1e300, 4.9e-324, NAN,      INFINITY};
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        values.push_back(d);
        values.push_back(std::ldexp(static_cast<double>(bits >> 11), static_cast<int>(i % 70)));
        values.push_back(static_cast<double>(static_cast<std::int64_t>(bits % 2000001) - 1000000) *
                         std::pow(10.0, static_cast<int>(i % 40) - 20));
    }
    cli::JsonValue mine = cli::JsonValue::array();
    QJsonArray qt;
    for (double v : values) {
        mine.push_back(v);
        qt.append(v);
    }
    EXPECT_EQ(cli::JsonText(mine, false),
              QJsonDocument(qt).toJson(QJsonDocument::Compact).toStdString());

    const cli::JsonValue nested{{"name", "well"},
                                {"levels", cli::JsonValue::array()},
                                {"rows", {{{"b", true}, {"a", nullptr}}, 3}}};
    const QJsonObject qtNested{
        {"name", "well"},
        {"levels", QJsonArray()},
        {"rows", QJsonArray{QJsonObject{{"b", true}, {"a", QJsonValue()}}, 3}}};
    EXPECT_EQ(cli::JsonText(nested),
              QJsonDocument(qtNested).toJson(QJsonDocument::Indented).toStdString());
}
