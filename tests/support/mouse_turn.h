#pragma once

namespace qv {
class Client;
namespace forms {
class InputRouter;
}
} // namespace qv

namespace qv::test {

/// Takes the client's turn as a person would once its play buttons show: the hint button raises
/// cards and a right click on the bare table plays them (the hint passes when nothing beats).
/// When he is to call his partner, calls with his lowest card. Does nothing when it is not his
/// turn.
void playTurnByMouse(Client& client, forms::InputRouter& mouse);

} // namespace qv::test
