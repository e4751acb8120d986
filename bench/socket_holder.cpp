// Holds COUNT TCP sockets open over loopback (one listener and its
// connections, both ends) until its standard input closes, for the Linux
// host's connection listing benchmark. Prints "ready" once they are open.
//   socket_holder COUNT
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: socket_holder COUNT\n");
        return 2;
    }
    const int count = std::atoi(argv[1]);
    rlimit limit{static_cast<rlim_t>(count) + 64, static_cast<rlim_t>(count) + 64};
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) {
        std::perror("setrlimit");
        return 1;
    }
    std::vector<int> held;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 4096) != 0) {
        std::perror("listen");
        return 1;
    }
    socklen_t size = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
    held.push_back(listener);
    while (static_cast<int>(held.size()) < count) {
        const int client = socket(AF_INET, SOCK_STREAM, 0);
        if (client < 0 || connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            std::perror("connect");
            return 1;
        }
        const int server = accept(listener, nullptr, nullptr);
        if (server < 0) {
            std::perror("accept");
            return 1;
        }
        held.push_back(client);
        held.push_back(server);
    }
    std::printf("ready\n");
    std::fflush(stdout);
    char byte;
    while (read(0, &byte, 1) > 0) {
    }
    for (const int fd : held) close(fd);
    return 0;
}
