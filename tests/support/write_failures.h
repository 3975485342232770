// Failing disk writes on purpose, in this process or in a child program, through the preloaded
// library built with the tests (fail_writes.cpp).
#pragma once
#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>

namespace dz::test {

// True when the library is loaded into this test program (ctest preloads it where needed).
bool WriteFailuresLoaded();

// How a run of a writer went with one write made to fail.
struct FailedRun {
    long failingWrite = 0;  // the write that failed, counted from 1; 0 when none did
    bool reported = false;  // the writer raised an error
    QString error;          // its text
};

// One writer under test: `prepare` sets the scene (its own writes are not counted), `write`
// runs the writer, `check` looks at the outcome of each run.
struct WriterRuns {
    std::function<void()> prepare = [] {};
    std::function<void()> write;
    std::function<void(const FailedRun&)> check;
};

// Runs the writer again and again: first with its 1st write to a file failing, then its 2nd,
// …, until a run makes fewer writes than the one set to fail; the last run checked
// (failingWrite == 0) is the one in which nothing failed. Each write writes at most `chunk`
// bytes (0: as asked), so that a file is written in several pieces. Returns the number of
// writes of that last run.
long ForEachFailingWrite(const WriterRuns& runs, long chunk = 0);

// The same with the n-th sync of a file failing instead.
long ForEachFailingSync(const WriterRuns& runs);

// An environment for a child program with the library preloaded and the `failingWrite`-th
// write failing (0: none); the number of writes it made is written to `countFile` at its exit.
QProcessEnvironment FailingWriteEnvironment(long failingWrite, const QString& countFile, long chunk = 0);

// Every name in a folder, hidden ones included, sorted: a left-over temporary file shows here.
QStringList AllNames(const QString& folder);

}  // namespace dz::test
