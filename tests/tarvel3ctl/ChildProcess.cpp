#include "ChildProcess.h"

#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tarvel::ctl::test {

namespace {
using Clock = std::chrono::steady_clock;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv)
{
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    if (::posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    outFd_ = out[0];
    errFd_ = err[0];
}

ChildProcess::~ChildProcess()
{
    if (pid_ > 0 && !status_) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    if (outFd_ >= 0)
        ::close(outFd_);
    if (errFd_ >= 0)
        ::close(errFd_);
}

void ChildProcess::pump(int ms)
{
    pollfd fds[2] = {{outFd_, POLLIN, 0}, {errFd_, POLLIN, 0}};
    if (::poll(fds, 2, ms) <= 0)
        return;
    char buf[4096];
    std::string* sinks[2] = {&out_, &err_};
    int* fdsOwned[2] = {&outFd_, &errFd_};
    for (int i = 0; i < 2; ++i) {
        if (fds[i].revents & (POLLIN | POLLHUP)) {
            const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                sinks[i]->append(buf, static_cast<std::size_t>(n));
            } else if (n == 0) {
                ::close(*fdsOwned[i]);
                *fdsOwned[i] = -1;
            }
        }
    }
}

std::optional<std::string> ChildProcess::firstLine(std::chrono::milliseconds limit)
{
    return waitForOutput("\n", limit) ? std::optional(out_.substr(0, out_.find('\n'))) : std::nullopt;
}

bool ChildProcess::waitForOutput(const std::string& text, std::chrono::milliseconds limit)
{
    const auto end = Clock::now() + limit;
    while (out_.find(text) == std::string::npos) {
        if (Clock::now() > end || (outFd_ < 0 && errFd_ < 0))
            return false;
        pump(20);
    }
    return true;
}

std::optional<int> ChildProcess::wait(std::chrono::milliseconds limit)
{
    const auto end = Clock::now() + limit;
    while (!status_) {
        int st = 0;
        const pid_t r = ::waitpid(pid_, &st, WNOHANG);
        if (r == pid_) {
            status_ = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
            break;
        }
        if (Clock::now() > end) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            status_ = -1;
            return std::nullopt;
        }
        pump(20);
    }
    while (outFd_ >= 0 || errFd_ >= 0) {  // the rest of the output
        const std::size_t before = out_.size() + err_.size();
        pump(50);
        if (out_.size() + err_.size() == before)
            break;
    }
    return status_;
}

void ChildProcess::signal(int sig)
{
    if (pid_ > 0 && !status_)
        ::kill(pid_, sig);
}

}  // namespace tarvel::ctl::test
