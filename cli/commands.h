// The subcommands of dovazez-cli; each returns the process exit status (0 ok, 1 bad input or I/O, 2 usage).
#pragma once
#include <QStringList>

namespace dz::cli {

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 1;
constexpr int kExitUsage = 2;

int RunDump(const QStringList& args);
int RunBuild(const QStringList& args);
int RunCompute(const QStringList& args);
int RunComputeFile(const QStringList& args);  // compute --file
int RunBatch(const QStringList& args);

}  // namespace dz::cli
