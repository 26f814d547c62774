#include "session/recovery_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/atomic_save.h"
#include "files/client_file.h"
#include "session/case_session.h"

namespace wm4 {

RecoveryCopy::RecoveryCopy(QString settingsFolder) : m_folder(std::move(settingsFolder)) {}

QString RecoveryCopy::copyPath() const {
    return m_folder + QStringLiteral("/recovery.wm4");
}

QString RecoveryCopy::infoPath() const {
    return m_folder + QStringLiteral("/recovery.txt");
}

void RecoveryCopy::write(const CaseSession& session, const QDateTime& now) {
    const QString caseFile = session.fileName();
    if (!caseFile.isEmpty() &&
        QFileInfo(caseFile).absoluteFilePath() == QFileInfo(copyPath()).absoluteFilePath())
        return;
    QDir().mkpath(m_folder);
    session.storeOpenWorksheets();
    SaveFileAtomically(copyPath(), ClientFileBytes(session.data()));
    const QString info = caseFile + u'\n' + now.toString(Qt::ISODate) + u'\n';
    SaveFileAtomically(infoPath(), info.toUtf8());
}

std::optional<RecoveryInfo> RecoveryCopy::pending() const {
    if (!QFileInfo::exists(copyPath())) return std::nullopt;
    QFile file(infoPath());
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (lines.size() < 2) return std::nullopt;
    RecoveryInfo info{lines[0], QDateTime::fromString(lines[1], Qt::ISODate)};
    if (!info.written.isValid()) return std::nullopt;
    return info;
}

void RecoveryCopy::remove() {
    QFile::remove(copyPath());
    QFile::remove(infoPath());
}

}  // namespace wm4
