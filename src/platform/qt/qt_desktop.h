#pragma once

#include "platform/app_folder.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/single_instance.h"

#include <QLockFile>

#include <memory>

namespace qv::platform::qt {

class QtScreen final : public Screen {
public:
    [[nodiscard]] QSize size() const override;
};

class QtMessageBox final : public MessageBox {
public:
    void show(const QString& text, const QString& title) override;
};

class QtAppFolder final : public AppFolder {
public:
    [[nodiscard]] QString path() const override;
    [[nodiscard]] QString cachePath() const override;
};

/// A lock file named for the program in the user's runtime folder, so each user runs one copy; a
/// lock left by a copy that died is taken over.
class QtSingleInstance final : public SingleInstance {
public:
    explicit QtSingleInstance(const QString& name);
    [[nodiscard]] bool previousInstance() override;

private:
    QLockFile lock_;
};

class QtShell final : public Shell {
public:
    bool openPage(const QString& url) override;
    bool openFolder(const QString& path) override;
};

} // namespace qv::platform::qt
