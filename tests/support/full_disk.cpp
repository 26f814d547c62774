#include "support/full_disk.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace wm4::test {

SmallDisk::SmallDisk() {
    if (!m_dir.isValid()) {
        m_refusal = QStringLiteral("no temporary folder");
        return;
    }
    const QByteArray where = QFile::encodeName(m_dir.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k,mode=700") ==
        0) {
        m_mounted = true;
    } else {
        m_refusal = QStringLiteral("a tmpfs cannot be mounted here: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
}

SmallDisk::~SmallDisk() {
    if (m_mounted) ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

void SmallDisk::fill() {
    const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return;
    static const char block[4096] = {};
    // Whole blocks first, then single bytes for what is left of the last one.
    while (::write(fd, block, sizeof block) > 0) {
    }
    while (::write(fd, block, 1) > 0) {
    }
    ::close(fd);
}

void SmallDisk::empty() {
    QFile::remove(filePath(QStringLiteral("filler")));
}

}  // namespace wm4::test
