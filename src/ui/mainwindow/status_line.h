#pragma once
// The main window's status bar: what is on display (page, form, copy), the
// case's saved state, and what a long command is doing while it runs.
#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;

namespace wm4 {

struct PageEntry;

// "Page 28 · 6.0 Inventory & Appraisal, front · copy 2 of 3": a copy is named
// only on a page of more than one.
QString PageStatusText(const PageEntry& entry, int copy, int copies);
// "Unsaved changes", or "Saved" / "Not saved yet" for an untitled case.
QString SavedStatusText(bool modified, bool untitled);

class StatusLine : public QObject {
    Q_OBJECT
public:
    // Fills the window's status bar with its two lasting fields.
    explicit StatusLine(QStatusBar* bar);

    void showPage(const QString& text);
    void showSaved(const QString& text);
    // A long command's activity; an empty text ends it.
    void showActivity(const QString& text);

    QString pageText() const;
    QString savedText() const;
    QString activityText() const;

private:
    QStatusBar* m_bar;
    QLabel* m_page;
    QLabel* m_saved;
};

}  // namespace wm4
