// Every detail dialog fits its screen at its natural size (the send-to
// dialog shortens its captions to do so). With WM4_DIALOG_SHOTS naming a folder,
// the test also saves a picture of each dialog there, for looking at them.
#include <gtest/gtest.h>

#include <QDir>
#include <QScreen>
#include <memory>

#include "case/case_data.h"
#include "support/qt_app.h"
#include "worksheets/details/category_dlg.h"
#include "worksheets/details/cpid_dlg.h"
#include "worksheets/details/distributee_dlg.h"
#include "worksheets/details/find_string_dlg.h"
#include "worksheets/details/realty_dlg.h"
#include "worksheets/details/send_to_dlg.h"
#include "worksheets/details/stock_dlg.h"
#include "worksheets/details/vehicle_dlg.h"

namespace wm4 {
namespace {

TEST(DetailDialogSizes, EachFitsItsScreen) {
    test::widgetApp();
    AssetDetail asset;
    asset.setSent(assetColumn::ToForm6_0, true);
    asset.setSent(assetColumn::ToScheduleA, true);
    asset.categories[0] = QStringLiteral("Real Estate");
    asset.realty = {"012-34-567", "Anytown, OH 44000", "12", "Oak Lane"};
    asset.vehicle = {"4 door", "Buick", "2019"};
    asset.stock = {"100", "Common", "Acme Corp.", "C-17"};
    asset.identifiers = {"123-45-6789", "First Bank", "SSN"};
    WorksheetStore kin(KinColumns);
    kin.setRowCount(4);
    const char* names[] = {"Ann Lee", "Lee, Ann", "", "John Smith Jr."};
    for (int r = 0; r < 4; ++r) kin.setCell(kinColumn::Name, r, QString::fromLatin1(names[r]));

    std::vector<std::pair<const char*, std::unique_ptr<QDialog>>> dialogs;
    dialogs.emplace_back("send_to", new TfrmSendToDlg(asset));
    dialogs.emplace_back("category", new TfrmCategoryDlg(asset));
    dialogs.emplace_back("realty", new TfrmRealtyDlg(asset));
    dialogs.emplace_back("vehicle", new TfrmVehicleDlg(asset));
    dialogs.emplace_back("stock", new TfrmStockDlg(asset));
    dialogs.emplace_back("cpid", new TfrmCPIDDlg(DetailMode::Asset, asset.identifiers));
    dialogs.emplace_back("distributee",
                         new TfrmDistributeeDlg(DetailMode::Asset, kin,
                                                QStringLiteral("Lot 7\nOak Lane subdivision"),
                                                QStringLiteral("Lee, Ann")));
    dialogs.emplace_back("find", new TfrmFindString(QStringLiteral("Oak")));

    const QString shots = qEnvironmentVariable("WM4_DIALOG_SHOTS");
    for (auto& [name, dialog] : dialogs) {
        dialog->show();
        QCoreApplication::processEvents();
        const QSize size = dialog->frameGeometry().size();
        const QSize screen = dialog->screen()->availableGeometry().size();
        EXPECT_LE(size.width(), screen.width()) << name;
        EXPECT_LE(size.height(), screen.height()) << name;
        if (!shots.isEmpty())
            dialog->grab().save(QDir(shots).filePath(QStringLiteral("%1.png").arg(name)));
        dialog->close();
    }
}

}  // namespace
}  // namespace wm4
