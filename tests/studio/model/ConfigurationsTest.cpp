#include "studio/model/QLXError.h"
#include "studio/model/UClassRegister.h"
#include "studio/model/UQLXMaxForceMeasurementEvaluation.h"
#include "studio/model/UQLXMeasurementConfigurations.h"
#include "tests/support/RecordingMessagePresenter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace qlx::studio::test {
namespace {

QByteArray configurationXml(const QByteArray& name)
{
    return "<MeasurementConfiguration><MeasurementEvaluationConfiguration Name='" + name
        + "' Comment='' DisplacementResolution='0'><MeasurementEvaluation Type='TQLXMaxForceMeasurementEvaluation' "
          "Caption=''/></MeasurementEvaluationConfiguration></MeasurementConfiguration>";
}

class ConfigurationsTest : public ::testing::Test {
protected:
    ConfigurationsTest() { RegisterBuiltInEvaluations(classRegister); }

    void writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString directory() const { return dir.path() + u'/'; }

    static QString failureText(const char* fileName, const QString& reason)
    {
        return QStringLiteral("Failed to read QLX measurement configuration file \"%1\"!\r\n\r\nReason: %2")
            .arg(QString::fromUtf8(fileName), reason);
    }

    QTemporaryDir dir;
    TClassRegister classRegister;
    qlx::test::ScopedRecordingPresenter messages;
};

TEST_F(ConfigurationsTest, LoadsGoodFilesReportsBadOnesAndGoesOn)
{
    writeFile(QStringLiteral("good.config"), configurationXml("Good"));
    writeFile(QStringLiteral("Another.CONFIG"), configurationXml("another"));
    writeFile(QStringLiteral("broken.config"), "<MeasurementConfiguration>");
    writeFile(QStringLiteral("foreign.config"), "<Settings/>");
    writeFile(QStringLiteral("unknown.config"), QByteArray(configurationXml("Unknown")).replace("TQLXMaxForceMeasurementEvaluation", "TFoo"));
    writeFile(QStringLiteral("notes.txt"), configurationXml("Text"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.config")));
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.config"))).constData(), 0600), 0);

    TQLXMeasurementConfigurations configurations(classRegister);
    configurations.LoadFromDirectory(directory());

    EXPECT_EQ(configurations.Names(), (QStringList{QStringLiteral("another"), QStringLiteral("Good")}));
    EXPECT_EQ(configurations.Find(QStringLiteral("Good"))->Filename(), directory() + QStringLiteral("good.config"));
    EXPECT_EQ(configurations.Find(QStringLiteral("good")), nullptr) << "keys are case-sensitive";

    const QList<qlx::UserMessage> shown = messages->shown();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].text,
              failureText("broken.config",
                          QStringLiteral("Failed to load XML document from configuration file \"%1\"!")
                              .arg(directory() + QStringLiteral("broken.config"))));
    EXPECT_EQ(shown[1].text,
              failureText("foreign.config",
                          QStringLiteral("Node name of measurement configuration node is not MeasurementConfiguration!")));
    EXPECT_EQ(shown[2].text, failureText("unknown.config", QStringLiteral("Class TFoo not found!")));
    for (const qlx::UserMessage& message : shown) {
        EXPECT_EQ(message.icon, qlx::MessageIcon::Error);
        EXPECT_EQ(message.buttons, qlx::MessageButtons::OK);
    }
}

TEST_F(ConfigurationsTest, DuplicateNameIsReportedAndTheRestStillLoads)
{
    writeFile(QStringLiteral("a.config"), configurationXml("Same"));
    writeFile(QStringLiteral("b.config"), configurationXml("Same"));
    writeFile(QStringLiteral("c.config"), configurationXml("Other"));

    TQLXMeasurementConfigurations configurations(classRegister);
    configurations.LoadFromDirectory(directory());

    EXPECT_EQ(configurations.Names(), (QStringList{QStringLiteral("Other"), QStringLiteral("Same")}));
    EXPECT_EQ(configurations.Find(QStringLiteral("Same"))->Filename(), directory() + QStringLiteral("a.config"));
    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->shown()[0].text,
              failureText("b.config", QStringLiteral("A configuration named \"Same\" is already loaded from \"a.config\"!")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("b.config")))) << "nothing is lost";
}

TEST_F(ConfigurationsTest, EnumerationIsSortedWithoutRegardToCase)
{
    const char* const names[] = {"delta", "Bravo", "alpha", "Charlie", "ALPHA", "échelle", "10", "2"};
    for (const char* name : names)
        writeFile(QString::fromUtf8(name).toUtf8().toHex() + QStringLiteral(".config"), configurationXml(name));

    TQLXMeasurementConfigurations configurations(classRegister);
    configurations.LoadFromDirectory(directory());
    const QStringList expected{"10", "2", "ALPHA", "alpha", "Bravo", "Charlie", "delta", "échelle"};
    EXPECT_EQ(configurations.Names(), expected);
    QStringList walked;
    for (const auto& [name, configuration] : configurations) {
        EXPECT_EQ(configuration->MeasurementEvaluation().Name(), name);
        walked += name;
    }
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(messages->count(), 0);
}

TEST_F(ConfigurationsTest, ReloadReplacesTheContent)
{
    writeFile(QStringLiteral("one.config"), configurationXml("One"));
    TQLXMeasurementConfigurations configurations(classRegister);
    configurations.LoadFromDirectory(directory());
    ASSERT_EQ(configurations.Count(), 1);

    configurations.Find(QStringLiteral("One"))->Delete();
    writeFile(QStringLiteral("two.config"), configurationXml("Two"));
    configurations.LoadFromDirectory(directory());
    EXPECT_EQ(configurations.Names(), QStringList{QStringLiteral("Two")});

    QTemporaryDir empty;
    configurations.LoadFromDirectory(empty.path() + u'/');
    EXPECT_EQ(configurations.Count(), 0);
    configurations.LoadFromDirectory(empty.path() + QStringLiteral("/missing/"));
    EXPECT_EQ(configurations.Count(), 0);
    EXPECT_EQ(messages->count(), 0);
}

TEST_F(ConfigurationsTest, AddRemoveAndLookup)
{
    TQLXMeasurementConfigurations configurations(classRegister);
    auto first = std::make_unique<TQLXMeasurementConfiguration>();
    first->MeasurementEvaluation().SetName(QStringLiteral("X"));
    configurations.Add(std::move(first));
    auto second = std::make_unique<TQLXMeasurementConfiguration>();
    second->MeasurementEvaluation().SetName(QStringLiteral("X"));
    EXPECT_THROW(configurations.Add(std::move(second)), EQLXError);
    EXPECT_TRUE(configurations.ContainsKey(QStringLiteral("X")));
    EXPECT_FALSE(configurations.ContainsKey(QStringLiteral("x")));
    configurations.Remove(QStringLiteral("X"));
    EXPECT_EQ(configurations.Count(), 0);
}

} // namespace
} // namespace qlx::studio::test
