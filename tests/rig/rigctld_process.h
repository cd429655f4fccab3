#pragma once

// A Hamlib rig daemon with the dummy radio (model 1) on a free loopback port, for the tests
// and the benchmark: no hardware needed. Not usable when rigctld is not installed.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "settings/rig_settings.h"

extern char** environ;

namespace rig_test {

inline int FreeLoopbackPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    close(fd);
    return port;
}

inline bool Accepts(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return ok;
}

// The settings that reach a daemon on this machine's loopback port.
inline CRigSettings DaemonSettings(int port) {
    return {.connection = CRigSettings::kRigctld, .host = "127.0.0.1", .network_port = port};
}

class RigctldProcess {
public:
    RigctldProcess() : port_(FreeLoopbackPort()) {
        const std::string port = std::to_string(port_);
        const char* const argv[] = {"rigctld",   "-m", "1",          "-T",
                                    "127.0.0.1", "-t", port.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, "rigctld", &actions, nullptr, const_cast<char**>(argv), environ) !=
            0) {
            pid_ = 0;
        }
        posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; pid_ != 0 && i < 100 && !Accepts(port_); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        running_ = pid_ != 0 && Accepts(port_);
    }
    ~RigctldProcess() { Kill(); }
    RigctldProcess(const RigctldProcess&) = delete;
    RigctldProcess& operator=(const RigctldProcess&) = delete;

    bool IsRunning() const { return running_; }
    int Port() const { return port_; }
    // The daemon stops answering (as a hung radio server), then goes on again.
    // Pause returns once every thread of the daemon has stopped, so no answer is under way.
    void Pause() {
        kill(pid_, SIGSTOP);
        int status = 0;
        waitpid(pid_, &status, WUNTRACED);
    }
    void Resume() { kill(pid_, SIGCONT); }
    void Kill() {
        if (pid_ != 0) {
            kill(pid_, SIGCONT);
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = 0;
        }
        running_ = false;
    }

private:
    int port_;
    pid_t pid_ = 0;
    bool running_ = false;
};

}  // namespace rig_test
