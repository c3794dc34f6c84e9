// velquor-cli potentials: every family of potentials the window's list offers,
// its formula, and each setting with its default and range.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli_options.h"
#include "commands.h"
#include "data_exchange.h"
#include "potential_family.h"
#include "text_output.h"

namespace cli {

namespace {

std::string Table() {
    std::string out;
    for (const FamilyInfo& f : Families()) {
        if (!out.empty()) out += "\n";
        out += std::string(f.name) + " (\"" + f.caption + "\"): V = " + f.formula + "\n";
        if (f.settings.empty()) out += "  no settings: --formula EXPR gives V(x)\n";
        for (const SettingInfo& s : f.settings)
            out += "  " + PadRight(s.name, 13) + "default " +
                   PadRight(FormatDouble(s.defaultValue), 7) + "from " +
                   PadRight(FormatDouble(s.min), 6) + "to " + FormatDouble(s.max) +
                   (s.integer ? ", whole numbers" : "") + "\n";
    }
    return out;
}

std::string Json() {
    QJsonArray families;
    for (const FamilyInfo& f : Families()) {
        QJsonArray settings;
        for (const SettingInfo& s : f.settings)
            settings.append(QJsonObject{
                {QStringLiteral("name"), QString::fromUtf8(s.name)},
                {QStringLiteral("default"), s.defaultValue},
                {QStringLiteral("min"), s.min},
                {QStringLiteral("max"), s.max},
                {QStringLiteral("integer"), s.integer},
            });
        families.append(QJsonObject{
            {QStringLiteral("name"), QString::fromUtf8(f.name)},
            {QStringLiteral("caption"), QString::fromUtf8(f.caption)},
            {QStringLiteral("formula"), QString::fromUtf8(f.formula)},
            {QStringLiteral("settings"), settings},
        });
    }
    const QJsonObject root{{QStringLiteral("potentials"), families}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace

int RunPotentials(const QStringList& args) {
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("table (the default) or json."),
                                          QStringLiteral("FORMAT"), QStringLiteral("table"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists every family of potentials in the order of the window's list: its name (for\n"
        "--potential), its caption, its formula and each setting (for --set NAME=VALUE) with\n"
        "its default and the range it takes. The last entry is the typed formula, --formula."));
    if (!ParseSubcommand(parser, {formatOption}, args, "potentials [--format table|json]"))
        return kExitOk;
    const std::string format =
        ParseChoice("--format", parser.value(formatOption).toStdString(), {"table", "json"});
    WriteOut(format == "json" ? Json() : Table());
    return kExitOk;
}

}  // namespace cli
