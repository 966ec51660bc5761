#pragma once
// The page table: the 33 page ids that navigation accepts, in the order they are matched, and the creator
// each page area registers for its ids. The shell knows no page class: the program's top registers them
// before the main window exists.

#include <QString>
#include <QStringList>

#include <functional>

class MyDialog;
class QWidget;

class PageFactory
{
public:
    // Builds a page as (id, name, no parent).
    using Creator = std::function<MyDialog *(const QString &id, const QString &name)>;

    // The creator of a page class constructed as Page(id, name, parent).
    template <class Page> static Creator creatorOf()
    {
        return [](const QString &id, const QString &name) -> MyDialog * { return new Page(id, name, nullptr); };
    }

    // All page ids in table order, as written in the program (untranslated).
    static QStringList pageIds();
    // The ids that no page class has been registered for.
    static QStringList missingPageIds();

    // The table entry whose translated id equals id (case-sensitive): its translated id, or an empty
    // text when id is not a page id.
    static QString tableId(const QString &id);

    // The page of id, or nullptr when id is not in the table or no page is registered for it.
    static MyDialog *create(const QString &id, const QString &name);

    // The program's own page of a table id; an empty creator takes the registration back. False when id is
    // not a page id.
    static bool registerPage(const QString &id, const Creator &creator);

    // Test seam: replaces the creator of a table id over its registered page (an empty creator restores the
    // registered one). False when id is not a page id.
    static bool setCreator(const QString &id, const Creator &creator);
    static void resetCreators();
};
