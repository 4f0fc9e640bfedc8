#pragma once
// Tumbla.ini in the program directory. The whole file is read once; writes
// collect in memory and commit() replaces the file in one step, so a failed
// write leaves the old file whole.

#include "situation/IniStore.h"
#include "situation/MemoryIniStore.h"

#include <filesystem>

namespace tumbla {

class IniStoreQt final : public IniStore {
  public:
    explicit IniStoreQt(std::filesystem::path file);

    std::optional<std::string> readValue(std::string_view section,
                                         std::string_view key) const override;
    bool writeValue(std::string_view section, std::string_view key, std::string_view text) override;
    bool commit() override;
    void discard() override;

  private:
    std::filesystem::path file_;
    MemoryIniStore memory_;
};

} // namespace tumbla
