#include "InnerBackend.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

std::string RunInnerBackend(const InnerJob& job) {
    const std::string path = job.backendFolder + "/" + job.scheme;
    std::vector<char*> argv;
    for (const std::string& argument : job.argv)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (setenv("DEVICE_URI", job.deviceURI.c_str(), 1) != 0 ||
        (!job.ppdPath.empty() && setenv("PPD", job.ppdPath.c_str(), 1) != 0))
        return std::string("its environment cannot be set: ") + std::strerror(errno);
    // The messages written so far reach the scheduler before the other backend's.
    std::fflush(stdout);
    std::fflush(stderr);
    execv(path.c_str(), argv.data());
    return path + ": " + std::strerror(errno);
}
