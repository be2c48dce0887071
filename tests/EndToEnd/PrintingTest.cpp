// Printing through a private CUPS scheduler to a test printer: every job reaches the printer with
// its user's account ID from the list, or is cancelled, held or printed without one as the queue
// says; what the printer got is printed for the record.
#include "EndToEnd/PrintServer.h"

#include <gtest/gtest.h>

#include <iostream>

namespace endtoend {
namespace {

class Printing : public testing::Test {
  protected:
    static void SetUpTestSuite() { server_ = new PrintServer; }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override {
        if (!server_->Ready()) GTEST_SKIP() << "no private print server: " << server_->Problem();
    }

    // A queue made as README says: first with the printer's own URI, then wrapped.
    static void MakeQueue(const std::string& queue, const std::string& unlisted = "") {
        PrintServer& s = *server_;
        ASSERT_EQ(s.Client({"lpadmin", "-p", queue, "-E", "-v", s.PrinterURI(), "-m", "everywhere"})
                      .status,
                  0);
        SetUnlisted(queue, unlisted);
    }
    static void SetUnlisted(const std::string& queue, const std::string& unlisted) {
        const std::string uri = "korvane:" + unlisted + server_->PrinterURI();
        const CommandResult set = server_->Client({"lpadmin", "-p", queue, "-v", uri});
        ASSERT_EQ(set.status, 0) << set.output;
    }

    // The value of one attribute the printer got, or "(none)".
    static std::string Attribute(const std::string& received, const std::string& name) {
        const std::string key = "IPP_" + name + "=";
        const size_t at = received.find(key);
        if (at == std::string::npos) return "(none)";
        const size_t begin = at + key.size();
        return received.substr(begin, received.find('\n', begin) - begin);
    }

    // What the printer got for the job titled `title`, recorded in the test's output.
    static std::string AccountReceived(const std::string& title) {
        const std::optional<std::string> received = server_->Received(title);
        if (!received) return "(no job)";
        std::cout << "[printer got] " << title << ": job-originating-user-name="
                  << Attribute(*received, "JOB_ORIGINATING_USER_NAME")
                  << " job-account-id=" << Attribute(*received, "JOB_ACCOUNT_ID") << "\n";
        return Attribute(*received, "JOB_ACCOUNT_ID");
    }

    static void WriteList(const std::string& text) {
        WriteText(server_->ListPath(), text, fs::perms(0644));
    }

    static PrintServer* server_;
};

PrintServer* Printing::server_ = nullptr;

TEST_F(Printing, AListedUsersJobCarriesTheListsIDWhateverTheyAskAndAChangeCountsFromTheNextJob) {
    MakeQueue("Billed");
    // Lines ended as other tools end them: CR LF, LF and CR.
    WriteList("bob,42,Bob B\r\ncarl,77,Carl C\nerin,5,Erin E\r");
    server_->Print("Billed", "bob-first", {"-U", "bob"});
    server_->Print("Billed", "carl-asks-99", {"-U", "carl", "-o", "job-account-id=99"});
    server_->Print("Billed", "erin-cr", {"-U", "erin"});
    // Braces in other attributes hide nothing from the backend, nor swallow its ID.
    const CommandResult hidden = server_->SendWithAttributes(
        "Billed", "carl", "carl-hides-42",
        "ATTR text x \"a{\"\nATTR text job-account-id \"42\"\nATTR text z \"{\"\n");
    ASSERT_EQ(hidden.status, 0) << hidden.output;
    EXPECT_EQ(AccountReceived("bob-first"), "42");
    EXPECT_EQ(AccountReceived("carl-asks-99"), "77");
    EXPECT_EQ(AccountReceived("carl-hides-42"), "77");
    EXPECT_EQ(AccountReceived("erin-cr"), "5");

    // By hand, with nothing restarted.
    WriteList("bob,43,Bob B\r\n");
    server_->Print("Billed", "bob-after-edit", {"-U", "bob"});
    EXPECT_EQ(AccountReceived("bob-after-edit"), "43");
    // Through the command line, which commits as Save does.
    const CommandResult set = server_->Korvane({"set", "bob", "--id", "44"});
    ASSERT_EQ(set.status, 0) << set.output;
    server_->Print("Billed", "bob-after-set", {"-U", "bob"});
    EXPECT_EQ(AccountReceived("bob-after-set"), "44");
}

TEST_F(Printing, AnUnlistedUsersJobIsCancelledHeldOrPrintedWithoutAnIDAsTheQueueSays) {
    WriteList("bob,42,Bob B\r\nfrank,12x,Frank F\r\n");
    MakeQueue("Cancelling");
    const std::string dave = server_->Print("Cancelling", "dave-cancelled", {"-U", "dave"});
    ASSERT_FALSE(dave.empty());
    ASSERT_TRUE(Await([&] { return server_->Completed(dave); }));
    EXPECT_NE(server_->JobReport(dave).find(
                  "dave has no account in the job-accounting list; the job is cancelled"),
              std::string::npos)
        << server_->JobReport(dave);
    // An entry the editor would refuse bills no one.
    const std::string frank = server_->Print("Cancelling", "frank-broken", {"-U", "frank"});
    ASSERT_TRUE(Await([&] { return server_->Completed(frank); }));
    EXPECT_NE(server_->JobReport(frank).find("the entry of frank in the job-accounting list "
                                             "breaks a rule"),
              std::string::npos)
        << server_->JobReport(frank);

    MakeQueue("Holding", "hold:");
    const std::string held = server_->Print("Holding", "dave-held", {"-U", "dave"});
    ASSERT_TRUE(Await([&] {
        return server_->JobReport(held).find("the job is held") != std::string::npos;
    })) << server_->JobReport(held);
    EXPECT_FALSE(server_->Completed(held));
    std::cout << "[lpstat -l] " << server_->JobReport(held) << "\n";
    ASSERT_EQ(server_->Korvane({"add", "dave", "31", "Dave D"}).status, 0);
    ASSERT_EQ(server_->Client({"lp", "-i", held, "-H", "resume"}).status, 0);
    EXPECT_EQ(AccountReceived("dave-held"), "31");

    MakeQueue("Passing", "print:");
    // Nor can someone without an account bill another's.
    const std::string gina =
        server_->Print("Passing", "gina-passed", {"-U", "gina", "-o", "job-account-id=42"});
    EXPECT_EQ(AccountReceived("gina-passed"), "(none)");
    ASSERT_TRUE(Await([&] { return server_->Completed(gina); }));
    EXPECT_NE(server_->JobReport(gina).find("gina has no account in the job-accounting list; the "
                                            "job is printed without an account ID"),
              std::string::npos)
        << server_->JobReport(gina);

    EXPECT_FALSE(server_->HasReceived("dave-cancelled"));
    EXPECT_FALSE(server_->HasReceived("frank-broken"));
}

TEST_F(Printing, AListThatCannotBeReadStopsTheQueueUntilItCan) {
    MakeQueue("Guarded");
    WriteList("bob,42,Bob B\r\n");
    // The backend runs as lp, which may no longer read the file; others find it readable.
    struct Readable {
        ~Readable() { fs::permissions(server_->ListPath(), fs::perms(0644)); }
    } readable;
    fs::permissions(server_->ListPath(), fs::perms(0600));
    const std::string job = server_->Print("Guarded", "bob-unreadable", {"-U", "bob"});
    ASSERT_TRUE(Await([&] {
        return server_->Client({"lpstat", "-p", "Guarded"}).output.find("disabled") !=
               std::string::npos;
    }));
    const std::string printer = server_->Client({"lpstat", "-l", "-p", "Guarded"}).output;
    EXPECT_NE(printer.find("cannot read the job-accounting file " + server_->ListPath() +
                           " (permission denied); the queue is stopped"),
              std::string::npos)
        << printer;
    EXPECT_FALSE(server_->Completed(job));
    EXPECT_FALSE(server_->HasReceived("bob-unreadable"));

    fs::permissions(server_->ListPath(), fs::perms(0644));
    ASSERT_EQ(server_->Client({"cupsenable", "Guarded"}).status, 0);
    EXPECT_EQ(AccountReceived("bob-unreadable"), "42");
}

TEST_F(Printing, UnderThePolicyNoOneSendsAJobAsSomeoneElse) {
    const passwd* nobody = getpwnam("nobody");
    if (!nobody) GTEST_SKIP() << "no account named nobody to print as";
    ASSERT_TRUE(server_->AddToConfiguration(
        ReadFileText(KORVANE_SOURCE_DIR "/Sources/PrintingBackend/job-accounting-policy.conf")))
        << server_->Problem();
    MakeQueue("Policed");
    ASSERT_EQ(
        server_->Client({"lpadmin", "-p", "Policed", "-o", "printer-op-policy=job-accounting"})
            .status,
        0);
    WriteList("bob,42,Bob B\r\nnobody,55,No Body\r\n");

    const CommandResult asBob = server_->Client(
        {"lp", "-d", "Policed", "-t", "nobody-as-bob", "-U", "bob", server_->Folder() + "/dot.png"},
        nobody->pw_uid);
    EXPECT_NE(asBob.status, 0);
    std::cout << "[lp -U bob as nobody] " << asBob.output;
    EXPECT_EQ(asBob.output.find("request id is"), std::string::npos);

    server_->Print("Policed", "nobody-as-self", {}, nobody->pw_uid);
    EXPECT_EQ(AccountReceived("nobody-as-self"), "55");
}

} // namespace
} // namespace endtoend
