#include "studio/model/UQLXMeasurementConfigurations.h"

#include "common/MessageSeam.h"
#include "studio/model/QLXError.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace qlx::studio {

bool TCaseInsensitiveNameOrder::operator()(const QString& ALeft, const QString& ARight) const
{
    const int order = QString::compare(ALeft, ARight, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : ALeft < ARight;
}

TQLXMeasurementConfigurations::TQLXMeasurementConfigurations(const TClassRegister& AClassRegister)
    : FClassRegister(AClassRegister)
{
}

void TQLXMeasurementConfigurations::Add(std::unique_ptr<TQLXMeasurementConfiguration> AConfiguration)
{
    const QString name = AConfiguration->MeasurementEvaluation().Name();
    if (const TQLXMeasurementConfiguration* present = Find(name)) {
        throw EQLXError(QStringLiteral("A configuration named \"%1\" is already loaded from \"%2\"!")
                            .arg(name, QFileInfo(present->Filename()).fileName()));
    }
    FConfigurations.emplace(name, std::move(AConfiguration));
}

TQLXMeasurementConfiguration* TQLXMeasurementConfigurations::Find(const QString& AName) const
{
    const auto found = FConfigurations.find(AName);
    return found == FConfigurations.end() ? nullptr : found->second.get();
}

QStringList TQLXMeasurementConfigurations::Names() const
{
    QStringList names;
    names.reserve(qsizetype(FConfigurations.size()));
    for (const auto& entry : FConfigurations)
        names += entry.first;
    return names;
}

void TQLXMeasurementConfigurations::LoadFromDirectory(const QString& ADirectory)
{
    Clear();
    // Files load in name order, so which of two files with the same
    // configuration name is reported does not depend on the file system.
    QStringList fileNames = QDir(ADirectory).entryList({QStringLiteral("*.config")},
                                                       QDir::Files | QDir::Hidden, QDir::Unsorted);
    std::sort(fileNames.begin(), fileNames.end(), TCaseInsensitiveNameOrder());
    for (const QString& fileName : fileNames) {
        try {
            Add(TQLXMeasurementConfiguration::LoadFromFile(ADirectory + fileName, FClassRegister));
        } catch (const std::exception& error) {
            qlx::showMessage(QStringLiteral("Error"),
                             QStringLiteral("Failed to read QLX measurement configuration file \"%1\"!\r\n\r\nReason: %2")
                                 .arg(fileName, QString::fromUtf8(error.what())),
                             MessageIcon::Error, MessageButtons::OK);
        }
    }
}

} // namespace qlx::studio
