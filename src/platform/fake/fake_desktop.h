#pragma once

#include "platform/app_folder.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/single_instance.h"

#include <QTemporaryDir>

#include <vector>

namespace qv::platform::fake {

class FakeScreen final : public Screen {
public:
    [[nodiscard]] QSize size() const override { return size_; }
    QSize size_{1024, 768};
};

/// Records every message shown; the user answers OK at once.
class FakeMessageBox final : public MessageBox {
public:
    struct Shown {
        QString text;
        QString title;
        bool operator==(const Shown&) const = default;
    };
    void show(const QString& text, const QString& title) override {
        shown_.push_back({text, title});
    }
    std::vector<Shown> shown_;
};

/// A fresh empty folder per fake, removed with it.
class FakeAppFolder final : public AppFolder {
public:
    [[nodiscard]] QString path() const override { return dir_.path(); }
    [[nodiscard]] QString cachePath() const override { return cache_.path(); }

private:
    QTemporaryDir dir_;
    QTemporaryDir cache_;
};

class FakeSingleInstance final : public SingleInstance {
public:
    [[nodiscard]] bool previousInstance() override { return anotherRunning_; }
    bool anotherRunning_ = false;
};

/// Records what was opened; nothing is launched.
class FakeShell final : public Shell {
public:
    bool openPage(const QString& url) override {
        if (!isWebAddress(url)) {
            return false;
        }
        opened_.push_back(url);
        return true;
    }
    bool openFolder(const QString& path) override {
        opened_.push_back(path);
        return true;
    }
    std::vector<QString> opened_;
};

} // namespace qv::platform::fake
