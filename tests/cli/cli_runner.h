// Runs the built dovazez-cli with arguments and standard input; collects status and output.
#pragma once
#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace dz::test {

struct CliResult {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

inline CliResult RunCli(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(DOVAZEZ_CLI), args);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

}  // namespace dz::test
