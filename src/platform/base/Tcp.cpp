#include "platform/base/Tcp.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

int Verbindungsfehler = 0;

namespace {

std::uint64_t jetzt_ms() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

// The code of a connect error that means "no server there", 0 for any other.
int kein_server_code(int err) {
    switch (err) {
        case ETIMEDOUT:
            return Tcp_Zeitueberschreitung;
        case ECONNREFUSED:
            return Tcp_abgewiesen;
        case EHOSTUNREACH:
        case ENETUNREACH:
            return Tcp_nicht_erreichbar;
        default:
            return 0;
    }
}

void zeit_setzen(int sock, int option, int ms) {
    timeval tv{};
    tv.tv_sec = ms / 1000;
    tv.tv_usec = (ms % 1000) * 1000;
    setsockopt(sock, SOL_SOCKET, option, &tv, sizeof tv);
}

// Connects one address within the time; 0 on success, else the errno.
int verbinden_mit(int sock, const addrinfo* a, int ms) {
    const int flags = fcntl(sock, F_GETFL, 0);
    fcntl(sock, F_SETFL, flags | O_NONBLOCK);
    int err = 0;
    if (connect(sock, a->ai_addr, a->ai_addrlen) != 0) {
        err = errno;
        if (err == EINPROGRESS) {
            pollfd p{sock, POLLOUT, 0};
            int r;
            do r = poll(&p, 1, ms);
            while (r < 0 && errno == EINTR);
            if (r == 0) {
                err = ETIMEDOUT;
            } else if (r < 0) {
                err = errno;
            } else {
                socklen_t len = sizeof err;
                if (getsockopt(sock, SOL_SOCKET, SO_ERROR, &err, &len) != 0) err = errno;
            }
        }
    }
    fcntl(sock, F_SETFL, flags);
    return err;
}

}  // namespace

bool TCPClient::Verbinden() {
    Trennen();
    fehler_.clear();
    addrinfo hinweis{};
    hinweis.ai_family = AF_UNSPEC;
    hinweis.ai_socktype = SOCK_STREAM;
    addrinfo* liste = nullptr;
    const std::string port = std::to_string(Port);
    const int r = getaddrinfo(Host.c_str(), port.c_str(), &hinweis, &liste);
    if (r != 0) {
        fehler_ = "Host nicht gefunden: " + Host + " (" + gai_strerror(r) + ")";
        return false;
    }
    int letzter = 0;
    for (const addrinfo* a = liste; a; a = a->ai_next) {
        const int s = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (s < 0) {
            letzter = errno;
            continue;
        }
        letzter = verbinden_mit(s, a, Verbindungszeit_ms);
        if (letzter == 0) {
            sock_ = s;
            break;
        }
        close(s);
    }
    freeaddrinfo(liste);
    if (sock_ >= 0) {
        zeit_setzen(sock_, SO_RCVTIMEO, Empfangszeit_ms);
        zeit_setzen(sock_, SO_SNDTIMEO, Empfangszeit_ms);
        return true;
    }
    fehler_ = "Verbindung zu " + Host + ":" + port + " fehlgeschlagen: " + std::strerror(letzter);
    const int code = kein_server_code(letzter);
    if (code == 0) return false;
    Verbindungsfehler = code;
    return true;
}

void TCPClient::Trennen() {
    if (sock_ >= 0) close(sock_);
    sock_ = -1;
}

bool TCPClient::alles_senden(const void* daten, std::size_t n) {
    const char* p = static_cast<const char*>(daten);
    while (n > 0) {
        if (sock_ < 0) {
            fehler_ = "nicht verbunden";
            return false;
        }
        const ssize_t k = send(sock_, p, n, MSG_NOSIGNAL);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) {
            fehler_ = std::string("Senden fehlgeschlagen: ") + std::strerror(errno);
            return false;
        }
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

bool TCPClient::alles_empfangen(void* daten, std::size_t n) {
    char* p = static_cast<char*>(daten);
    while (n > 0) {
        if (sock_ < 0) {
            fehler_ = "nicht verbunden";
            return false;
        }
        if (frist_ != 0 && jetzt_ms() > frist_) {
            fehler_ = "Uebertragung zu langsam";
            return false;
        }
        const ssize_t k = recv(sock_, p, n, 0);
        if (k < 0 && errno == EINTR) continue;
        if (k == 0) {
            fehler_ = "Verbindung vom Server beendet";
            return false;
        }
        if (k < 0) {
            fehler_ = errno == EAGAIN || errno == EWOULDBLOCK
                          ? std::string("Zeitueberschreitung beim Empfangen")
                          : std::string("Empfangen fehlgeschlagen: ") + std::strerror(errno);
            return false;
        }
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

bool TCPClient::Integer_senden(std::int32_t wert) {
    const std::uint32_t netz = htonl(static_cast<std::uint32_t>(wert));
    return alles_senden(&netz, sizeof netz);
}

bool TCPClient::Integer_empfangen(std::int32_t& wert) {
    std::uint32_t netz = 0;
    if (!alles_empfangen(&netz, sizeof netz)) return false;
    wert = static_cast<std::int32_t>(ntohl(netz));
    return true;
}

bool TCPClient::Bytes_empfangen(std::size_t n, std::string& ziel) {
    constexpr std::size_t Block = 65536;
    char puffer[Block];
    frist_ = jetzt_ms() + static_cast<std::uint64_t>(Empfangszeit_ms) + n * 1000 / Mindestrate;
    bool gut = true;
    while (gut && n > 0) {
        const std::size_t k = n < Block ? n : Block;
        gut = alles_empfangen(puffer, k);
        if (gut) ziel.append(puffer, k);
        n -= k;
    }
    frist_ = 0;
    return gut;
}
