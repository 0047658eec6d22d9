#include "platform/fake/fake_socket.h"

using namespace Qt::StringLiterals;

namespace qv::platform::fake {

bool FakeSocket::Connect() {
    if (state_ != sckClosed) {
        return false;
    }
    state_ = sckConnecting;
    ++connects_;
    if (connectOutcome_) {
        const int number = *connectOutcome_;
        const int attempt = connects_;
        time_.post([this, number, attempt] {
            // A close and a new connect in between make this outcome stale.
            if (attempt != connects_ || state_ != sckConnecting) {
                return;
            }
            number == 0 ? acceptConnection() : failConnection(number);
        });
    }
    return true;
}

void FakeSocket::Close() {
    state_ = sckClosed;
    received_.clear();
}

bool FakeSocket::SendData(const QByteArray& data) {
    if (state_ != sckConnected) {
        return false;
    }
    sent_ += data;
    if (onSend) {
        onSend(data);
    }
    return true;
}

void FakeSocket::acceptConnection() {
    state_ = sckConnected;
    raiseConnect();
}

void FakeSocket::failConnection(int number) {
    state_ = sckError;
    raiseError(number, u"connection failed"_s);
}

void FakeSocket::receive(const QByteArray& bytes) {
    arrived(bytes);
}

void FakeSocket::closeByPeer() {
    state_ = sckClosing;
    raiseClose();
}

QByteArray FakeSocket::takeSent() {
    return std::exchange(sent_, {});
}

} // namespace qv::platform::fake
