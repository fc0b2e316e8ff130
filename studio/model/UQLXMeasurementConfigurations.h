#pragma once
// The loaded measurement configurations, keyed by name (exact and
// case-sensitive) and enumerated sorted by name without regard to case.

#include "studio/model/UQLXMeasurementConfiguration.h"

#include <QStringList>
#include <map>

namespace qlx::studio {

class TClassRegister;

// Orders names without regard to case; names equal but for case keep a
// fixed order among themselves, so every name stays a key of its own.
struct TCaseInsensitiveNameOrder {
    bool operator()(const QString& ALeft, const QString& ARight) const;
};

class TQLXMeasurementConfigurations {
public:
    using TDictionary = std::map<QString, std::unique_ptr<TQLXMeasurementConfiguration>, TCaseInsensitiveNameOrder>;

    // The register is not owned and must outlive the collection.
    explicit TQLXMeasurementConfigurations(const TClassRegister& AClassRegister);

    // Replaces the content by the ".config" files of the directory. A file
    // that cannot be read, or whose name is already loaded, is reported in an
    // error message box and skipped; the load goes on. ADirectory ends with
    // a path delimiter.
    void LoadFromDirectory(const QString& ADirectory);

    // Takes the configuration under its name; a name already present fails.
    void Add(std::unique_ptr<TQLXMeasurementConfiguration> AConfiguration);
    void Remove(const QString& AName) { FConfigurations.erase(AName); }
    void Clear() { FConfigurations.clear(); }

    int Count() const { return int(FConfigurations.size()); }
    bool ContainsKey(const QString& AName) const { return FConfigurations.count(AName) != 0; }
    // None when no configuration has that name.
    TQLXMeasurementConfiguration* Find(const QString& AName) const;
    QStringList Names() const;

    TDictionary::const_iterator begin() const { return FConfigurations.begin(); }
    TDictionary::const_iterator end() const { return FConfigurations.end(); }

private:
    const TClassRegister& FClassRegister;
    TDictionary FConfigurations;
};

} // namespace qlx::studio
