#include "forms/qt/list_box_widget.h"

#include "forms/fonts.h"
#include "forms/list_box.h"

#include <QFontMetrics>
#include <QResizeEvent>
#include <QStyledItemDelegate>

#include <algorithm>

namespace qv::forms::qt {

namespace {

// Rows as high as the font, as the platform's list draws them, so one-line tickers show the
// whole line.
class FontHighRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(QFontMetrics(option.font).height());
        return size;
    }
};

} // namespace

ListBoxWidget::ListBoxWidget(ListBox& list, QWidget* parent) : QListWidget(parent), list_(&list) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setItemDelegate(new FontHighRows(this));
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
    showScrollBarForMoreLinesThanAPage();
    if (list_->topIndex() != shownTopIndex_ && list_->topIndex() < count()) {
        scrollToItem(item(list_->topIndex()), QAbstractItemView::PositionAtTop);
    }
    shownTopIndex_ = list_->topIndex();
    if (currentRow() != list_->listIndex()) {
        // Selecting a line scrolls it into view, as the platform's list does.
        setCurrentRow(list_->listIndex());
        if (currentItem() != nullptr) {
            scrollToItem(currentItem());
        }
    }
    syncing_ = false;
}

// The platform's list counts as its page the whole rows that fit, and at least one, and shows its
// scroll bar only for more lines than that; Qt's would show one as soon as a row is cut, so a
// one-line ticker lower than its font would carry a scroll bar beside its only line.
void ListBoxWidget::showScrollBarForMoreLinesThanAPage() {
    const int rowHeight = std::max(1, QFontMetrics(font()).height());
    const int page = std::max(1, viewport()->height() / rowHeight);
    setVerticalScrollBarPolicy(count() > page ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void ListBoxWidget::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    showScrollBarForMoreLinesThanAPage();
}

} // namespace qv::forms::qt
