#include "studio/model/UQLXMeasurementConfiguration.h"

#include "studio/model/QLXError.h"
#include "studio/model/UClassRegister.h"
#include "studio/model/UXMLDocHelper.h"

#include <QDir>
#include <QFile>

namespace qlx::studio {
namespace {

const QString ConfigurationElement = QStringLiteral("MeasurementConfiguration");
const QString EvaluationConfigurationElement = QStringLiteral("MeasurementEvaluationConfiguration");
const QString EvaluationElement = QStringLiteral("MeasurementEvaluation");

void require(bool done, const QString& message)
{
    if (!done)
        throw EQLXError(message);
}

void require(bool done, const char* message)
{
    require(done, QString::fromLatin1(message));
}

bool resolutionFromText(const QString& text, TDisplacementResolution& resolution)
{
    bool isNumber = false;
    const int ordinal = text.toInt(&isNumber, 10);
    if (!isNumber || ordinal < dr05 || ordinal > dr001)
        return false;
    resolution = TDisplacementResolution(ordinal);
    return true;
}

const char* resolutionName(TDisplacementResolution resolution)
{
    switch (resolution) {
    case dr05: return "dr05";
    case dr01: return "dr01";
    case dr001: return "dr001";
    }
    return "";
}

// JSON string as the data exchange expects it: "/" escaped as "\/", control
// characters escaped, everything else as UTF-8.
QString jsonString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'/': out += QStringLiteral("\\/"); break;
        case u'\b': out += QStringLiteral("\\b"); break;
        case u'\f': out += QStringLiteral("\\f"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

} // namespace

QString ReplaceInvalidFileNameChars(const QString& AFileName)
{
    static const QString invalid = QStringLiteral("\"*/:<>?\\|");
    QString name = AFileName;
    for (QChar& c : name) {
        if (c.unicode() < 32 || invalid.contains(c))
            c = u'_';
    }
    return name;
}

TQLXMeasurementConfiguration::TQLXMeasurementConfiguration()
    : TQLXMeasurementConfiguration(std::make_unique<TQLXMeasurementEvaluationConfiguration>(),
                                   std::make_unique<TQLXDeviceConfiguration>())
{
}

TQLXMeasurementConfiguration::TQLXMeasurementConfiguration(
    std::unique_ptr<TQLXMeasurementEvaluationConfiguration> AQLXMeasurementEvaluationConfiguration,
    std::unique_ptr<TQLXDeviceConfiguration> AQLXDeviceConfiguration)
    : FMeasurementEvaluation(AQLXMeasurementEvaluationConfiguration
                                 ? std::move(AQLXMeasurementEvaluationConfiguration)
                                 : std::make_unique<TQLXMeasurementEvaluationConfiguration>())
    , FDevice(AQLXDeviceConfiguration ? std::move(AQLXDeviceConfiguration) : std::make_unique<TQLXDeviceConfiguration>())
{
}

std::unique_ptr<TQLXMeasurementConfiguration> TQLXMeasurementConfiguration::LoadFromFile(
    const QString& AFilename, const TClassRegister& AClassRegister)
{
    const auto doc = XMLDocHelper::CreateXMLDocumentFromFile(AFilename);
    require(doc != nullptr,
            QStringLiteral("Failed to load XML document from configuration file \"%1\"!").arg(AFilename));
    const pugi::xml_node root = doc->document_element();
    require(ConfigurationElement.toUtf8() == root.name(),
            "Node name of measurement configuration node is not MeasurementConfiguration!");
    const pugi::xml_node node = XMLDocHelper::FirstChildElement(root, EvaluationConfigurationElement);
    require(bool(node), "MeasurementEvaluationConfiguration node not found!");

    auto configuration = std::make_unique<TQLXMeasurementConfiguration>();
    TQLXMeasurementEvaluationConfiguration& evaluation = configuration->MeasurementEvaluation();
    QString text;
    require(XMLDocHelper::GetAttributeValueFromXMLNode(node, QStringLiteral("Name"), text),
            "Name attribute of MeasurementEvaluationConfiguration node missing!");
    evaluation.SetName(text);
    require(XMLDocHelper::GetAttributeValueFromXMLNode(node, QStringLiteral("Comment"), text),
            "Comment attribute of MeasurementEvaluationConfiguration node missing!");
    evaluation.SetComment(text);
    require(XMLDocHelper::GetAttributeValueFromXMLNode(node, QStringLiteral("DisplacementResolution"), text),
            "DisplacementResolution attribute of MeasurementEvaluationConfiguration node missing!");
    TDisplacementResolution resolution = dr05;
    require(resolutionFromText(text, resolution),
            "Failed to convert value of DisplacementResolution attribute in corresponding data type!");
    evaluation.SetDisplacementResolution(resolution);

    const std::vector<pugi::xml_node> evaluationNodes = XMLDocHelper::ChildElements(node, EvaluationElement);
    require(!evaluationNodes.empty(), "No MeasurementEvaluation nodes found!");
    for (const pugi::xml_node& evaluationNode : evaluationNodes) {
        QString type;
        require(XMLDocHelper::GetAttributeValueFromXMLNode(evaluationNode, QStringLiteral("Type"), type),
                "Type attribute of MeasurementEvaluation node missing!");
        const IQLXMeasurementEvaluationPtr instance = AClassRegister.GetClassFromName(type).Create();
        require(instance != nullptr, QStringLiteral("Failed to create class instance of type %1!").arg(type));
        instance->Deserialize(evaluationNode);
        evaluation.Evaluations().push_back(instance);
    }
    configuration->FFilename = AFilename;
    return configuration;
}

void TQLXMeasurementConfiguration::WriteToFile(const QString& AFilename)
{
    const auto doc = XMLDocHelper::CreateXMLDocument();
    require(doc != nullptr, "Failed to create XML document!");
    require(XMLDocHelper::CreateXMLDocumentElement(*doc, ConfigurationElement),
            "Failed to create MeasurementConfiguration document element!");
    pugi::xml_node node = XMLDocHelper::AddXMLNode(doc->document_element(), EvaluationConfigurationElement);
    require(XMLDocHelper::AddAttributeToXMLNode(node, QStringLiteral("Name"), FMeasurementEvaluation->Name()),
            "Failed to add Name attribute to MeasurementEvaluationConfiguration node!");
    require(XMLDocHelper::AddAttributeToXMLNode(node, QStringLiteral("Comment"), FMeasurementEvaluation->Comment()),
            "Failed to add Comment attribute to MeasurementEvaluationConfiguration node!");
    require(XMLDocHelper::AddAttributeToXMLNode(node, QStringLiteral("DisplacementResolution"),
                                                QString::number(int(FMeasurementEvaluation->DisplacementResolution()))),
            "Failed to add DisplacementResolution attribute to MeasurementEvaluationConfiguration node!");
    for (const IQLXMeasurementEvaluationPtr& evaluation : FMeasurementEvaluation->Evaluations()) {
        const auto evaluationDoc = evaluation->Serialize();
        node.append_copy(evaluationDoc->document_element());
    }
    QString error;
    require(XMLDocHelper::SaveXMLDocumentToFile(*doc, AFilename, error), error);
    FFilename = AFilename;
}

void TQLXMeasurementConfiguration::WriteToFolder(const QString& AFolder)
{
    QString folder = AFolder;
    if (!folder.endsWith(u'/') && !folder.endsWith(QDir::separator()))
        folder += u'/';
    WriteToFile(folder + ReplaceInvalidFileNameChars(FMeasurementEvaluation->Name()) + QStringLiteral(".config"));
}

void TQLXMeasurementConfiguration::Delete() const
{
    QFile::remove(FFilename);
}

QString TQLXMeasurementConfiguration::ToJSON() const
{
    return QStringLiteral("{\"filename\":%1,\"measurementEvaluation\":{\"name\":%2,\"comment\":%3,"
                          "\"displacementResolution\":\"%4\"},\"device\":{}}")
        .arg(jsonString(FFilename), jsonString(FMeasurementEvaluation->Name()),
             jsonString(FMeasurementEvaluation->Comment()),
             QString::fromLatin1(resolutionName(FMeasurementEvaluation->DisplacementResolution())));
}

} // namespace qlx::studio
