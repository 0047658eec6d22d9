#pragma once

namespace qv::forms::qt {

/// A widget that shows a control's own properties (items, text, colours) and copies them again
/// when the control changed.
class ModelView {
public:
    virtual ~ModelView() = default;
    virtual void syncFromModel() = 0;

protected:
    ModelView() = default;
    ModelView(const ModelView&) = default;
    ModelView& operator=(const ModelView&) = default;
};

} // namespace qv::forms::qt
