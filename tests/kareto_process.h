#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

struct Run {
    int status;
    QString out;
    QString err;
};

// The real program, with no display and no platform chosen, its data folder
// (where the history is) `folder`/data; started through the launcher's
// command line when one is given.
inline Run kareto(const QStringList& arguments, const QString& folder, const QStringList& launcher = {})
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder + QStringLiteral("/data"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder);
    if (launcher.isEmpty())
        program.start(QStringLiteral(KARETO_BINARY), arguments);
    else
        program.start(launcher.constFirst(), launcher.mid(1) + QStringList{QStringLiteral(KARETO_BINARY)} + arguments);
    if (!program.waitForFinished(30000))
        program.kill();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()), QString::fromUtf8(program.readAllStandardError())};
}
