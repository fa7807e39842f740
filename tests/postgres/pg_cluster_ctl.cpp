// The set-up and clean-up steps of a test run: "start DIR" starts the cluster
// that every test of the run shares and writes its URI to DIR/uri; "stop DIR"
// stops it and removes DIR. Without a server the start says so and succeeds,
// so that the tests run and skip their PostgreSQL cases with that message.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "pg_cluster.h"

int main(int argc, char** argv) {
    using orv::test::PgCluster;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s start|stop DIR\n", argv[0]);
        return 2;
    }
    const std::string action = argv[1];
    const std::string folder = argv[2];
    std::error_code ec;
    // A cluster left behind by an earlier run that was cut short goes first.
    if (std::filesystem::exists(folder)) {
        auto old = PgCluster::attach(folder);
        old->stop();
        std::filesystem::remove_all(folder, ec);
    }
    if (action == "stop") return 0;
    if (action != "start") return 2;

    std::string why;
    auto cluster = PgCluster::start(folder, why);
    if (!cluster) {
        std::printf("%s (%s)\n", orv::test::kPostgresSkipHelp, why.c_str());
        std::filesystem::remove_all(folder, ec);
        return 0;
    }
    std::ofstream(folder + "/uri") << cluster->baseUri() << "\n";
    std::printf("PostgreSQL test cluster: %s in %s\n", cluster->baseUri().c_str(), folder.c_str());
    cluster->running = false;  // left running for the tests; "stop" ends it
    return 0;
}
