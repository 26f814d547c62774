// The navigation tree TreeView1, built from the catalogue's tree outline. A
// group item opens and closes; any other item runs its command, on a click or
// on Enter.
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

#include "ui/mainwindow/main_window.h"
#include "ui/mainwindow/nav_outline.h"
#include "ui_main_window.h"

namespace wm4 {

namespace {

// The outline item an item stands for.
constexpr int kItemRole = Qt::UserRole;

const NavItem* navItemOf(const QTreeWidgetItem* item) {
    return item ? static_cast<const NavItem*>(item->data(0, kItemRole).value<const void*>())
                : nullptr;
}

// Enter on the tree runs the current item, as a click does.
class TreeKeys : public QObject {
public:
    TreeKeys(QTreeWidget* tree, std::function<void(QTreeWidgetItem*)> run)
        : QObject(tree), m_tree(tree), m_run(std::move(run)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        m_run(m_tree->currentItem());
        return true;
    }

private:
    QTreeWidget* m_tree;
    std::function<void(QTreeWidgetItem*)> m_run;
};

}  // namespace

void TfrmMain::buildTree() {
    QTreeWidget* tree = ui->TreeView1;
    auto makeItem = [](QTreeWidgetItem* parent, const NavItem& item) {
        auto* node = new QTreeWidgetItem(parent, {PlainOutlineText(item.text)});
        node->setData(0, kItemRole, QVariant::fromValue(static_cast<const void*>(&item)));
        node->setData(0, Qt::AccessibleTextRole, node->text(0));
        node->setToolTip(0, node->text(0));
        return node;
    };
    WalkOutline(
        TreeItems(), tree->invisibleRootItem(),
        [&](QTreeWidgetItem* parent, const NavItem& item) { return makeItem(parent, item); },
        [&](QTreeWidgetItem* parent, const NavItem& item) {
            QTreeWidgetItem* node = makeItem(parent, item);
            if (item.kind != NavKind::Page) return;
            if (const PageEntry* e = catalogueEntry(codePage(item.tag))) {
                const QString name = QString::fromUtf8(e->treeItem);
                if (!m_treeItemsByName.contains(name)) m_treeItemsByName.insert(name, node);
            }
            if (item.tag == 0 && !m_firstPageItem) m_firstPageItem = node;
        });
    // The steps and the forms are open at start.
    for (const QString& open :
         {QStringLiteral("Follow These Steps"), QStringLiteral("6. Display/Edit Forms")})
        for (QTreeWidgetItem* item : tree->findItems(open, Qt::MatchExactly | Qt::MatchRecursive))
            item->setExpanded(true);
    // Long texts scroll sideways rather than lose their ends.
    tree->setTextElideMode(Qt::ElideNone);
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    connect(tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { treeItemChosen(item); });
    tree->installEventFilter(
        new TreeKeys(tree, [this](QTreeWidgetItem* item) { treeItemChosen(item); }));
    if (m_firstPageItem) tree->setCurrentItem(m_firstPageItem);
}

void TfrmMain::treeItemChosen(QTreeWidgetItem* item) {
    const NavItem* nav = navItemOf(item);
    if (!nav) return;
    if (nav->kind == NavKind::Group) {
        item->setExpanded(!item->isExpanded());
        return;
    }
    runGuarded([&] { OpenNavItem(*nav); });
}

}  // namespace wm4
