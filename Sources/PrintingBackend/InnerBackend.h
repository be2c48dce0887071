// The printer's own backend, run in this process's place for the job.
#pragma once

#include <string>
#include <vector>

struct InnerJob {
    std::string backendFolder;     // the scheduler's backend folder
    std::string scheme;            // the printer's own backend's name
    std::string deviceURI;         // its DEVICE_URI
    std::vector<std::string> argv; // its arguments, argv[0] the URI it shows
    std::string ppdPath;           // its PPD, or empty to leave PPD as it is
};

// Becomes the printer's own backend; returns only when it cannot, with why in words.
std::string RunInnerBackend(const InnerJob& job);
