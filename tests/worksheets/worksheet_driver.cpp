#include "worksheets/worksheet_driver.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "files/settings.h"
#include "support/qt_app.h"

namespace wm4::test {

void onNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto* started = new QElapsedTimer;
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, started, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && started->elapsed() < 5000) return;
        timer->stop();
        timer->deleteLater();
        delete started;
        if (modal) act(modal);
    });
    timer->start(10);
}

void answerNextMessage(QMessageBox::StandardButton button, QString* text) {
    onNextModal([button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return;
        if (text) *text = box->text();
        box->button(button)->click();
    });
}

void confirmNextDialog(const QString& buttonName, std::function<void(QWidget*)> prepare) {
    onNextModal([buttonName, prepare](QWidget* modal) {
        if (prepare) prepare(modal);
        if (QAbstractButton* button = byName<QAbstractButton>(modal, buttonName)) button->click();
    });
}

WorksheetDriver::WorksheetDriver(WorksheetKind kind, double defaultRate) : m_kind(kind) {
    widgetApp();
    ProgramSettings settings;
    settings.DefaultRate = defaultRate;
    m_session = std::make_unique<CaseSession>(settings);
}

WorksheetDriver::~WorksheetDriver() = default;

WorksheetStore& WorksheetDriver::store() {
    CaseData& data = m_session->data();
    switch (m_kind) {
        case WorksheetKind::Asset:
            return data.ASchedList;
        case WorksheetKind::Expense:
            return data.ESchedList;
        case WorksheetKind::Kin:
            return data.KSchedList;
        case WorksheetKind::Time:
            break;
    }
    return data.TSchedList;
}

void WorksheetDriver::open() {
    m_session->setModified(false);
    m_window = CreateWorksheet(m_kind, *m_session);
    m_window->show();
    m_window->activateWindow();
    (void)QTest::qWaitForWindowActive(m_window.get());
    QApplication::processEvents();
}

QWidget* WorksheetDriver::control(const QString& name) {
    QWidget* widget = byName(m_window.get(), name);
    if (!widget) ADD_FAILURE() << "no control named " << name.toStdString();
    return widget;
}

QString WorksheetDriver::text(const QString& name) {
    QWidget* widget = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) return memo->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return {};
}

void WorksheetDriver::type(const QString& field, const QString& text) {
    QWidget* widget = control(field);
    if (!widget) return;
    activate();
    widget->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
        if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        memo->selectAll();
        if (text.isEmpty()) QTest::keyClick(memo, Qt::Key_Delete);
    }
    // Line breaks are typed as Return, tabs inserted as the clipboard would.
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0) QTest::keyClick(widget, Qt::Key_Return);
        QStringList tabbed = lines[i].split(u'\t');
        for (int t = 0; t < tabbed.size(); ++t) {
            if (t > 0) {
                if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
                    memo->insertPlainText(QStringLiteral("\t"));
            }
            QTest::keyClicks(widget, tabbed[t]);
        }
    }
}

void WorksheetDriver::enter(const QString& field, const QString& text) {
    type(field, text);
    tab();
}

void WorksheetDriver::activate() {
    if (!m_window->isActiveWindow()) {
        m_window->activateWindow();
        (void)QTest::qWaitForWindowActive(m_window.get());
    }
    QApplication::processEvents();
}

void WorksheetDriver::key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    activate();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m_window.get();
    QTest::keyClick(target, key, modifiers);
    QApplication::processEvents();
}

void WorksheetDriver::tab() {
    activate();
    if (QWidget* focused = QApplication::focusWidget()) QTest::keyClick(focused, Qt::Key_Tab);
    QApplication::processEvents();
}

void WorksheetDriver::click(const QString& button) {
    auto* target = qobject_cast<QAbstractButton*>(control(button));
    if (!target) return;
    QTest::mouseClick(target, Qt::LeftButton);
    QApplication::processEvents();
}

void WorksheetDriver::clickCheck(const QString& box) {
    auto* target = qobject_cast<QAbstractButton*>(control(box));
    if (!target) return;
    target->setFocus(Qt::MouseFocusReason);
    target->click();
    QApplication::processEvents();
}

void WorksheetDriver::sortOn(int column, QMessageBox::StandardButton answer, QString* question) {
    answerNextMessage(answer, question);
    QHeaderView* header = m_window->grid()->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
}

void WorksheetDriver::selectRow(int row) {
    QTableView* grid = m_window->grid();
    const int column = grid->horizontalHeader()->logicalIndexAt(5);
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QApplication::processEvents();
}

void WorksheetDriver::close() {
    m_window->close();
    QApplication::processEvents();
}

void WorksheetDriver::fill(const std::vector<std::vector<std::pair<int, QString>>>& rows) {
    WorksheetStore& s = store();
    s.setRowCount(0);
    s.setRowCount(int(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (const auto& [column, text] : rows[r]) s.setCell(column, int(r), text);
}

QStringList WorksheetDriver::columnTexts(int column) {
    QStringList texts;
    for (int r = 0; r < model().rows(); ++r) texts.append(model().row(r).at(column));
    return texts;
}

}  // namespace wm4::test
