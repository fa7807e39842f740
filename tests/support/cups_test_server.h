#pragma once

// A private CUPS scheduler for one test: its own folder, socket and port, one
// PDF queue whose jobs the cups-pdf backend writes into the folder. CUPS_SERVER
// points this process (and the programs it starts) at it; stop() ends it.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "run_process.h"
#include "temp_dir.h"

namespace orv::test {

class CupsTestServer {
public:
    static constexpr const char* kScheduler = "/usr/sbin/cupsd";
    static constexpr const char* kBackend = "/usr/lib/cups/backend/cups-pdf";
    static constexpr const char* kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

    // Why a print server cannot run here ("" when it can).
    static std::string missing() {
        for (const char* path : {kScheduler, kBackend, kPpd, "/usr/sbin/lpadmin"}) {
            if (!std::filesystem::exists(path))
                return std::string(path) + " is not installed (scripts/install-deps.sh)";
        }
        if (::geteuid() != 0) return "the cups-pdf backend needs the tests to run as root";
        return "";
    }

    CupsTestServer() : queue("OrvPDF" + std::to_string(::getpid())) {}
    ~CupsTestServer() {
        stop();
        std::error_code ignored;
        std::filesystem::remove(backendConfig(), ignored);
    }

    // Starts the scheduler and adds the queue; "" or what went wrong.
    std::string start() {
        const std::string d = dir.path().string();
        for (const char* sub : {"spool/tmp", "cache", "state", "log", "out"})
            std::filesystem::create_directories(dir.path() / sub);
        std::filesystem::permissions(dir.path(), std::filesystem::perms::all,
                                     std::filesystem::perm_options::replace);
        for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log", "out"})
            std::filesystem::permissions(dir.path() / sub, std::filesystem::perms::all,
                                         std::filesystem::perm_options::replace);
        std::ofstream(dir.file("cupsd.conf"))
            << "Listen " << socket()
            << "\nLogLevel warn\nWebInterface No\n"
               "Browsing No\nDefaultAuthType None\n"
               "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n";
        std::ofstream(dir.file("cups-files.conf"))
            << "ServerRoot " << d << "\nRequestRoot " << d << "/spool\nTempDir " << d
            << "/spool/tmp\nCacheDir " << d << "/cache\nStateDir " << d << "/state\nAccessLog " << d
            << "/log/access_log\nErrorLog " << d << "/log/error_log\nPageLog " << d
            << "/log/page_log\nSystemGroup root\nUser lp\nGroup lp\n";
        // The backend reads its settings for this queue from its own file.
        std::ofstream(backendConfig())
            << "Out " << outputFolder() << "\nSpool " << d << "/backend-spool\nLabel 0\n";
        ::setenv("CUPS_SERVER", socket().c_str(), 1);

        pid = ::fork();
        if (pid == 0) {
            ::execl(kScheduler, kScheduler, "-f", "-c", dir.file("cupsd.conf").c_str(), "-s",
                    dir.file("cups-files.conf").c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        for (int i = 0; i < 300 && !std::filesystem::exists(socket()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!std::filesystem::exists(socket())) return "cupsd did not start: " + log();
        // The queue turns the PDF into PostScript for the backend with cairo,
        // which keeps the text's characters, so the backend's PDF reads back.
        const ProcessResult added =
            runProcess("/usr/sbin/lpadmin", {"-p", queue, "-v", "cups-pdf:/" + queue, "-P", kPpd, "-E", "-o",
                                             "pdftops-renderer-default=pdftocairo"});
        if (added.status != 0) return "lpadmin failed: " + added.err;
        return "";
    }

    // Ends the scheduler (the socket stays pointed at, so clients find no server).
    void stop() {
        if (pid <= 0) return;
        ::kill(pid, SIGTERM);
        int status = 0;
        ::waitpid(pid, &status, 0);
        pid = -1;
    }

    // Waits for the backend's PDF of a finished job; "" when none came.
    std::string waitForPdf(std::chrono::seconds limit = std::chrono::seconds(30)) const {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            for (const auto& entry : std::filesystem::directory_iterator(outputFolder())) {
                if (entry.path().extension() == ".pdf" && !busy(entry.path())) return entry.path().string();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return "";
    }

    std::string socket() const { return dir.file("cups.sock"); }
    std::string outputFolder() const { return dir.file("out"); }
    std::string backendConfig() const { return "/etc/cups/cups-pdf-" + queue + ".conf"; }
    std::string log() const {
        std::ifstream in(dir.file("log/error_log"));
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    const std::string queue;

private:
    // A file the backend is still writing: its size still changes.
    static bool busy(const std::filesystem::path& file) {
        std::error_code ec;
        const auto before = std::filesystem::file_size(file, ec);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return ec || before == 0 || std::filesystem::file_size(file, ec) != before;
    }

    TempDir dir;
    pid_t pid = -1;
};

// pdftotext's text of a PDF file (layout kept), or "" when it cannot be read.
inline std::string pdfText(const std::string& pdf) {
    return runProcess("/usr/bin/pdftotext", {"-layout", pdf, "-"}).out;
}

}  // namespace orv::test
