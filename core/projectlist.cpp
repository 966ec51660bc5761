#include "core/projectlist.h"

#include "core/globals.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCodec>
#include <QVector>
#include <QXmlStreamReader>

#include <memory>

namespace {

const char *const kDefaultLow = "20";
const char *const kDefaultHigh = "35";
const char *const kDefaultNetworkType = "0";
// The encoding of a list that declares none, as its codec's MIB number.
const int kUtf8Mib = 106;

// One node of the list as read: an element with its attributes and children, a text (or CDATA section), a
// comment or a processing instruction. Text that is only blanks between elements is not kept, so a list read
// and written again is laid out anew.
struct ListNode
{
    enum Kind { Element, Text, Comment, Instruction };
    Kind kind = Element;
    QString name; // an element's qualified name, an instruction's target
    QString text; // a text's, a comment's or an instruction's content
    bool cdata = false;
    QVector<QPair<QString, QString>> attributes; // as written: namespace declarations first, then the rest
    ListNode *parent = nullptr;
    QVector<std::shared_ptr<ListNode>> children;

    ListNode *append(std::shared_ptr<ListNode> child)
    {
        child->parent = this;
        children.append(std::move(child));
        return children.last().get();
    }

    // A new last child of that kind, name and content.
    ListNode *append(Kind childKind, const QString &childName, const QString &content)
    {
        auto child = std::make_shared<ListNode>();
        child->kind = childKind;
        child->name = childName;
        child->text = content;
        return append(std::move(child));
    }

    void appendText(const QString &content) { append(Text, QString(), content); }

    void appendTextElement(const QString &tag, const QString &content)
    {
        append(Element, tag, QString())->appendText(content);
    }

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

    ListNode *firstChildElement(const QString &tag) const
    {
        for (const auto &child : children) {
            if (child->kind == Element && child->name == tag)
                return child.get();
        }
        return nullptr;
    }

    // The elements called tag at any depth below, in document order.
    void collect(const QString &tag, QVector<ListNode *> &found) const
    {
        for (const auto &child : children) {
            if (child->kind != Element)
                continue;
            if (child->name == tag)
                found.append(child.get());
            child->collect(tag, found);
        }
    }

    // An element's content becomes the one text given: its text is changed in place (a CDATA section stays
    // one), and whatever else it held goes.
    void setContentText(const QString &content)
    {
        if (children.size() == 1 && children.first()->kind == Text) {
            children.first()->text = content;
            return;
        }
        children.clear();
        appendText(content);
    }
};

// The whole file: its declaration and document type, and its nodes under a root node that stands for the
// document.
struct ProjectList
{
    bool declared = false; // the file starts with an XML declaration
    QString version;
    QString encoding;
    bool standalone = false;
    QString doctype; // the document type declaration as written
    ListNode document;
};

// The list as a tree; false when the file cannot be read or is no well-formed document.
bool readProjectList(ProjectList &list)
{
    QFile file(projectXmlPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader reader(&file);
    ListNode *open = &list.document;
    bool rootSeen = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            list.declared = !reader.documentVersion().isEmpty();
            list.version = reader.documentVersion().toString();
            list.encoding = reader.documentEncoding().toString();
            list.standalone = reader.isStandaloneDocument();
            break;
        case QXmlStreamReader::DTD:
            list.doctype = reader.text().toString();
            break;
        case QXmlStreamReader::StartElement: {
            ListNode *element = open->append(ListNode::Element, reader.qualifiedName().toString(), QString());
            for (const QXmlStreamNamespaceDeclaration &ns : reader.namespaceDeclarations()) {
                const QString prefix = ns.prefix().toString();
                element->attributes.append(
                    {prefix.isEmpty() ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + prefix,
                     ns.namespaceUri().toString()});
            }
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                element->attributes.append({attribute.qualifiedName().toString(), attribute.value().toString()});
            open = element;
            rootSeen = true;
            break;
        }
        case QXmlStreamReader::EndElement:
            open = open->parent;
            break;
        case QXmlStreamReader::Characters: {
            if (open == &list.document || reader.isWhitespace())
                break;
            ListNode *last = open->children.isEmpty() ? nullptr : open->children.last().get();
            if (last && last->kind == ListNode::Text && !last->cdata && !reader.isCDATA()) {
                last->text += reader.text();
                break;
            }
            open->append(ListNode::Text, QString(), reader.text().toString())->cdata = reader.isCDATA();
            break;
        }
        case QXmlStreamReader::Comment:
            open->append(ListNode::Comment, QString(), reader.text().toString());
            break;
        case QXmlStreamReader::ProcessingInstruction:
            open->append(ListNode::Instruction, reader.processingInstructionTarget().toString(),
                         reader.processingInstructionData().toString());
            break;
        default:
            break;
        }
    }
    return !reader.hasError() && rootSeen;
}

QVector<ListNode *> elementsNamed(const ListNode &document, const QString &tag)
{
    QVector<ListNode *> found;
    document.collect(tag, found);
    return found;
}

// Writes the list out in the layout the station has always used: one node per line, indented by four blanks a
// level, an element holding only text on one line, the declaration (when the file has one) with single quotes.
class ListWriter
{
public:
    explicit ListWriter(QTextCodec *encoding) : codec(encoding), anyCharacter(encoding->mibEnum() == kUtf8Mib) {}

    void writeDocument(const ProjectList &list)
    {
        if (list.declared) {
            out += QStringLiteral("<?xml version='") + list.version + '\'';
            if (!list.encoding.isEmpty())
                out += QStringLiteral(" encoding='") + list.encoding + '\'';
            if (list.standalone)
                out += QStringLiteral(" standalone='yes'");
            out += QStringLiteral("?>\n");
        }
        if (!list.doctype.isEmpty())
            out += list.doctype + '\n';
        writeChildren(list.document, 0);
    }

    QByteArray encoded() const { return codec->fromUnicode(out); }

private:
    static bool isText(const ListNode *node) { return node && node->kind == ListNode::Text; }

    void indent(int depth) { out += QString(depth * 4, QLatin1Char(' ')); }

    void writeChildren(const ListNode &parent, int depth)
    {
        const auto &children = parent.children;
        for (int i = 0; i < children.size(); ++i) {
            const ListNode *prev = i > 0 ? children.at(i - 1).get() : nullptr;
            const ListNode *next = i + 1 < children.size() ? children.at(i + 1).get() : nullptr;
            writeNode(*children.at(i), depth, prev, next);
        }
    }

    // Blanks and line breaks go only where they don't fall into text.
    void writeNode(const ListNode &node, int depth, const ListNode *prev, const ListNode *next)
    {
        switch (node.kind) {
        case ListNode::Text:
            if (node.cdata)
                out += QStringLiteral("<![CDATA[") + QString(node.text).replace("]]>", "]]]]><![CDATA[>") + "]]>";
            else
                out += escaped(node.text, false);
            return;
        case ListNode::Instruction:
            out += QStringLiteral("<?") + node.name + ' ' + node.text + QStringLiteral("?>\n");
            return;
        case ListNode::Comment:
            if (!isText(prev))
                indent(depth);
            out += QStringLiteral("<!--") + node.text;
            if (node.text.endsWith('-'))
                out += ' ';
            out += QStringLiteral("-->");
            break;
        case ListNode::Element:
            if (!isText(prev))
                indent(depth);
            out += '<' + node.name;
            for (const auto &attribute : node.attributes)
                out += ' ' + attribute.first + QStringLiteral("=\"") + escaped(attribute.second, true) + '"';
            if (node.children.isEmpty()) {
                out += QStringLiteral("/>");
            } else {
                out += '>';
                if (!isText(node.children.first().get()))
                    out += '\n';
                writeChildren(node, depth + 1);
                if (!isText(node.children.last().get()))
                    indent(depth);
                out += QStringLiteral("</") + node.name + '>';
            }
            break;
        }
        if (!isText(next))
            out += '\n';
    }

    // Markup characters as references; in an attribute also quotes and the blanks a reader would normalise.
    // A character the file's encoding cannot hold is written as a reference too.
    QString escaped(const QString &value, bool attribute) const
    {
        QString result;
        result.reserve(value.size());
        for (int i = 0; i < value.size(); ++i) {
            const QChar c = value.at(i);
            if (c == '<')
                result += QStringLiteral("&lt;");
            else if (c == '&')
                result += QStringLiteral("&amp;");
            else if (c == '>' && i >= 2 && value.at(i - 1) == ']' && value.at(i - 2) == ']')
                result += QStringLiteral("&gt;");
            else if (attribute && c == '"')
                result += QStringLiteral("&quot;");
            else if ((attribute && (c == '\n' || c == '\t')) || c == '\r' || (!anyCharacter && !codec->canEncode(c)))
                result += QStringLiteral("&#x") + QString::number(c.unicode(), 16) + ';';
            else
                result += c;
        }
        return result;
    }

    QTextCodec *codec;
    bool anyCharacter;
    QString out;
};

// The list is replaced as a whole through a temporary file, so a crash or a full disk leaves the previous
// list in place instead of a torn one. It is written in the encoding it declares, UTF-8 when it declares none.
bool writeProjectList(const ProjectList &list)
{
    QTextCodec *codec = list.encoding.isEmpty() ? nullptr : QTextCodec::codecForName(list.encoding.toLatin1());
    if (!codec)
        codec = QTextCodec::codecForMib(kUtf8Mib);
    ListWriter writer(codec);
    writer.writeDocument(list);
    const QByteArray bytes = writer.encoded();
    QSaveFile file(projectXmlPath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// Calls visit for every child called property that follows the name element of the first project named
// projectName: of a project's settings, only those after its name count.
template <typename Visit>
void forEachPropertyOfProject(const ListNode &document, const QString &projectName, const QString &property,
                              Visit visit)
{
    for (ListNode *project : elementsNamed(document, "project")) {
        bool found = false;
        for (const auto &child : project->children) {
            if (child->kind != ListNode::Element)
                continue;
            if (!found && child->name == "name" && child->allText() == projectName) {
                found = true;
            } else if (found && child->name == property) {
                visit(*child);
            }
        }
        if (found)
            return;
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
    // The default list is always the same text: written as it stands, in the layout the writer above uses.
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
    ProjectList list;
    if (!readProjectList(list)) {
        return false;
    }
    for (const ListNode *project : elementsNamed(list.document, "project")) {
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
    ProjectList list;
    if (!readProjectList(list)) {
        return false;
    }
    const QVector<ListNode *> currents = elementsNamed(list.document, "current");
    if (currents.isEmpty()) {
        return true;
    }
    // The current name is the current element's first child, whatever kind of node that is.
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
    ProjectList list;
    if (!isValidProjectName(name) || !readProjectList(list)) {
        return false;
    }
    const QVector<ListNode *> currents = elementsNamed(list.document, "current");
    if (!currents.isEmpty() && !currents.first()->children.isEmpty()) {
        ListNode *first = currents.first()->children.first().get();
        if (first->kind == ListNode::Element && first->name == "name") {
            first->setContentText(name);
        }
    }
    return writeProjectList(list);
}

bool getProjectProperty(const QString &projectName, const QString &property, QString &value)
{
    ProjectList list;
    if (!readProjectList(list)) {
        return false;
    }
    // Of several settings of that name, the last one holds.
    forEachPropertyOfProject(list.document, projectName, property,
                             [&value](const ListNode &setting) { value = setting.allText(); });
    return true;
}

bool setProjectProperty(const QString &projectName, const QString &property, const QString &value)
{
    ProjectList list;
    if (!readProjectList(list)) {
        return false;
    }
    forEachPropertyOfProject(list.document, projectName, property,
                             [&value](ListNode &setting) { setting.setContentText(value); });
    return writeProjectList(list);
}

bool addProject(const QString &name)
{
    ProjectList list;
    if (!isValidProjectName(name) || !readProjectList(list)) {
        return false;
    }
    // Into the root element when it is the general list, else into the first general list found.
    ListNode *general = list.document.firstChildElement("general");
    if (!general) {
        const QVector<ListNode *> generals = elementsNamed(list.document, "general");
        general = generals.isEmpty() ? nullptr : generals.first();
    }
    if (!general) {
        return false;
    }
    ListNode *project = general->append(ListNode::Element, QStringLiteral("project"), QString());
    project->appendTextElement("name", name);
    project->appendTextElement("indoor_temperature_low", kDefaultLow);
    project->appendTextElement("indoor_temperature_high", kDefaultHigh);
    project->appendTextElement("network_type", kDefaultNetworkType);
    return writeProjectList(list);
}

bool removeProject(const QString &name)
{
    ProjectList list;
    if (!readProjectList(list)) {
        return false;
    }
    for (ListNode *project : elementsNamed(list.document, "project")) {
        // A project without a name element is nobody's: not even an empty name removes it.
        const ListNode *projectName = project->firstChildElement("name");
        if (projectName && projectName->allText() == name) {
            auto &siblings = project->parent->children;
            for (int i = 0; i < siblings.size(); ++i) {
                if (siblings.at(i).get() == project) {
                    siblings.remove(i);
                    break;
                }
            }
            break;
        }
    }
    return writeProjectList(list);
}
