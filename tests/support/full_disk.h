#pragma once
// A disk that is full, for the tests of what a failed write leaves behind.
//
// SmallDisk mounts a tmpfs of a few hundred kB over a folder of its own
// (which needs the right to mount, as root has on a test machine) and fills
// it up, so that every write into it fails as on a real full disk. Where the
// mount is refused, mounted() is false and the test skips that part; the
// injected full disk (FullDiskWrites) needs no right at all.
#include <QString>
#include <QTemporaryDir>

namespace wm4::test {

class SmallDisk {
public:
    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    // Why the disk could not be mounted.
    const QString& refusal() const { return m_refusal; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Fills the disk with the file "filler" until not a byte is left; empty()
    // removes it again.
    void fill();
    void empty();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_refusal;
};

}  // namespace wm4::test
