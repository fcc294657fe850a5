#pragma once

#include <QString>

// Why the history cannot be read or kept. The history says what happened and
// the system's own reason; each window words it in a sentence of its own.
struct HistoryProblem {
    enum class Kind {
        NoPlace,             // the system names no data folder
        FolderNotMade,       // the folder cannot be created
        NotAFile,            // a folder or FIFO stands where the file should be
        InUse,               // another running copy holds the file
        ReadOnly,            // the file or its folder may not be written
        DiskFull,
        NotOurs,             // another program's file that cannot be set aside
        NewerVersion,        // a history written by a newer version of the program
        Failed,              // anything else; the reason says what
    };
    Kind kind = Kind::Failed;
    QString reason;  // the system's words: SQLite's message or the operating system's
    QString path;    // the file or folder concerned
    bool whileReading = false;  // met reading what was kept, not keeping something new

    friend bool operator==(const HistoryProblem&, const HistoryProblem&) = default;
};

// One line for the terminal, in English as the program's other lines there:
// "cannot write /home/me/.local/share/kareto/kareto.sqlite: database is locked".
QString describedForTerminal(const HistoryProblem& problem);
