// Arbitrary bytes as a configuration file: loading either fails with a
// message or gives a configuration that is written as well-formed XML and
// survives a second load unchanged. Any crash, leak, hang or difference is a
// finding.

#include "studio/model/QLXError.h"
#include "studio/model/UClassRegister.h"
#include "studio/model/UQLXMeasurementConfiguration.h"
#include "studio/model/UXMLDocHelper.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace qlx::studio;

const TClassRegister& classRegister()
{
    static const TClassRegister registered = [] {
        TClassRegister classRegister;
        RegisterBuiltInEvaluations(classRegister);
        return classRegister;
    }();
    return registered;
}

// In memory where the system offers it: every accepted input is written
// back, and a disk would make each write wait for its sync.
const QTemporaryDir& workDir()
{
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/qlx-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/qlx-fuzz-XXXXXX"));
    return dir;
}

void expect(bool condition)
{
    if (!condition)
        std::abort();
}

// Checked with Qt's strict XML 1.0 reader as well, so that what we write is
// readable by other tools, not only by pugixml.
void expectWellFormed(const QString& path)
{
    QFile file(path);
    expect(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    while (!reader.atEnd())
        reader.readNext();
    expect(!reader.hasError());
}

void expectSameAfterWriting(const TQLXMeasurementConfiguration& loaded, const TQLXMeasurementConfiguration& reloaded)
{
    const TQLXMeasurementEvaluationConfiguration& first = loaded.MeasurementEvaluation();
    const TQLXMeasurementEvaluationConfiguration& second = reloaded.MeasurementEvaluation();
    expect(second.Name() == XMLDocHelper::XMLCharactersOnly(first.Name()));
    expect(second.Comment() == XMLDocHelper::XMLCharactersOnly(first.Comment()));
    expect(second.DisplacementResolution() == first.DisplacementResolution());
    expect(second.Evaluations().size() == first.Evaluations().size());
    for (size_t i = 0; i < first.Evaluations().size(); ++i) {
        expect(second.Evaluations()[i]->GetClassCaption() == first.Evaluations()[i]->GetClassCaption());
        expect(second.Evaluations()[i]->GetCaption()
               == XMLDocHelper::XMLCharactersOnly(first.Evaluations()[i]->GetCaption()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = workDir().filePath(QStringLiteral("input.config"));
    const QString output = workDir().filePath(QStringLiteral("output.config"));
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    std::unique_ptr<TQLXMeasurementConfiguration> loaded;
    try {
        loaded = TQLXMeasurementConfiguration::LoadFromFile(input, classRegister());
    } catch (const EQLXError&) {
        return 0;
    }
    loaded->WriteToFile(output);
    expectWellFormed(output);
    expectSameAfterWriting(*loaded, *TQLXMeasurementConfiguration::LoadFromFile(output, classRegister()));
    return 0;
}
