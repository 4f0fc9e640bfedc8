#include "results/SystemIdentity.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tumbla {
namespace {

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string_view FirstLine(std::string_view text) {
    return text.substr(0, text.find('\n'));
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string SystemText(const SystemIdentity& id) {
    return std::to_string(id.buildNumber() & 0xFFFF) + id.userName() + id.computerName() +
           id.processorType() + id.organisation() + id.owner();
}

std::uint32_t KernelBuildCount(std::string_view versionText) {
    if (versionText.empty() || versionText.front() != '#') return 0;
    std::uint32_t n = 0;
    for (std::size_t i = 1; i < versionText.size() && i < 10; ++i) {
        const char c = versionText[i];
        if (c < '0' || c > '9') break;
        n = n * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return n;
}

std::string CpuModelName(std::string_view cpuinfo) {
    std::size_t at = 0;
    while (at < cpuinfo.size()) {
        const std::size_t end = std::min(cpuinfo.find('\n', at), cpuinfo.size());
        const std::string_view line = cpuinfo.substr(at, end - at);
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos && Trimmed(line.substr(0, colon)) == "model name")
            return std::string(Trimmed(line.substr(colon + 1)));
        at = end + 1;
    }
    return {};
}

std::string PasswdFullName(std::string_view passwd, std::string_view login) {
    if (login.empty()) return {};
    std::size_t at = 0;
    while (at < passwd.size()) {
        const std::size_t end = std::min(passwd.find('\n', at), passwd.size());
        std::string_view line = passwd.substr(at, end - at);
        at = end + 1;
        if (line.substr(0, line.find(':')) != login) continue;
        // name:password:uid:gid:gecos:home:shell
        for (int field = 0; field < 4; ++field) {
            const std::size_t colon = line.find(':');
            if (colon == std::string_view::npos) return {};
            line.remove_prefix(colon + 1);
        }
        const std::string_view gecos = line.substr(0, line.find(':'));
        return std::string(gecos.substr(0, gecos.find(',')));
    }
    return {};
}

LinuxSystemIdentity::LinuxSystemIdentity(std::filesystem::path root) : root_(std::move(root)) {}

std::string LinuxSystemIdentity::firstLine(const std::filesystem::path& relative) const {
    return std::string(Trimmed(FirstLine(ReadText(root_ / relative))));
}

std::uint32_t LinuxSystemIdentity::buildNumber() const {
    return KernelBuildCount(firstLine("proc/sys/kernel/version"));
}

std::string LinuxSystemIdentity::userName() const {
    for (const char* variable : {"LOGNAME", "USER"})
        if (const char* value = std::getenv(variable); value && *value) return value;
    return {};
}

std::string LinuxSystemIdentity::computerName() const {
    return firstLine("proc/sys/kernel/hostname");
}

std::string LinuxSystemIdentity::processorType() const {
    return CpuModelName(ReadText(root_ / "proc/cpuinfo"));
}

std::string LinuxSystemIdentity::organisation() const {
    return firstLine("proc/sys/kernel/domainname");
}

std::string LinuxSystemIdentity::owner() const {
    return PasswdFullName(ReadText(root_ / "etc/passwd"), userName());
}

} // namespace tumbla
