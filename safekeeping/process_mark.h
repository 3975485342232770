// Which running program on which computer: the mark that lock and recovery files carry.
#pragma once
#include <QJsonObject>
#include <QString>
#include <optional>

namespace dz {

struct ProcessMark {
    QString user;
    QString host;
    qint64 pid = 0;
    // When the process started, in the system's clock ticks since boot (0 where unknown):
    // a process number used again by a later process is not taken for the earlier one.
    qint64 started = 0;
    friend bool operator==(const ProcessMark&, const ProcessMark&) = default;
};

// This program.
ProcessMark ThisProcess();

enum class ProcessState {
    Running,
    Gone,
    Elsewhere,  // on another computer: whether it still runs cannot be known
};

// Whether the process of `mark` still runs, seen from `here` (this program).
ProcessState StateOf(const ProcessMark& mark, const ProcessMark& here);

QJsonObject ProcessMarkJson(const ProcessMark& mark);
std::optional<ProcessMark> ProcessMarkOfJson(const QJsonObject& json);

}  // namespace dz
