// A private PostgreSQL server for one test program: initdb in a temporary folder, the server
// listening on a Unix socket in that folder only (no TCP), trust logins as "postgres". As
// root the server runs as the "postgres" user, which owns the folder. Started at the first
// Shared() and stopped and removed when the program ends. Without the PostgreSQL programs
// ready() is false and problem() says why, so a test can skip with that message.
#pragma once

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class PostgresServer {
 public:
  static PostgresServer& Shared() {
    static PostgresServer server;
    return server;
  }

  bool ready() const { return ready_; }
  const std::string& problem() const { return problem_; }
  const std::string& dir() const { return dir_; }  // also the socket folder

  // The location as the program takes it, for database `name`.
  std::string Url(const std::string& name) const {
    return "postgresql://postgres@/" + name + "?host=" + dir_;
  }
  // A new, empty database; false when it could not be created.
  bool CreateDatabase(const std::string& name) {
    return ready_ && Run(bin_ + "/createdb -h " + dir_ + " -U postgres " + name, "createdb");
  }
  // The server stops (connections are cut) and starts again, for outages.
  bool Stop() { return Run(AsServer(bin_ + "/pg_ctl -D " + data() + " -m fast -w stop"), "stop"); }
  bool Start() {
    return Run(AsServer(bin_ + "/pg_ctl -D " + data() + " -l " + dir_ + "/server.log -w -t 60" +
                        " -o \"-k " + dir_ + " -c listen_addresses=''\" start"),
               "start");
  }

  ~PostgresServer() {
    if (dir_.empty()) return;
    if (ready_) Stop();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  PostgresServer(const PostgresServer&) = delete;
  PostgresServer& operator=(const PostgresServer&) = delete;

 private:
  PostgresServer() {
    bin_ = FindPrograms();
    if (bin_.empty()) {
      problem_ = "PostgreSQL is not installed (no initdb and pg_ctl; scripts/deps installs them)";
      return;
    }
    char pattern[] = "/tmp/tellavo-pg-XXXXXX";
    if (!mkdtemp(pattern)) {
      problem_ = "no temporary folder for PostgreSQL";
      return;
    }
    dir_ = pattern;
    if (geteuid() == 0) {
      // The server refuses to run as root.
      const passwd* pg = getpwnam("postgres");
      if (!pg || chown(dir_.c_str(), pg->pw_uid, pg->pw_gid) != 0) {
        problem_ = "running as root, but there is no postgres user to run the server as";
        return;
      }
      asServer_ = "runuser -u postgres -- ";
    }
    ready_ = Run(AsServer(bin_ + "/initdb -D " + data() +
                          " -U postgres -A trust -E UTF8 --locale=C --no-sync"),
                 "initdb") &&
             Start();
  }

  std::string data() const { return dir_ + "/data"; }
  std::string AsServer(const std::string& command) const { return asServer_ + command; }

  // Runs a command, its output going to a log in the folder; on failure problem() holds it.
  bool Run(const std::string& command, const std::string& what) {
    const std::string log = dir_ + "/" + what + ".out";
    if (std::system((command + " >" + log + " 2>&1").c_str()) == 0) return true;
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    problem_ = what + " failed: " + command + "\n" + text.str();
    return false;
  }

  // TELLAVO_PG_BIN, else the newest /usr/lib/postgresql/N/bin (Debian), else the PATH.
  static std::string FindPrograms() {
    namespace fs = std::filesystem;
    auto has = [](const fs::path& bin) {
      std::error_code e;
      return fs::exists(bin / "initdb", e) && fs::exists(bin / "pg_ctl", e);
    };
    if (const char* env = std::getenv("TELLAVO_PG_BIN"); env && has(env)) return env;
    std::error_code e;
    int newest = -1;
    std::string found;
    for (const auto& entry : fs::directory_iterator("/usr/lib/postgresql", e)) {
      const std::string version = entry.path().filename().string();
      const int v = std::atoi(version.c_str());
      if (v > newest && has(entry.path() / "bin")) {
        newest = v;
        found = (entry.path() / "bin").string();
      }
    }
    if (!found.empty()) return found;
    if (const char* path = std::getenv("PATH")) {
      std::stringstream dirs(path);
      for (std::string d; std::getline(dirs, d, ':');)
        if (!d.empty() && has(d)) return d;
    }
    return {};
  }

  std::string bin_, dir_, asServer_, problem_;
  bool ready_ = false;
};
