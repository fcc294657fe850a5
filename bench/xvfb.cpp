#include "bench/xvfb.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

Xvfb::Xvfb(int width, int height)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        return;
    }
    // The server writes its display number to this descriptor once it accepts
    // clients: no guessing of free numbers, no sleeping.
    constexpr int kDisplayFd = 3;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], kDisplayFd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const char* argv[] = {"Xvfb", "-displayfd", "3", "-screen", "0", screen.c_str(), "-nolisten", "tcp", nullptr};
    const int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        pid_ = -1;
        error_ = std::string("cannot start Xvfb (package xvfb): ") + std::strerror(spawned);
        close(fds[0]);
        return;
    }

    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    while (poll(&wait, 1, 20000) > 0) {
        char c;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    if (number.empty())
        error_ = "Xvfb gave no display number";
    else
        display_ = ":" + number;
}

Xvfb::~Xvfb()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
}
