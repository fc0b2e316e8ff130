#include "studio/model/QLXError.h"
#include "studio/model/UClassRegister.h"
#include "studio/model/UQLXMaxForceMeasurementEvaluation.h"
#include "studio/model/UQLXMeasurementConfiguration.h"
#include "studio/model/UQLXMeasurementSlopeToMaxEvaluation.h"
#include "studio/model/UQLXMeasurementTotalSlopeEvaluation.h"
#include "tests/studio/model/ModelTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qlx::studio::test {
namespace {

class ConfigurationTest : public ::testing::Test {
protected:
    ConfigurationTest()
    {
        RegisterBuiltInEvaluations(classRegister);
        classRegister.RegisterClass(TTestParameterEvaluation::GetClassCaptionStatic(),
                                    TQLXMeasurementEvaluationClassRef::Of<TTestParameterEvaluation>());
    }

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    QString loadFailure(const QString& path) const
    {
        try {
            TQLXMeasurementConfiguration::LoadFromFile(path, classRegister);
        } catch (const EQLXError& error) {
            return error.Message();
        }
        return QStringLiteral("<loaded>");
    }

    static TQLXMeasurementConfiguration sample()
    {
        TQLXMeasurementConfiguration configuration;
        TQLXMeasurementEvaluationConfiguration& part = configuration.MeasurementEvaluation();
        part.SetName(QStringLiteral("Apples \"Gala\" <2026>"));
        part.SetComment(QStringLiteral("first line\r\nsecond line\nthird\tcolumn & more"));
        part.SetDisplacementResolution(dr001);
        auto captioned = std::make_shared<TQLXMeasurementTotalSlopeEvaluation>();
        captioned->SetCaption(QStringLiteral("Whole curve"));
        auto parameterised = std::make_shared<TTestParameterEvaluation>();
        parameterised->SetParameter(QStringLiteral("Width"), QStringLiteral("7.5"));
        part.Evaluations() = {std::make_shared<TQLXMaxForceMeasurementEvaluation>(), captioned,
                              std::make_shared<TQLXMeasurementSlopeToMaxEvaluation>(), parameterised};
        return configuration;
    }

    QTemporaryDir dir;
    TClassRegister classRegister;
};

TEST_F(ConfigurationTest, WrittenFileHasTheDocumentedLayout)
{
    TQLXMeasurementConfiguration configuration;
    configuration.MeasurementEvaluation().SetName(QStringLiteral("Plain"));
    configuration.MeasurementEvaluation().SetDisplacementResolution(dr01);
    configuration.MeasurementEvaluation().Evaluations() = {std::make_shared<TQLXMaxForceMeasurementEvaluation>()};
    const QString path = dir.filePath(QStringLiteral("plain.config"));
    configuration.WriteToFile(path);
    EXPECT_EQ(configuration.Filename(), path);
    EXPECT_EQ(readFile(path),
              QByteArray("<?xml version=\"1.0\"?>\r\n"
                         "<MeasurementConfiguration>\r\n"
                         "  <MeasurementEvaluationConfiguration Name=\"Plain\" Comment=\"\" DisplacementResolution=\"1\">\r\n"
                         "    <MeasurementEvaluation Type=\"TQLXMaxForceMeasurementEvaluation\" Caption=\"\" />\r\n"
                         "  </MeasurementEvaluationConfiguration>\r\n"
                         "</MeasurementConfiguration>\r\n"));
}

TEST_F(ConfigurationTest, WriteThenLoadKeepsEverythingIncludingLineBreaks)
{
    TQLXMeasurementConfiguration written = sample();
    const QString path = dir.filePath(QStringLiteral("sample.config"));
    written.WriteToFile(path);

    const auto loaded = TQLXMeasurementConfiguration::LoadFromFile(path, classRegister);
    EXPECT_EQ(loaded->Filename(), path);
    const TQLXMeasurementEvaluationConfiguration& part = loaded->MeasurementEvaluation();
    EXPECT_EQ(part.Name(), written.MeasurementEvaluation().Name());
    EXPECT_EQ(part.Comment(), written.MeasurementEvaluation().Comment());
    EXPECT_EQ(part.DisplacementResolution(), dr001);
    ASSERT_EQ(part.Evaluations().size(), 4u);
    const QStringList classCaptions{part.Evaluations()[0]->GetClassCaption(), part.Evaluations()[1]->GetClassCaption(),
                                    part.Evaluations()[2]->GetClassCaption(), part.Evaluations()[3]->GetClassCaption()};
    EXPECT_EQ(classCaptions, (QStringList{"Max. force & deflection to max.", "Total slope", "Slope to max.",
                                          "Test evaluation"}));
    EXPECT_EQ(part.Evaluations()[1]->GetCaption(), QStringLiteral("Whole curve"));
    EXPECT_EQ(part.Evaluations()[3]->GetParameters()[1].ParamValue, QStringLiteral("7.5"));
}

TEST_F(ConfigurationTest, FailedWriteKeepsTheFileAndTheFilename)
{
    TQLXMeasurementConfiguration configuration = sample();
    const QString path = dir.filePath(QStringLiteral("first.config"));
    configuration.WriteToFile(path);
    try {
        configuration.WriteToFile(dir.filePath(QStringLiteral("missing/second.config")));
        ADD_FAILURE() << "the write into a missing folder succeeded";
    } catch (const EQLXError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("missing/second.config"))) << error.what();
    }
    EXPECT_EQ(configuration.Filename(), path);
}

TEST_F(ConfigurationTest, SaveRewritesTheOwnFileAndDeleteRemovesIt)
{
    TQLXMeasurementConfiguration configuration = sample();
    const QString path = dir.filePath(QStringLiteral("own.config"));
    configuration.WriteToFile(path);
    configuration.MeasurementEvaluation().SetName(QStringLiteral("Renamed"));
    configuration.Save();
    EXPECT_EQ(TQLXMeasurementConfiguration::LoadFromFile(path, classRegister)->MeasurementEvaluation().Name(),
              QStringLiteral("Renamed"));
    configuration.Delete();
    EXPECT_FALSE(QFile::exists(path));
    configuration.Delete(); // a failed deletion is silent
    EXPECT_THROW(TQLXMeasurementConfiguration().Save(), EQLXError) << "never written: no file to save to";
}

TEST_F(ConfigurationTest, ReplaceInvalidFileNameCharsReplacesExactlyTheForbiddenCharacters)
{
    QString forbidden = QStringLiteral("\"*/:<>?\\|");
    for (char16_t c = 0; c < 32; ++c)
        forbidden += QChar(c);
    EXPECT_EQ(forbidden.size(), 41);
    EXPECT_EQ(ReplaceInvalidFileNameChars(forbidden), QString(41, u'_'));

    const struct {
        const char* name;
        const char* fileName;
    } cases[] = {{"a/b:c", "a_b_c"}, {"a_b", "a_b"}, {" dots. and blanks ", " dots. and blanks "}, {"", ""},
                 {"Äpfel (2026) #1 {x}", "Äpfel (2026) #1 {x}"}};
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceInvalidFileNameChars(QString::fromUtf8(c.name)), QString::fromUtf8(c.fileName)) << c.name;
}

TEST_F(ConfigurationTest, WriteToFolderNamesTheFileAfterTheConfiguration)
{
    TQLXMeasurementConfiguration first = sample();
    first.MeasurementEvaluation().SetName(QStringLiteral("a/b"));
    first.WriteToFolder(dir.path());
    const QString expected = dir.path() + QStringLiteral("/a_b.config");
    EXPECT_EQ(first.Filename(), expected);
    EXPECT_EQ(first.MeasurementEvaluation().Name(), QStringLiteral("a/b"));

    TQLXMeasurementConfiguration second = sample();
    second.MeasurementEvaluation().SetName(QStringLiteral("a_b"));
    second.WriteToFolder(dir.path() + u'/');
    EXPECT_EQ(second.Filename(), expected);
    EXPECT_EQ(TQLXMeasurementConfiguration::LoadFromFile(expected, classRegister)->MeasurementEvaluation().Name(),
              QStringLiteral("a_b"))
        << "the second write replaces the first file";
}

struct LoadErrorCase {
    const char* name;
    const char* xml;
    const char* message;
};

TEST_F(ConfigurationTest, EveryFaultOfAFileHasItsMessage)
{
    const LoadErrorCase cases[] = {
        {"wrong root", "<Configuration/>", "Node name of measurement configuration node is not MeasurementConfiguration!"},
        {"no part", "<MeasurementConfiguration><Other/></MeasurementConfiguration>",
         "MeasurementEvaluationConfiguration node not found!"},
        {"part too deep",
         "<MeasurementConfiguration><X><MeasurementEvaluationConfiguration Name='n' Comment='' "
         "DisplacementResolution='0'/></X></MeasurementConfiguration>",
         "MeasurementEvaluationConfiguration node not found!"},
        {"no name", "<MeasurementConfiguration><MeasurementEvaluationConfiguration Comment='' DisplacementResolution='0'/>"
                    "</MeasurementConfiguration>",
         "Name attribute of MeasurementEvaluationConfiguration node missing!"},
        {"no comment", "<MeasurementConfiguration><MeasurementEvaluationConfiguration Name='n' DisplacementResolution='0'/>"
                       "</MeasurementConfiguration>",
         "Comment attribute of MeasurementEvaluationConfiguration node missing!"},
        {"no resolution", "<MeasurementConfiguration><MeasurementEvaluationConfiguration Name='n' Comment=''/>"
                          "</MeasurementConfiguration>",
         "DisplacementResolution attribute of MeasurementEvaluationConfiguration node missing!"},
        {"no evaluation", "<MeasurementConfiguration><MeasurementEvaluationConfiguration Name='n' Comment='' "
                          "DisplacementResolution='0'><Other/></MeasurementEvaluationConfiguration></MeasurementConfiguration>",
         "No MeasurementEvaluation nodes found!"},
        {"no type", "<MeasurementConfiguration><MeasurementEvaluationConfiguration Name='n' Comment='' "
                    "DisplacementResolution='0'><MeasurementEvaluation Caption=''/></MeasurementEvaluationConfiguration>"
                    "</MeasurementConfiguration>",
         "Type attribute of MeasurementEvaluation node missing!"},
        {"unknown type", "<MeasurementConfiguration><MeasurementEvaluationConfiguration Name='n' Comment='' "
                         "DisplacementResolution='0'><MeasurementEvaluation Type='TFoo' Caption=''/>"
                         "</MeasurementEvaluationConfiguration></MeasurementConfiguration>",
         "Class TFoo not found!"},
        {"no caption", "<MeasurementConfiguration><MeasurementEvaluationConfiguration Name='n' Comment='' "
                       "DisplacementResolution='0'><MeasurementEvaluation Type='TQLXMaxForceMeasurementEvaluation'/>"
                       "</MeasurementEvaluationConfiguration></MeasurementConfiguration>",
         "Caption attribute of MeasurementEvaluation node missing!"},
    };
    for (const LoadErrorCase& c : cases) {
        const QString path = writeFile(QString::fromLatin1(c.name) + QStringLiteral(".config"), c.xml);
        EXPECT_EQ(loadFailure(path), QString::fromLatin1(c.message)) << c.name;
    }
}

TEST_F(ConfigurationTest, DisplacementResolutionMustBeAKnownOrdinal)
{
    const struct {
        const char* text;
        bool accepted;
        TDisplacementResolution resolution;
    } cases[] = {{"0", true, dr05},   {"1", true, dr01},   {"2", true, dr001}, {"+2", true, dr001},
                 {"abc", false, dr05}, {"", false, dr05},  {"3", false, dr05}, {"-1", false, dr05},
                 {"1.0", false, dr05}, {"4294967297", false, dr05}, {"0x1", false, dr05}};
    for (const auto& c : cases) {
        const QByteArray xml = QByteArray("<MeasurementConfiguration><MeasurementEvaluationConfiguration Name='n' "
                                          "Comment='' DisplacementResolution='")
            + c.text + "'><MeasurementEvaluation Type='TQLXMaxForceMeasurementEvaluation' Caption=''/>"
                       "</MeasurementEvaluationConfiguration></MeasurementConfiguration>";
        const QString path = writeFile(QStringLiteral("resolution.config"), xml);
        if (c.accepted) {
            EXPECT_EQ(TQLXMeasurementConfiguration::LoadFromFile(path, classRegister)
                          ->MeasurementEvaluation()
                          .DisplacementResolution(),
                      c.resolution)
                << c.text;
        } else {
            EXPECT_EQ(loadFailure(path),
                      QStringLiteral("Failed to convert value of DisplacementResolution attribute in corresponding "
                                     "data type!"))
                << c.text;
        }
    }
}

TEST_F(ConfigurationTest, UnreadableFilesNameTheirPath)
{
    const QString cases[] = {dir.filePath(QStringLiteral("missing.config")),
                             writeFile(QStringLiteral("broken.config"), "<MeasurementConfiguration>"),
                             writeFile(QStringLiteral("empty.config"), ""), dir.path()};
    for (const QString& path : cases) {
        EXPECT_EQ(loadFailure(path),
                  QStringLiteral("Failed to load XML document from configuration file \"%1\"!").arg(path));
    }
}

TEST_F(ConfigurationTest, ReaderIgnoresUnknownElementsAndAttributesAndAcceptsEmptyComment)
{
    const QString path = writeFile(
        QStringLiteral("extra.config"),
        "<?xml version='1.0' encoding='ISO-8859-1'?>\n<!-- hand made -->\n<MeasurementConfiguration Version='2'>"
        "<Note/><MeasurementEvaluationConfiguration Name='\xc4pfel' Comment='' DisplacementResolution=' 1 ' Extra='x'>"
        "<Other/><MeasurementEvaluation Type='TQLXMeasurementTotalSlopeEvaluation' Caption='t' Colour='red'/>"
        "</MeasurementEvaluationConfiguration><MeasurementEvaluationConfiguration Name='second' Comment='' "
        "DisplacementResolution='x'/></MeasurementConfiguration>");
    const auto loaded = TQLXMeasurementConfiguration::LoadFromFile(path, classRegister);
    EXPECT_EQ(loaded->MeasurementEvaluation().Name(), QStringLiteral("Äpfel"));
    EXPECT_EQ(loaded->MeasurementEvaluation().Comment(), QString());
    EXPECT_EQ(loaded->MeasurementEvaluation().DisplacementResolution(), dr01);
    ASSERT_EQ(loaded->MeasurementEvaluation().Evaluations().size(), 1u);
}

TEST_F(ConfigurationTest, CopyFromClonesTheEvaluations)
{
    const TQLXMeasurementConfiguration source = sample();
    TQLXMeasurementEvaluationConfiguration copy;
    copy.SetName(QStringLiteral("old"));
    copy.Evaluations() = {std::make_shared<TQLXMaxForceMeasurementEvaluation>()};
    copy.CopyFrom(source.MeasurementEvaluation());
    EXPECT_EQ(copy.Name(), source.MeasurementEvaluation().Name());
    EXPECT_EQ(copy.Comment(), source.MeasurementEvaluation().Comment());
    EXPECT_EQ(copy.DisplacementResolution(), dr001);
    ASSERT_EQ(copy.Evaluations().size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NE(copy.Evaluations()[i], source.MeasurementEvaluation().Evaluations()[i]);
        EXPECT_EQ(copy.Evaluations()[i]->GetClassCaption(),
                  source.MeasurementEvaluation().Evaluations()[i]->GetClassCaption());
        EXPECT_TRUE(copy.Evaluations()[i]->GetCaption().isEmpty());
    }
    EXPECT_EQ(copy.Evaluations()[3]->GetParameters()[1].ParamValue, QStringLiteral("2"));

    copy.Clear();
    EXPECT_TRUE(copy.Name().isEmpty());
    EXPECT_TRUE(copy.Comment().isEmpty());
    EXPECT_EQ(copy.DisplacementResolution(), dr05);
    EXPECT_TRUE(copy.Evaluations().empty());
}

TEST_F(ConfigurationTest, ToJSONIsCompactAndEscaped)
{
    const struct {
        const char* filename;
        const char* name;
        const char* comment;
        TDisplacementResolution resolution;
        const char* json;
    } cases[] = {
        {"", "", "", dr05,
         R"({"filename":"","measurementEvaluation":{"name":"","comment":"","displacementResolution":"dr05"},"device":{}})"},
        {"/data/a b.config", "Gala \"A\"", "l1\r\nl2\tx\\y\x01\b\f", dr001,
         R"({"filename":"\/data\/a b.config","measurementEvaluation":{"name":"Gala \"A\"",)"
         R"("comment":"l1\r\nl2\tx\\y\u0001\b\f","displacementResolution":"dr001"},"device":{}})"},
        {"", "Äpfel %1", "", dr01,
         R"({"filename":"","measurementEvaluation":{"name":"Äpfel %1","comment":"","displacementResolution":"dr01"},"device":{}})"},
    };
    for (const auto& c : cases) {
        TQLXMeasurementConfiguration configuration;
        if (*c.filename) {
            configuration.MeasurementEvaluation().Evaluations() = {std::make_shared<TQLXMaxForceMeasurementEvaluation>()};
            QDir().mkpath(dir.filePath(QStringLiteral("data")));
            configuration.WriteToFile(dir.filePath(QStringLiteral("data/a b.config")));
        }
        configuration.MeasurementEvaluation().SetName(QString::fromUtf8(c.name));
        configuration.MeasurementEvaluation().SetComment(QString::fromUtf8(c.comment));
        configuration.MeasurementEvaluation().SetDisplacementResolution(c.resolution);
        QString expected = QString::fromUtf8(c.json);
        if (*c.filename)
            expected.replace(QStringLiteral("\\/data\\/a b.config"),
                             QString(dir.filePath(QStringLiteral("data/a b.config"))).replace(u'/', QStringLiteral("\\/")));
        EXPECT_EQ(configuration.ToJSON(), expected) << c.json;
    }
}

} // namespace
} // namespace qlx::studio::test
