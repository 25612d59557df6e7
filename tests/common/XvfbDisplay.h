#pragma once

// A private X server for the tests that need a real one: tip windows the pointer must pass
// through, window titles as a window manager reads them. The offscreen platform has no pointer
// of its own and no title formatting, so it cannot show either. Start it before the application
// object, which then connects to it over the xcb platform.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

class XvfbDisplay {
public:
    // Starts Xvfb on a display number it picks itself, with one screen of the given size.
    explicit XvfbDisplay(const char* screen = "1366x768x24")
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM); // a test that crashes takes its server along
            close(ready[0]);
            const std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        if (pid_ > 0)
            name_ = ReadDisplayNumber(ready[0]);
        close(ready[0]);
        if (!name_.empty()) {
            setenv("DISPLAY", name_.c_str(), 1);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
        }
    }

    ~XvfbDisplay()
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }

    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool Running() const { return !name_.empty(); }
    const std::string& Name() const { return name_; }

private:
    // Xvfb writes its display number and a newline once it accepts connections.
    static std::string ReadDisplayNumber(int fd)
    {
        std::string number;
        pollfd p{fd, POLLIN, 0};
        char c = 0;
        while (poll(&p, 1, 10000) > 0 && read(fd, &c, 1) == 1 && c != '\n')
            number += c;
        return c == '\n' && !number.empty() ? ":" + number : std::string();
    }

    pid_t pid_ = -1;
    std::string name_;
};
