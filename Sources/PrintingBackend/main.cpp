// korvane, the printing backend: every job reaches the printer with its user's account ID from
// the job-accounting list. Its device URI wraps the printer's own (korvane:ipp://host/ipp/print);
// it looks the job's user up, puts the ID in the job's options, makes sure the printer's backend
// sends it, and becomes that backend.
#include "AccountingPPD.h"
#include "DeviceURI.h"
#include "InnerBackend.h"
#include "JobAccount.h"
#include "JobOptions.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// What the scheduler does with the job after the backend ends.
enum BackendStatus : int {
    kBackendOK = 0,
    kBackendFailed = 1,
    kBackendHold = 3,   // the job is held; the queue goes on
    kBackendStop = 4,   // the queue stops; the job waits
    kBackendCancel = 5, // the job is cancelled
};

const char* Environment(const char* name, const char* otherwise) {
    const char* value = std::getenv(name);
    return value && *value ? value : otherwise;
}

// A line the scheduler shows as the job's (and the printer's) message.
int Say(const char* level, const std::string& text, int status) {
    std::fprintf(stderr, "%s: %s\n", level, text.c_str());
    return status;
}

// The job as lpstat and lp name it, e.g. Office-7.
std::string JobName(const char* jobID) {
    return std::string(Environment("PRINTER", "the queue")) + "-" + Printable(jobID);
}

// The job's end for a user the list does not bill, or nothing when it prints without an ID.
std::optional<int> RefuseUnlisted(const WrappedDevice& device, const JobAccount& account,
                                  const char* jobID) {
    switch (device.unlisted) {
    case UnlistedPolicy::Hold:
        return Say("WARNING",
                   account.why +
                       "; the job is held until an administrator adds the account, then "
                       "lp -i " +
                       JobName(jobID) + " -H resume prints it",
                   kBackendHold);
    case UnlistedPolicy::Cancel:
        return Say("ERROR", account.why + "; the job is cancelled", kBackendCancel);
    case UnlistedPolicy::Print:
        break;
    }
    Say("WARNING", account.why + "; the job is printed without an account ID", kBackendOK);
    return std::nullopt;
}

// The arguments a backend is given, after argv[0].
enum { kArgJobID = 1, kArgUser = 2, kArgOptions = 5 };

// The printer's own backend with the job, its options carrying the ID.
int RunForJob(const WrappedDevice& device, const JobAccount& account, int argc, char** argv) {
    InnerJob job{Environment("CUPS_SERVERBIN", "/usr/lib/cups") + std::string("/backend"),
                 device.innerScheme,
                 device.innerURI,
                 {argv, argv + argc},
                 {}};
    // The scheduler shows argv[0] with any password taken out of the URI; so does the printer's.
    WrappedDevice shown;
    std::string unused;
    job.argv[0] = ParseDeviceURI(argv[0], &shown, &unused) ? shown.innerURI : device.innerURI;
    const std::optional<std::string> options =
        OptionsWithAccountID(argv[kArgOptions], account.accountID);
    if (!options)
        return Say("ERROR",
                   "the job's options cannot be passed on with its account ID alone; "
                   "the job is cancelled",
                   kBackendCancel);
    job.argv[kArgOptions] = *options;
    if (!account.accountID.empty()) {
        const char* ppd = std::getenv("PPD");
        std::string why = "the queue has none; make it with -m everywhere";
        if (ppd) job.ppdPath = AccountingPPDPath(ppd, &why);
        if (job.ppdPath.empty())
            return Say("ERROR",
                       std::string("cannot read the queue's PPD file ") + (ppd ? ppd : "") + " (" +
                           why + "), which lets the job carry its account ID",
                       kBackendStop);
        Say("INFO", "the job is billed to account " + account.accountID, kBackendOK);
    }
    return Say("ERROR", "cannot start the printer's backend " + RunInnerBackend(job), kBackendStop);
}

} // namespace

int main(int argc, char** argv) {
    // Without arguments the scheduler asks which devices the backend offers.
    if (argc == 1) {
        std::printf("network korvane \"Unknown\" \"Job accounting: korvane:PRINTER-URI\"\n");
        return kBackendOK;
    }
    if (argc < 6 || argc > 7) {
        std::fprintf(stderr, "Usage: %s job-id user title copies options [file]\n", argv[0]);
        return kBackendFailed;
    }
    const char* uri = Environment("DEVICE_URI", argv[0]);
    WrappedDevice device;
    std::string why;
    if (!ParseDeviceURI(uri, &device, &why))
        return Say("ERROR", "the device URI " + Printable(uri) + " " + why, kBackendStop);
    const JobAccount account = AccountOfJobUser(argv[kArgUser]);
    if (account.outcome == JobAccount::ListUnreadable)
        return Say("ERROR",
                   account.why +
                       "; the queue is stopped so that no job prints unbilled; "
                       "cupsenable " +
                       std::string(Environment("PRINTER", "QUEUE")) + " starts it again",
                   kBackendStop);
    if (account.outcome == JobAccount::Unlisted)
        if (const std::optional<int> status = RefuseUnlisted(device, account, argv[kArgJobID]))
            return *status;
    return RunForJob(device, account, argc, argv);
}
