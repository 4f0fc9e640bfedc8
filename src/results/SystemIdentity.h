#pragma once
// The items of the player's system that make up the competition's computer
// code, read through an interface so that tests can fix them.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tumbla {

class SystemIdentity {
  public:
    virtual ~SystemIdentity() = default;
    virtual std::uint32_t buildNumber() const = 0;
    virtual std::string userName() const = 0;
    virtual std::string computerName() const = 0;
    virtual std::string processorType() const = 0;
    virtual std::string organisation() const = 0;
    virtual std::string owner() const = 0;
};

// The build number (its low 16 bits, decimal) followed without separators by
// the login name, the computer name, the processor type, the organisation and
// the owner.
std::string SystemText(const SystemIdentity& id);

// The items as Linux has them. Linux registers no organisation or owner and
// numbers no system build, so their places are taken by what comes closest:
//   build number   the kernel's build count, the "#n" that opens
//                  /proc/sys/kernel/version (how often that kernel was built)
//   login name     $LOGNAME, else $USER
//   computer name  /proc/sys/kernel/hostname
//   processor type the "model name" of the first processor in /proc/cpuinfo
//   organisation   the NIS domain name, /proc/sys/kernel/domainname ("(none)"
//                  where none is set)
//   owner          the full name (the GECOS field up to its first comma) of the
//                  login name's line in /etc/passwd
// Missing items are empty. `root` lets a test put the files elsewhere.
class LinuxSystemIdentity : public SystemIdentity {
  public:
    explicit LinuxSystemIdentity(std::filesystem::path root = "/");
    std::uint32_t buildNumber() const override;
    std::string userName() const override;
    std::string computerName() const override;
    std::string processorType() const override;
    std::string organisation() const override;
    std::string owner() const override;

  private:
    std::string firstLine(const std::filesystem::path& relative) const;
    std::filesystem::path root_;
};

// The parsers behind it.
std::uint32_t KernelBuildCount(std::string_view versionText);
std::string CpuModelName(std::string_view cpuinfo);
std::string PasswdFullName(std::string_view passwd, std::string_view login);

} // namespace tumbla
