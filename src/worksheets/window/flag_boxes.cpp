#include "worksheets/window/flag_boxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QMenu>

namespace wm4 {

QString SendToSummary(std::span<const FlagBox> flags, const QStringList& row) {
    QStringList codes;
    for (const FlagBox& flag : flags)
        if (row.value(flag.column) == u"X") codes.append(QString::fromLatin1(flag.code));
    return codes.join(QStringLiteral(", "));
}

void AddCaptionHint(QCheckBox* box) {
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box](const QPoint& pos) {
        QMenu hint(box);
        hint.addAction(box->text() + QStringLiteral("   ."));  // text() keeps "&" escaped
        hint.exec(box->mapToGlobal(pos));
    });
}

std::vector<QCheckBox*> BuildFlagBoxes(std::span<const FlagBox> flags,
                                       std::span<const int> layoutOrder,
                                       std::span<const int> columnSizes, QWidget* parent,
                                       QGridLayout* layout) {
    std::vector<QCheckBox*> boxes(flags.size(), nullptr);
    size_t next = 0;
    for (size_t column = 0; column < columnSizes.size(); ++column) {
        for (int line = 0; line < columnSizes[column] && next < layoutOrder.size(); ++line) {
            const int index = layoutOrder[next++];
            const QString caption = QString::fromLatin1(flags[size_t(index)].caption);
            // An "&" in a caption is an ordinary character, not a mnemonic.
            auto* box = new QCheckBox(QString(caption).replace(u'&', QStringLiteral("&&")), parent);
            box->setAccessibleName(caption);
            box->setToolTip(caption);
            // Let the layout cut a long caption instead of widening the window.
            box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            box->setMinimumWidth(80);
            AddCaptionHint(box);
            layout->addWidget(box, line, int(column));
            boxes[size_t(index)] = box;
        }
    }
    for (size_t column = 0; column < columnSizes.size(); ++column)
        layout->setColumnStretch(int(column), 1);
    return boxes;
}

}  // namespace wm4
