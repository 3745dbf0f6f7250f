// A stand-in for the downloader. It records what it was started with into a file of its own in
// the folder named by TROVILANE_FIXTURE_RECORDS: its argument vector, its current directory, its
// executable and its open file descriptors. With TROVILANE_FIXTURE_LINGER_MS it then stays alive
// that long, like a downloader at work.
//
// Each entry is written as `key length:bytes` so that any byte of an argument survives.
#include <dirent.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

void write_entry(std::ofstream& out, const char* key, const std::string& value) {
    out << key << ' ' << value.size() << ':' << value << '\n';
}

std::string current_directory() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) != nullptr ? buffer : "?";
}

std::string open_descriptors() {
    std::string listed;
    DIR* dir = ::opendir("/proc/self/fd");
    if (dir == nullptr) {
        return "?";
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && std::stoi(name) != ::dirfd(dir)) {
            listed += (listed.empty() ? "" : ",") + name;
        }
    }
    ::closedir(dir);
    return listed;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string descriptors = open_descriptors();  // before this program opens any file
    const char* folder = std::getenv("TROVILANE_FIXTURE_RECORDS");
    if (folder == nullptr) {
        return 2;
    }
    const std::filesystem::path record = std::filesystem::path(folder) / std::to_string(::getpid());
    const std::filesystem::path partial = record.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::binary);
        for (int i = 0; i < argc; ++i) {
            write_entry(out, "arg", argv[i]);
        }
        write_entry(out, "cwd", current_directory());
        write_entry(out, "exe", std::filesystem::read_symlink("/proc/self/exe").string());
        write_entry(out, "fds", descriptors);
        write_entry(out, "sid", std::to_string(::getsid(0)));
        write_entry(out, "pid", std::to_string(::getpid()));
    }
    std::filesystem::rename(partial, record);  // readers see whole records only
    if (const char* linger = std::getenv("TROVILANE_FIXTURE_LINGER_MS")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(linger)));
    }
    return 0;
}
