#include "session/recovery_copy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "files/atomic_save.h"
#include "files/client_file.h"
#include "session/case_session.h"

namespace wm4 {

namespace {

QString infoPathOf(const QString& copyPath) {
    return copyPath.left(copyPath.size() - 4) + QStringLiteral(".txt");
}

// A name part without the characters a file name should not carry.
QString safe(QString text) {
    for (QChar& c : text)
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_') c = u'_';
    return text;
}

std::optional<RecoveryInfo> readInfo(const QString& infoPath) {
    QFile file(infoPath);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (lines.size() < 4) return std::nullopt;
    RecoveryInfo info;
    info.caseFile = lines[0];
    info.written = QDateTime::fromString(lines[1], Qt::ISODate);
    info.host = lines[2];
    info.pid = lines[3].toLongLong();
    info.infoPath = infoPath;
    info.copyPath = infoPath.left(infoPath.size() - 4) + QStringLiteral(".wm4");
    if (!info.written.isValid() || !QFileInfo::exists(info.copyPath)) return std::nullopt;
    return info;
}

}  // namespace

RecoveryCopy::RecoveryCopy(QString settingsFolder, RunningCopy owner)
    : m_folder(std::move(settingsFolder) + QStringLiteral("/recovery")),
      m_owner(std::move(owner)) {}

QString RecoveryCopy::folder() const {
    return m_folder;
}

QString RecoveryCopy::copyPathFor(const QString& caseFile) const {
    const QString absolute =
        caseFile.isEmpty() ? QString() : QFileInfo(caseFile).absoluteFilePath();
    const QString base = caseFile.isEmpty() ? QStringLiteral("untitled")
                                            : safe(QFileInfo(caseFile).completeBaseName());
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
    return m_folder + u'/' + base + u'-' + hash + u'.' + safe(m_owner.host) + u'.' +
           QString::number(m_owner.pid) + QStringLiteral(".wm4");
}

void RecoveryCopy::write(const CaseSession& session, const QDateTime& now) {
    const QString caseFile = session.fileName();
    const QString path = copyPathFor(caseFile);
    if (!caseFile.isEmpty() &&
        QFileInfo(caseFile).absoluteFilePath() == QFileInfo(path).absoluteFilePath())
        return;
    QDir().mkpath(m_folder);
    session.storeOpenWorksheets();
    SaveFileAtomically(path, ClientFileBytes(session.data()));
    const QString info = caseFile + u'\n' + now.toString(Qt::ISODate) + u'\n' + m_owner.host +
                         u'\n' + QString::number(m_owner.pid) + u'\n';
    SaveFileAtomically(infoPathOf(path), info.toUtf8());
    // Another case was open before: its copy has no more use.
    if (!m_copyPath.isEmpty() && m_copyPath != path) remove();
    m_copyPath = path;
}

QList<RecoveryInfo> RecoveryCopy::all() const {
    QList<RecoveryInfo> out;
    const QDir dir(m_folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files))
        if (std::optional<RecoveryInfo> info = readInfo(dir.filePath(name))) out.append(*info);
    std::ranges::sort(
        out, [](const RecoveryInfo& a, const RecoveryInfo& b) { return a.written > b.written; });
    return out;
}

QList<RecoveryInfo> RecoveryCopy::orphans() const {
    QList<RecoveryInfo> out;
    for (const RecoveryInfo& info : all())
        if (!StillRunning(info.host, info.pid)) out.append(info);
    return out;
}

std::optional<RecoveryInfo> RecoveryCopy::pending() const {
    const QList<RecoveryInfo> left = orphans();
    if (left.isEmpty()) return std::nullopt;
    return left.front();
}

void RecoveryCopy::remove() {
    if (m_copyPath.isEmpty()) return;
    QFile::remove(m_copyPath);
    QFile::remove(infoPathOf(m_copyPath));
}

void RecoveryCopy::discard(const RecoveryInfo& info) {
    QFile::remove(info.copyPath);
    QFile::remove(info.infoPath);
}

}  // namespace wm4
