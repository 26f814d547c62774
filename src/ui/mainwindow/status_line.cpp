#include "ui/mainwindow/status_line.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

#include "case/page_catalogue.h"

namespace wm4 {

QString PageStatusText(const PageEntry& entry, int copy, int copies) {
    static constexpr const char* SideNames[] = {"", ", front", ", back"};
    QString text = QStringLiteral("Page %1 \u00b7 %2%3")
                       .arg(entry.page)
                       .arg(QString::fromUtf8(entry.formText),
                            QString::fromLatin1(SideNames[int(entry.side)]));
    if (copies > 1) text += QStringLiteral(" \u00b7 copy %1 of %2").arg(copy + 1).arg(copies);
    return text;
}

QString SavedStatusText(bool modified, bool untitled) {
    if (modified) return QStringLiteral("Unsaved changes");
    return untitled ? QStringLiteral("Not saved yet") : QStringLiteral("Saved");
}

StatusLine::StatusLine(QStatusBar* bar)
    : QObject(bar), m_bar(bar), m_page(new QLabel(bar)), m_saved(new QLabel(bar)) {
    m_bar->setAccessibleName(QStringLiteral("Status bar"));
    m_page->setAccessibleName(QStringLiteral("Page on display"));
    m_saved->setAccessibleName(QStringLiteral("Case saved state"));
    // The activity is the bar's own message on the left; page and saved
    // state stand on the right.
    m_bar->addPermanentWidget(m_page);
    m_bar->addPermanentWidget(m_saved);
}

void StatusLine::showPage(const QString& text) {
    m_page->setText(text);
}

void StatusLine::showSaved(const QString& text) {
    m_saved->setText(text);
}

void StatusLine::showActivity(const QString& text) {
    if (text.isEmpty())
        m_bar->clearMessage();
    else
        m_bar->showMessage(text);
    // A command that runs on the user-interface thread shows its text before
    // it starts working.
    m_bar->repaint();
}

QString StatusLine::pageText() const {
    return m_page->text();
}

QString StatusLine::savedText() const {
    return m_saved->text();
}

QString StatusLine::activityText() const {
    return m_bar->currentMessage();
}

}  // namespace wm4
