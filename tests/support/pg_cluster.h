#pragma once

// A throw-away PostgreSQL cluster for the tests and benchmarks: initdb in a
// temporary folder, started on a free loopback port, owned by the unprivileged
// "postgres" user when we run as root (the server refuses to run as root).
//
// Where the server comes from, in this order:
//  - ORV_TEST_PG_URI: a server given by the developer ("postgresql://user@host:port"),
//    whose user may create databases;
//  - ORV_TEST_PG_DIR: the folder in which the test run's set-up step started a
//    cluster (its "uri" file names it); ctest does this once for all tests;
//  - else a cluster of our own, started now and stopped when the process ends.
// Every test works in a database of its own, made from the server's template.

#include <libpq-fe.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "run_process.h"

namespace orv::test {

// The two engines the shared database tests run on.
enum class Engine { Sqlite, Postgres };

inline void PrintTo(Engine engine, std::ostream* out) {
    *out << (engine == Engine::Sqlite ? "file" : "server");
}

inline constexpr const char* kPostgresSkipHelp =
    "PostgreSQL tests skipped: no PostgreSQL server to run them on. Install the server "
    "(scripts/install-deps.sh installs the 'postgresql' package; the tests then start a throw-away "
    "cluster themselves), or set ORV_TEST_PG_URI=postgresql://USER@HOST:PORT to a server on which "
    "USER may create databases.";

// The folder of the newest installed server programs, "" when there is none.
inline std::string postgresBinDir() {
    namespace fs = std::filesystem;
    std::vector<fs::path> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/usr/lib/postgresql", ec)) {
        if (fs::exists(entry.path() / "bin" / "initdb") && fs::exists(entry.path() / "bin" / "pg_ctl"))
            found.push_back(entry.path() / "bin");
    }
    if (found.empty()) return "";
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
        return std::atoi(a.parent_path().filename().c_str()) < std::atoi(b.parent_path().filename().c_str());
    });
    return found.back().string();
}

inline int freeLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

// Runs a statement on a server; "" on success, else the server's message.
inline std::string pgExec(const std::string& uri, const std::string& sql) {
    PGconn* conn = PQconnectdb(uri.c_str());
    std::string message;
    if (PQstatus(conn) != CONNECTION_OK) {
        message = PQerrorMessage(conn);
    } else {
        PGresult* result = PQexec(conn, sql.c_str());
        const auto status = PQresultStatus(result);
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) message = PQresultErrorMessage(result);
        PQclear(result);
    }
    PQfinish(conn);
    return message;
}

class PgCluster {
public:
    // A cluster in folder, or none (why says why).
    static std::unique_ptr<PgCluster> start(const std::string& folder, std::string& why,
                                            bool fastButUnsafe = true) {
        const std::string bin = postgresBinDir();
        if (bin.empty()) {
            why = "no server programs under /usr/lib/postgresql";
            return nullptr;
        }
        auto cluster = attach(folder);
        std::filesystem::create_directories(folder);
        if (::geteuid() == 0) {
            const passwd* user = ::getpwnam("postgres");
            if (!user) {
                why = "running as root and there is no unprivileged 'postgres' user to own the cluster";
                return nullptr;
            }
            if (::chown(folder.c_str(), user->pw_uid, user->pw_gid) != 0) {
                why = "cannot hand " + folder + " to the postgres user";
                return nullptr;
            }
        }
        const auto init = cluster->run(
            "initdb", {"-D", folder + "/data", "-A", "trust", "-U", "postgres", "-E", "UTF8", "--no-sync"});
        if (init.status != 0) {
            why = "initdb failed: " + init.err;
            return nullptr;
        }
        for (int attempt = 0; attempt < 5; ++attempt) {
            const int port = freeLoopbackPort();
            std::string options = "-p " + std::to_string(port) + " -k " + folder +
                                  " -c listen_addresses=127.0.0.1 -c max_connections=60";
            if (fastButUnsafe) options += " -c fsync=off -c full_page_writes=off";
            const auto started = cluster->run(
                "pg_ctl", {"-D", folder + "/data", "-o", options, "-l", folder + "/log", "-w", "start"});
            if (started.status == 0) {
                cluster->options = options;
                cluster->port = port;
                cluster->running = true;
                return cluster;
            }
            why = "the server did not start: " + started.err;
        }
        return nullptr;
    }

    // A cluster in a new folder of its own under /tmp (reachable by the postgres
    // user), removed with it.
    static std::unique_ptr<PgCluster> startInTemp(std::string& why, bool fastButUnsafe = true) {
        char pattern[] = "/tmp/orv-pg-XXXXXX";
        if (!::mkdtemp(pattern)) {
            why = "cannot make a folder under /tmp";
            return nullptr;
        }
        auto cluster = start(pattern, why, fastButUnsafe);
        if (!cluster) {
            std::error_code ec;
            std::filesystem::remove_all(pattern, ec);
            return nullptr;
        }
        cluster->ownsFolder = true;
        return cluster;
    }

    // A cluster that another process started in folder (running or not).
    static std::unique_ptr<PgCluster> attach(const std::string& folder) {
        auto cluster = std::unique_ptr<PgCluster>(new PgCluster);
        cluster->bin = postgresBinDir();
        cluster->folder = folder;
        if (::geteuid() == 0) cluster->asUser = "postgres";
        cluster->running = std::filesystem::exists(folder + "/data/postmaster.pid");
        return cluster;
    }

    ~PgCluster() {
        stop();
        if (ownsFolder) {
            std::error_code ec;
            std::filesystem::remove_all(folder, ec);
        }
    }

    // "postgresql://postgres@127.0.0.1:PORT", to which a database name is added.
    std::string baseUri() const { return "postgresql://postgres@127.0.0.1:" + std::to_string(port); }

    void stop() {
        if (running) run("pg_ctl", {"-D", folder + "/data", "-m", "fast", "-w", "stop"});
        running = false;
    }
    // The server stopped and started again on the same port (a station losing it mid-work).
    bool restart() {
        stop();
        const auto started =
            run("pg_ctl", {"-D", folder + "/data", "-o", options, "-l", folder + "/log", "-w", "start"});
        running = started.status == 0;
        return running;
    }
    // Stops the server in another process while this one goes on.
    pid_t stopInBackground(int delayMs) const {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::usleep(static_cast<useconds_t>(delayMs) * 1000);
            run("pg_ctl", {"-D", folder + "/data", "-m", "immediate", "-w", "stop"});
            ::_exit(0);
        }
        return pid;
    }

    ProcessResult run(const std::string& program, const std::vector<std::string>& args) const {
        if (asUser.empty()) return runProcess(bin + "/" + program, args, folder);
        std::vector<std::string> full{"-u", asUser, "--", bin + "/" + program};
        full.insert(full.end(), args.begin(), args.end());
        return runProcess("/usr/sbin/runuser", full, folder);
    }

    bool ownsFolder = false;
    bool running = false;
    std::string folder;
    int port = 0;

private:
    PgCluster() = default;
    std::string bin;
    std::string asUser;
    std::string options;  // the server's command-line settings, kept for a restart
};

// The server the tests use, started once per process when needed; empty when
// there is none (the tests then skip with kPostgresSkipHelp).
inline std::string testServerUri() {
    static const std::string uri = [] {
        if (const char* given = std::getenv("ORV_TEST_PG_URI"); given && *given) return std::string(given);
        if (const char* dir = std::getenv("ORV_TEST_PG_DIR"); dir && *dir) {
            std::ifstream file(std::string(dir) + "/uri");
            std::string shared;
            if (std::getline(file, shared) && !shared.empty()) return shared;
        }
        static std::unique_ptr<PgCluster> own;
        std::string why;
        own = PgCluster::startInTemp(why);
        if (!own) {
            std::fprintf(stderr, "%s (%s)\n", kPostgresSkipHelp, why.c_str());
            return std::string();
        }
        return own->baseUri();
    }();
    return uri;
}

// A new empty database on the test server, dropped when this goes out of scope.
class ScratchDatabase {
public:
    explicit ScratchDatabase(const std::string& server) : base(server) {
        static int counter = 0;
        name = "orv_t_" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
        error = pgExec(base + "/postgres", "CREATE DATABASE " + name);
    }
    ~ScratchDatabase() {
        if (error.empty()) pgExec(base + "/postgres", "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
    }
    std::string uri() const { return base + "/" + name; }

    std::string base;
    std::string name;
    std::string error;  // "" when the database was made
};

}  // namespace orv::test
