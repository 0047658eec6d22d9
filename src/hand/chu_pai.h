#pragma once

#include "forms/form.h"
#include "forms/label.h"

#include <functional>

namespace qv::forms {
class FormHost;
}

namespace qv::hand {

/// The table window the notice centres on; null while it is not loaded.
using TableWindow = std::function<const forms::Form*()>;

/// The notice that the cards the player tried to play or call are not allowed: a fixed picture,
/// topmost, centred on the table window when it loads. Loading it (its first reference, even a
/// query of its visibility) shows it; afterwards it is only shown and hidden.
class ChuPai : public forms::Form {
public:
    ChuPai(forms::FormHost& host, TableWindow tableWindow);

    void Form_Load();
    /// Hides the notice.
    void Label1_Click();

    /// Centres the window on the table window, Top first; nothing while no table window is
    /// loaded.
    void centreOnTable();
    /// Shows the window modeless and in front, where it stands.
    void showInFront();

    /// The close spot over the picture's top-right corner, with the hand cursor.
    forms::Label Label1;
    /// Kept in front of the picture's words; no caption.
    forms::Label Label2;

private:
    TableWindow tableWindow_;
};

/// Lets the host create the hand's windows, which place themselves by the table window.
void registerHandForms(forms::FormHost& host, TableWindow tableWindow);

} // namespace qv::hand
