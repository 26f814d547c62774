#pragma once
// The copy-choice dialog: before a multi-copy form is shown, the user picks
// one of its copies in a drop-down list (item i is copy i).
#include <QDialog>
#include <memory>
#include <optional>

#include "case/answers.h"

namespace Ui {
class TfrmMultiple;
}

namespace wm4 {

class TfrmMultiple : public QDialog {
    Q_OBJECT
public:
    // answers: the case, already calculated; page: the page the copies are of.
    TfrmMultiple(const TAnswer& answers, int page, QWidget* parent = nullptr);
    ~TfrmMultiple() override;

    int TheTag = 0;    // the page the dialog is for
    int MaxForms = 0;  // copies offered
    // -1 while the dialog is open or after Cancel; the chosen copy after "Ok".
    int ChosenCopy = -1;

    QString question() const;
    QStringList items() const;

private:
    std::unique_ptr<Ui::TfrmMultiple> ui;
};

// Offers the copies of page over parent; the chosen copy, or nothing when the
// user cancels.
std::optional<int> ChooseCopy(const TAnswer& answers, int page, QWidget* parent);

}  // namespace wm4
