#pragma once

#include "forms/form.h"
#include "forms/label.h"

namespace qv::hand {

/// The notice that the cards the player tried to play or call are not allowed: a fixed picture,
/// topmost, centred on the table window when it loads. Loading it (its first reference, even a
/// query of its visibility) shows it; afterwards it is only shown and hidden.
class ChuPai : public forms::Form {
public:
    explicit ChuPai(forms::FormHost& host);

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
};

} // namespace qv::hand
