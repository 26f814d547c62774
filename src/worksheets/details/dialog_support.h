#pragma once
// What the detail dialogs share: captions shown as written, accessible
// names, the OK and Cancel buttons, rows of labelled edit boxes, and the
// modified mark every dialog keeps.
#include <QString>
#include <QStringView>

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace wm4::details {

// A caption for a widget's text: an "&" is an ordinary character in the
// dialogs' captions, not a mnemonic marker.
QString shownText(QStringView caption);

// Names the control for screen readers and tests.
void nameControl(QWidget* control, QStringView accessibleName);

// OK accepts and Cancel rejects the dialog; both carry their accessible names.
void wireButtons(QDialog* dialog, QDialogButtonBox* buttons);

// Appends a row "label: [edit]" to form and returns the edit box, named
// objectName and accessible by its label.
QLineEdit* addEditRow(QFormLayout* form, QStringView label, const char* objectName);

// The dialogs' AModifiedFlag: cleared once the controls are loaded, set by
// any change of a control after that.
class ModifiedMark {
public:
    bool isSet() const { return m_set; }
    void set() { m_set = true; }
    // Sets the mark whenever the user edits the box.
    void watch(QLineEdit* edit);

private:
    bool m_set = false;
};

}  // namespace wm4::details
