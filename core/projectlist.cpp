#include "core/projectlist.h"

#include "core/globals.h"

#include <QDomDocument>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QVector>
#include <QXmlStreamReader>

#include <memory>

namespace {

const char *const kDefaultLow = "20";
const char *const kDefaultHigh = "35";
const char *const kDefaultNetworkType = "0";

bool readProjectXml(QDomDocument &doc)
{
    QFile file(projectXmlPath());
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return doc.setContent(&file, true);
}

// What the readers see of the list: its elements with their names and their child nodes in document order. Text
// that is only blanks between elements is not kept, as the document model drops it too; comments and processing
// instructions stay as nodes of no kind, since they count as a first child. Every start reads the list, so the
// readers parse it with the stream reader rather than build the document model that the writers edit.
struct ListNode
{
    enum Kind { Element, Text, Other };
    Kind kind = Other;
    QString name;
    QString text;
    QVector<std::shared_ptr<ListNode>> children;

    // The text of every text node below, in document order.
    QString allText() const
    {
        if (kind == Text)
            return text;
        QString joined;
        for (const auto &child : children)
            joined += child->allText();
        return joined;
    }

    const ListNode *firstChildElement(const QString &tag) const
    {
        for (const auto &child : children) {
            if (child->kind == Element && child->name == tag)
                return child.get();
        }
        return nullptr;
    }

    // The elements called tag at any depth below, in document order.
    void collect(const QString &tag, QVector<const ListNode *> &found) const
    {
        for (const auto &child : children) {
            if (child->kind != Element)
                continue;
            if (child->name == tag)
                found.append(child.get());
            child->collect(tag, found);
        }
    }
};

// The list as a tree under a root node standing for the document; false when the file cannot be read or is no
// well-formed document.
bool readProjectList(ListNode &document)
{
    QFile file(projectXmlPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader reader(&file);
    QVector<ListNode *> open{&document};
    bool rootSeen = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            auto element = std::make_shared<ListNode>();
            element->kind = ListNode::Element;
            element->name = reader.qualifiedName().toString();
            open.last()->children.append(element);
            open.append(element.get());
            rootSeen = true;
            break;
        }
        case QXmlStreamReader::EndElement:
            open.removeLast();
            break;
        case QXmlStreamReader::Characters:
            if (open.size() > 1 && !reader.isWhitespace()) {
                auto text = std::make_shared<ListNode>();
                text->kind = ListNode::Text;
                text->text = reader.text().toString();
                open.last()->children.append(text);
            }
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
            if (open.size() > 1)
                open.last()->children.append(std::make_shared<ListNode>());
            break;
        default:
            break;
        }
    }
    return !reader.hasError() && rootSeen;
}

QVector<const ListNode *> elementsNamed(const ListNode &document, const QString &tag)
{
    QVector<const ListNode *> found;
    document.collect(tag, found);
    return found;
}

// The list is replaced as a whole through a temporary file, so a crash or a full disk leaves the previous
// list in place instead of a torn one.
bool writeProjectXml(const QDomDocument &doc)
{
    QSaveFile file(projectXmlPath());
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QTextStream stream(&file);
    doc.save(stream, 4, QDomNode::EncodingFromDocument);
    stream.flush();
    if (stream.status() != QTextStream::Ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void setElementText(QDomElement element, const QString &text)
{
    QDomNode first = element.firstChild();
    if (!first.isNull()) {
        first.setNodeValue(text);
    } else {
        element.appendChild(element.ownerDocument().createTextNode(text));
    }
}

QDomElement textElement(QDomDocument &doc, const QString &tag, const QString &text)
{
    QDomElement element = doc.createElement(tag);
    element.appendChild(doc.createTextNode(text));
    return element;
}

QDomElement newProjectElement(QDomDocument &doc, const QString &name)
{
    QDomElement project = doc.createElement("project");
    project.appendChild(textElement(doc, "name", name));
    project.appendChild(textElement(doc, "indoor_temperature_low", kDefaultLow));
    project.appendChild(textElement(doc, "indoor_temperature_high", kDefaultHigh));
    project.appendChild(textElement(doc, "network_type", kDefaultNetworkType));
    return project;
}

// Walks the children of the first project named projectName and calls visit for every child called property
// that follows the project's name element.
template <typename Visit>
void forEachPropertyOfProject(const QDomDocument &doc, const QString &projectName, const QString &property, Visit visit)
{
    const QDomNodeList projects = doc.elementsByTagName("project");
    for (int i = 0; i < projects.count(); ++i) {
        bool found = false;
        for (QDomElement child = projects.at(i).firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            if (!found && child.tagName() == "name" && child.text() == projectName) {
                found = true;
            } else if (found && child.tagName() == property) {
                visit(child);
            }
        }
        if (found) {
            return;
        }
    }
}

} // namespace

bool isValidProjectName(const QString &name)
{
    if (name.isEmpty() || name.startsWith('.'))
        return false;
    for (const QChar c : name) {
        if (c == '/' || c == '\\' || c == ':' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString projectXmlPath()
{
    return gAppDirPath + "/database/project.xml";
}

bool createProjectXml()
{
    // The default list is always the same text: written as it stands, as the document model would save it.
    QSaveFile file(projectXmlPath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray list = QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<general>\n"
                                       "    <project>\n"
                                       "        <name>Home</name>\n"
                                       "        <indoor_temperature_low>") +
                            kDefaultLow + "</indoor_temperature_low>\n        <indoor_temperature_high>" +
                            kDefaultHigh + "</indoor_temperature_high>\n        <network_type>" + kDefaultNetworkType +
                            "</network_type>\n"
                            "    </project>\n"
                            "    <current>\n"
                            "        <name>Home</name>\n"
                            "    </current>\n"
                            "</general>\n";
    if (file.write(list) != list.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool getProjectNames(QStringList &names)
{
    ListNode document;
    if (!readProjectList(document)) {
        return false;
    }
    for (const ListNode *project : elementsNamed(document, "project")) {
        const ListNode *name = project->firstChildElement("name");
        if (name && isValidProjectName(name->allText())) {
            names.append(name->allText());
        }
    }
    return true;
}

bool projectExists(const QString &name)
{
    QStringList names;
    getProjectNames(names);
    return names.contains(name, Qt::CaseSensitive);
}

bool getCurrentProjectName(QString &name)
{
    ListNode document;
    if (!readProjectList(document)) {
        return false;
    }
    const QVector<const ListNode *> currents = elementsNamed(document, "current");
    if (currents.isEmpty()) {
        return true;
    }
    const QVector<std::shared_ptr<ListNode>> &children = currents.first()->children;
    const ListNode *first = children.isEmpty() ? nullptr : children.first().get();
    const QString text = first && first->kind == ListNode::Element ? first->allText() : QString();
    if (!isValidProjectName(text)) {
        return false;
    }
    name = text;
    return true;
}

bool setCurrentProjectName(const QString &name)
{
    QDomDocument doc;
    if (!isValidProjectName(name) || !readProjectXml(doc)) {
        return false;
    }
    const QDomNodeList currents = doc.elementsByTagName("current");
    if (!currents.isEmpty()) {
        const QDomNode first = currents.at(0).firstChild();
        if (first.isElement() && first.toElement().tagName() == "name") {
            setElementText(first.toElement(), name);
        }
    }
    return writeProjectXml(doc);
}

bool getProjectProperty(const QString &projectName, const QString &property, QString &value)
{
    ListNode document;
    if (!readProjectList(document)) {
        return false;
    }
    // As forEachPropertyOfProject walks the document model: the first project named so, and of its settings
    // after the name the last one.
    for (const ListNode *project : elementsNamed(document, "project")) {
        bool found = false;
        for (const auto &child : project->children) {
            if (child->kind != ListNode::Element)
                continue;
            if (!found && child->name == "name" && child->allText() == projectName) {
                found = true;
            } else if (found && child->name == property) {
                value = child->allText();
            }
        }
        if (found) {
            return true;
        }
    }
    return true;
}

bool setProjectProperty(const QString &projectName, const QString &property, const QString &value)
{
    QDomDocument doc;
    if (!readProjectXml(doc)) {
        return false;
    }
    forEachPropertyOfProject(doc, projectName, property, [&value](const QDomElement &e) { setElementText(e, value); });
    return writeProjectXml(doc);
}

bool addProject(const QString &name)
{
    QDomDocument doc;
    if (!isValidProjectName(name) || !readProjectXml(doc)) {
        return false;
    }
    QDomElement general = doc.documentElement();
    if (general.isNull() || general.tagName() != "general") {
        general = doc.elementsByTagName("general").at(0).toElement();
    }
    if (general.isNull()) {
        return false;
    }
    general.appendChild(newProjectElement(doc, name));
    return writeProjectXml(doc);
}

bool removeProject(const QString &name)
{
    QDomDocument doc;
    if (!readProjectXml(doc)) {
        return false;
    }
    const QDomNodeList projects = doc.elementsByTagName("project");
    for (int i = 0; i < projects.count(); ++i) {
        QDomNode project = projects.at(i);
        // A project without a name element is nobody's: not even an empty name removes it.
        const QDomElement projectName = project.firstChildElement("name");
        if (!projectName.isNull() && projectName.text() == name) {
            project.parentNode().removeChild(project);
            break;
        }
    }
    return writeProjectXml(doc);
}
