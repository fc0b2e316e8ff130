#include "studio/model/QLXError.h"
#include "studio/model/UClassRegister.h"
#include "studio/model/UQLXMaxForceMeasurementEvaluation.h"
#include "studio/model/UQLXMeasurementSlopeToMaxEvaluation.h"
#include "studio/model/UQLXMeasurementTotalSlopeEvaluation.h"
#include "studio/model/UXMLDocHelper.h"
#include "tests/studio/model/ModelTestSupport.h"

#include <gtest/gtest.h>
#include <sstream>
#include <typeinfo>

namespace qlx::studio::test {
namespace {

template <class F>
QString failureOf(F&& action)
{
    try {
        action();
    } catch (const EQLXError& error) {
        return error.Message();
    }
    return QStringLiteral("<no failure>");
}

std::string xmlOf(const pugi::xml_node& node)
{
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

TEST(EvaluationFramework, SetParameterMatchesTheNameOnly)
{
    TTestParameterEvaluation evaluation;
    evaluation.SetParameter(QStringLiteral("Start"), QStringLiteral("5"));
    EXPECT_EQ(evaluation.GetParameters()[0].ParamValue, QStringLiteral("5"));
    EXPECT_EQ(failureOf([&] { evaluation.SetParameter(QStringLiteral("start"), QStringLiteral("1")); }),
              QStringLiteral("Parameter start does not exist"));
}

TEST(EvaluationFramework, SerializeWritesTypeCaptionAndParameters)
{
    TTestParameterEvaluation withParameters;
    withParameters.SetCaption(QStringLiteral("Mine <&>"));
    EXPECT_EQ(xmlOf(withParameters.Serialize()->document_element()),
              "<MeasurementEvaluation Type=\"TTestParameterEvaluation\" Caption=\"Mine &lt;&amp;>\">"
              "<MeasurementEvaluationParameter Name=\"Start\" Value=\"1.0\" Unit=\"kg\"/>"
              "<MeasurementEvaluationParameter Name=\"Width\" Value=\"2\" Unit=\"mm\"/>"
              "</MeasurementEvaluation>");
    EXPECT_EQ(xmlOf(TQLXMaxForceMeasurementEvaluation().Serialize()->document_element()),
              "<MeasurementEvaluation Type=\"TQLXMaxForceMeasurementEvaluation\" Caption=\"\"/>");
}

struct DeserializeCase {
    const char* xml;
    const char* failure; // nullptr: accepted
};

TEST(EvaluationFramework, DeserializeReportsEveryFault)
{
    const DeserializeCase cases[] = {
        {"<MeasurementEvaluation Caption='c'><MeasurementEvaluationParameter Name='Start' Value='7' Unit='kg'/>"
         "<Other Name='x'/></MeasurementEvaluation>",
         nullptr},
        {"<Evaluation Caption='c'/>", "Node name of measurement evaluation node is not MeasurementEvaluation!"},
        {"<MeasurementEvaluation Type='TTestParameterEvaluation'/>",
         "Caption attribute of MeasurementEvaluation node missing!"},
        {"<MeasurementEvaluation Caption=''><MeasurementEvaluationParameter Value='1' Unit='kg'/></MeasurementEvaluation>",
         "Name attribute of MeasurementEvaluationParameter node missing!"},
        {"<MeasurementEvaluation Caption=''><MeasurementEvaluationParameter Name='Start' Unit='kg'/></MeasurementEvaluation>",
         "Value attribute of MeasurementEvaluationParameter node missing!"},
        {"<MeasurementEvaluation Caption=''><MeasurementEvaluationParameter Name='Start' Value='1'/></MeasurementEvaluation>",
         "Unit attribute of MeasurementEvaluationParameter node missing!"},
        {"<MeasurementEvaluation Caption=''><MeasurementEvaluationParameter Name='Start' Value='1' Unit='mm'/>"
         "</MeasurementEvaluation>",
         "Parameter Start with Unit mm does not exist"},
    };
    for (const DeserializeCase& c : cases) {
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(c.xml)) << c.xml;
        TTestParameterEvaluation evaluation;
        const QString failure = failureOf([&] { evaluation.Deserialize(doc.document_element()); });
        EXPECT_EQ(failure, c.failure ? QString::fromLatin1(c.failure) : QStringLiteral("<no failure>")) << c.xml;
    }
}

TEST(EvaluationFramework, DeserializeKeepsTheStepsDoneBeforeAFault)
{
    pugi::xml_document doc;
    doc.load_string("<MeasurementEvaluation Caption='kept'><MeasurementEvaluationParameter Name='Width' Value='9' "
                    "Unit='mm'/><MeasurementEvaluationParameter Name='Start' Value='1' Unit='mm'/>"
                    "</MeasurementEvaluation>");
    TTestParameterEvaluation evaluation;
    EXPECT_THROW(evaluation.Deserialize(doc.document_element()), EQLXError);
    EXPECT_EQ(evaluation.GetCaption(), QStringLiteral("kept"));
    EXPECT_EQ(evaluation.GetParameters()[1].ParamValue, QStringLiteral("9"));
}

TEST(EvaluationFramework, BuiltInEvaluationRejectsAnyParameter)
{
    pugi::xml_document doc;
    doc.load_string("<MeasurementEvaluation Type='TQLXMaxForceMeasurementEvaluation' Caption=''>"
                    "<MeasurementEvaluationParameter Name='Start' Value='1' Unit='mm'/></MeasurementEvaluation>");
    TQLXMaxForceMeasurementEvaluation evaluation;
    EXPECT_EQ(failureOf([&] { evaluation.Deserialize(doc.document_element()); }),
              QStringLiteral("Parameter Start with Unit mm does not exist"));
}

TEST(EvaluationFramework, SerializeThenDeserializeKeepsCaptionAndParameters)
{
    TTestParameterEvaluation source;
    source.SetCaption(QStringLiteral("line 1\r\nline 2\t\"quoted\""));
    source.SetParameter(QStringLiteral("Width"), QStringLiteral("3.5"));
    TTestParameterEvaluation copy;
    copy.Deserialize(source.Serialize()->document_element());
    EXPECT_EQ(copy.GetCaption(), source.GetCaption());
    EXPECT_EQ(copy.GetParameters()[1].ParamValue, QStringLiteral("3.5"));
}

TEST(EvaluationFramework, CloneStartsFresh)
{
    std::vector<IQLXMeasurementEvaluationPtr> sources{std::make_shared<TQLXMaxForceMeasurementEvaluation>(),
                                                      std::make_shared<TQLXMeasurementSlopeToMaxEvaluation>(),
                                                      std::make_shared<TQLXMeasurementTotalSlopeEvaluation>(),
                                                      std::make_shared<TTestParameterEvaluation>()};
    for (const IQLXMeasurementEvaluationPtr& source : sources) {
        source->SetCaption(QStringLiteral("captioned"));
        source->DoEvaluation(Curve({{0.0f, 0.0f}, {1.0f, 2.0f}}));
        if (!source->GetParameters().empty())
            source->SetParameter(QStringLiteral("Start"), QStringLiteral("changed"));

        const IQLXMeasurementEvaluationPtr clone = source->Clone();
        EXPECT_NE(clone, source);
        const IQLXMeasurementEvaluation& cloned = *clone;
        const IQLXMeasurementEvaluation& original = *source;
        EXPECT_EQ(typeid(cloned), typeid(original));
        EXPECT_TRUE(clone->GetCaption().isEmpty());
        ASSERT_EQ(clone->GetValues().size(), source->GetValues().size());
        for (const TQLXMeasurementEvaluationValue& value : clone->GetValues())
            EXPECT_TRUE(value.Value.isEmpty()) << value.ValueName.toStdString();
        for (const TQLXMeasurementEvaluationParameter& parameter : clone->GetParameters())
            EXPECT_NE(parameter.ParamValue, QStringLiteral("changed"));
    }
}

TEST(ClassRegister, BuiltInsAreFoundByNameAndCaption)
{
    TClassRegister classRegister;
    RegisterBuiltInEvaluations(classRegister);
    EXPECT_EQ(classRegister.GetClassCaptions(),
              (QStringList{QStringLiteral("Slope to max."), QStringLiteral("Total slope"),
                           QStringLiteral("Max. force & deflection to max.")}));
    const struct {
        const char* className;
        const char* caption;
    } builtIns[] = {
        {"TQLXMaxForceMeasurementEvaluation", "Max. force & deflection to max."},
        {"TQLXMeasurementSlopeToMaxEvaluation", "Slope to max."},
        {"TQLXMeasurementTotalSlopeEvaluation", "Total slope"},
    };
    for (const auto& builtIn : builtIns) {
        const auto& byName = classRegister.GetClassFromName(QString::fromLatin1(builtIn.className));
        EXPECT_EQ(byName.ClassCaption, QString::fromLatin1(builtIn.caption));
        const IQLXMeasurementEvaluationPtr made = byName.Create();
        EXPECT_EQ(made->GetClassCaption(), QString::fromLatin1(builtIn.caption));
        EXPECT_EQ(classRegister.GetClassFromCaption(QString::fromLatin1(builtIn.caption)).ClassName,
                  QString::fromLatin1(builtIn.className));
    }
    EXPECT_NE(std::dynamic_pointer_cast<IQLXMeasurementSlopeEvaluation>(
                  classRegister.GetClassFromName(QStringLiteral("TQLXMeasurementTotalSlopeEvaluation")).Create()),
              nullptr);
    EXPECT_EQ(std::dynamic_pointer_cast<IQLXMeasurementSlopeEvaluation>(
                  classRegister.GetClassFromName(QStringLiteral("TQLXMaxForceMeasurementEvaluation")).Create()),
              nullptr);
}

TEST(ClassRegister, MissesAndDuplicatesFail)
{
    TClassRegister classRegister;
    RegisterBuiltInEvaluations(classRegister);
    EXPECT_EQ(failureOf([&] { classRegister.GetClassFromName(QStringLiteral("tqlxmaxforcemeasurementevaluation")); }),
              QStringLiteral("Class tqlxmaxforcemeasurementevaluation not found!"));
    EXPECT_EQ(failureOf([&] { classRegister.GetClassFromCaption(QStringLiteral("total slope")); }),
              QStringLiteral("Class with caption total slope not found!"));
    EXPECT_EQ(failureOf([&] {
                  classRegister.RegisterClass(QStringLiteral("Total slope"),
                                              TQLXMeasurementEvaluationClassRef::Of<TTestParameterEvaluation>());
              }),
              QStringLiteral("Class caption Total slope is already registered!"));
}

TEST(ClassRegister, OtherClassesFollowTheBuiltInsInRegistrationOrder)
{
    TClassRegister classRegister;
    classRegister.RegisterClass(QStringLiteral("Zeta"), TQLXMeasurementEvaluationClassRef::Of<TTestParameterEvaluation>());
    classRegister.RegisterClass(QStringLiteral("Total slope"),
                                TQLXMeasurementEvaluationClassRef::Of<TQLXMeasurementTotalSlopeEvaluation>());
    classRegister.RegisterClass(QStringLiteral("Alpha"), TQLXMeasurementEvaluationClassRef::Of<TTestParameterEvaluation>());
    EXPECT_EQ(classRegister.GetClassCaptions(),
              (QStringList{QStringLiteral("Total slope"), QStringLiteral("Zeta"), QStringLiteral("Alpha")}));
}

} // namespace
} // namespace qlx::studio::test
