#pragma once
// The find dialog of the worksheets: asks for the text to search for, showing
// the last one; OK is the default button, so Enter searches.
#include <QDialog>

namespace Ui {
class TfrmFindString;
}

namespace wm4 {

class TfrmFindString : public QDialog {
    Q_OBJECT

public:
    explicit TfrmFindString(const QString& searchStr, QWidget* parent = nullptr);
    ~TfrmFindString() override;

    QString searchStr() const;

private:
    Ui::TfrmFindString* ui;
};

}  // namespace wm4
