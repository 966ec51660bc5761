#include "core/projectlist.h"

#include "core/globals.h"

#include <QDomDocument>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

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
    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction("xml", "version=\"1.0\" encoding=\"UTF-8\""));
    QDomElement general = doc.createElement("general");
    doc.appendChild(general);
    general.appendChild(newProjectElement(doc, "Home"));
    QDomElement current = doc.createElement("current");
    current.appendChild(textElement(doc, "name", "Home"));
    general.appendChild(current);
    return writeProjectXml(doc);
}

bool getProjectNames(QStringList &names)
{
    QDomDocument doc;
    if (!readProjectXml(doc)) {
        return false;
    }
    const QDomNodeList projects = doc.elementsByTagName("project");
    for (int i = 0; i < projects.count(); ++i) {
        const QDomElement name = projects.at(i).firstChildElement("name");
        if (!name.isNull() && isValidProjectName(name.text())) {
            names.append(name.text());
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
    QDomDocument doc;
    if (!readProjectXml(doc)) {
        return false;
    }
    const QDomNodeList currents = doc.elementsByTagName("current");
    if (currents.isEmpty()) {
        return true;
    }
    const QDomNode first = currents.at(0).firstChild();
    const QString text = first.isElement() ? first.toElement().text() : QString();
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
    QDomDocument doc;
    if (!readProjectXml(doc)) {
        return false;
    }
    forEachPropertyOfProject(doc, projectName, property, [&value](const QDomElement &e) { value = e.text(); });
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
