#pragma once
// A local TCP socket bound to a free port on the loopback address: listening (a server that
// accepts when asked and otherwise never answers) or closed again at once (a port that
// refuses every connection).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace bhmtest {

class Lokaler_Port {
public:
    explicit Lokaler_Port(bool lauschen) {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t l = sizeof a;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &l);
        port = ntohs(a.sin_port);
        if (lauschen) {
            listen(fd_, 1);
        } else {
            close(fd_);
            fd_ = -1;
        }
    }
    ~Lokaler_Port() {
        if (fd_ >= 0) close(fd_);
    }
    Lokaler_Port(const Lokaler_Port&) = delete;
    Lokaler_Port& operator=(const Lokaler_Port&) = delete;
    // The listening socket (-1 for a refusing port).
    int fd() const { return fd_; }
    int port = 0;

private:
    int fd_ = -1;
};

}  // namespace bhmtest
