#include "worksheets/window/flag_boxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QMenu>

namespace wm4 {

void AddCaptionHint(QCheckBox* box) {
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box](const QPoint& pos) {
        QMenu hint(box);
        hint.addAction(box->text() + QStringLiteral("   ."));  // text() keeps "&" escaped
        hint.exec(box->mapToGlobal(pos));
    });
}

std::vector<QCheckBox*> BuildFlagBoxes(std::span<const SendToFlag> flags,
                                       std::span<const int> layoutColumns,
                                       std::span<const int> columnSizes, QWidget* parent,
                                       QGridLayout* layout) {
    std::vector<QCheckBox*> boxes(flags.size(), nullptr);
    size_t next = 0;
    for (size_t column = 0; column < columnSizes.size(); ++column) {
        for (int line = 0; line < columnSizes[column] && next < layoutColumns.size(); ++line) {
            const int storeColumn = layoutColumns[next++];
            size_t index = 0;
            while (index < flags.size() && flags[index].column != storeColumn) ++index;
            if (index == flags.size()) continue;
            const QString caption = flags[index].caption.toString();
            // An "&" in a caption is an ordinary character, not a mnemonic.
            auto* box = new QCheckBox(QString(caption).replace(u'&', QStringLiteral("&&")), parent);
            box->setAccessibleName(caption);
            box->setToolTip(caption);
            // Let the layout cut a long caption instead of widening the window.
            box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            box->setMinimumWidth(80);
            AddCaptionHint(box);
            layout->addWidget(box, line, int(column));
            boxes[index] = box;
        }
    }
    for (size_t column = 0; column < columnSizes.size(); ++column)
        layout->setColumnStretch(int(column), 1);
    return boxes;
}

}  // namespace wm4
