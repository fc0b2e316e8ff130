#pragma once
// Small XML toolkit over pugixml for evaluations and configuration files.
// Nothing here throws: failures come back as false or empty results.

#include <QString>
#include <memory>
#include <pugixml.hpp>
#include <vector>

namespace qlx::studio {

class XMLDocHelper {
public:
    // Files larger than this are not configuration files; reading one would
    // only tie up memory.
    static constexpr qint64 MaxDocumentFileSize = 16 * 1024 * 1024;

    // The text without the characters XML 1.0 cannot carry: control
    // characters other than tab, line feed and carriage return, U+FFFE, U+FFFF.
    static QString XMLCharactersOnly(const QString& AText);

    static std::unique_ptr<pugi::xml_document> CreateXMLDocument();
    // None when the file is missing, not a regular file, unreadable, too
    // large or not well-formed.
    static std::unique_ptr<pugi::xml_document> CreateXMLDocumentFromFile(const QString& AFilename);
    // Writes UTF-8 with CR LF line ends into a temporary file and renames it
    // over AFilename, so a failure leaves the old file intact.
    static bool SaveXMLDocumentToFile(const pugi::xml_document& AXMLDoc, const QString& AFilename,
                                      QString& AError);

    static bool CreateXMLDocumentElement(pugi::xml_document& AXMLDoc, const QString& AElementName);
    // False and AValue unchanged when the attribute is missing.
    static bool GetAttributeValueFromXMLNode(const pugi::xml_node& AXMLNode, const QString& AName,
                                             QString& AValue);
    // Replaces an attribute of the same name; the value passes through
    // XMLCharactersOnly so that every XML reader accepts the file.
    static bool AddAttributeToXMLNode(pugi::xml_node AXMLNode, const QString& AName, const QString& AValue);
    static pugi::xml_node AddXMLNode(pugi::xml_node AParentXMLNode, const QString& AName);

    static pugi::xml_node FirstChildElement(const pugi::xml_node& AXMLNode, const QString& AName);
    static std::vector<pugi::xml_node> ChildElements(const pugi::xml_node& AXMLNode, const QString& AName);
};

} // namespace qlx::studio
