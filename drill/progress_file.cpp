#include "drill/progress_file.h"

#include "drill/progress_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace {

// Progress is a few kilobytes; a file far larger is not one.
constexpr qint64 kLargestProgress = 16 * 1024 * 1024;

void say(const QString& line)
{
    std::fprintf(stderr, "kareto: %s\n", qPrintable(line));
}

}  // namespace

QString ProgressFile::standardPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/drill.json");
}

ProgressFile::Loaded ProgressFile::load(std::int64_t nowMs)
{
    if (path_.isEmpty() || !QFileInfo::exists(path_))
        return {};
    QFile file(path_);
    std::optional<Progress> progress;
    // Only a regular file is read: a FIFO of that name would block the window.
    if (QFileInfo(path_).isFile() && file.open(QIODevice::ReadOnly) && file.size() <= kLargestProgress)
        progress = progressFromJson(file.read(kLargestProgress), nowMs);
    file.close();
    if (progress)
        return {Found::Progress, *progress};

    const QString aside = path_ + QStringLiteral(".bad");
    QFile::remove(aside);
    if (!QFile::rename(path_, aside)) {
        savingOff_ = true;
        say(QStringLiteral("%1 is not drill progress and cannot be set aside; progress starts afresh and is not saved")
                .arg(path_));
    } else {
        say(QStringLiteral("%1 is not drill progress; set aside as %2, progress starts afresh").arg(path_, aside));
    }
    return {Found::SetAside, {}};
}

bool ProgressFile::save(const Progress& progress)
{
    if (path_.isEmpty() || savingOff_)
        return false;
    if (!QDir().mkpath(QFileInfo(path_).path()))
        return false;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(progressToJson(progress));
    return file.commit();
}

bool ProgressFile::remove()
{
    if (savingOff_)  // the file there was never set aside, so it stays
        return false;
    return path_.isEmpty() || !QFileInfo::exists(path_) || QFile::remove(path_);
}
