#include "studio/model/UQLXMeasurementEvaluation.h"

#include "studio/model/QLXError.h"
#include "studio/model/UXMLDocHelper.h"

namespace qlx::studio {
namespace {

const QString EvaluationElement = QStringLiteral("MeasurementEvaluation");
const QString ParameterElement = QStringLiteral("MeasurementEvaluationParameter");

void require(bool done, const char* message)
{
    if (!done)
        throw EQLXError(QString::fromLatin1(message));
}

} // namespace

void TQLXMeasurementEvaluation::SetParameter(const QString& AParameterName, const QString& AParameterValue)
{
    for (TQLXMeasurementEvaluationParameter& parameter : FParameters) {
        if (parameter.ParamName == AParameterName) {
            parameter.ParamValue = AParameterValue;
            return;
        }
    }
    throw EQLXError(QStringLiteral("Parameter %1 does not exist").arg(AParameterName));
}

void TQLXMeasurementEvaluation::UpdateParameter(const TQLXMeasurementEvaluationParameter& AParameter)
{
    for (TQLXMeasurementEvaluationParameter& parameter : FParameters) {
        if (parameter.ParamName == AParameter.ParamName && parameter.ParamUnit == AParameter.ParamUnit) {
            parameter.ParamValue = AParameter.ParamValue;
            return;
        }
    }
    throw EQLXError(QStringLiteral("Parameter %1 with Unit %2 does not exist")
                        .arg(AParameter.ParamName, AParameter.ParamUnit));
}

std::unique_ptr<pugi::xml_document> TQLXMeasurementEvaluation::Serialize() const
{
    auto doc = XMLDocHelper::CreateXMLDocument();
    require(doc != nullptr, "Failed to create XML document!");
    require(XMLDocHelper::CreateXMLDocumentElement(*doc, EvaluationElement),
            "Failed to create MeasurementEvaluation document element!");
    const pugi::xml_node element = doc->document_element();
    require(XMLDocHelper::AddAttributeToXMLNode(element, QStringLiteral("Type"), GetClassName()),
            "Failed to add Type attribute to MeasurementEvaluation document element!");
    require(XMLDocHelper::AddAttributeToXMLNode(element, QStringLiteral("Caption"), FCaption),
            "Failed to add Caption attribute to MeasurementEvaluation document element!");
    for (const TQLXMeasurementEvaluationParameter& parameter : FParameters) {
        const pugi::xml_node node = XMLDocHelper::AddXMLNode(element, ParameterElement);
        require(XMLDocHelper::AddAttributeToXMLNode(node, QStringLiteral("Name"), parameter.ParamName),
                "Failed to add Name attribute to MeasurementEvaluationParameter node!");
        require(XMLDocHelper::AddAttributeToXMLNode(node, QStringLiteral("Value"), parameter.ParamValue),
                "Failed to add Value attribute to MeasurementEvaluationParameter node!");
        require(XMLDocHelper::AddAttributeToXMLNode(node, QStringLiteral("Unit"), parameter.ParamUnit),
                "Failed to add Unit attribute to MeasurementEvaluationParameter node!");
    }
    return doc;
}

void TQLXMeasurementEvaluation::Deserialize(const pugi::xml_node& AMeasurementEvaluationXMLNode)
{
    require(AMeasurementEvaluationXMLNode.type() == pugi::node_element
                && EvaluationElement.toUtf8() == AMeasurementEvaluationXMLNode.name(),
            "Node name of measurement evaluation node is not MeasurementEvaluation!");
    require(XMLDocHelper::GetAttributeValueFromXMLNode(AMeasurementEvaluationXMLNode, QStringLiteral("Caption"),
                                                       FCaption),
            "Caption attribute of MeasurementEvaluation node missing!");
    for (const pugi::xml_node& node : XMLDocHelper::ChildElements(AMeasurementEvaluationXMLNode, ParameterElement)) {
        TQLXMeasurementEvaluationParameter parameter;
        require(XMLDocHelper::GetAttributeValueFromXMLNode(node, QStringLiteral("Name"), parameter.ParamName),
                "Name attribute of MeasurementEvaluationParameter node missing!");
        require(XMLDocHelper::GetAttributeValueFromXMLNode(node, QStringLiteral("Value"), parameter.ParamValue),
                "Value attribute of MeasurementEvaluationParameter node missing!");
        require(XMLDocHelper::GetAttributeValueFromXMLNode(node, QStringLiteral("Unit"), parameter.ParamUnit),
                "Unit attribute of MeasurementEvaluationParameter node missing!");
        UpdateParameter(parameter);
    }
}

} // namespace qlx::studio
