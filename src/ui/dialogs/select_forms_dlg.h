#pragma once
// "Select Forms to Print": the forms of the packet as check boxes on five
// tabs (built from the Select Forms layout and the packet table). Opens on the
// tab of the page on display with that page's form ticked. The print command
// reads the ticks after "Print/Preview" or "Save as PDF...".
#include <QDialog>
#include <QHash>
#include <QSet>
#include <QString>
#include <memory>

class QCheckBox;
class QMenu;
class QAction;

namespace Ui {
class TfrmSelectedForms;
}

namespace wm4 {

class TfrmSelectedForms : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Close, Print, SavePdf };

    TfrmSelectedForms(int currentPage, QWidget* parent = nullptr);
    ~TfrmSelectedForms() override;

    Choice choice() const { return m_choice; }
    // The check-box names (packet-table names) of the ticked boxes.
    QSet<QString> tickedForms() const;
    // Ticks these boxes as well (the forms of a print that failed).
    void tickForms(const QSet<QString>& checkBoxes);
    QCheckBox* box(const QString& checkBox) const { return m_boxes.value(checkBox); }
    int currentTab() const;
    // "One PDF per form" is ticked: Save as PDF writes a PDF for each form.
    bool pdfPerForm() const;

    void ClearAllClick();
    void CheckAllClick();

private:
    void buildTabs();
    void showHint(QCheckBox* box, const QPoint& pos);
    void finish(Choice choice);

    std::unique_ptr<Ui::TfrmSelectedForms> ui;
    QHash<QString, QCheckBox*> m_boxes;
    QMenu* m_tabMenu = nullptr;
    QMenu* m_boxMenu = nullptr;
    QAction* popHint = nullptr;
    Choice m_choice = Choice::Close;
};

}  // namespace wm4
