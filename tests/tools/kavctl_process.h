#pragma once
// Runs the kavctl program as a process and keeps what it said.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <string>

namespace kav::test {

struct KavctlResult {
    int exitCode = -1; // -1: crashed or did not finish in time
    std::string out;
    std::string err;
};

// Any program (a copy of kavctl elsewhere, too) as a process.
inline KavctlResult runProgram(const QString& program, const QStringList& args, int timeoutMs = 120000,
                               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    KavctlResult r;
    if (!p.waitForFinished(timeoutMs))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

inline KavctlResult runKavctl(const QStringList& args, int timeoutMs = 120000,
                              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    return runProgram(QStringLiteral(KAVCTL_PATH), args, timeoutMs, env);
}

} // namespace kav::test
