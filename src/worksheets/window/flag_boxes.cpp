#include "worksheets/window/flag_boxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QMenu>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace wm4 {

namespace {

// A check box whose caption, when its column is too narrow, ends in "..."
// instead of being cut mid-word.
class ElidedCheckBox : public QCheckBox {
public:
    ElidedCheckBox(const QString& caption, QWidget* parent)
        : QCheckBox(escaped(caption), parent), m_caption(caption) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect textRect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        option.text =
            escaped(fontMetrics().elidedText(m_caption, Qt::ElideRight, textRect.width() - 2));
        painter.drawControl(QStyle::CE_CheckBox, option);
    }

private:
    // An "&" in a caption is an ordinary character, not a mnemonic.
    static QString escaped(QString text) { return text.replace(u'&', QStringLiteral("&&")); }

    QString m_caption;
};

}  // namespace

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
            auto* box = new ElidedCheckBox(caption, parent);
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
