#pragma once
// Writes a whole file so that a failed or interrupted save never destroys the
// file it replaces: the bytes go to a temporary file beside the target, which
// replaces the target only after everything was written and synced to the
// disk; then the folder is synced, so that a power cut after the save keeps
// the new file.
#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace wm4 {

// Throws FileError naming path and the reason in words when the file cannot
// be written (the disk is full, a missing write permission, ...). A symbolic
// link is saved through: the file it points to is replaced. A file the user
// may not write is refused, as is a folder.
void SaveFileAtomically(const QString& path, const QByteArray& bytes);

// Every file the program writes goes through SaveFileAtomically. The
// temporary file of a save killed between naming it and the rename
// (".NAME.PID@HOST.RANDOM.saving") is removed by the next save of NAME.

// Saves the bytes of the file at source as path, the same way. Throws
// FileError naming the file that could not be read or written.
void CopyFileAtomically(const QString& source, const QString& path);

// The system calls of a save that can fail on a healthy machine only when
// the disk does; tests replace them to make a save fail part-way.
struct SaveSystemCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
};
SaveSystemCalls& SaveSystemCallsForTests();

}  // namespace wm4
