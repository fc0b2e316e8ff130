#include "studio/model/UXMLDocHelper.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace qlx::studio::test {
namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(XMLDocHelper, AttributesAreReadAddedAndReplaced)
{
    auto doc = XMLDocHelper::CreateXMLDocument();
    ASSERT_TRUE(doc);
    ASSERT_TRUE(XMLDocHelper::CreateXMLDocumentElement(*doc, QStringLiteral("Root")));
    pugi::xml_node root = doc->document_element();
    EXPECT_TRUE(XMLDocHelper::AddAttributeToXMLNode(root, QStringLiteral("A"), QStringLiteral("1")));
    EXPECT_TRUE(XMLDocHelper::AddAttributeToXMLNode(root, QStringLiteral("A"), QStringLiteral("Grüße")));
    EXPECT_TRUE(XMLDocHelper::AddAttributeToXMLNode(root, QStringLiteral("Empty"), QString()));
    EXPECT_FALSE(XMLDocHelper::AddAttributeToXMLNode(pugi::xml_node(), QStringLiteral("A"), QStringLiteral("1")));
    EXPECT_FALSE(XMLDocHelper::AddXMLNode(pugi::xml_node(), QStringLiteral("Child")));

    QString value = QStringLiteral("unchanged");
    EXPECT_FALSE(XMLDocHelper::GetAttributeValueFromXMLNode(root, QStringLiteral("Missing"), value));
    EXPECT_EQ(value, QStringLiteral("unchanged"));
    EXPECT_TRUE(XMLDocHelper::GetAttributeValueFromXMLNode(root, QStringLiteral("Empty"), value));
    EXPECT_EQ(value, QString());
    EXPECT_TRUE(XMLDocHelper::GetAttributeValueFromXMLNode(root, QStringLiteral("A"), value));
    EXPECT_EQ(value, QStringLiteral("Grüße"));
    EXPECT_EQ(std::distance(root.attributes_begin(), root.attributes_end()), 2);

    ASSERT_TRUE(XMLDocHelper::CreateXMLDocumentElement(*doc, QStringLiteral("Other")));
    EXPECT_STREQ(doc->document_element().name(), "Other");
    EXPECT_FALSE(doc->child("Root"));
}

TEST(XMLDocHelper, ChildQueriesSeeOnlyDirectElementChildren)
{
    pugi::xml_document doc;
    doc.load_string("<R><A n='1'/><B><A n='deep'/></B><A n='2'/></R>");
    const pugi::xml_node root = doc.document_element();
    EXPECT_STREQ(XMLDocHelper::FirstChildElement(root, QStringLiteral("A")).attribute("n").value(), "1");
    EXPECT_FALSE(XMLDocHelper::FirstChildElement(root, QStringLiteral("C")));
    const auto all = XMLDocHelper::ChildElements(root, QStringLiteral("A"));
    ASSERT_EQ(all.size(), 2u);
    EXPECT_STREQ(all[1].attribute("n").value(), "2");
}

TEST(XMLDocHelper, SavedFileKeepsLineBreaksAndDropsWhatXmlCannotHold)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.xml"));
    auto doc = XMLDocHelper::CreateXMLDocument();
    XMLDocHelper::CreateXMLDocumentElement(*doc, QStringLiteral("Root"));
    const QString text = QStringLiteral("a\r\nb\nc\td") + QChar(0x01) + QChar(0) + QStringLiteral("e");
    XMLDocHelper::AddAttributeToXMLNode(doc->document_element(), QStringLiteral("T"), text);
    QString error;
    ASSERT_TRUE(XMLDocHelper::SaveXMLDocumentToFile(*doc, path, error)) << error.toStdString();

    const QByteArray bytes = readFile(path);
    EXPECT_EQ(bytes, QByteArray("<?xml version=\"1.0\"?>\r\n<Root T=\"a&#13;&#10;b&#10;c&#09;de\" />\r\n"));
    QXmlStreamReader strict(bytes); // a second, strict XML 1.0 reader
    while (!strict.atEnd()) {
        if (strict.readNext() == QXmlStreamReader::StartElement) {
            EXPECT_EQ(strict.attributes().value(QStringLiteral("T")), QStringLiteral("a\r\nb\nc\tde"));
        }
    }
    EXPECT_FALSE(strict.hasError()) << strict.errorString().toStdString();

    auto loaded = XMLDocHelper::CreateXMLDocumentFromFile(path);
    ASSERT_TRUE(loaded);
    QString value;
    XMLDocHelper::GetAttributeValueFromXMLNode(loaded->document_element(), QStringLiteral("T"), value);
    EXPECT_EQ(value, QStringLiteral("a\r\nb\nc\tde"));
}

TEST(XMLDocHelper, FailedSaveLeavesTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    auto doc = XMLDocHelper::CreateXMLDocument();
    XMLDocHelper::CreateXMLDocumentElement(*doc, QStringLiteral("Root"));
    QString error;
    EXPECT_FALSE(XMLDocHelper::SaveXMLDocumentToFile(*doc, dir.filePath(QStringLiteral("no/such/dir/x.xml")), error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot write file \""))) << error.toStdString();

    // A full disk, simulated by a file size limit: the write fails half-way.
    const QString path = dir.filePath(QStringLiteral("kept.xml"));
    writeFile(path, "<Old/>");
    XMLDocHelper::AddAttributeToXMLNode(doc->document_element(), QStringLiteral("Big"), QString(4096, u'x'));
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previousLimit{};
    getrlimit(RLIMIT_FSIZE, &previousLimit);
    rlimit smallLimit = previousLimit;
    smallLimit.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &smallLimit);
    const bool saved = XMLDocHelper::SaveXMLDocumentToFile(*doc, path, error);
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(path), QByteArray("<Old/>"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.xml")}) << "no leftovers";
}

struct LoadCase {
    const char* name;
    QByteArray bytes;
    bool loads;
};

TEST(XMLDocHelper, LoadingGivesNoneForMissingBrokenOrHugeFiles)
{
    QTemporaryDir dir;
    const LoadCase cases[] = {
        {"well-formed", "<?xml version='1.0' encoding='UTF-8'?><R a='1'/>", true},
        {"utf-16 with BOM", QByteArray("\xff\xfe<\0R\0/\0>\0", 10), true},
        {"empty file", "", false},
        {"only a declaration", "<?xml version='1.0'?>", false},
        {"unclosed", "<R><A></R>", false},
        {"binary", QByteArray("\x00\x01\x02\xff", 4), false},
        {"too large", QByteArray("<R>") + QByteArray(XMLDocHelper::MaxDocumentFileSize, ' ') + "</R>", false},
    };
    for (const LoadCase& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        writeFile(path, c.bytes);
        EXPECT_EQ(XMLDocHelper::CreateXMLDocumentFromFile(path) != nullptr, c.loads) << c.name;
    }
    EXPECT_EQ(XMLDocHelper::CreateXMLDocumentFromFile(dir.filePath(QStringLiteral("missing"))), nullptr);
    EXPECT_EQ(XMLDocHelper::CreateXMLDocumentFromFile(dir.path()), nullptr) << "a folder";
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(XMLDocHelper::CreateXMLDocumentFromFile(pipe), nullptr) << "a pipe, without waiting for a writer";
}

} // namespace
} // namespace qlx::studio::test
