#include "platform/base/Tcp.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

int Verbindungsfehler = 0;

std::uint64_t Tcp_Uhr_ms() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

namespace {

// A wait looks at the abort flag at least this often.
constexpr int kScheibe_ms = 20;

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

}  // namespace

bool TCPClient::warten(int sock, short ereignisse, int max_ms) {
    const std::uint64_t ende = Tcp_Uhr_ms() + static_cast<std::uint64_t>(std::max(0, max_ms));
    for (;;) {
        if (Abbruch && Abbruch->load()) {
            fehler_ = "abgebrochen";
            errno = ECANCELED;
            return false;
        }
        const std::uint64_t jetzt = Tcp_Uhr_ms();
        if (Frist_ms != 0 && jetzt >= Frist_ms) {
            fehler_ = "Zeitlimit ueberschritten, der Server ist zu langsam";
            errno = ETIMEDOUT;
            return false;
        }
        if (jetzt >= ende) {
            fehler_ = "Zeitueberschreitung";
            errno = ETIMEDOUT;
            return false;
        }
        std::uint64_t rest = ende - jetzt;
        if (Frist_ms != 0) rest = std::min(rest, Frist_ms - jetzt);
        pollfd p{sock, ereignisse, 0};
        const int r = poll(&p, 1, static_cast<int>(std::min<std::uint64_t>(rest, kScheibe_ms)));
        if (r > 0) return true;  // an error or hang-up shows in the call that follows
        if (r < 0 && errno != EINTR) {
            fehler_ = std::string("Warten fehlgeschlagen: ") + std::strerror(errno);
            return false;
        }
    }
}

bool TCPClient::Verbinden() {
    Trennen();
    fehler_.clear();
    kein_server_ = 0;
    addrinfo hinweis{};
    hinweis.ai_family = AF_UNSPEC;
    hinweis.ai_socktype = SOCK_STREAM;
    addrinfo* liste = nullptr;
    const std::string port = std::to_string(Port);
    const int r = getaddrinfo(Host.c_str(), port.c_str(), &hinweis, &liste);
    if (r != 0) {
        fehler_ = "Host nicht gefunden: " + Host + " (" + gai_strerror(r) + ")";
        // A name that leads nowhere is as unreachable as a host that does not answer.
        if (r != EAI_NONAME && r != EAI_AGAIN && r != EAI_FAIL && r != EAI_NODATA) return false;
        kein_server_ = Tcp_nicht_erreichbar;
        return true;
    }
    int letzter = 0;
    bool abgebrochen = false;
    for (const addrinfo* a = liste; a && !abgebrochen; a = a->ai_next) {
        const int s = socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (s < 0) {
            letzter = errno;
            continue;
        }
        letzter = 0;
        if (connect(s, a->ai_addr, a->ai_addrlen) != 0) {
            letzter = errno;
            if (letzter == EINPROGRESS) {
                if (warten(s, POLLOUT, Verbindungszeit_ms)) {
                    socklen_t len = sizeof letzter;
                    if (getsockopt(s, SOL_SOCKET, SO_ERROR, &letzter, &len) != 0) letzter = errno;
                } else {
                    letzter = errno;
                    abgebrochen = letzter == ECANCELED || (Frist_ms != 0 && Tcp_Uhr_ms() >= Frist_ms);
                }
            }
        }
        if (letzter == 0) {
            sock_ = s;
            break;
        }
        close(s);
    }
    freeaddrinfo(liste);
    if (sock_ >= 0) return true;
    if (!abgebrochen) {
        fehler_ = "Verbindung zu " + Host + ":" + port + " fehlgeschlagen: " + std::strerror(letzter);
        kein_server_ = kein_server_code(letzter);
    }
    if (kein_server_ == 0) return false;
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
        if (!warten(sock_, POLLOUT, Empfangszeit_ms)) return false;
        const ssize_t k = send(sock_, p, n, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (k < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
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
        if (!warten(sock_, POLLIN, Empfangszeit_ms)) return false;
        const ssize_t k = recv(sock_, p, n, MSG_DONTWAIT);
        if (k < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
        if (k == 0) {
            fehler_ = "Verbindung vom Server beendet";
            return false;
        }
        if (k < 0) {
            fehler_ = std::string("Empfangen fehlgeschlagen: ") + std::strerror(errno);
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
    while (n > 0) {
        const std::size_t k = n < Block ? n : Block;
        if (!alles_empfangen(puffer, k)) return false;
        ziel.append(puffer, k);
        n -= k;
    }
    return true;
}
