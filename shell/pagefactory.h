#pragma once
// The page table: the 33 page ids that navigation accepts, in the order they are tested, with the creator
// of each page.

#include <QString>
#include <QStringList>

#include <functional>

class MyDialog;

class PageFactory
{
public:
    // Builds a page as (id, name, no parent).
    using Creator = std::function<MyDialog *(const QString &id, const QString &name)>;

    // All page ids in table order, as written in the program (untranslated).
    static QStringList pageIds();
    // The ids whose page class is not part of the program yet.
    static QStringList missingPageIds();

    // The table entry whose translated id equals id (case-sensitive): its translated id, or an empty
    // text when id is not a page id.
    static QString tableId(const QString &id);

    // The page of id, or nullptr when id is not in the table or its page does not exist yet.
    static MyDialog *create(const QString &id, const QString &name);

    // Test seam: replaces the creator of a table id (an empty creator restores the program's own).
    // False when id is not a page id.
    static bool setCreator(const QString &id, const Creator &creator);
    static void resetCreators();
};
