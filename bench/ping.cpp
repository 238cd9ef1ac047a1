// Asks the running program through its one-instance channel, again and again, and tells how long
// each answer took to begin: the program answers on its window thread, so the longest wait is the
// longest stretch in which that thread answered nothing (no key, no signal, no later start).
//
// Usage: quillarren_ping SOCKET SECONDS
// Prints a line "SINCE_MS WAIT_MS" per ask: when it was sent (from this program's start) and how
// long its first line of answer took. Asks begin once the socket takes calls.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// Connects, sends one request and waits for the first line of the answer; the wait in ms, or -1
// when nothing listens there (yet).
double askOnce(const sockaddr_un &address, double limitMs)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    // A verb no copy knows: it changes nothing, and every copy takes it the same way.
    static const char request[] = "{\"verb\": \"ping\", \"args\": []}\n";
    const double sent = nowMs();
    if (::send(fd, request, sizeof request - 1, MSG_NOSIGNAL) != ssize_t(sizeof request - 1)) {
        ::close(fd);
        return -1;
    }
    double waited = -1;
    char chunk[256];
    for (;;) {
        const double left = limitMs - (nowMs() - sent);
        pollfd entry{fd, POLLIN, 0};
        if (left <= 0 || ::poll(&entry, 1, int(left) + 1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (entry.revents == 0)
            continue;
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0)
            break;
        if (std::memchr(chunk, '\n', size_t(n))) {
            waited = nowMs() - sent;
            break;
        }
    }
    ::close(fd);
    return waited;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3 || std::strlen(argv[1]) >= sizeof(sockaddr_un::sun_path)) {
        std::fprintf(stderr, "usage: %s SOCKET SECONDS\n", argv[0]);
        return 2;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, argv[1]);
    const double start = nowMs();
    const double endMs = start + std::atof(argv[2]) * 1000.0;
    while (nowMs() < endMs) {
        const double since = nowMs() - start;
        const double waited = askOnce(address, endMs - nowMs());
        if (waited >= 0)
            std::printf("%.0f %.1f\n", since, waited);
        std::fflush(stdout);
        ::usleep(waited >= 0 ? 5000 : 2000);
    }
    return 0;
}
