#pragma once

#include <string>
#include <sys/types.h>

// A private X server for one run: a virtual frame buffer on a display number
// that the server picks itself, so that runs side by side never collide.
class Xvfb {
public:
    // Starts `Xvfb` at the given screen size; check running() and error().
    explicit Xvfb(int width = 1280, int height = 1024);
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    bool running() const { return pid_ > 0 && !display_.empty(); }
    const std::string& error() const { return error_; }
    const std::string& display() const { return display_; }  // ":N"
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    std::string display_;
    std::string error_;
};
