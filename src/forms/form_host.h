#pragma once

#include "forms/events.h"
#include "forms/form.h"

#include <concepts>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace qv::platform {
class TimeService;
}

namespace qv::forms {

class WindowSystem;

/// Owns the program's forms, one of each form class at a time. Referring to a form that is not
/// loaded creates it and runs its Load handler; unloading discards it, and the next reference
/// starts afresh. Owned by the client; a renderer attaches as the window system.
class FormHost {
public:
    explicit FormHost(platform::TimeService& time);
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;
    ~FormHost();

    [[nodiscard]] platform::TimeService& time() const { return *time_; }
    [[nodiscard]] WindowSystem* windowSystem() const { return windowSystem_; }
    void setWindowSystem(WindowSystem* windows) { windowSystem_ = windows; }

    /// How forms of class F are made; without one F must be constructible from the host alone.
    template <class F>
    void registerForm(std::function<std::unique_ptr<F>(FormHost&)> factory) {
        factories_[typeid(F)] = [factory = std::move(factory)](FormHost& host) {
            return std::unique_ptr<Form>(factory(host));
        };
    }

    /// The form of class F, created and loaded when it is not loaded yet.
    template <class F>
    F& get() {
        if (F* form = find<F>()) {
            return *form;
        }
        if constexpr (std::constructible_from<F, FormHost&>) {
            return static_cast<F&>(load(typeid(F), [this]() -> std::unique_ptr<Form> {
                return std::make_unique<F>(*this);
            }));
        } else {
            return static_cast<F&>(load(typeid(F), [] { return std::unique_ptr<Form>(); }));
        }
    }

    /// The form of class F when it is loaded, without loading it.
    template <class F>
    [[nodiscard]] F* find() const {
        for (const Entry& entry : forms_) {
            if (entry.type == typeid(F)) {
                return static_cast<F*>(entry.form.get());
            }
        }
        return nullptr;
    }

    /// Hides the form of class F when it is loaded, without loading it.
    template <class F>
    void hideIfLoaded() const {
        if (F* form = find<F>()) {
            form->hide();
        }
    }

    template <class F>
    bool unload() {
        F* form = find<F>();
        return form == nullptr || unload(*form);
    }

    /// QueryUnload and Unload, then the form is gone; false when a handler cancelled.
    bool unload(Form& form, int unloadMode = unload_mode::kFormCode);
    /// Unloads every form (at the end of the program), ignoring cancels.
    void unloadAll();

    [[nodiscard]] bool isLoaded(const Form& form) const;
    /// Loaded forms in the order they were loaded.
    [[nodiscard]] std::vector<Form*> forms() const;

    [[nodiscard]] Form* activeForm() const { return active_; }
    /// Makes `form` the active window: Deactivate of the old one, Activate of the new one.
    void activate(Form& form);
    /// `form` stopped being the active window (hidden, or another program took the focus).
    void deactivate(Form& form);

private:
    struct Entry {
        std::type_index type;
        std::unique_ptr<Form> form;
    };
    Form& load(std::type_index type, const std::function<std::unique_ptr<Form>()>& fallback);
    void discard(Form& form);

    platform::TimeService* time_;
    WindowSystem* windowSystem_ = nullptr;
    std::unordered_map<std::type_index, std::function<std::unique_ptr<Form>(FormHost&)>> factories_;
    std::vector<Entry> forms_;
    std::vector<std::unique_ptr<Form>> unloaded_;
    Form* active_ = nullptr;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace qv::forms
