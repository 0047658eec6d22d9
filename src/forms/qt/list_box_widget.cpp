#include "forms/qt/list_box_widget.h"

#include "forms/fonts.h"
#include "forms/list_box.h"

namespace qv::forms::qt {

ListBoxWidget::ListBoxWidget(ListBox& list, QWidget* parent) : QListWidget(parent), list_(&list) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!syncing_ && row >= 0 && row < list_->listCount()) {
            list_->setListIndex(row);
        }
    });
}

void ListBoxWidget::syncFromModel() {
    syncing_ = true;
    setFont(pixelFont(list_->font()));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, toQColor(list_->backColor()));
    colours.setColor(QPalette::Text, toQColor(list_->foreColor()));
    setPalette(colours);
    QStringList shown;
    shown.reserve(count());
    for (int row = 0; row < count(); ++row) {
        shown.append(item(row)->text());
    }
    if (shown != list_->items()) {
        clear();
        addItems(list_->items());
    }
    if (currentRow() != list_->listIndex()) {
        setCurrentRow(list_->listIndex());
    }
    if (list_->topIndex() < count()) {
        scrollToItem(item(list_->topIndex()), QAbstractItemView::PositionAtTop);
    }
    syncing_ = false;
}

} // namespace qv::forms::qt
