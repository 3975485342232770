// Process marks from /proc: the start time tells a process from a later one with its number.
#include "safekeeping/process_mark.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace dz {
namespace {

// Field 22 of /proc/PID/stat, counted after the command name, which may hold spaces and ")".
std::optional<qint64> StartOf(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0) return std::nullopt;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    constexpr int kStartAfterName = 22 - 3;
    if (fields.size() <= kStartAfterName) return std::nullopt;
    bool ok = false;
    const qint64 started = fields[kStartAfterName].toLongLong(&ok);
    return ok ? std::optional<qint64>(started) : std::nullopt;
}

QString UserName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name) return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

}  // namespace

ProcessMark ThisProcess() {
    const qint64 pid = QCoreApplication::applicationPid();
    return {UserName(), QSysInfo::machineHostName(), pid, StartOf(pid).value_or(0)};
}

ProcessState StateOf(const ProcessMark& mark, const ProcessMark& here) {
    if (mark.host != here.host) return ProcessState::Elsewhere;
    if (mark.pid <= 0) return ProcessState::Gone;
    if (const auto started = StartOf(mark.pid)) {
        return mark.started == 0 || *started == mark.started ? ProcessState::Running : ProcessState::Gone;
    }
    // Without /proc, only whether some process has the number can be asked.
    return ::kill(static_cast<pid_t>(mark.pid), 0) == 0 || errno == EPERM ? ProcessState::Running
                                                                          : ProcessState::Gone;
}

QJsonObject ProcessMarkJson(const ProcessMark& mark) {
    return {{QStringLiteral("user"), mark.user},
            {QStringLiteral("host"), mark.host},
            {QStringLiteral("pid"), mark.pid},
            {QStringLiteral("started"), mark.started}};
}

std::optional<ProcessMark> ProcessMarkOfJson(const QJsonObject& json) {
    if (!json.value(QStringLiteral("pid")).isDouble() || !json.value(QStringLiteral("host")).isString())
        return std::nullopt;
    return ProcessMark{json.value(QStringLiteral("user")).toString(), json.value(QStringLiteral("host")).toString(),
                       json.value(QStringLiteral("pid")).toInteger(), json.value(QStringLiteral("started")).toInteger()};
}

}  // namespace dz
