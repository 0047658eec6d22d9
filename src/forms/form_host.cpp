#include "forms/form_host.h"

#include "forms/fonts.h"
#include "forms/window_system.h"
#include "platform/time_service.h"

#include <algorithm>
#include <stdexcept>

namespace qv::forms {

FormHost::FormHost(platform::TimeService& time) : time_(&time) {
    installFontSubstitutions();
}

FormHost::~FormHost() {
    while (!forms_.empty()) {
        discard(*forms_.back().form);
    }
}

Form& FormHost::load(std::type_index type, const std::function<std::unique_ptr<Form>()>& fallback) {
    const auto factory = factories_.find(type);
    std::unique_ptr<Form> created =
        factory != factories_.end() ? factory->second(*this) : fallback();
    if (!created) {
        throw std::logic_error("form class without a factory");
    }
    Form& form = *created;
    forms_.push_back({type, std::move(created)});
    form.raiseLoad();
    return form;
}

bool FormHost::unload(Form& form, int unloadMode) {
    if (!isLoaded(form) || !form.raiseUnloadEvents(unloadMode)) {
        return false;
    }
    discard(form);
    return true;
}

void FormHost::unloadAll() {
    while (!forms_.empty()) {
        Form& form = *forms_.back().form;
        form.raiseUnloadEvents(unload_mode::kFormCode);
        discard(form);
    }
    unloaded_.clear();
}

// The form's own handler may be running (it unloaded itself), so the object is destroyed only
// once control is back in the event loop.
void FormHost::discard(Form& form) {
    if (!isLoaded(form)) {
        return;
    }
    form.hide();
    form.loaded_ = false;
    form.setChangeListener({});
    if (windowSystem_ != nullptr) {
        windowSystem_->formUnloaded(form);
    }
    if (active_ == &form) {
        active_ = nullptr;
    }
    const auto entry =
        std::ranges::find_if(forms_, [&form](const Entry& e) { return e.form.get() == &form; });
    unloaded_.push_back(std::move(entry->form));
    forms_.erase(entry);
    time_->post([this, alive = std::weak_ptr<int>(alive_)] {
        if (!alive.expired()) {
            unloaded_.clear();
        }
    });
}

bool FormHost::isLoaded(const Form& form) const {
    return std::ranges::any_of(forms_,
                               [&form](const Entry& entry) { return entry.form.get() == &form; });
}

std::vector<Form*> FormHost::forms() const {
    std::vector<Form*> loaded;
    loaded.reserve(forms_.size());
    for (const Entry& entry : forms_) {
        loaded.push_back(entry.form.get());
    }
    return loaded;
}

void FormHost::activate(Form& form) {
    if (active_ == &form || !form.visible()) {
        return;
    }
    Form* previous = active_;
    active_ = &form;
    if (previous != nullptr) {
        previous->raiseDeactivate();
    }
    form.raiseActivate();
}

void FormHost::deactivate(Form& form) {
    if (active_ != &form) {
        return;
    }
    active_ = nullptr;
    form.raiseDeactivate();
}

} // namespace qv::forms
