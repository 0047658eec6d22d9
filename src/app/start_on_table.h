#pragma once

#include <QString>

namespace qv {
class Client;
}
namespace qv::table {
class MainForm;
}

namespace qv::app {

/// Starts the program on its table window: the connection's and the sound's steps go into the
/// window's load, the connection's view becomes the window, and the window is loaded.
void StartOnTable(Client& client, table::MainForm& form, const QString& commandLine);

} // namespace qv::app
