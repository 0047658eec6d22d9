#pragma once

#include "forms/qt/model_view.h"

#include <QListWidget>

namespace qv::forms {
class ListBox;
}

namespace qv::forms::qt {

/// A list box as Qt's list widget; the user's selection becomes the control's ListIndex.
class ListBoxWidget : public QListWidget, public ModelView {
    Q_OBJECT
public:
    ListBoxWidget(ListBox& list, QWidget* parent);
    void syncFromModel() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showScrollBarForMoreLinesThanAPage();

    ListBox* list_;
    int shownTopIndex_ = -1;
    bool syncing_ = false;
};

} // namespace qv::forms::qt
