#pragma once
// The about box: version, the court's name and the emblem; double-clicking
// the emblem shows the credits.
#include <QDialog>
#include <memory>

namespace Ui {
class TfrmAboutDlg;
}

namespace wm4 {

// " Wendmoor4 - Version 4.41" (the project's version).
QString AboutCaption();

class TfrmAboutDlg : public QDialog {
    Q_OBJECT
public:
    // iconPath: the program's SVG emblem (in the data folder).
    explicit TfrmAboutDlg(const QString& iconPath, QWidget* parent = nullptr);
    ~TfrmAboutDlg() override;

    bool creditsShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TfrmAboutDlg> ui;
};

}  // namespace wm4
