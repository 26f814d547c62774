#include "worksheets/details/category_dlg.h"

#include <QComboBox>
#include <QLabel>

#include "ui_category_dlg.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/detail_summaries.h"

namespace wm4 {

namespace {

// The control names of the lists, in the order of AssetCategoryLists.
constexpr std::array<const char*, AssetCategoryLists.size()> ListNames = {
    "cmbedtForm3_0",  "cmbedtForm4_0",  "cmbedtForm5_1", "cmbedtForm5_6",
    "cmbedtForm5_10", "cmbedtForm6_0",  "cmbedtForm7_1", "cmbedtForm7_2",
    "cmbedtForm13_0", "cmbedtForm13_2", "cmbedtExecFee", "cmbedtAttyFee",
};

// The item a stored category selects: the first equal to it regardless of
// case, else the first item. An empty cell is "not used" (the 6.0 list's
// empty last item would otherwise claim it), and so is a new row's "0".
int storedIndex(const CategoryList& list, const QString& stored) {
    if (stored.isEmpty()) return 0;
    return std::max(categoryItemIndex(list, stored), 0);
}

}  // namespace

TfrmCategoryDlg::TfrmCategoryDlg(const AssetDetail& detail, QWidget* parent)
    : QDialog(parent), ui(new Ui::TfrmCategoryDlg) {
    ui->setupUi(this);
    details::nameControl(ui->grpCategories, ui->grpCategories->title());
    for (size_t i = 0; i < AssetCategoryLists.size(); ++i) {
        const CategoryList& list = AssetCategoryLists[i];
        auto* box = new QComboBox(ui->grpCategories);
        box->setObjectName(QString::fromLatin1(ListNames[i]));
        for (QStringView item : list.items) box->addItem(item.toString());
        box->setCurrentIndex(storedIndex(list, detail.categories[i]));
        details::nameControl(box, list.form);
        auto* label = new QLabel(details::shownText(list.form), ui->grpCategories);
        label->setBuddy(box);
        ui->layCategories->addRow(label, box);
        connect(box, &QComboBox::currentIndexChanged, this, [this] { m_modified.set(); });
        m_lists[i] = box;
    }
    details::wireButtons(this, ui->buttonBox);
}

TfrmCategoryDlg::~TfrmCategoryDlg() {
    delete ui;
}

void TfrmCategoryDlg::writeTo(AssetDetail& detail) const {
    for (size_t i = 0; i < m_lists.size(); ++i) detail.categories[i] = m_lists[i]->currentText();
    detail.categorySummary = CategorySummary(detail);
}

bool EditCategories(QWidget* parent, AssetDetail& detail) {
    TfrmCategoryDlg dialog(detail, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.writeTo(detail);
    return true;
}

}  // namespace wm4
