#pragma once

#include "core/drill/progress.h"

#include <QString>

#include <cstdint>

// The file the drill keeps its progress in. Nothing is written until the
// first save; a file that cannot be read is set aside, never overwritten.
class ProgressFile {
public:
    // `path` empty: there is nowhere to keep progress.
    explicit ProgressFile(QString path) : path_(std::move(path)) {}

    // drill.json in the program's data folder ($XDG_DATA_HOME/kareto), or
    // empty when the system names none.
    static QString standardPath();

    enum class Found {
        Nothing,   // no file yet: progress starts afresh
        Progress,  // the saved progress
        SetAside,  // a file of another format, renamed to path + ".bad"
    };
    struct Loaded {
        Found found = Found::Nothing;
        Progress progress;
    };

    // Reads the saved progress. A file that is not sound progress is renamed
    // aside, replacing an older one of that name, and said so on stderr; if it
    // cannot be moved, saving stays off so that it is not lost. Cards taken
    // over from the first format are due at `nowMs`.
    Loaded load(std::int64_t nowMs);

    // Writes the progress whole or not at all, creating the folder if needed.
    // False when it cannot be written.
    bool save(const Progress& progress);

    // Removes the saved progress; true when none is left. A file that could
    // not be set aside is left alone.
    bool remove();

    const QString& path() const { return path_; }

private:
    QString path_;
    bool savingOff_ = false;
};
