#include "support/private_catalogue_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <random>

namespace quotexa::test_support {

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

std::string ScriptCommand(const std::string& arguments) {
    return std::string(QUOTEXA_TEST_PYTHON3) + " " +
           Quoted(std::filesystem::path(QUOTEXA_SOURCE_DIR) / "scripts/catalogue_server") + " " +
           arguments;
}

}  // namespace

int FreeLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
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

PrivateCatalogueServer::PrivateCatalogueServer(const std::vector<std::string>& fixtureFiles,
                                               int port) {
    std::random_device random;
    stateDir_ =
        std::filesystem::temp_directory_path() /
        ("quotexa-catalogue-" + std::to_string(::getpid()) + "-" + std::to_string(random()));
    std::string arguments =
        "start --state-dir " + Quoted(stateDir_) + " --template-dir " +
        Quoted(std::filesystem::path(QUOTEXA_BINARY_DIR) / "catalogue_server_template") +
        " --port " + std::to_string(port) + " --owner-pid " + std::to_string(::getpid());
    for (const std::string& file : fixtureFiles) {
        arguments +=
            " --sql " + Quoted(std::filesystem::path(QUOTEXA_SOURCE_DIR) / "tests/fixtures" / file);
    }
    if (std::system((ScriptCommand(arguments) + " >/dev/null").c_str()) != 0) return;
    std::ifstream portFile(stateDir_ / "port");
    portFile >> port_;
}

PrivateCatalogueServer::~PrivateCatalogueServer() {
    std::system(
        (ScriptCommand("stop --state-dir " + Quoted(stateDir_)) + " >/dev/null 2>&1").c_str());
}

bool PrivateCatalogueServer::Load(const std::string& sql) const {
    const std::filesystem::path file = stateDir_.string() + ".extra.sql";
    std::ofstream(file) << sql;
    const int status =
        std::system((ScriptCommand("load --state-dir " + Quoted(stateDir_) + " " + Quoted(file)) +
                     " >/dev/null")
                        .c_str());
    std::filesystem::remove(file);
    return status == 0;
}

}  // namespace quotexa::test_support
