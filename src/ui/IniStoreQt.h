#pragma once
// Tumbla.ini through QSettings, as an ordinary INI file that other programs
// can read and edit: sections in brackets, key=value lines, UTF-8 texts.

#include "situation/IniStore.h"

#include <QString>

#include <vector>

namespace tumbla {

class IniStoreQt final : public IniStore {
  public:
    explicit IniStoreQt(QString filePath);

    // Sections and keys are found regardless of letter case, as in INI files
    // written by hand; the first spelling found counts.
    std::optional<std::string> readValue(std::string_view section,
                                         std::string_view key) const override;
    bool writeValue(std::string_view section, std::string_view key, std::string_view text) override;
    // Writes all pending values in one atomic replacement of the file.
    bool commit() override;
    void discard() override;

    const QString& filePath() const { return path_; }

  private:
    struct Pending {
        QString section;
        QString key;
        QString text;
    };
    QString path_;
    std::vector<Pending> pending_;
};

} // namespace tumbla
