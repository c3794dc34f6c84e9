// Runs the built velquor-cli and collects what it said and how it ended.
#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// QProcess wants an application object for its bookkeeping.
inline void EnsureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_cli";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// `wrapper` is a shell snippet run before the program (limits, traps); the
// program and its arguments follow as "$0" "$@".
inline CliRun RunCli(const QStringList& args, const QString& wrapper = {},
                     const QString& stdoutFile = {}) {
    EnsureApplication();
    QProcess process;
    if (!stdoutFile.isEmpty()) process.setStandardOutputFile(stdoutFile);
    if (wrapper.isEmpty()) {
        process.start(QStringLiteral(VELQUOR_CLI), args);
    } else {
        QStringList shellArgs{QStringLiteral("-c"),
                              wrapper + QStringLiteral("; exec \"$0\" \"$@\""),
                              QStringLiteral(VELQUOR_CLI)};
        shellArgs += args;
        process.start(QStringLiteral("/bin/sh"), shellArgs);
    }
    CliRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

// The lines of a program's output, without the newline that ends the last.
inline std::vector<std::string> Lines(std::string_view text) {
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    return Split(text, '\n');
}

// Exact, whatever the test process's locale.
inline double Number(std::string_view text) {
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return -1e300;
    return value;
}
