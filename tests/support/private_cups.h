// A private CUPS scheduler for tests: its own configuration, spool and
// socket in a temporary folder, started as a child process and stopped by
// its process id, so the machine's printing setup is never touched. Clients
// reach it through CUPS_SERVER, which start() sets for this process and the
// processes it starts. Queues write what the filter chain produces into
// files of the folder ("file://" device), or PDF files ("cups-pdf:/").
#pragma once

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <vector>

namespace rq::testing {

class PrivateCups {
public:
    static constexpr const char* kCupsd = "/usr/sbin/cupsd";
    static constexpr const char* kPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

    // Why no scheduler can be started here; nothing when one can.
    static std::optional<std::string> unavailable() {
        if (::access(kCupsd, X_OK) != 0)
            return std::string("cupsd is not installed (package cups)");
        if (::access(kPdfPpd, R_OK) != 0)
            return std::string("the CUPS-PDF driver is not installed (printer-driver-cups-pdf)");
        if (::geteuid() != 0)
            return std::string("a private cupsd needs root to run its filters as user lp");
        return std::nullopt;
    }

    PrivateCups() = default;
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;
    ~PrivateCups() { stop(); }

    // Writes the configuration, starts cupsd and waits for its socket.
    // Returns an error text on failure.
    std::optional<std::string> start() {
        char pattern[] = "/tmp/rq-cups-XXXXXX";
        if (!::mkdtemp(pattern))
            return std::string("cannot make a folder for cupsd");
        dir_ = pattern;
        namespace fs = std::filesystem;
        for (const char* sub : {"conf/ppd", "spool/tmp", "cache", "state", "log", "out"})
            fs::create_directories(dir_ / sub);
        // The filters run as user lp: every folder must be open to others.
        for (const auto& entry : fs::recursive_directory_iterator(dir_))
            ::chmod(entry.path().c_str(), 0777);
        ::chmod(dir_.c_str(), 0755);
        write("conf/cupsd.conf", "Listen " + socket() +
                                     "\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                     "DefaultAuthType None\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Location /admin>\n  Order allow,deny\n  Allow all\n"
                                     "</Location>\n<Policy default>\n  <Limit All>\n"
                                     "    Order deny,allow\n  </Limit>\n</Policy>\n");
        const std::string d = dir_.string();
        write("conf/cups-files.conf",
              "SystemGroup root\nServerRoot " + d + "/conf\nRequestRoot " + d + "/spool\nTempDir " +
                  d + "/spool/tmp\nCacheDir " + d + "/cache\nStateDir " + d + "/state\nAccessLog " +
                  d + "/log/access_log\nErrorLog " + d + "/log/error_log\nPageLog " + d +
                  "/log/page_log\nFileDevice Yes\n");
        return resume();
    }

    // Stops the scheduler alone (by its process id), keeping its folder and
    // queues: the print service is down until resume().
    void pause() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

    // Starts the scheduler on the folder made by start() and waits for its
    // socket. Returns an error text on failure.
    std::optional<std::string> resume() {
        const std::string d = dir_.string();
        pid_ = ::fork();
        if (pid_ == 0) {
            ::execl(kCupsd, kCupsd, "-f", "-c", (d + "/conf/cupsd.conf").c_str(), "-s",
                    (d + "/conf/cups-files.conf").c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (pid_ < 0)
            return std::string("cannot start cupsd");
        ::setenv("CUPS_SERVER", socket().c_str(), 1);
        for (int i = 0; i < 200; ++i) {
            // lpstat -r succeeds also when it says the scheduler is not
            // running.
            if (run("LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running'") == 0)
                return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return "cupsd did not answer on " + socket() + ": " + read("log/error_log");
    }

    // Stops the scheduler (by its process id) and removes its folder.
    void stop() {
        if (pid_ > 0) {
            pause();
            ::unsetenv("CUPS_SERVER");
        }
        if (!dir_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(dir_, ignored);
            dir_.clear();
        }
    }

    // A PostScript queue (the CUPS-PDF driver unless another description is
    // given) whose device is the file out/<name>.out; made the default
    // printer when asked. A scheduler that has just answered may still
    // refuse lpadmin for a moment on a busy machine, so a refusal is retried
    // for a few seconds.
    bool addFileQueue(const std::string& name, bool makeDefault = false,
                      const std::string& ppd = kPdfPpd) {
        const std::string add = "lpadmin -p " + name + " -E -v file://" +
                                outputPath(name).string() + " -P " + ppd + " >>" +
                                (dir_ / "log/lpadmin").string() + " 2>&1";
        const std::string choose =
            "lpadmin -d " + name + " >>" + (dir_ / "log/lpadmin").string() + " 2>&1";
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (run(add) == 0 && (!makeDefault || run(choose) == 0))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    // Starts the scheduler with one file queue per name, the last one the
    // default printer. Returns an error text on failure.
    std::optional<std::string> startWithQueues(const std::vector<std::string>& queues) {
        if (auto error = start())
            return "cupsd could not be started: " + *error;
        for (std::size_t i = 0; i < queues.size(); ++i)
            if (!addFileQueue(queues[i], i + 1 == queues.size()))
                return "the queue " + queues[i] + " could not be added: " + read("log/lpadmin") +
                       read("log/error_log");
        return std::nullopt;
    }

    // Descriptions of queues with unprintable margins, written into the
    // scheduler's folder; each returns the file's path, or nothing when the
    // driver it comes from is not installed.
    //
    // An office laser printer (HP LaserJet 4250 PS): A4 printable area
    // "12.00 12.12 583.08 829.68" (about 4.2 mm on every side), and Letter
    // as its default paper.
    std::optional<std::string> laserJetPpd() const {
        const auto path = dir_ / "conf" / "laserjet-4250.ppd";
        if (run(std::string(kHpDriver) + " cat '" + kLaserJet + "' >" + path.string() +
                " 2>/dev/null") != 0)
            return std::nullopt;
        return path.string();
    }
    // The CUPS-PDF description with uneven A4 margins: 18 pt left, 36 pt top
    // (0.25 and 0.5 inch), 18 pt right, 36 pt bottom.
    std::optional<std::string> unevenMarginsPpd() const {
        std::ifstream in(kPdfPpd);
        if (!in)
            return std::nullopt;
        std::ostringstream text;
        for (std::string line; std::getline(in, line);)
            text << (line.starts_with("*ImageableArea A4/A4:")
                         ? std::string("*ImageableArea A4/A4: \"18 36 577 806\"")
                         : line)
                 << '\n';
        write("conf/uneven-margins.ppd", text.str());
        return (dir_ / "conf" / "uneven-margins.ppd").string();
    }
    static constexpr const char* kHpDriver = "/usr/lib/cups/driver/postscript-hp";
    static constexpr const char* kLaserJet = "postscript-hp:0/ppd/hplip/HP/hp-laserjet_4250-ps.ppd";

    std::filesystem::path outputPath(const std::string& queue) const {
        return dir_ / "out" / (queue + ".out");
    }
    std::string socket() const { return (dir_ / "cups.sock").string(); }
    const std::filesystem::path& folder() const { return dir_; }

    // Waits until the queue has no unfinished job; false after the timeout.
    bool waitIdle(const std::string& queue, int seconds = 60) const {
        for (int i = 0; i < seconds * 10; ++i) {
            if (run("test -z \"$(lpstat -o " + queue + " 2>/dev/null)\"") == 0)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    // How many jobs the server knows of on the queue, finished ones
    // included; -1 when it does not answer.
    static int jobCount(const std::string& queue) {
        FILE* pipe = ::popen(("lpstat -W all -o " + queue + " 2>/dev/null; echo $?").c_str(), "r");
        if (!pipe)
            return -1;
        int lines = 0;
        std::string last;
        for (char line[512]; std::fgets(line, sizeof line, pipe);) {
            ++lines;
            last = line;
        }
        ::pclose(pipe);
        return last == "0\n" ? lines - 1 : -1;
    }

    // The shell command's exit code, with this scheduler as the server.
    static int run(const std::string& command) {
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string read(const std::string& relative) const {
        std::ifstream in(dir_ / relative, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    void write(const std::string& relative, const std::string& text) const {
        std::ofstream(dir_ / relative) << text;
    }

    std::filesystem::path dir_;
    pid_t pid_ = -1;
};

} // namespace rq::testing
