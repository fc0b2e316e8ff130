#pragma once
// A measurement configuration and its XML file.

#include "studio/model/UQLXDeviceConfiguration.h"
#include "studio/model/UQLXMeasurementEvaluationConfiguration.h"

#include <memory>

namespace qlx::studio {

class TClassRegister;

// Replaces every character that file names cannot hold (codes 0 to 31 and
// " * / : < > ? \ |) by "_".
QString ReplaceInvalidFileNameChars(const QString& AFileName);

class TQLXMeasurementConfiguration {
public:
    TQLXMeasurementConfiguration();
    TQLXMeasurementConfiguration(std::unique_ptr<TQLXMeasurementEvaluationConfiguration> AQLXMeasurementEvaluationConfiguration,
                                 std::unique_ptr<TQLXDeviceConfiguration> AQLXDeviceConfiguration);

    // Full path of the file it was loaded from or last written to; empty
    // when never written.
    const QString& Filename() const { return FFilename; }
    TQLXMeasurementEvaluationConfiguration& MeasurementEvaluation() { return *FMeasurementEvaluation; }
    const TQLXMeasurementEvaluationConfiguration& MeasurementEvaluation() const { return *FMeasurementEvaluation; }
    TQLXDeviceConfiguration& Device() { return *FDevice; }

    // Reads a configuration file; every fault fails with the user's message.
    static std::unique_ptr<TQLXMeasurementConfiguration> LoadFromFile(const QString& AFilename,
                                                                      const TClassRegister& AClassRegister);
    // Writes the file atomically: a failure leaves the old file and Filename
    // as they were.
    void WriteToFile(const QString& AFilename);
    // Writes <folder>/<name with invalid characters replaced>.config.
    void WriteToFolder(const QString& AFolder);
    void Save() { WriteToFile(FFilename); }
    // Deletes the file; a failure is not reported (the file reappears at the
    // next load).
    void Delete() const;
    // Compact JSON of the file name, name, comment and spacing.
    QString ToJSON() const;

private:
    QString FFilename;
    std::unique_ptr<TQLXMeasurementEvaluationConfiguration> FMeasurementEvaluation;
    std::unique_ptr<TQLXDeviceConfiguration> FDevice;
};

} // namespace qlx::studio
