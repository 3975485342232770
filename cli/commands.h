// The subcommands of dovazez-cli; each returns the process exit status (0 ok, 1 bad input or I/O, 2 usage).
#pragma once
#include <QCoreApplication>
#include <QStringList>
#include <memory>

namespace dz::cli {

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 1;
constexpr int kExitUsage = 2;

int RunDump(const QStringList& args);
int RunBuild(const QStringList& args);
int RunCompute(const QStringList& args);
int RunComputeFile(const QStringList& args, bool explain);  // compute --file [--explain]
int RunBatch(const QStringList& args);
int RunE2(const QStringList& args);  // e2 --file E2FILE [--out E2FILE2]
int RunPdf(const QStringList& args);  // pdf clearance|e1|e2|cars (cli/pdf_command.cpp)
// The application object: a QGuiApplication (offscreen unless a platform is set) for the
// commands that draw pages, a QCoreApplication for the others.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv);

}  // namespace dz::cli
