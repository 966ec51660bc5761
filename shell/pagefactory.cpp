#include "shell/pagefactory.h"

#include "shell/mydialog.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The order is the order in which requests are matched.
const char *const pageTable[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Home"),
    QT_TRANSLATE_NOOP("MainWindow", "Message"),
    QT_TRANSLATE_NOOP("MainWindow", "Log"),
    QT_TRANSLATE_NOOP("MainWindow", "Setting"),
    QT_TRANSLATE_NOOP("MainWindow", "Rooms"),
    QT_TRANSLATE_NOOP("MainWindow", "3D View"),
    QT_TRANSLATE_NOOP("MainWindow", "Operate Room"),
    QT_TRANSLATE_NOOP("MainWindow", "Operate Room 3D View"),
    QT_TRANSLATE_NOOP("MainWindow", "Project Setting"),
    QT_TRANSLATE_NOOP("MainWindow", "Project Information"),
    QT_TRANSLATE_NOOP("MainWindow", "Room Template"),
    QT_TRANSLATE_NOOP("MainWindow", "Edit Template"),
    QT_TRANSLATE_NOOP("MainWindow", "Template Light Information"),
    QT_TRANSLATE_NOOP("MainWindow", "Template Panel Information"),
    QT_TRANSLATE_NOOP("MainWindow", "Rooms Manager"),
    QT_TRANSLATE_NOOP("MainWindow", "Edit Room"),
    QT_TRANSLATE_NOOP("MainWindow", "Message Manager"),
    QT_TRANSLATE_NOOP("MainWindow", "Message Information"),
    QT_TRANSLATE_NOOP("MainWindow", "Change Device Address"),
    QT_TRANSLATE_NOOP("MainWindow", "Network Setting"),
    QT_TRANSLATE_NOOP("MainWindow", "3D View Manager"),
    QT_TRANSLATE_NOOP("MainWindow", "3D View Setting"),
    QT_TRANSLATE_NOOP("MainWindow", "About"),
    QT_TRANSLATE_NOOP("MainWindow", "Light Information"),
    QT_TRANSLATE_NOOP("MainWindow", "AC Information"),
    QT_TRANSLATE_NOOP("MainWindow", "Floor Heat Information"),
    QT_TRANSLATE_NOOP("MainWindow", "Moods Information"),
    QT_TRANSLATE_NOOP("MainWindow", "Diy Command"),
    QT_TRANSLATE_NOOP("MainWindow", "Panel Information"),
    QT_TRANSLATE_NOOP("MainWindow", "Lighting"),
    QT_TRANSLATE_NOOP("MainWindow", "AC"),
    QT_TRANSLATE_NOOP("MainWindow", "Floor Heat"),
    QT_TRANSLATE_NOOP("MainWindow", "Moods"),
};

// Creators by untranslated id: what the program registered, and what a test put over it.
QHash<QString, PageFactory::Creator> &registeredCreators()
{
    static QHash<QString, PageFactory::Creator> creators;
    return creators;
}

QHash<QString, PageFactory::Creator> &replacedCreators()
{
    static QHash<QString, PageFactory::Creator> creators;
    return creators;
}

// Ids are translatable texts and compared in their translated form.
QString translated(const char *id)
{
    return QCoreApplication::translate("MainWindow", id);
}

// The table entry of a translated id, or nullptr.
const char *findEntry(const QString &id)
{
    for (const char *entry : pageTable) {
        if (translated(entry) == id)
            return entry;
    }
    return nullptr;
}

bool putCreator(QHash<QString, PageFactory::Creator> &creators, const QString &id, const PageFactory::Creator &creator)
{
    const char *entry = findEntry(id);
    if (!entry)
        return false;
    const QString key = QString::fromLatin1(entry);
    if (creator)
        creators.insert(key, creator);
    else
        creators.remove(key);
    return true;
}

} // namespace

QStringList PageFactory::pageIds()
{
    QStringList ids;
    for (const char *entry : pageTable)
        ids << QString::fromLatin1(entry);
    return ids;
}

QStringList PageFactory::missingPageIds()
{
    QStringList ids;
    for (const char *entry : pageTable) {
        if (!registeredCreators().contains(QString::fromLatin1(entry)))
            ids << QString::fromLatin1(entry);
    }
    return ids;
}

QString PageFactory::tableId(const QString &id)
{
    const char *entry = findEntry(id);
    return entry ? translated(entry) : QString();
}

MyDialog *PageFactory::create(const QString &id, const QString &name)
{
    const char *entry = findEntry(id);
    if (!entry)
        return nullptr;
    const QString key = QString::fromLatin1(entry);
    const Creator creator = replacedCreators().value(key, registeredCreators().value(key));
    if (!creator)
        return nullptr;
    return creator(translated(entry), name);
}

bool PageFactory::registerPage(const QString &id, const Creator &creator)
{
    return putCreator(registeredCreators(), id, creator);
}

bool PageFactory::setCreator(const QString &id, const Creator &creator)
{
    return putCreator(replacedCreators(), id, creator);
}

void PageFactory::resetCreators()
{
    replacedCreators().clear();
}
