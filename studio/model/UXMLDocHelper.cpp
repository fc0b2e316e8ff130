#include "studio/model/UXMLDocHelper.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <new>

namespace qlx::studio {
namespace {

bool isXmlChar(char32_t c)
{
    if (c < 0x20)
        return c == u'\t' || c == u'\n' || c == u'\r';
    return c != 0xFFFE && c != 0xFFFF;
}

// Collects the document with CR LF line ends; attribute values escape their
// own line breaks, so every "\n" here ends a line of the layout.
class CrLfWriter final : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override
    {
        const char* bytes = static_cast<const char*>(data);
        for (size_t i = 0; i < size; ++i) {
            if (bytes[i] == '\n')
                text += '\r';
            text += bytes[i];
        }
    }
    QByteArray text;
};

} // namespace

QString XMLDocHelper::XMLCharactersOnly(const QString& AText)
{
    QString kept;
    kept.reserve(AText.size());
    for (const char32_t c : AText.toUcs4()) {
        if (isXmlChar(c))
            kept += QString::fromUcs4(&c, 1);
    }
    return kept;
}

std::unique_ptr<pugi::xml_document> XMLDocHelper::CreateXMLDocument()
{
    return std::unique_ptr<pugi::xml_document>(new (std::nothrow) pugi::xml_document);
}

std::unique_ptr<pugi::xml_document> XMLDocHelper::CreateXMLDocumentFromFile(const QString& AFilename)
{
    // Only regular files: opening a pipe or a device would wait or read forever.
    auto doc = CreateXMLDocument();
    QFile file(AFilename);
    if (!doc || !QFileInfo(AFilename).isFile() || !file.open(QIODevice::ReadOnly)
        || file.size() > MaxDocumentFileSize)
        return nullptr;
    // One byte more than the size shows a file that grew in the meantime.
    const QByteArray content = file.read(file.size() + 1);
    if (file.error() != QFileDevice::NoError || content.size() > MaxDocumentFileSize)
        return nullptr;
    if (!doc->load_buffer(content.constData(), size_t(content.size())))
        return nullptr;
    return doc;
}

bool XMLDocHelper::SaveXMLDocumentToFile(const pugi::xml_document& AXMLDoc, const QString& AFilename,
                                         QString& AError)
{
    CrLfWriter writer;
    AXMLDoc.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
    // QSaveFile commits even when a buffered write fell short (a full disk),
    // so the flush is checked before the rename.
    QSaveFile file(AFilename);
    if (!file.open(QIODevice::WriteOnly) || file.write(writer.text) != writer.text.size() || !file.flush()
        || !file.commit()) {
        AError = QStringLiteral("Cannot write file \"%1\": %2").arg(AFilename, file.errorString());
        return false;
    }
    return true;
}

bool XMLDocHelper::CreateXMLDocumentElement(pugi::xml_document& AXMLDoc, const QString& AElementName)
{
    if (pugi::xml_node old = AXMLDoc.document_element())
        AXMLDoc.remove_child(old);
    return bool(AXMLDoc.append_child(AElementName.toUtf8().constData()));
}

bool XMLDocHelper::GetAttributeValueFromXMLNode(const pugi::xml_node& AXMLNode, const QString& AName,
                                                QString& AValue)
{
    const pugi::xml_attribute attribute = AXMLNode.attribute(AName.toUtf8().constData());
    if (!attribute)
        return false;
    AValue = QString::fromUtf8(attribute.value());
    return true;
}

bool XMLDocHelper::AddAttributeToXMLNode(pugi::xml_node AXMLNode, const QString& AName, const QString& AValue)
{
    if (AXMLNode.type() != pugi::node_element)
        return false;
    const QByteArray name = AName.toUtf8();
    pugi::xml_attribute attribute = AXMLNode.attribute(name.constData());
    if (!attribute)
        attribute = AXMLNode.append_attribute(name.constData());
    return attribute && attribute.set_value(XMLCharactersOnly(AValue).toUtf8().constData());
}

pugi::xml_node XMLDocHelper::AddXMLNode(pugi::xml_node AParentXMLNode, const QString& AName)
{
    if (!AParentXMLNode)
        return {};
    return AParentXMLNode.append_child(AName.toUtf8().constData());
}

pugi::xml_node XMLDocHelper::FirstChildElement(const pugi::xml_node& AXMLNode, const QString& AName)
{
    const QByteArray name = AName.toUtf8();
    for (const pugi::xml_node child : AXMLNode.children()) {
        if (child.type() == pugi::node_element && name == child.name())
            return child;
    }
    return {};
}

std::vector<pugi::xml_node> XMLDocHelper::ChildElements(const pugi::xml_node& AXMLNode, const QString& AName)
{
    const QByteArray name = AName.toUtf8();
    std::vector<pugi::xml_node> elements;
    for (const pugi::xml_node child : AXMLNode.children()) {
        if (child.type() == pugi::node_element && name == child.name())
            elements.push_back(child);
    }
    return elements;
}

} // namespace qlx::studio
