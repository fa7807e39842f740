#pragma once

#include <QString>
#include <memory>

#include "app/profile.h"

class QSettings;

namespace orv {

// The per-user profile of the window (placement, COM port settings): an INI
// file under the company "Halvorn", values addressed as section/key.
class QtProfile : public Profile {
public:
    QtProfile();
    // A profile kept in the given file (tests, portable set-ups).
    explicit QtProfile(const QString& iniPath);
    ~QtProfile() override;

    int readInt(const std::string& section, const std::string& key, int defaultValue) override;
    void writeInt(const std::string& section, const std::string& key, int value) override;
    std::string readText(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
    void writeText(const std::string& section, const std::string& key, const std::string& value) override;

    void sync();
    // The file the profile is kept in.
    std::string fileName() const;

private:
    std::unique_ptr<QSettings> settings;
};

inline constexpr const char* kProfileOrganisation = "Halvorn";
inline constexpr const char* kProfileApplication = "Orv";

}  // namespace orv
